// `check` on a small clean course built from readable sources by `build`, and on the
// same course with one fault at a time: each fault is named at its file and line.

#include "Commands.h"
#include "CourseBuild.h"
#include "CourseCheck.h"
#include "SmallCourse.h"

#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <functional>

using coursetest::SmallCourse;
using coursetest::SourceTable;
using coursetool::Findings;
using coursetool::Severity;

namespace {

Findings checkBuilt(const SmallCourse &course)
{
    QTemporaryDir source, install;
    course.writeSources(source.path());
    EXPECT_TRUE(coursetool::buildCourse(source.path(), install.path()).isEmpty());
    return coursetool::checkCourse(install.path());
}

struct Fault {
    const char *name;
    std::function<void(SmallCourse &)> make;
    QString file;
    std::function<int(const SmallCourse &)> line; // in the changed course
    Severity severity;
    QString says;
};

SourceTable &table(SmallCourse &c, const char *path)
{
    return c.tables[QString::fromLatin1(path)];
}
const SourceTable &table(const SmallCourse &c, const char *path)
{
    return *c.tables.constFind(QString::fromLatin1(path));
}
// A value of a table, by post and field name.
QString &cell(SmallCourse &c, const char *path, int post, const char *field)
{
    SourceTable &t = table(c, path);
    return t.rows[post][t.column(QString::fromLatin1(field))];
}
int lineOf(const SmallCourse &c, const char *path, int post, const char *field)
{
    const SourceTable &t = table(c, path);
    return t.line(post, t.column(QString::fromLatin1(field)) + 1);
}
std::function<int(const SmallCourse &)> at(const char *path, int post, const char *field)
{
    return [=](const SmallCourse &c) { return lineOf(c, path, post, field); };
}
std::function<int(const SmallCourse &)> line(int n)
{
    return [=](const SmallCourse &) { return n; };
}

const QList<Fault> &faults()
{
    using S = Severity;
    static const QList<Fault> list{
        {"language code of three characters", [](SmallCourse &c) { c.texts["lang.ini"] = "eng\nEnglish\n"; },
         "lang.ini", line(1), S::Error, "two-character"},
        {"language file of one line", [](SmallCourse &c) { c.texts["lang.ini"] = "en\n"; },
         "lang.ini", line(0), S::Error, "two lines"},
        {"progress template with 47 fields", [](SmallCourse &c) { table(c, "user.ini").fields.removeLast(); },
         "user.ini", line(1), S::Error, "48 fields"},
        {"progress field out of its fixed place",
         [](SmallCourse &c) { table(c, "user.ini").fields.swapItemsAt(30, 31); },
         "user.ini", [](const SmallCourse &c) { return table(c, "user.ini").fieldLine("CurrentScenario"); }, S::Error,
         "must be field number 31"},
        {"caption Training asks for is missing",
         [](SmallCourse &c) {
             auto &rows = table(c, "ini/captions.ini").rows;
             rows.removeIf([](const QStringList &r) { return r[0] == QLatin1String("userAsk"); });
         },
         "ini/captions.ini", line(0), S::Error, "Training asks for userAsk"},
        {"caption only Scenario asks for is missing",
         [](SmallCourse &c) {
             auto &rows = table(c, "ini/captions.ini").rows;
             rows.removeIf([](const QStringList &r) { return r[0] == QLatin1String("SvarForsokIgen"); });
         },
         "ini/captions.ini", line(0), S::Error, "Scenario asks for SvarForsokIgen"},
        {"tab visibility that is no Boolean", [](SmallCourse &c) { cell(c, "ini/objsTabs.ini", 3, "Visible") = "maybe"; },
         "ini/objsTabs.ini", at("ini/objsTabs.ini", 3, "Visible"), S::Error, "not True or False"},
        {"table whose first line is no table name", [](SmallCourse &c) { c.texts["ini/Physfact.ini"] = table(c, "ini/Physfact.ini").text().mid(1); },
         "ini/Physfact.ini", line(1), S::Error, "cannot be read"},
        {"post header that is no number",
         [](SmallCourse &c) { c.texts["ini/Ident.ini"] = table(c, "ini/Ident.ini").text().replace("\n[0]\n", "\n[first]\n"); },
         "ini/Ident.ini", [](const SmallCourse &c) { return table(c, "ini/Ident.ini").headerLine(0); }, S::Error,
         "post header \"[first]\""},
        {"fact page missing", [](SmallCourse &c) { cell(c, "ini/Reffact.ini", 0, "Bookmark") = "gone.htm"; },
         "ini/Reffact.ini", at("ini/Reffact.ini", 0, "Bookmark"), S::Error, "data/html/gone.htm is missing"},
        {"fact page with an extension never shown", [](SmallCourse &c) { cell(c, "ini/Takfact.ini", 0, "Bookmark") = "fact.htm#top"; },
         "ini/Takfact.ini", at("ini/Takfact.ini", 0, "Bookmark"), S::Error, "not shown"},
        {"fact page found only ignoring letter case", [](SmallCourse &c) { cell(c, "ini/NBCfact.ini", 0, "Bookmark") = "Fact.htm"; },
         "ini/NBCfact.ini", at("ini/NBCfact.ini", 0, "Bookmark"), S::Warning, "letter case"},
        {"right flag that does not convert", [](SmallCourse &c) { cell(c, "ini/Phys.ini", 0, "Svar2R") = "Maybe"; },
         "ini/Phys.ini", at("ini/Phys.ini", 0, "Svar2R"), S::Error, "reading of the file stops"},
        {"time that does not convert", [](SmallCourse &c) { cell(c, "ini/Hazard.ini", 0, "Time") = "soon"; },
         "ini/Hazard.ini", at("ini/Hazard.ini", 0, "Time"), S::Error, "Time is \"soon\""},
        {"question without a right alternative", [](SmallCourse &c) { cell(c, "ini/Prot.ini", 0, "Svar1R") = "False"; },
         "ini/Prot.ini", [](const SmallCourse &c) { return table(c, "ini/Prot.ini").headerLine(0); }, S::Error,
         "no right alternative"},
        {"right flag on an empty alternative", [](SmallCourse &c) { cell(c, "ini/NBC.ini", 0, "Svar3R") = "-1"; },
         "ini/NBC.ini", at("ini/NBC.ini", 0, "Svar3R"), S::Error, "has no text"},
        {"info window wider than it can be", [](SmallCourse &c) { cell(c, "ini/Ident.ini", 0, "InfoWidth") = "3000"; },
         "ini/Ident.ini", at("ini/Ident.ini", 0, "InfoWidth"), S::Error, "0 … 2184"},
        {"scenario question naming no scenario", [](SmallCourse &c) { cell(c, "ini/excer/excer_2.ini", 1, "SvarKom") = "7"; },
         "ini/excer/excer_2.ini", at("ini/excer/excer_2.ini", 1, "SvarKom"), S::Error, "scenario 7"},
        {"exam folder with a single list", [](SmallCourse &c) { c.tables.remove("ini/exam/exam_2.ini"); },
         "ini/exam", line(0), S::Error, "at least two"},
        {"scenario number that does not convert", [](SmallCourse &c) { cell(c, "ini/scenario.ini", 0, "StartTid") = "noon"; },
         "ini/scenario.ini", at("ini/scenario.ini", 0, "StartTid"), S::Error, "not a whole number"},
        {"two start rooms", [](SmallCourse &c) { cell(c, "ini/fraga.ini", 1, "StartFraga") = "True"; },
         "ini/fraga.ini", at("ini/fraga.ini", 1, "StartFraga"), S::Error, "2 start rooms"},
        {"no start room", [](SmallCourse &c) { cell(c, "ini/fraga.ini", 0, "StartFraga") = "true"; },
         "ini/fraga.ini", line(0), S::Error, "0 start rooms"},
        {"room without a question", [](SmallCourse &c) { cell(c, "ini/fraga.ini", 1, "Fraga") = ""; },
         "ini/fraga.ini", at("ini/fraga.ini", 1, "Fraga"), S::Error, "room 20 has no question"},
        {"duplicate alternative number", [](SmallCourse &c) { cell(c, "ini/svarsalt.ini", 4, "SvarsAltID") = "2"; },
         "ini/svarsalt.ini", at("ini/svarsalt.ini", 4, "SvarsAltID"), S::Error, "alternative number 2 is there already"},
        {"gap in the display order", [](SmallCourse &c) { cell(c, "ini/svarsalt.ini", 4, "Order") = "4"; },
         "ini/svarsalt.ini", at("ini/svarsalt.ini", 4, "Order"), S::Error, "Order 4 should be 3"},
        {"gap in the picture numbers", [](SmallCourse &c) { cell(c, "ini/bilder.ini", 2, "Order") = "3"; },
         "ini/bilder.ini", at("ini/bilder.ini", 2, "Order"), S::Error, "picture number 3 should be 2"},
        {"scene picture missing", [](SmallCourse &c) { c.pictures.removeAll("scene2.jpg"); },
         "ini/bilder.ini", at("ini/bilder.ini", 1, "Namn"), S::Error, "scene2.jpg is missing"},
        {"key row naming an alternative the room lacks", [](SmallCourse &c) { cell(c, "ini/facit.ini", 2, "Svar") = "1,4"; },
         "ini/facit.ini", [](const SmallCourse &c) { return table(c, "ini/facit.ini").line(2, 1); }, S::Error,
         "alternative \"4\""},
        {"Action naming no room", [](SmallCourse &c) { cell(c, "ini/facit.ini", 0, "Action") = "R99"; },
         "ini/facit.ini", [](const SmallCourse &c) { return table(c, "ini/facit.ini").line(0, 1); }, S::Error,
         "room 99, which has no question"},
        {"answers no key row covers",
         [](SmallCourse &c) { table(c, "ini/facit.ini").rows.removeLast(); },
         "ini/fraga.ini", [](const SmallCourse &c) { return table(c, "ini/fraga.ini").line(1, 1); }, S::Error,
         "no \"*\" row"},
        {"room that cannot be reached",
         [](SmallCourse &c) {
             QStringList room = table(c, "ini/fraga.ini").rows[1];
             room[0] = "30";
             table(c, "ini/fraga.ini").rows.append(room);
             table(c, "ini/svarsalt.ini").rows.append({"1", "30", "1", "On", "1"});
             table(c, "ini/facit.ini").rows.append({"30", "1", "*", "finish", ""});
         },
         "ini/fraga.ini", [](const SmallCourse &c) { return table(c, "ini/fraga.ini").line(2, 1); }, S::Warning,
         "room 30 of scenario 1 cannot be reached"},
        {"room from which no finish is reached", [](SmallCourse &c) { cell(c, "ini/facit.ini", 2, "Action") = "R10"; },
         "ini/fraga.ini", [](const SmallCourse &c) { return table(c, "ini/fraga.ini").line(1, 1); }, S::Error,
         "from room 20 of scenario 1 no path leads to finish"},
        {"wrong alternative without its own feedback", [](SmallCourse &c) { cell(c, "ini/facit.ini", 1, "DialogText") = ""; },
         "ini/fraga.ini", [](const SmallCourse &c) { return table(c, "ini/fraga.ini").line(0, 1); }, S::Warning,
         "wrong alternative 2"},
    };
    return list;
}

QString describe(const Findings &findings)
{
    return findings.text() + findings.summary();
}

} // namespace

TEST(CourseCheck, CleanCourseHasNoFinding)
{
    const Findings findings = checkBuilt(SmallCourse());
    EXPECT_TRUE(findings.all().isEmpty()) << qPrintable(describe(findings));
}

TEST(CourseCheck, EachFaultIsNamedAtItsFileAndLine)
{
    for (const Fault &fault : faults()) {
        SmallCourse course;
        fault.make(course);
        const Findings findings = checkBuilt(course);
        const int expectedLine = fault.line(course);
        const bool named = std::any_of(findings.all().begin(), findings.all().end(), [&](const coursetool::Finding &f) {
            return f.file == fault.file && f.line == expectedLine && f.severity == fault.severity
                   && f.message.contains(fault.says);
        });
        EXPECT_TRUE(named) << fault.name << ": expected " << qPrintable(fault.file) << ':' << expectedLine << " \""
                           << qPrintable(fault.says) << "\", got:\n"
                           << qPrintable(describe(findings));
        // A fault that only deserves a warning must not fail the check.
        if (fault.severity == Severity::Warning) {
            EXPECT_EQ(findings.errors(), 0) << fault.name << ":\n" << qPrintable(describe(findings));
        }
    }
}

TEST(CourseCheck, ReportsLikeACompilerAndCountsErrorsApart)
{
    Findings findings;
    findings.error("ini/fraga.ini", 12, "room 20 has no question");
    findings.warning("lang.ini", 0, "odd");
    EXPECT_EQ(findings.text(), "ini/fraga.ini:12: error: room 20 has no question\nlang.ini: warning: odd\n");
    EXPECT_EQ(findings.summary(), "1 error, 1 warning");
    EXPECT_EQ(findings.errors(), 1);
}

TEST(CourseCheck, MissingFolderIsAnError)
{
    const Findings findings = coursetool::checkCourse("/nonexistent/course");
    ASSERT_EQ(findings.errors(), 1);
    EXPECT_TRUE(findings.all().first().message.contains("not a folder"));
}

TEST(CourseCheck, CommandPrintsFindingsAndExitsWithOneOnErrorsOnly)
{
    QTemporaryDir source, install;
    SmallCourse course;
    course.writeSources(source.path());
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    ASSERT_EQ(coursetool::runCommand({"build", source.path(), install.path()}, outStream, errStream), 0);
    EXPECT_EQ(coursetool::runCommand({"check", install.path()}, outStream, errStream), 0);
    outStream.flush();
    EXPECT_EQ(out, "no problems\n");

    // A warning alone passes; an error fails.
    out.clear();
    course.tables["ini/NBCfact.ini"].rows[0][1] = "Fact.htm";
    course.writeSources(source.path());
    ASSERT_EQ(coursetool::runCommand({"build", source.path(), install.path()}, outStream, errStream), 0);
    EXPECT_EQ(coursetool::runCommand({"check", install.path()}, outStream, errStream), 0);
    QFile::remove(install.filePath("data/html/info.htm"));
    EXPECT_EQ(coursetool::runCommand({"check", install.path()}, outStream, errStream), 1);
    outStream.flush();
    EXPECT_TRUE(out.contains("data/html/info.htm: error: the file is missing\n")) << qPrintable(out);
    EXPECT_TRUE(out.endsWith("\n1 error, 1 warning\n")) << qPrintable(out);

    EXPECT_EQ(coursetool::runCommand({"check"}, outStream, errStream), 2);
    EXPECT_EQ(coursetool::runCommand({"build", "/nonexistent/source", install.path()}, outStream, errStream), 1);
}
