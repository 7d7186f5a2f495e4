// The run record: any text survives it, each learner keeps only the newest runs, and a
// record that is not ours is kept aside rather than written into.
#include "DebriefPage.h"
#include "FileLock.h"
#include "Platform.h"
#include "RunRecord.h"
#include "TestEnvironment.h"
#include "clsDataFile.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace haz::runrecord;

namespace {

const QDateTime Noon(QDate(2026, 5, 4), QTime(12, 0), Qt::UTC);

Entry answer(const QString &learner, int run, qint16 room, Step step = Step::NextRoom)
{
    Entry e;
    e.learner = learner;
    e.run = run;
    e.mode = 1;
    e.scenarioId = 2;
    e.scenarioName = QStringLiteral("Chlorine");
    e.startTime = 600;
    e.best = 3;
    e.worst = 30;
    e.room = room;
    e.question = QStringLiteral("Where?");
    e.chosen = {QStringLiteral("1")};
    e.chosenTexts = {QStringLiteral("Upwind")};
    e.keyRow = QStringLiteral("1");
    e.action = step == Step::Finish ? QStringLiteral("finish") : QStringLiteral("R%1").arg(room + 5);
    e.step = step;
    e.clock = qint16(610 + room);
    e.score = room;
    e.penalty = 1;
    e.when = Noon;
    return e;
}

class RunRecord : public ::testing::Test {
protected:
    QString path() const { return QDir(env.documentsFolder()).filePath(QStringLiteral("enHazCourseUsersRuns.ini")); }
    haztest::TestEnvironment env;
};

} // namespace

TEST_F(RunRecord, AnyLearnerTextComesBackAsItWasAndKeepsThePostsApart)
{
    Entry hostile = answer(QStringLiteral(" [0]\r\nFieldName=x | \\n \\ "), 0, 30);
    hostile.question = QStringLiteral("Line one\\nline two\nthird\r\n[7]");
    hostile.chosen = {QStringLiteral("3"), QStringLiteral("1")};
    hostile.chosenTexts = {QStringLiteral("a|b"), QStringLiteral("")};
    hostile.feedback = QStringLiteral("\\p|\\\\|\r");
    hostile.scenarioName = QString::fromUtf8("Ammoniak \xC3\xA5\xC3\xA4\xC3\xB6 \xF0\x9F\x94\xA5");
    const Appended first = append(path(), hostile, Noon);
    ASSERT_TRUE(first.written) << first.notice.toStdString();
    EXPECT_EQ(first.run, 1);
    EXPECT_TRUE(haz::platform::isHidden(path()));
    Entry exam;
    exam.kind = Entry::Kind::ExamAttempt;
    exam.learner = hostile.learner;
    exam.questions = 3;
    exam.right = 1;
    exam.wrongQuestions = {QStringLiteral("Which|what?<br>Tick one"), QStringLiteral("Why\\n?")};
    exam.wrongComments = {QStringLiteral("Because\r\nso"), QString()};
    exam.when = Noon;
    const Appended second = append(path(), exam, Noon);
    ASSERT_TRUE(second.written);
    EXPECT_EQ(second.run, 2);

    haz::clsDataFile raw;
    ASSERT_TRUE(raw.readData(path()));
    EXPECT_EQ(raw.numOfPostsRead(), 2);
    const Contents back = read(path());
    ASSERT_FALSE(back.damaged);
    hostile.run = 1;
    exam.run = 2;
    ASSERT_EQ(back.entries.size(), 2);
    EXPECT_EQ(back.entries[0], hostile);
    EXPECT_EQ(back.entries[1], exam);

    // The exam attempt's debrief lists the wrong questions with their comments.
    const QList<haz::runrecord::Run> runs = runsOf(back.entries, hostile.learner);
    ASSERT_EQ(runs.size(), 2);
    const QString page = haz::debrief::page(runs[1]);
    EXPECT_TRUE(page.contains(QStringLiteral("Which|what?<br>Tick one"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("Because<br>so")));
    EXPECT_TRUE(page.contains(QStringLiteral("<td><b>Right answers</b></td><td>1</td>")));
}

TEST_F(RunRecord, ANewRunBeyondTheLimitDropsOnlyThatLearnersOldestRun)
{
    for (int run = 1; run <= RunsKeptPerLearner; ++run) {
        ASSERT_TRUE(append(path(), answer(QStringLiteral("Anna"), 0, 1), Noon).written);
        ASSERT_TRUE(append(path(), answer(QStringLiteral("Anna"), run, 2, Step::Finish), Noon).written);
    }
    ASSERT_TRUE(append(path(), answer(QStringLiteral("Bert"), 0, 1), Noon).written);
    EXPECT_EQ(runsOf(read(path()).entries, QStringLiteral("Anna")).size(), RunsKeptPerLearner);

    const Appended next = append(path(), answer(QStringLiteral("Anna"), 0, 1), Noon);
    EXPECT_EQ(next.run, RunsKeptPerLearner + 1);
    const Contents contents = read(path());
    const QList<haz::runrecord::Run> anna = runsOf(contents.entries, QStringLiteral("Anna"));
    ASSERT_EQ(anna.size(), RunsKeptPerLearner);
    EXPECT_EQ(anna.first().number, 2);
    EXPECT_EQ(anna.first().entries.size(), 2);
    EXPECT_EQ(anna.last().number, RunsKeptPerLearner + 1);
    EXPECT_EQ(runsOf(contents.entries, QStringLiteral("Bert")).size(), 1);
    EXPECT_EQ(unfinishedRun(contents.entries, QStringLiteral("Anna"), 1, 2), RunsKeptPerLearner + 1);
    EXPECT_EQ(unfinishedRun(contents.entries, QStringLiteral("Anna"), 1, 3), 0);
    EXPECT_EQ(unfinishedRun(contents.entries, QStringLiteral("Anna"), 2, 2), 0);
    const ScenarioFigures f = figures(anna, 2);
    EXPECT_EQ(f.finished, RunsKeptPerLearner - 1);
    EXPECT_EQ(f.best, 2);
    EXPECT_EQ(f.latest, 2);
}

TEST_F(RunRecord, AForeignOrDamagedRecordIsKeptAsideAndStartedAnew)
{
    for (const QByteArray &bad : {QByteArray("[Users]\r\nFieldName=UserName\r\n\r\n\r\n[0]\r\nAnna\r\n\r\n"),
                                  QByteArray("\x00\xff garbage", 10)}) {
        haztest::writeFile(path(), bad);
        const Appended appended = append(path(), answer(QStringLiteral("Anna"), 0, 1), Noon);
        EXPECT_TRUE(appended.written);
        EXPECT_TRUE(appended.notice.contains(QStringLiteral("a new one was started"))) << appended.notice.toStdString();
        EXPECT_EQ(read(path()).entries.size(), 1);
        QDir folder(env.documentsFolder());
        const QStringList kept = folder.entryList({QStringLiteral("*Runs.ini.bak-*")}, QDir::Files | QDir::Hidden);
        ASSERT_FALSE(kept.isEmpty());
        EXPECT_EQ(haztest::readFile(folder.filePath(kept.last())), bad);
        for (const QString &name : kept)
            folder.remove(name);
    }
    // A post whose number fields were edited by hand damages the record for reading.
    haz::clsDataFile file;
    ASSERT_TRUE(file.UpdateFieldPost(path(), QStringLiteral("SimTime"), 0, QStringLiteral("soon")));
    const Opened opened = openOrRenew(path(), Noon);
    EXPECT_FALSE(opened.notice.isEmpty());
    EXPECT_TRUE(opened.contents.entries.isEmpty());
    EXPECT_FALSE(read(path()).damaged);
}

TEST_F(RunRecord, AnEmptyLockFileLeftByAKilledWriterDoesNotBlockTheNextAnswer)
{
    // Killed between making its lock file and writing its process number into it.
    QFile lock(haz::FileLock::lockPathFor(path()));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-5), QFileDevice::FileModificationTime));
    lock.close();
    const Appended appended = append(path(), answer(QStringLiteral("Anna"), 0, 1), Noon);
    EXPECT_TRUE(appended.written) << appended.notice.toStdString();
    EXPECT_FALSE(QFileInfo::exists(haz::FileLock::lockPathFor(path())));
}

// The names the debrief page and the course tool's report both show.
TEST(RunRecordModeName, NamesTheThreeModesAndTakesAnyOtherNumberForTactics)
{
    EXPECT_EQ(modeName(1), "tactics");
    EXPECT_EQ(modeName(2), "exercise");
    EXPECT_EQ(modeName(3), "exam");
    EXPECT_EQ(modeName(0), "tactics");
}

TEST(DebriefVerdict, SaysBestGoodOrWhichRoomsToReview)
{
    haz::runrecord::Run run{QStringLiteral("Anna"), 1, {answer("Anna", 1, 10), answer("Anna", 1, 15, Step::Stay),
                                        answer("Anna", 1, 15), answer("Anna", 1, 20, Step::Finish)}};
    run.entries[2].penalty = 5; // room 15 led to a costly detour
    run.entries[3].penalty = 0;
    const auto finalScore = [&](qint16 score) {
        run.entries.last().score = score;
        return haz::debrief::verdict(run).text;
    };
    EXPECT_EQ(finalScore(3), QStringLiteral("best possible"));
    EXPECT_EQ(finalScore(12), QStringLiteral("good"));
    EXPECT_EQ(finalScore(13), QStringLiteral("review room 15"));
    EXPECT_EQ(haz::debrief::retriedRooms(run), QList<qint16>{15});
    run.entries[0].step = Step::Stay;
    EXPECT_EQ(finalScore(20), QStringLiteral("review rooms 10 and 15"));
    EXPECT_EQ(haz::debrief::minutesUsed(run), 30);
    EXPECT_EQ(haz::debrief::roomList({30, 35, 40}), QStringLiteral("30, 35 and 40"));
    run.entries.removeLast();
    EXPECT_EQ(haz::debrief::verdict(run).text, QStringLiteral("not finished"));
}
