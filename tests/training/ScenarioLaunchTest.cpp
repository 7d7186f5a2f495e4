// Playing scenarios through the real launcher with a stand-in scenario program that
// records its argument string and plays the run as the test says: the exact command
// lines, continue and restart, exercise and exam results, a program that cannot be
// started, and the tactics list after a finished run.
#include "MessageService.h"
#include "ProgramLauncher.h"
#include "ProgressFile.h"
#include "ScenarioLaunch.h"
#include "ScenarioRunner.h"
#include "TestEnvironment.h"
#include "clsDataFile.h"
#include "frmScenarioStarted.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

using namespace training;
using launch::Outcome;

namespace {

class ScenarioLaunchTest : public ::testing::Test {
protected:
    ScenarioLaunchTest()
    {
        QFile::copy(QStringLiteral(HAZ_COURSE_SOURCE_DIR "/user.ini"), userFile);
        EXPECT_TRUE(progress::addLearner(userFile, QStringLiteral("Bo")));
        EXPECT_TRUE(progress::addLearner(userFile, user));
        env.writeInstallFile(QStringLiteral("ini/scenario.ini"),
                             haztest::utf16(QStringLiteral("[Scenario]\r\nFieldName=sc_id\r\nFieldName=Namn\r\n\r\n\r\n"
                                                           "[0]\r\n1\r\nTank truck\r\n\r\n\r\n"
                                                           "[1]\r\n2\r\nSwimming pool\r\n\r\n\r\n"
                                                           "[2]\r\nx\r\nBroken post\r\n\r\n\r\n"
                                                           "[3]\r\n3\r\nCold store\r\n\r\n\r\n")));
        EXPECT_TRUE(QFile::copy(QStringLiteral(HAZ_STANDIN_SCENARIO), launch::scenarioProgramPath(programFolder)));
        qputenv("HAZ_STANDIN_RECORD", QFile::encodeName(record));
        qputenv("HAZ_STANDIN_PROGRESS", QFile::encodeName(userFile));
    }

    ~ScenarioLaunchTest() override
    {
        qunsetenv("HAZ_STANDIN_RECORD");
        qunsetenv("HAZ_STANDIN_PROGRESS");
        qunsetenv("HAZ_STANDIN_RUN");
    }

    Outcome play(int mode, qint16 id, const char *run, bool continueRun = false, QString folder = {})
    {
        qputenv("HAZ_STANDIN_RUN", run);
        QSignalSpy spy(&runner, &ScenarioRunner::ended);
        EXPECT_TRUE(runner.run({folder.isEmpty() ? programFolder : folder, userFile, user, mode, id, continueRun}));
        EXPECT_TRUE(spy.isEmpty()); // reported later, never from inside run()
        EXPECT_TRUE(spy.wait(20000));
        return spy.isEmpty() ? Outcome::NotStarted : spy.takeFirst().at(0).value<Outcome>();
    }

    launch::RunFields fields(int mode) const
    {
        return launch::readRunFields(userFile, user, mode).value_or(launch::RunFields{});
    }
    QStringList recorded() const
    {
        return QString::fromUtf8(haztest::readFile(record)).split(u'\n', Qt::SkipEmptyParts);
    }
    QString field(const QString &name) const
    {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        file.readData(userFile);
        return file.getPostPosField(*progress::findLearnerSlot(file, user), name);
    }

    haztest::TestEnvironment env;
    QString programFolder = env.installFolder();
    QString iniDir = env.installFolder() + QStringLiteral("/ini");
    QString userFile = env.documentsFolder() + QStringLiteral("/enHazCourseUsers.ini");
    QString record = env.homeFolder() + QStringLiteral("/record.txt");
    QString user = QStringLiteral("Anna  Berg"); // two blanks must arrive as two
    haz::ProcessLauncher launcher;
    haz::ScriptedMessages messages;
    ScenarioRunner runner{launcher, messages};
};

TEST_F(ScenarioLaunchTest, CommandLinesOfTheThreeModes)
{
    const launch::ScenarioCommand tactics = launch::scenarioCommand(QStringLiteral("/opt/haz"), user, 1);
    EXPECT_EQ(tactics.program, QStringLiteral("/opt/haz/Scenario"));
    EXPECT_EQ(tactics.arguments, QStringLiteral(" user=Anna  Berg,mode=1"));
    EXPECT_EQ(tactics.commandLine, QStringLiteral("\"/opt/haz/Scenario \" user=Anna  Berg,mode=1"));
    EXPECT_EQ(launch::scenarioCommand(QStringLiteral("/opt/haz"), user, 3).commandLine,
              QStringLiteral("\"/opt/haz/Scenario\" user=Anna  Berg, mode=3"));
    EXPECT_EQ(haz::ProgramLauncher::splitArguments(QStringLiteral(" a  b")),
              QStringList({QString(), QStringLiteral("a"), QString(), QStringLiteral("b")}));
}

TEST_F(ScenarioLaunchTest, TacticsRunIsInterruptedContinuedAndFinished)
{
    EXPECT_EQ(play(1, 2, "interrupt"), Outcome::Unfinished);
    EXPECT_EQ(fields(1), (launch::RunFields{"2", "4", "615", "30"}));
    auto items = launch::readScenarioList(iniDir, userFile, user);
    ASSERT_TRUE(items);
    ASSERT_EQ(items->size(), 3); // the post without a number is left out
    EXPECT_EQ(items->at(1).key, QStringLiteral("itm2"));
    EXPECT_TRUE(items->at(1).inProgress);
    EXPECT_FALSE(items->at(0).inProgress || items->at(2).inProgress);
    EXPECT_TRUE(launch::tacticsRunInProgress(userFile, user, 2));

    // Continue keeps room, time and points; restart starts afresh.
    EXPECT_FALSE(launch::prepareTacticsRun(userFile, user, 2, true).before);
    EXPECT_EQ(fields(1), (launch::RunFields{"2", "4", "615", "30"}));
    launch::prepareTacticsRun(userFile, user, 2, false);
    EXPECT_EQ(fields(1), (launch::RunFields{"2", "-1", "-1", "-1"}));
    launch::prepareTacticsRun(userFile, user, 2, false);

    EXPECT_EQ(play(1, 2, "finish", true), Outcome::Finished);
    EXPECT_EQ(field(QStringLiteral("CompletedScenarios")), QStringLiteral("2"));
    items = launch::readScenarioList(iniDir, userFile, user);
    for (const launch::ScenarioItem &item : *items)
        EXPECT_FALSE(item.inProgress) << item.name.toStdString();
    EXPECT_EQ(recorded(), QStringList(2, QStringLiteral(" user=Anna  Berg,mode=1")));
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(ScenarioLaunchTest, ExerciseRunResumesAndCountsWhenFinished)
{
    EXPECT_EQ(play(2, 3, "interrupt"), Outcome::Unfinished);
    // The next press resumes the run in progress, whatever the question names.
    EXPECT_FALSE(launch::prepareExerciseRun(userFile, user, 1).before);
    EXPECT_EQ(fields(2), (launch::RunFields{"3", "4", "615", "30"}));
    EXPECT_EQ(play(2, 3, "finish"), Outcome::Finished);
    EXPECT_EQ(field(QStringLiteral("excerCompletedScenarios")), QStringLiteral("3"));
    EXPECT_EQ(fields(2), (launch::RunFields{"-1", "-1", "-1", "-1"}));
    EXPECT_EQ(recorded(), QStringList(2, QStringLiteral(" user=Anna  Berg, mode=2")));
}

TEST_F(ScenarioLaunchTest, ExamRunLeftHalfWayIsDiscarded)
{
    EXPECT_EQ(play(3, 1, "interrupt"), Outcome::Unfinished);
    EXPECT_EQ(fields(3), (launch::RunFields{"-1", "-1", "-1", "-1"}));
    EXPECT_EQ(play(3, 1, "finish"), Outcome::Finished);
    EXPECT_EQ(field(QStringLiteral("examCompletedScenarios")), QStringLiteral("1"));
    EXPECT_EQ(recorded(), QStringList(2, QStringLiteral(" user=Anna  Berg, mode=3")));
    // The other learner's post was never touched.
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    file.readData(userFile);
    EXPECT_EQ(file.getPostPosField(*progress::findLearnerSlot(file, QStringLiteral("Bo")),
                                   QStringLiteral("examCompletedScenarios")),
              QStringLiteral("-1"));
}

TEST_F(ScenarioLaunchTest, AProgramThatCannotStartIsReportedAndTheFieldsPutBack)
{
    EXPECT_EQ(play(1, 1, "interrupt"), Outcome::Unfinished);
    runner.setNotStartedText(QStringLiteral("Could not start the scenario."));
    EXPECT_EQ(play(1, 3, "finish", false, env.homeFolder()), Outcome::NotStarted);
    EXPECT_EQ(fields(1), (launch::RunFields{"1", "4", "615", "30"}));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().at(0).title, QStringLiteral("RunWithSync"));
    EXPECT_TRUE(messages.shown().at(0).text.startsWith(QStringLiteral("Could not start the scenario.")));
    EXPECT_EQ(messages.shown().at(0).icon, haz::MessageIcon::Critical);
    EXPECT_EQ(recorded().size(), 1);
}

TEST(ScenarioStarted, ButtonTextsSplitAtTheFirstCommaAndTheAnswerIsKept)
{
    frmScenarioStarted dialog;
    dialog.setTexts(QStringLiteral("Training - Tank truck"), QStringLiteral("Started before.\\nContinue?"),
                    QStringLiteral("Go on,Start, again"));
    auto *restart = dialog.findChild<QPushButton *>(QStringLiteral("cmdStartaOm"));
    ASSERT_TRUE(restart);
    EXPECT_EQ(dialog.findChild<QPushButton *>(QStringLiteral("cmdFortsatt"))->text().remove(u'&'), QStringLiteral("Go on"));
    EXPECT_EQ(restart->text().remove(u'&'), QStringLiteral("Start, again"));
    EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("lblScenarioStarted"))->text(),
              QStringLiteral("Started before.\nContinue?"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Training - Tank truck"));
    QTimer::singleShot(0, restart, &QPushButton::click);
    EXPECT_EQ(dialog.ask(), frmScenarioStarted::Restart);
    QTimer::singleShot(0, &dialog, &QDialog::reject);
    EXPECT_EQ(dialog.ask(), frmScenarioStarted::NoAnswer);
}

} // namespace
