#include "ProgramState.h"
#include "QuizController.h"
#include "TabServices.h"
#include "QuizTestWindow.h"
#include "frmMain.h"

#include <QTabWidget>

#include <gtest/gtest.h>

using namespace training;
using quiztest::child;

namespace {

QuizQuestion question(const QString &head, const QString &link = QString())
{
    QuizQuestion q;
    q.FrgHead = head;
    q.FrgText = head;
    q.SvarTxt[0] = QStringLiteral("yes");
    q.SvarTxt[1] = QStringLiteral("no");
    q.SvarR[0] = true;
    q.InfoLink = link;
    return q;
}

} // namespace

// The tab units work on the real main window's tabs.
TEST(TabUnits, DrivesTheMainWindowsFactAndQuizViews)
{
    haztest::TestEnvironment install;
    haz::ScriptedMessages messages;
    ProgramState state(messages);
    state.paths.htmlDir = install.installFolder() + QStringLiteral("/data/html");
    state.paths.imagesDir = install.installFolder() + QStringLiteral("/data/images");
    state.content.texts.insert(QStringLiteral("corrAnswers"), QStringLiteral("Correct:"));
    state.content.texts.insert(QStringLiteral("excerCompleted"), QStringLiteral("Answered:"));
    state.content.texts.insert(QStringLiteral("totAnswers"), QStringLiteral("Questions:"));
    state.content.texts.insert(QStringLiteral("errDispAnswer"), QStringLiteral("Right was:"));
    quiztest::writePage(install, QStringLiteral("data/html/one.htm"), QStringLiteral("<p>Page one</p>"));
    quiztest::writePage(install, QStringLiteral("data/html/two.htm"), QStringLiteral("<p>Page two</p>"));
    quiztest::writePage(install, QStringLiteral("data/html/info.htm"), QStringLiteral("<p>More</p>"));
    state.content.subjectFacts[Haz].list = {{fixedFactTitle(QStringLiteral("One")), QStringLiteral("one.htm")},
                                    {fixedFactTitle(QStringLiteral("Two")), QStringLiteral("two.htm")}};
    state.content.subjectFacts[Haz].count = 2;
    state.learner.progress.subjects[Haz].factPos = 1;
    state.content.subjectQuizzes[Haz].list = {question(QStringLiteral("First"), QStringLiteral("info.htm")),
                                      question(QStringLiteral("Second")), QuizQuestion()};
    state.content.subjectQuizzes[Haz].count = 2;

    frmMain main(state);
    TabServices &set = main.services();
    main.loadData();

    // The saved fact position was restored, and with it the page and the label.
    auto *factWeb = child<haz::PageView>(&main, QStringLiteral("hazFactWeb"));
    EXPECT_TRUE(factWeb->toPlainText().contains(QStringLiteral("Page two")));
    EXPECT_EQ(controlText(child(&main, QStringLiteral("curLblHazFactPos"))).trimmed(), QStringLiteral("Two"));

    main.selectTab(TabHaz);
    main.setSubjectOption(Haz, 1);
    EXPECT_FALSE(state.learner.progress.quizOrFact);
    EXPECT_EQ(controlText(child(&main, QStringLiteral("hazQuizLbl"))), QStringLiteral("First"));
    EXPECT_TRUE(set.info().isShown()) << "the switch ran UpdateWebInfoBox";

    child<QCheckBox>(&main, QStringLiteral("hazQuizAnsw(0)"))->setChecked(true);
    child<QPushButton>(&main, QStringLiteral("QuizAnswBtn(3)"))->click();
    EXPECT_EQ(state.learner.progress.subjects[Haz].quizPos, 1);
    EXPECT_EQ(state.learner.progress.subjects[Haz].quizCorr, 1);
    EXPECT_EQ(controlText(child(&main, QStringLiteral("hazQuizLblCorr"))), QStringLiteral("Correct: 1"));
    EXPECT_EQ(controlText(child(&main, QStringLiteral("hazQuizLbl"))), QStringLiteral("Second"));
    EXPECT_FALSE(set.info().isShown());

    child<QCheckBox>(&main, QStringLiteral("hazQuizAnsw(1)"))->setChecked(true);
    child<QPushButton>(&main, QStringLiteral("QuizAnswBtn(3)"))->click();
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Right was:\r\n   -yes  \r\n\r\n")});
    EXPECT_FALSE(child(&main, QStringLiteral("QuizRestartBtn(3)"))->isHidden());

    // The restart, with the quiz view already selected, runs the window's switch.
    child<QPushButton>(&main, QStringLiteral("QuizRestartBtn(3)"))->click();
    EXPECT_EQ(state.learner.progress.subjects[Haz].quizPos, 0);
    EXPECT_EQ(state.learner.progress.subjects[Haz].quizCorr, 0);
    EXPECT_EQ(controlText(child(&main, QStringLiteral("hazQuizLbl"))), QStringLiteral("First"));
    EXPECT_EQ(controlText(child(&main, QStringLiteral("hazQuizLblDone"))), QStringLiteral("Answered: 0"));
    EXPECT_EQ(controlText(child(&main, QStringLiteral("curLblQuizHazCorr"))), QStringLiteral("0"));

    // Back to the facts: the page of the saved position again, and the window hides.
    main.setSubjectOption(Haz, 0);
    EXPECT_TRUE(state.learner.progress.quizOrFact);
    EXPECT_TRUE(factWeb->toPlainText().contains(QStringLiteral("Page two")));
    EXPECT_FALSE(set.info().isShown());
}
