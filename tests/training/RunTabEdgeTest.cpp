// The exercise, exam and tactics tabs at their edges, through the real main window:
// a scenario question's info page, the answer button while a question is filled, the
// exam clock and its time-out, the window after a scenario, the tactics list after
// its table went bad, the debug button, and the progress file hidden again at exit.
#include "CourseTestFiles.h"
#include "TrainingProgramFixture.h"

#include "Clock.h"
#include "PageView.h"
#include "ScenarioLaunch.h"
#include "TabServices.h"
#include "Ticker.h"
#include "frmExamTimeRanOut.h"
#include "frmWebInfo.h"

#include <QCheckBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

using namespace training;
using trainingtest::installTable;
using trainingtest::ListQuestion;
using trainingtest::questionListText;

namespace {

// Records, for every message, whether the exercise's answer button was shown then.
class WatchingMessages : public haz::ScriptedMessages {
public:
    using haz::ScriptedMessages::show;
    haz::MessageAnswer show(const haz::Message &message) override
    {
        if (watch)
            answerShownAtMessage << watch();
        return haz::ScriptedMessages::show(message);
    }
    std::function<bool()> watch;
    QList<bool> answerShownAtMessage;
};

class RunTabEdgeTest : public trainingtest::ProgramFixture {
protected:
    RunTabEdgeTest()
    {
        installTable(env, "ini/scenario.ini", trainingtest::sourceText("ini/scenario.ini"));
        env.writeInstallFile("data/html/info.htm", "<html><body><p>Background</p></body></html>");
        EXPECT_TRUE(QFile::copy(QStringLiteral(HAZ_STANDIN_SCENARIO), launch::scenarioProgramPath(env.installFolder())));
        qputenv("HAZ_STANDIN_RECORD", QFile::encodeName(env.homeFolder() + QStringLiteral("/arguments.txt")));
    }
    ~RunTabEdgeTest() override
    {
        for (const char *name : {"HAZ_STANDIN_RECORD", "HAZ_STANDIN_PROGRESS", "HAZ_STANDIN_RUN"})
            qunsetenv(name);
    }

    void lists(const QList<ListQuestion> &exercise, const QList<ListQuestion> &exam)
    {
        for (const QString name : {"a.ini", "b.ini"}) {
            installTable(env, "ini/excer/" + name, questionListText(exercise));
            installTable(env, "ini/exam/" + name, questionListText(exam));
        }
    }
    // Starts on `watching` messages; a learner Anna with the given fields.
    void startWith(const QHash<QString, QString> &fields)
    {
        program.reset();
        state = std::make_unique<ProgramState>(watching);
        program = std::make_unique<TrainingProgram>(*state, [this](int code) { exitCode = code; });
        ASSERT_EQ(program->Main(), TrainingProgram::StartResult::Started);
        haztest::writeFile(progressFile(), haztest::ansi(trainingtest::progressFileText("Anna", fields)));
        qputenv("HAZ_STANDIN_PROGRESS", QFile::encodeName(progressFile()));
        auto *box = program->userChoose()->findChild<QComboBox *>(QStringLiteral("userCmb"));
        box->setEditText(QStringLiteral("Anna"));
        program->userChoose()->findChild<QPushButton *>(QStringLiteral("userChooseOk"))->click();
        ASSERT_TRUE(main()->isVisible());
    }

    void playOut(const char *run, const QString &button, const std::function<void()> &meanwhile = {})
    {
        qputenv("HAZ_STANDIN_RUN", run);
        control<QAbstractButton>(button)->click();
        ASSERT_TRUE(main()->services().scenarios().isRunning());
        if (meanwhile)
            meanwhile();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !main()->services().scenarios().isRunning(); }, 20000));
    }

    WatchingMessages watching;
};

TEST_F(RunTabEdgeTest, AScenarioQuestionShowsItsTextAsStoredAndOpensItsInfoPage)
{
    lists({{"Play it", "2", "0", "First<br>second", "", "info.htm"}}, {{"Exam question"}});
    startWith({{"excerUseList", "0"}, {"examUseList", "0"}});
    clickTab(TabExcer);
    EXPECT_TRUE(control("excerQuizAnswBtnScenario")->isVisible());
    EXPECT_EQ(control<QTextEdit>("excerQuizText")->toPlainText(), "First<br>second");
    frmWebInfo *info = main()->services().info().loadedWindow();
    ASSERT_TRUE(info);
    EXPECT_TRUE(info->isVisible());
    EXPECT_TRUE(info->webWindow()->locationURL().endsWith("info.htm"));
    EXPECT_EQ(info->windowTitle(), "Play it");
}

TEST_F(RunTabEdgeTest, TheAnswerButtonIsShownWhileTheQuestionIsFilled)
{
    env.writeInstallFile("data/images/broken.bmp", "not a picture");
    lists({{"With a broken picture", "-", "0", "", "broken.bmp"}}, {{"Exam question"}});
    // The exercise list was finished: the restart fills its first question again.
    startWith({{"excerUseList", "0"}, {"excerLastList", "0"}, {"excerQuizPos", "1"}, {"examUseList", "0"}});
    auto *answerButton = control("QuizAnswBtn(7)");
    clickTab(TabExcer);
    EXPECT_FALSE(answerButton->isVisible());
    watching.watch = [answerButton] { return answerButton->isVisible(); };
    control<QAbstractButton>("excerQuizRestartBtn")->click();
    EXPECT_EQ(watching.answerShownAtMessage, QList<bool>{true}) << watching.texts().join(" | ").toStdString();
    EXPECT_TRUE(answerButton->isVisible());
}

// The exam as the tab plays it: a timed question runs out and Next records it as
// answered wrong; an untimed question shows no clock and a wrong answer says nothing;
// a scenario question has no clock either.
TEST_F(RunTabEdgeTest, TheExamClockRunsOutOnlyOnTimedQuestionsAndWrongAnswersSayNothing)
{
    lists({{"Exercise"}}, {{"Timed", "-", "30"}, {"Untimed", "-", "0"}, {"Exam scenario", "3", "0"}});
    startWith({{"excerUseList", "0"}, {"examUseList", "0"}});
    haz::ManualTicker ticker;
    auto *clock = control<Clock>("examQuizClock");
    clock->setTicker(&ticker);
    clickTab(TabExam);
    EXPECT_TRUE(clock->isVisible());
    ticker.advance(29);
    int dialogs = 0;
    QTimer::singleShot(0, main(), [&] {
        auto *dialog = main()->findChild<exam::frmExamTimeRanOut *>();
        ASSERT_TRUE(dialog && dialog->isVisible());
        ++dialogs;
        dialog->findChild<QPushButton *>("cmdExamTime_Next")->click();
    });
    ticker.advance();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(control<QLabel>("examQuizLbl")->text(), "Untimed");
    EXPECT_EQ(control<QLabel>("curLblExamDone")->text(), "1");
    EXPECT_EQ(control<QLabel>("curLblExamCorr")->text(), "0");

    EXPECT_FALSE(clock->isVisible());
    EXPECT_FALSE(ticker.isActive());
    control<QCheckBox>("examQuizAnsw(1)")->setChecked(true); // the wrong one
    control<QAbstractButton>("examQuizAnswBtn")->click();
    EXPECT_TRUE(watching.shown().isEmpty()) << watching.texts().join(" | ").toStdString();
    EXPECT_EQ(control<QLabel>("curLblExamDone")->text(), "2");
    EXPECT_EQ(control<QLabel>("curLblExamCorr")->text(), "0");
    EXPECT_TRUE(control("examQuizAnswBtnScenario")->isVisible());
    EXPECT_FALSE(clock->isVisible());
    EXPECT_FALSE(ticker.isActive());
    clock->setTicker(nullptr); // the ticker goes before the program does
}

TEST_F(RunTabEdgeTest, AfterAScenarioTheWindowIsNormalAndOnlyTheExerciseGoesBackToItsTab)
{
    lists({{"Exercise scenario", "2"}}, {{"Exam scenario", "3"}});
    startWith({{"excerUseList", "0"}, {"examUseList", "0"}});
    const QRect normal = main()->geometry();
    clickTab(TabExcer);
    main()->showMaximized();
    ASSERT_TRUE(main()->isMaximized());
    const QRect maximised = main()->geometry();
    playOut("interrupt", "excerQuizAnswBtnScenario",
            [this] { main()->tabMain()->setCurrentIndex(TabProgress); });
    EXPECT_EQ(main()->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized), Qt::WindowNoState);
    EXPECT_EQ(main()->geometry().size(), maximised.size());
    EXPECT_EQ(main()->selectedTab(), TabExcer);

    main()->setGeometry(normal);
    clickTab(TabExam);
    playOut("interrupt", "examQuizAnswBtnScenario",
            [this] { main()->tabMain()->setCurrentIndex(TabProgress); });
    EXPECT_FALSE(main()->isMinimized());
    EXPECT_EQ(main()->geometry(), normal);
    EXPECT_EQ(main()->selectedTab(), TabProgress);
}

TEST_F(RunTabEdgeTest, ATacticsListWhoseTableWentBadIsEmptiedAfterTheRun)
{
    lists({{"Exercise"}}, {{"Exam question"}});
    startWith({{"excerUseList", "0"}, {"examUseList", "0"}});
    auto *list = control<QTreeWidget>("takQuizLst");
    ASSERT_EQ(list->topLevelItemCount(), 3);
    list->setCurrentItem(list->topLevelItem(0));
    playOut("finish", "takFactCmdStart", [this] {
        env.writeInstallFile("ini/scenario.ini", QByteArray("\x00\x01garbage", 9));
    });
    EXPECT_EQ(list->topLevelItemCount(), 0);
}

TEST_F(RunTabEdgeTest, TheDebugButtonReportsTheAnswerFramesOfTheRealWindow)
{
    lists({{"Exercise"}}, {{"Exam question"}});
    startWith({{"excerUseList", "0"}, {"examUseList", "0"}});
    auto *examFrame = control("frmExamSvar");
    auto *excerFrame = control("frmSvar");
    ASSERT_TRUE(examFrame && excerFrame);
    examFrame->hide();
    control<QAbstractButton>("debugBtn")->click();
    EXPECT_FALSE(examFrame->isHidden());
    EXPECT_FALSE(control("debugBtn")->isVisible());
    EXPECT_EQ(watching.texts(), (QStringList{QStringLiteral("exam:%1:").arg(examFrame->x() * 15),
                                             QStringLiteral("excer:%1:").arg(excerFrame->x() * 15)}));
}

TEST_F(RunTabEdgeTest, SavingAtExitHidesAProgressFileThatWasMadeVisible)
{
    lists({{"Exercise"}}, {{"Exam question"}});
    startWith({{"excerUseList", "0"}, {"examUseList", "0"}});
    ASSERT_TRUE(haz::platform::setHidden(progressFile(), false));
    ASSERT_FALSE(haz::platform::isHidden(progressFile()));
    main()->close();
    ASSERT_EQ(exitCode, std::optional<int>(0));
    EXPECT_TRUE(haz::platform::isHidden(progressFile()));
}

} // namespace
