// `report`: progress files of several machines merged into one class, as CSV, HTML
// and xAPI statements (checked by an independent validator run with Node.js).

#include "ClassReport.h"
#include "CourseBuild.h"
#include "ProgressLayout.h"
#include "ReportWriters.h"
#include "SmallCourse.h"
#include "clsDataFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Values = QMap<QString, QString>;

// A progress file of the given learners (name → fields that differ from "-1"),
// changed at `changed`.
QString progressFile(const QString &folder, const QString &name, const QList<std::pair<QString, Values>> &learners,
                     const QDateTime &changed)
{
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    EXPECT_TRUE(file.createFileNHead(name, folder, "UserData", haz::progress::fieldNames()));
    for (const auto &[learner, values] : learners) {
        QStringList post{learner};
        for (const QString &field : haz::progress::fieldNames().mid(1))
            post << values.value(field, "-1");
        EXPECT_TRUE(file.savePost(post));
    }
    EXPECT_TRUE(file.exitFileWrite());
    const QString path = QDir(folder).filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadWrite));
    EXPECT_TRUE(f.setFileTime(changed, QFileDevice::FileModificationTime));
    return path;
}

const QDateTime Monday(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);
const QDateTime Tuesday(QDate(2026, 3, 3), QTime(9, 0), Qt::UTC);

struct ClassFiles {
    QTemporaryDir dir;
    QString older, newer;
    ClassFiles()
    {
        older = progressFile(dir.path(), "pc1.ini",
                             {{"Anna", {{"hazQuizPos", "3"}, {"hazQuizCorr", "2"}}},
                              {"Bo, Jr", {{"CompletedScenarios", "1"}, {"CompletedScores", "6"}}}},
                             Monday);
        newer = progressFile(dir.path(), "pc2.ini",
                             {{"Anna",
                               {{"hazQuizPos", "5"}, {"hazQuizCorr", "4"}, {"excerQuizPos", "2"}, {"excerQuizCorr", "1"},
                                {"examQuizPos", "4"}, {"examQuizCorr", "3"},
                                {"CompletedScenarios", "1,2,1"}, {"CompletedScores", "7,9,4"},
                                {"excerCompletedScenarios", "1"}, {"excerCompletedScores", "12"}}},
                              {"Anna", {{"hazQuizPos", "40"}}}}, // a second post of a name is never used
                             Tuesday);
    }
};

} // namespace

TEST(ClassReport, SameNameIsOneLearnerWithTheNewestFilesValues)
{
    ClassFiles files;
    // The newer file first: the file times decide, not the order given.
    const coursetool::ClassReport report = coursetool::mergeProgressFiles({files.newer, files.older});
    ASSERT_EQ(report.learners.size(), 2);
    const coursetool::LearnerResult &anna = report.learners[0];
    EXPECT_EQ(anna.name, "Anna");
    EXPECT_EQ(anna.file, files.newer);
    EXPECT_EQ(anna.subjects[3].answered, 5); // Hazard
    EXPECT_EQ(anna.subjects[3].correct, 4);
    EXPECT_EQ(anna.subjects[0].answered, 0); // "-1" is no value yet
    ASSERT_EQ(report.notes.size(), 1);
    EXPECT_TRUE(report.notes[0] == "Anna is in " + files.older + " and " + files.newer + "; the values of " + files.newer
                                          + " (changed 2026-03-03T09:00:00Z) are used") << qPrintable(report.notes[0]);

    const auto runs = anna.scenarios.value({coursetool::RunMode::Tactics, 1});
    EXPECT_EQ(runs.scores, (QList<qint32>{7, 4}));
    EXPECT_EQ(runs.latest(), 7);
    EXPECT_EQ(runs.best(), 4); // the lowest score rates best
}

TEST(ClassReport, UnreadableFileIsNotedAndLeftOut)
{
    ClassFiles files;
    const QString broken = files.dir.filePath("broken.ini");
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a table\n");
    f.close();
    const coursetool::ClassReport report = coursetool::mergeProgressFiles({files.older, broken});
    EXPECT_EQ(report.learners.size(), 2);
    ASSERT_EQ(report.notes.size(), 1);
    EXPECT_TRUE(report.notes[0].startsWith(broken + " could not be read"));
}

TEST(ClassReport, CsvHasOneRowPerLearnerWithScenarioColumns)
{
    ClassFiles files;
    const QStringList lines = coursetool::toCsv(coursetool::mergeProgressFiles({files.older, files.newer}))
                                  .split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "learner,Ident answered,Ident correct,Phys answered,Phys correct,Prot answered,Prot correct,"
                        "Hazard answered,Hazard correct,NBC answered,NBC correct,exercise answered,exercise correct,"
                        "exam answered,exam correct,"
                        "tactics scenario 1 runs,tactics scenario 1 best,tactics scenario 1 latest,"
                        "tactics scenario 2 runs,tactics scenario 2 best,tactics scenario 2 latest,"
                        "exercise scenario 1 runs,exercise scenario 1 best,exercise scenario 1 latest,"
                        "from file,file changed");
    EXPECT_EQ(lines[1], "Anna,0,0,0,0,0,0,5,4,0,0,2,1,4,3,2,4,7,1,9,9,1,12,12," + files.newer + ",2026-03-03T09:00:00Z");
    EXPECT_EQ(lines[2], "\"Bo, Jr\",0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,6,6,0,,,0,,," + files.older + ",2026-03-02T09:00:00Z");
}

TEST(ClassReport, HtmlShowsTableChartsAndNotesEscaped)
{
    QTemporaryDir dir;
    const QString one = progressFile(dir.path(), "pc1.ini", {{"<Bo>", {{"ideQuizCorr", "1"}}}}, Monday);
    const QString two = progressFile(dir.path(), "pc2.ini", {{"<Bo>", {{"ideQuizCorr", "3"}, {"ideQuizPos", "3"}}},
                                                             {"Cy", {{"ideQuizCorr", "6"}, {"ideQuizPos", "8"}}}},
                                     Tuesday);
    // The same file named twice counts once.
    const QString html = coursetool::toHtml(coursetool::mergeProgressFiles({one, two, two}));
    EXPECT_TRUE(html.contains("<tr><td>&lt;Bo&gt;</td><td>3 / 3</td>")) << qPrintable(html);
    // Bars are as long as their share of the largest value.
    EXPECT_TRUE(html.contains("<span class=\"who\">&lt;Bo&gt;</span><span class=\"fill\" style=\"width:35%\">"));
    EXPECT_TRUE(html.contains("<span class=\"who\">Cy</span><span class=\"fill\" style=\"width:70%\">"));
    EXPECT_EQ(html.count("<li>"), 1);
    EXPECT_TRUE(html.contains("<li>&lt;Bo&gt; is in"));
}

TEST(ClassReport, XapiStatementsAreValidAndOnePerResult)
{
    ClassFiles files;
    QTemporaryDir source, install;
    coursetest::SmallCourse().writeSources(source.path());
    ASSERT_TRUE(coursetool::buildCourse(source.path(), install.path()).isEmpty());
    coursetool::ClassReport report = coursetool::mergeProgressFiles({files.older, files.newer});
    report.course = coursetool::readCourseFacts(install.path());
    // Anna answered the whole Hazard quiz of the small course (one question).
    EXPECT_EQ(report.course->subjectQuestions[3], 1);

    const QByteArray json = coursetool::toXapi(report, "https://school.example/hazmat/");
    EXPECT_EQ(json, coursetool::toXapi(report, "https://school.example/hazmat")) << "ids must not change between runs";
    const QJsonArray statements = QJsonDocument::fromJson(json).array();
    // Anna: 3 tactics runs, 1 exercise run, the exam, the Hazard quiz; Bo: 1 tactics run.
    ASSERT_EQ(statements.size(), 7);
    QSet<QString> ids;
    for (const auto &s : statements)
        ids << s.toObject()["id"].toString();
    EXPECT_EQ(ids.size(), 7);
    const QJsonObject first = statements[0].toObject();
    EXPECT_EQ(first["actor"].toObject()["account"].toObject()["homePage"].toString(), "https://school.example/hazmat");
    EXPECT_EQ(first["object"].toObject()["id"].toString(), "https://school.example/hazmat/scenario/1");
    EXPECT_EQ(first["object"].toObject()["definition"].toObject()["name"].toObject()["en-US"].toString(), "Spill");
    EXPECT_EQ(first["timestamp"].toString(), "2026-03-03T09:00:00.000Z");

    const QString path = install.filePath("statements.json");
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(json);
    out.close();
    QProcess node;
    node.start("node", {HAZ_XAPI_VALIDATOR, path});
    ASSERT_TRUE(node.waitForFinished(60000)) << "node did not run (scripts/install-deps installs it)";
    EXPECT_EQ(node.exitCode(), 0) << node.readAllStandardError().constData() << node.readAllStandardOutput().constData();
    EXPECT_TRUE(node.readAllStandardOutput().startsWith("7 statements, 0 problems"));
}
