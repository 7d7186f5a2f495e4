// `report`: progress files of several machines merged into one class, as CSV, HTML
// and xAPI statements (checked by an independent validator run with Node.js).

#include "ClassReport.h"
#include "CourseBuild.h"
#include "ProgressLayout.h"
#include "ReportWriters.h"
#include "RunRecord.h"
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

// Runs the statements through the xAPI validator; its first line of output.
QString validateXapi(const QByteArray &json, const QString &folder)
{
    const QString path = QDir(folder).filePath("statements.json");
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(json);
    out.close();
    QProcess node;
    node.start("node", {HAZ_XAPI_VALIDATOR, path});
    EXPECT_TRUE(node.waitForFinished(60000)) << "node did not run (scripts/install-deps installs it)";
    EXPECT_EQ(node.exitCode(), 0) << node.readAllStandardError().constData();
    QFile::remove(path);
    return QString::fromUtf8(node.readAllStandardOutput()).section(u'\n', 0, 0);
}

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

    EXPECT_EQ(validateXapi(json, install.path()), "7 statements, 0 problems");
}

namespace {

// One scenario run written the way Scenario writes it: an answer that stays, then the
// finishing one, a minute apart; its number in the record.
int recordRun(const QString &record, const QString &learner, int mode, qint16 scenario, qint16 score,
              const QDateTime &start, bool finish = true)
{
    haz::runrecord::Entry answer;
    answer.learner = learner;
    answer.mode = mode;
    answer.scenarioId = scenario;
    answer.room = 10;
    answer.step = haz::runrecord::Step::Stay;
    answer.score = 3;
    answer.when = start;
    const haz::runrecord::Appended first = haz::runrecord::append(record, answer, start);
    EXPECT_TRUE(first.written) << qPrintable(first.notice);
    if (finish) {
        answer.run = first.run;
        answer.step = haz::runrecord::Step::Finish;
        answer.score = score;
        answer.when = start.addSecs(60);
        EXPECT_TRUE(haz::runrecord::append(record, answer, answer.when).written);
    }
    return first.run;
}

void recordExam(const QString &record, const QString &learner, int questions, int right, const QDateTime &when)
{
    haz::runrecord::Entry attempt;
    attempt.kind = haz::runrecord::Entry::Kind::ExamAttempt;
    attempt.learner = learner;
    attempt.questions = questions;
    attempt.right = right;
    attempt.wrongQuestions = QStringList(questions - right, "Which placard?");
    attempt.wrongComments = QStringList(questions - right, "Look again.");
    attempt.when = when;
    EXPECT_TRUE(haz::runrecord::append(record, attempt, when).written);
}

} // namespace

// Records of two machines merged into the class: Anna's runs and attempts come from the
// records (both machines', in the order they ended), Bo, in no record, keeps the
// progress file's lists, and Cy, only in a record, joins the class.
TEST(ClassReport, RunRecordsGiveRunsAndExamAttemptsWithTheirTimes)
{
    ClassFiles files;
    const QString pc1 = haz::runrecord::pathBeside(files.older), pc2 = haz::runrecord::pathBeside(files.newer);
    const QDateTime day = Tuesday.addDays(1);
    recordRun(pc2, "Anna", 1, 1, 5, day);
    recordExam(pc2, "Anna", 4, 3, day.addSecs(3600));
    recordRun(pc1, "Anna", 1, 1, 9, day.addSecs(7200)); // the latest, on the other machine
    recordRun(pc2, "Anna", 1, 2, 0, day.addSecs(9000), false); // never finished: no run
    recordExam(pc2, "Anna", 4, 4, day.addSecs(10800));
    recordRun(pc1, "Cy", 2, 1, 14, day);
    const QString foreign = files.dir.filePath("foreignRuns.ini");
    QFile(files.older).copy(foreign); // a progress file given as a record

    coursetool::ClassReport report = coursetool::mergeProgressFiles({files.older, files.newer});
    coursetool::mergeRunRecords(report, {pc2, pc1, pc2, foreign}); // a record named twice counts once
    ASSERT_EQ(report.learners.size(), 3);
    EXPECT_TRUE(report.notes.contains(foreign + " could not be read as a run record; it is left out"));
    EXPECT_TRUE(report.notes.contains("Anna has runs in " + pc2 + ", " + pc1 + "; the runs of all of them count"));
    EXPECT_TRUE(report.notes.contains("Cy is in " + pc1 + " but in no progress file given"));

    const QStringList csv = coursetool::toCsv(report).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(csv.size(), 4);
    EXPECT_TRUE(csv[0].endsWith(",tactics scenario 1 runs,tactics scenario 1 best,tactics scenario 1 latest,"
                                "exercise scenario 1 runs,exercise scenario 1 best,exercise scenario 1 latest,"
                                "scenario runs from,exam attempts,"
                                "exam attempt 1 date,exam attempt 1 questions,exam attempt 1 right,"
                                "exam attempt 2 date,exam attempt 2 questions,exam attempt 2 right,from file,file changed"))
        << qPrintable(csv[0]);
    // Anna's progress file lists other runs (tactics 2, exercise 1): the record replaces them.
    EXPECT_EQ(csv[1], "Anna,0,0,0,0,0,0,5,4,0,0,2,1,4,3,2,5,9,0,,,run record,2,"
                      "2026-03-04T10:00:00Z,4,3,2026-03-04T12:00:00Z,4,4,"
                          + files.newer + ",2026-03-03T09:00:00Z");
    EXPECT_EQ(csv[2], "\"Bo, Jr\",0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,6,6,0,,,progress file,0,,,,,,," + files.older
                          + ",2026-03-02T09:00:00Z");
    EXPECT_EQ(csv[3], "Cy,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,,,1,14,14,run record,0,,,,,,,,");

    const QString html = coursetool::toHtml(report);
    EXPECT_TRUE(html.contains("<td>5 / 9 (2)</td><td></td><td>run record</td>"
                              "<td>2026-03-04 10:00: 3 / 4<br>2026-03-04 12:00: 4 / 4</td></tr>"))
        << qPrintable(html);

    const QByteArray json = coursetool::toXapi(report, "https://school.example/hazmat");
    const QJsonArray statements = QJsonDocument::fromJson(json).array();
    // Anna: 2 tactics runs and 2 exam attempts; Bo: 1 tactics run; Cy: 1 exercise run.
    QStringList seen;
    for (const auto &value : statements) {
        const QJsonObject s = value.toObject();
        seen << s["actor"].toObject()["name"].toString() + " " + s["object"].toObject()["id"].toString().section(u'/', -2)
                    + " " + QString::number(s["result"].toObject()["score"].toObject()["raw"].toInt()) + " "
                    + s["timestamp"].toString();
    }
    EXPECT_EQ(seen, (QStringList{"Anna scenario/1 9 2026-03-04T11:01:00.000Z", "Anna scenario/1 5 2026-03-04T09:01:00.000Z",
                                 "Anna hazmat/exam 3 2026-03-04T10:00:00.000Z", "Anna hazmat/exam 4 2026-03-04T12:00:00.000Z",
                                 "Bo, Jr scenario/1 6 2026-03-02T09:00:00.000Z",
                                 "Cy scenario/1 14 2026-03-04T09:01:00.000Z"}));
    EXPECT_EQ(validateXapi(json, files.dir.path()), "6 statements, 0 problems");
}
