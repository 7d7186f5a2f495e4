// The tactics, exercise and exam tabs played through the real main window with a
// stand-in scenario program: the command lines it receives, the waiting window, the
// continue-or-restart question, the time-ran-out dialog, the results counted and
// what the progress file holds afterwards.
#include "CourseTestFiles.h"
#include "TrainingProgramFixture.h"

#include "Clock.h"
#include "DebriefWindow.h"
#include "PageView.h"
#include "ProgressFile.h"
#include "ScenarioLaunch.h"
#include "TabServices.h"
#include "Ticker.h"
#include "clsDataFile.h"
#include "frmExamTimeRanOut.h"
#include "frmScenarioStarted.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTabBar>
#include <QStyle>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

using namespace training;
using trainingtest::installTable;
using trainingtest::questionListText;

namespace {

class ScenarioFlowTest : public trainingtest::ProgramFixture {
protected:
    ScenarioFlowTest()
    {
        installTable(env, "ini/scenario.ini", trainingtest::sourceText("ini/scenario.ini"));
        for (const QString name : {"a.ini", "b.ini", "c.ini"}) {
            installTable(env, "ini/excer/" + name,
                         questionListText({{"Exercise " + name, "-", "0"}, {"Exercise scenario", "2", "0"}}));
            installTable(env, "ini/exam/" + name,
                         questionListText({{"Exam " + name, "-", "30"}, {"Exam scenario", "3", "0"}}));
        }
        EXPECT_TRUE(QFile::copy(QStringLiteral(HAZ_STANDIN_SCENARIO), launch::scenarioProgramPath(env.installFolder())));
        qputenv("HAZ_STANDIN_RECORD", QFile::encodeName(record));
    }
    ~ScenarioFlowTest() override
    {
        for (const char *name : {"HAZ_STANDIN_RECORD", "HAZ_STANDIN_PROGRESS", "HAZ_STANDIN_RUN"})
            qunsetenv(name);
    }

    void startAndSignIn(const QString &name)
    {
        ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
        qputenv("HAZ_STANDIN_PROGRESS", QFile::encodeName(progressFile()));
        user = name;
        signIn(name);
        ASSERT_TRUE(main()->isVisible());
    }

    // Lets the stand-in play the run; the window waits without blocking.
    void playOut(const char *run, const QString &button)
    {
        qputenv("HAZ_STANDIN_RUN", run);
        click(button);
        ASSERT_TRUE(main()->services().scenarios().isRunning());
        EXPECT_FALSE(main()->isEnabled());
        ASSERT_TRUE(QTest::qWaitFor([this] { return !main()->services().scenarios().isRunning(); }, 20000));
        EXPECT_TRUE(main()->isEnabled());
    }

    QString field(const QString &name) const
    {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        file.readData(progressFile());
        return file.getPostPosField(*progress::findLearnerSlot(file, user), name);
    }
    QStringList recorded() const
    {
        return QString::fromUtf8(haztest::readFile(record)).split(u'\n', Qt::SkipEmptyParts);
    }
    QString text(const QString &name) const { return control<QLabel>(name)->text(); }

    QString record = env.homeFolder() + QStringLiteral("/arguments.txt");
    QString user;
};

TEST_F(ScenarioFlowTest, TacticsRunIsInterruptedContinuedFinishedAndCannotStartWithoutTheProgram)
{
    startAndSignIn("Anna Berg");
    auto *list = control<QTreeWidget>("takQuizLst");
    ASSERT_EQ(list->topLevelItemCount(), 3);
    const QImage pause = list->style()->standardIcon(QStyle::SP_MediaPause).pixmap(16).toImage();
    const auto marked = [list, pause] {
        QList<int> rows;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            if (list->topLevelItem(row)->icon(0).pixmap(16).toImage() == pause)
                rows << row;
        return rows;
    };
    EXPECT_TRUE(marked().isEmpty());

    // Interrupted: the run is kept and marked; closing meanwhile was refused.
    list->setCurrentItem(list->topLevelItem(1));
    qputenv("HAZ_STANDIN_RUN", "interrupt");
    click("takFactCmdStart");
    main()->close();
    EXPECT_TRUE(main()->isVisible());
    EXPECT_FALSE(exitCode);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !main()->services().scenarios().isRunning(); }, 20000));
    EXPECT_EQ(recorded(), QStringList{" user=Anna Berg,mode=1"});
    EXPECT_EQ(field("CurrentScenario"), "2");
    EXPECT_EQ(field("CurrentRum"), "4");
    EXPECT_EQ(marked(), QList<int>{1});
    EXPECT_EQ(list->currentItem(), list->topLevelItem(1));

    // Another scenario would end the unfinished one: declined, nothing starts or changes.
    const QByteArray interrupted = haztest::readFile(progressFile());
    list->setCurrentItem(list->topLevelItem(0));
    messages.queueAnswer(haz::MessageAnswer::No);
    click("takFactCmdStart");
    EXPECT_FALSE(main()->services().scenarios().isRunning());
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().at(0).text, list->topLevelItem(1)->text(0) + " is not finished. Starting "
                                               + list->topLevelItem(0)->text(0) + " ends it.");
    EXPECT_EQ(messages.shown().at(0).buttons, haz::MessageButtons::YesNo);
    EXPECT_EQ(recorded().size(), 1);
    EXPECT_EQ(haztest::readFile(progressFile()), interrupted);
    list->setCurrentItem(list->topLevelItem(1));
    messages.clear();

    // Started again: the question, answered with continue, keeps the room.
    QString title, question;
    QTimer::singleShot(0, main(), [&] {
        auto *dialog = main()->findChild<frmScenarioStarted *>();
        ASSERT_TRUE(dialog);
        title = dialog->windowTitle();
        question = dialog->findChild<QLabel *>("lblScenarioStarted")->text();
        EXPECT_EQ(dialog->findChild<QPushButton *>("cmdStartaOm")->text().remove('&'), "Start again");
        dialog->findChild<QPushButton *>("cmdFortsatt")->click();
    });
    playOut("finish", "takFactCmdStart");
    EXPECT_EQ(title, "Training - " + list->topLevelItem(1)->toolTip(0));
    EXPECT_TRUE(question.contains('\n'));
    EXPECT_EQ(field("CurrentScenario"), "-1");
    EXPECT_EQ(field("CompletedScenarios"), "2");
    EXPECT_TRUE(marked().isEmpty());
    // The finished scenario is marked; its full title is the tooltip.
    const QString name = list->topLevelItem(1)->toolTip(0);
    EXPECT_FALSE(name.isEmpty());
    EXPECT_EQ(list->topLevelItem(1)->text(0), name);
    EXPECT_FALSE(list->topLevelItem(1)->icon(0).isNull());
    EXPECT_EQ(list->topLevelItem(0)->text(0), list->topLevelItem(0)->toolTip(0));
    EXPECT_TRUE(list->topLevelItem(0)->icon(0).isNull());

    // The finished run is counted beside its scenario, and Review opens its debrief.
    const auto figures = [list](int row) {
        const QTreeWidgetItem *item = list->topLevelItem(row);
        return QStringList{item->text(1), item->text(2), item->text(3)};
    };
    EXPECT_EQ(figures(1), QStringList({"1", "50", "50"}));
    EXPECT_EQ(list->topLevelItem(1)->toolTip(1), "1 run, best 50, latest 50");
    EXPECT_EQ(figures(0), QStringList({"", "", ""}));
    list->setCurrentItem(list->topLevelItem(0));
    messages.clear();
    click("takCmdReview");
    ASSERT_EQ(messages.shown().size(), 1); // nothing finished to review there
    EXPECT_EQ(main()->findChild<haz::DebriefWindow *>(), nullptr);
    list->setCurrentItem(list->topLevelItem(1));
    click("takCmdReview");
    auto *review = main()->findChild<haz::DebriefWindow *>("frmDebrief");
    ASSERT_NE(review, nullptr);
    EXPECT_TRUE(review->isVisible());
    EXPECT_EQ(review->windowTitle(), "Training - " + list->topLevelItem(1)->text(0) + " - Debrief");
    const QString page = review->page()->toPlainText();
    EXPECT_TRUE(page.contains("Debrief: Stand-in scenario")) << page.toStdString();
    EXPECT_TRUE(page.contains("Anna Berg")) << page.toStdString();
    EXPECT_TRUE(page.contains("Finished the scenario"));
    review->close();

    // No program: said so, and the fields written for it are put back.
    QFile::remove(launch::scenarioProgramPath(env.installFolder()));
    messages.clear();
    list->setCurrentItem(list->topLevelItem(0));
    playOut("finish", "takFactCmdStart");
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_EQ(messages.shown().at(0).title, "RunWithSync");
    EXPECT_EQ(field("CurrentScenario"), "-1");
    EXPECT_TRUE(marked().isEmpty());
}

TEST_F(ScenarioFlowTest, ExerciseAndTimedExamArePlayedToTheEndAndLeaveTheirResults)
{
    startAndSignIn("Anna");
    haz::ManualTicker ticker;
    auto *clock = control<Clock>("examQuizClock");
    clock->setTicker(&ticker);

    // The exercise: a right answer, then a scenario left half way and finished.
    clickTab(TabExcer);
    EXPECT_EQ(control<QLabel>("excerQuizLbl")->text(), "Exercise a.ini");
    // Nothing chosen, nothing to answer.
    EXPECT_FALSE(control("QuizAnswBtn(7)")->isEnabled());
    control<QCheckBox>("excerQuizAnsw(0)")->setChecked(true);
    EXPECT_TRUE(control("QuizAnswBtn(7)")->isEnabled());
    click("QuizAnswBtn(7)");
    EXPECT_TRUE(control("excerQuizAnswBtnScenario")->isVisible());
    EXPECT_FALSE(control("QuizAnswBtn(7)")->isVisible());
    EXPECT_FALSE(control("excerQuizAnsw(0)")->isVisible());
    playOut("interrupt", "excerQuizAnswBtnScenario");
    EXPECT_EQ(text("curLblQuizExcerDone"), "1");
    EXPECT_EQ(field("excerScenario"), "2");
    playOut("finish", "excerQuizAnswBtnScenario");
    EXPECT_FALSE(main()->isMinimized());
    EXPECT_EQ(main()->selectedTab(), TabExcer);
    EXPECT_EQ(text("curLblQuizExcerDone"), "2");
    EXPECT_EQ(text("curLblQuizExcerCorr"), "2");
    EXPECT_TRUE(control("excerQuizRestartBtn")->isVisible());
    EXPECT_EQ(field("excerCompletedScenarios"), "2");
    // The restart moves to the next list and clears the exercise's scenario results.
    click("excerQuizRestartBtn");
    EXPECT_EQ(field("excerCompletedScenarios"), "-1");
    EXPECT_EQ(field("selTab"), "8");
    EXPECT_EQ(control<QLabel>("excerQuizLbl")->text(), "Exercise b.ini");
    EXPECT_EQ(text("curLblQuizExcerDone"), "0");

    // The exam: the timed question runs out and Next records it as it stands.
    clickTab(TabExam);
    EXPECT_TRUE(clock->isVisible());
    EXPECT_FALSE(control("examQuizAnswBtn")->isEnabled());
    ticker.advance(29);
    QString dialogTitle;
    QTimer::singleShot(0, main(), [&] {
        auto *dialog = main()->findChild<exam::frmExamTimeRanOut *>();
        ASSERT_TRUE(dialog && dialog->isVisible());
        dialogTitle = dialog->windowTitle();
        dialog->findChild<QPushButton *>("cmdExamTime_Next")->click();
    });
    ticker.advance();
    EXPECT_EQ(dialogTitle, main()->tabMain()->tabText(TabExam));
    EXPECT_EQ(text("curLblExamDone"), "1");
    EXPECT_EQ(text("curLblExamCorr"), "0");
    // The scenario question shows no clock, no alternatives and no answer button.
    EXPECT_FALSE(clock->isVisible());
    EXPECT_FALSE(ticker.isActive());
    EXPECT_FALSE(control("examQuizAnsw(0)")->isVisible());
    EXPECT_TRUE(control("examQuizAnswBtnScenario")->isVisible());
    messages.clear();
    playOut("finish", "examQuizAnswBtnScenario");
    EXPECT_EQ(text("curLblExamDone"), "2");
    EXPECT_EQ(text("curLblExamCorr"), "1");
    EXPECT_EQ(messages.texts(), QStringList{state->text("corrAnswers") + " 1"});
    EXPECT_EQ(messages.shown().last().title, main()->tabMain()->tabText(TabExam).remove('&'));
    EXPECT_FALSE(messages.shown().last().title.isEmpty());
    EXPECT_EQ(control<QTextEdit>("examQuizText")->toPlainText(),
              QString(state->text("examAllDone")).replace("\\n", "\n"));
    EXPECT_FALSE(control("examQuizAnswBtn")->isVisible());
    EXPECT_EQ(recorded(), (QStringList{" user=Anna, mode=2", " user=Anna, mode=2", " user=Anna, mode=3"}));

    // The finished exam is kept as an attempt; its debrief lists the question that
    // ran out of time with its comment.
    auto *attempts = control<QComboBox>("examCboAttempts");
    ASSERT_EQ(attempts->count(), 1);
    EXPECT_TRUE(attempts->itemText(0).startsWith("1/2 right, ")) << attempts->itemText(0).toStdString();
    click("examCmdReview");
    auto *review = main()->findChild<haz::DebriefWindow *>("frmDebrief");
    ASSERT_NE(review, nullptr);
    const QString page = review->page()->toPlainText();
    EXPECT_TRUE(page.contains("Questions answered wrongly")) << page.toStdString();
    EXPECT_TRUE(page.contains("Exam a.ini\nText of Exam a.ini\n-")) << page.toStdString();
    review->close();

    // The hidden reset goes back to the first question of the same list.
    QTest::mouseRelease(control("examQuizLblDone"), Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(text("curLblExamDone"), "0");
    EXPECT_EQ(control<QLabel>("examQuizLbl")->text(), "Exam a.ini");
    EXPECT_TRUE(control("examQuizAnswBtn")->isVisible());

    // Leaving the started exam locks it; the exit resets it and draws the next list.
    clickTab(TabProgress);
    EXPECT_FALSE(main()->tabMain()->isTabVisible(TabExam));
    main()->close();
    ASSERT_EQ(exitCode, std::optional<int>(0));
    EXPECT_EQ(field("examQuizPos"), "0");
    EXPECT_EQ(field("examUseList"), "1");
    EXPECT_EQ(field("excerUseList"), "1");
    EXPECT_EQ(field("excerQuizPos"), "0");
}

TEST_F(ScenarioFlowTest, CancelAfterATimeOutGivesTheExamUp)
{
    startAndSignIn("Anna");
    haz::ManualTicker ticker;
    control<Clock>("examQuizClock")->setTicker(&ticker);
    clickTab(TabExam);
    QTimer::singleShot(0, main(), [&] {
        main()->findChild<exam::frmExamTimeRanOut *>()->findChild<QPushButton *>("cmdExamTime_Cancel")->click();
    });
    ticker.advance(30);
    EXPECT_FALSE(main()->tabMain()->isTabVisible(TabExam));
    EXPECT_FALSE(control("examQuizAnswBtn")->isEnabled());
    EXPECT_FALSE(control("examQuizAnsw(0)")->isEnabled());
    EXPECT_FALSE(ticker.isActive());
    EXPECT_EQ(state->learner.progress.examQuizPos, 0);
}

} // namespace
