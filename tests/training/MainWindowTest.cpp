// The main window: its controls, the tab table, tab changes, the fact/quiz switch
// and the layout on resize.
#include "TrainingProgramFixture.h"

#include "CaptionTable.h"
#include "frmCoursePrnt.h"
#include "frmExamTimeRanOut.h"
#include "FactFamily.h"
#include "MainTabs.h"
#include "QuizFamily.h"
#include "QuizList.h"
#include "PageView.h"
#include "TabPlan.h"
#include "TabUnit.h"
#include "ProgressFile.h"
#include "TwipGeometry.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

using namespace training;
using trainingtest::installTable;
using trainingtest::ProgramFixture;

namespace {

// A tab's unit that notes when it is entered or left, then does its own work.
class RecordingUnit : public TabUnit {
public:
    RecordingUnit(int tab, std::unique_ptr<TabUnit> unit, QStringList &calls)
        : m_tab(tab), m_unit(std::move(unit)), m_calls(calls)
    {
    }
    QWidget *page() const override { return m_unit->page(); }
    void enter() override
    {
        m_calls << QStringLiteral("enter %1").arg(m_tab);
        m_unit->enter();
    }
    void keyboardEnter() override
    {
        m_calls << QStringLiteral("keyboard %1").arg(m_tab);
        m_unit->keyboardEnter();
    }
    void leave() override
    {
        m_calls << QStringLiteral("leave %1").arg(m_tab);
        m_unit->leave();
    }

private:
    int m_tab;
    std::unique_ptr<TabUnit> m_unit;
    QStringList &m_calls;
};

class MainWindowTest : public ProgramFixture {
protected:
    void startAndSignIn(const QString &name = QStringLiteral("Anna"))
    {
        ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
        signIn(name);
        ASSERT_TRUE(main()->isVisible());
        for (int tab = 0; tab < TabCount; ++tab)
            main()->replaceUnit(tab, std::make_unique<RecordingUnit>(tab, main()->replaceUnit(tab, nullptr), calls));
    }

    // Writes a learner's stored tab and view before the program starts.
    void storeLearner(const QString &name, int tab, bool factView)
    {
        ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
        progress::addLearner(state->paths.userFile, name);
        LearnerProgress stored;
        stored.quizOrFact = factView;
        haz::ScriptedMessages quiet;
        progress::saveLearnerProgress(state->paths.userFile, name, stored, tab, quiet, {});
    }

    QStringList calls;
};

// Every control that code or data names exists once, on the window it is looked for
// in: the caption rows, the controls the fact and quiz views find by name, and the
// layout's copies. A misspelt name would leave a control silently without its part.
TEST_F(MainWindowTest, EveryNamedControlIsThere)
{
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    QStringList missing;
    const auto check = [&](const QWidget *window, const QString &name) {
        if (window->objectName() != name && window->findChildren<QWidget *>(name).size() != 1)
            missing << window->objectName() + "/" + name;
    };
    const QList<QWidget *> windows{main(), program->userChoose(), program->persData(), program->exitSave(),
                                   program->timeRanOut(), program->coursePrnt()};
    for (const CaptionRow &row : captionRows()) {
        const auto window = std::find_if(windows.begin(), windows.end(),
                                         [&](const QWidget *w) { return w->objectName() == row.window; });
        ASSERT_NE(window, windows.end()) << row.window.toStdString();
        for (const QString &name : QStringList{row.control} + row.likes)
            check(*window, name);
    }
    for (const QuizMember &m : quizMembers()) {
        for (const QString role : {"QuizPic", "QuizLbl", "QuizText", "QuizComm", "Lbl", "QuizLblTot", "QuizLblDone",
                                   "QuizLblCorr", "QuizbtnInfoLink", "QuizWeb"})
            check(main(), m.name(role));
        for (int k = 0; k < MaxAlternatives; ++k)
            check(main(), m.answerBox(k));
        for (const QString &name : {m.progressLabel("Tot"), m.progressLabel("Done"), m.progressLabel("Corr"),
                                    m.answerButton(), m.restartButton(), controlArrayName(m.optionArray, 0),
                                    m.quizOption()})
            check(main(), name);
    }
    for (const FactMember &f : factMembers())
        for (const QString &name : {f.list, f.browser, f.printButton(), f.progressLabel})
            check(main(), name);
    for (const auto &[from, targets] : hazCopyTable())
        for (const QString &name : QStringList{from} + targets)
            check(main(), name);
    for (const QString name : {"tabMain", "lblCurUser", "infoWeb", "takQuizLst", "examQuizClock", "debugBtn",
                               "frmCurExercises", "frmCurExercisesExcer", "frmCurExam", "prgScenarioLatest",
                               "prgScenarioAvg", "prgScenarioExam", "curLblTakScenarioName", "curLblExamCorr",
                               "curLblQuizExcerTot", "frmCurLastStudy"})
        check(main(), name);
    EXPECT_TRUE(missing.isEmpty()) << missing.join(", ").toStdString();
    EXPECT_EQ(main()->tabMain()->count(), TabCount);
}

TEST_F(MainWindowTest, EveryTabHasItsUnitWiredAndTheTabTableNamesIt)
{
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    for (int tab = 0; tab < TabCount; ++tab) {
        EXPECT_EQ(main()->unit(tab).page(), main()->tabMain()->widget(tab)) << tab;
        EXPECT_EQ(tabPlanRow(tab).tab, tab);
        EXPECT_EQ(tabPlanRow(tab).captionKey, QStringLiteral("tabMain%1").arg(tab));
        EXPECT_FALSE(tabPlanRow(tab).unit.isEmpty()) << tab;
    }
}

TEST_F(MainWindowTest, ATabChangeShowsOnlyAChosenFactNotOneThatMerelyHasTheFocus)
{
    startAndSignIn();
    env.writeInstallFile("data/html/approach.htm", "<p>Approach from upwind</p>");
    state->content.takFacts.list = {{fixedFactTitle("Approach"), "approach.htm"}};
    state->content.takFacts.count = 1;
    auto *list = main()->findChild<QListWidget *>("takFactLst");
    auto *page = main()->findChild<haz::PageView *>("takFactWeb");
    list->addItem("Approach");
    // Focus makes a row current without choosing it.
    list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    calls.clear();
    clickTab(TabTak);
    EXPECT_EQ(calls, (QStringList{"leave 0", "enter 6"}));
    EXPECT_FALSE(page->toPlainText().contains("upwind"));

    clickTab(TabHaz);
    list->setCurrentRow(0);
    clickTab(TabTak);
    EXPECT_TRUE(page->toPlainText().contains("upwind"));
}

TEST_F(MainWindowTest, AKeyboardChangeOfTabShowsTheFactChosenInTheList)
{
    startAndSignIn();
    env.writeInstallFile("data/html/spill.htm", "<p>Contain the spill</p>");
    state->content.subjectFacts[Haz].list = {{fixedFactTitle("Spill"), "spill.htm"}};
    state->content.subjectFacts[Haz].count = 1;
    auto *page = main()->findChild<haz::PageView *>("hazFactWeb");
    main()->subjectTab(Haz)->factList->addItem("Spill");
    clickTab(TabHaz);
    main()->subjectTab(Haz)->factList->setCurrentRow(0);
    clickTab(TabNBC);
    EXPECT_FALSE(page->toPlainText().contains("spill")) << "a mouse change blanks the pages";

    calls.clear();
    QTest::keyClick(main()->tabMain(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(main()->selectedTab(), TabHaz);
    EXPECT_TRUE(page->toPlainText().contains("Contain the spill"));
    EXPECT_EQ(calls, (QStringList{"leave 5", "keyboard 4"}));
}

TEST_F(MainWindowTest, OnlyAMouseChangeOfTabLoadsContent)
{
    startAndSignIn();
    main()->selectTab(TabHaz);
    EXPECT_EQ(main()->selectedTab(), TabHaz);
    EXPECT_EQ(calls, (QStringList{"leave 0"}));

    // The keyboard changes the tab but loads nothing either.
    calls.clear();
    main()->tabMain()->tabBar()->setFocus();
    QTest::keyClick(main()->tabMain()->tabBar(), Qt::Key_Right);
    EXPECT_EQ(main()->selectedTab(), TabNBC);
    EXPECT_EQ(calls, (QStringList{"leave 4", "keyboard 5"}));

    calls.clear();
    clickTab(TabExam);
    EXPECT_EQ(main()->selectedTab(), TabExam);
    EXPECT_EQ(calls, (QStringList{"leave 5", "enter 9"}));
    EXPECT_FALSE(main()->tabClickArmed());

    // A press on the tab already shown changes nothing, but the next change, even
    // one the program makes, then loads.
    calls.clear();
    clickTab(TabExam);
    EXPECT_TRUE(calls.isEmpty()) << calls.join(", ").toStdString();
    EXPECT_TRUE(main()->tabClickArmed());
    main()->selectTab(TabTak);
    EXPECT_EQ(calls, (QStringList{"leave 9", "enter 6"}));
    EXPECT_FALSE(main()->tabClickArmed());
}

TEST_F(MainWindowTest, LeavingAStartedExamHidesItsTab)
{
    startAndSignIn();
    clickTab(TabExam);
    clickTab(TabIde);
    EXPECT_TRUE(main()->tabMain()->isTabVisible(TabExam));

    clickTab(TabExam);
    state->exam.started = true;
    clickTab(TabIde);
    EXPECT_FALSE(main()->tabMain()->isTabVisible(TabExam));
}

TEST_F(MainWindowTest, LeavingAStartedExamByKeyboardHidesItsTabToo)
{
    startAndSignIn();
    clickTab(TabExam);
    state->exam.started = true;
    calls.clear();
    main()->tabMain()->tabBar()->setFocus();
    QTest::keyClick(main()->tabMain()->tabBar(), Qt::Key_Left);
    EXPECT_EQ(main()->selectedTab(), TabExcer);
    EXPECT_FALSE(main()->tabMain()->isTabVisible(TabExam));
    // Still nothing is loaded for a change the mouse did not make.
    EXPECT_EQ(calls, (QStringList{"leave 9", "keyboard 8"}));
}

TEST_F(MainWindowTest, TabTableHidesAndDisablesTabs)
{
    QString table = trainingtest::sourceText("ini/objsTabs.ini");
    table.replace("tabMain7\r\nTrue", "tabMain7\r\nFalse");
    table.replace("tabMain2\r\nTrue", "tabMain2\r\n0");
    installTable(env, "ini/objsTabs.ini", table);
    storeLearner("Anna", TabRef, true);

    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    QTabWidget *tabs = main()->tabMain();
    for (int tab = 0; tab < TabCount; ++tab) {
        const bool hidden = tab == TabRef || tab == TabPhys;
        EXPECT_EQ(tabs->isTabVisible(tab), !hidden) << tab;
        EXPECT_EQ(tabs->isTabEnabled(tab), !hidden) << tab;
    }
    // A learner whose place was on a hidden tab starts on the introduction.
    signIn("Anna");
    EXPECT_EQ(main()->selectedTab(), TabIntro);
}

TEST_F(MainWindowTest, MissingTabTableChangesNothing)
{
    QFile::remove(env.installFolder() + "/ini/objsTabs.ini");
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    for (int tab = 0; tab < TabCount; ++tab)
        EXPECT_TRUE(main()->tabMain()->isTabVisible(tab) && main()->tabMain()->isTabEnabled(tab)) << tab;
}

TEST_F(MainWindowTest, OptionSwitchShowsQuizOrFacts)
{
    startAndSignIn();
    main()->selectTab(TabHaz);
    SubjectTab *haz = main()->subjectTab(Haz);
    QTest::mouseClick(haz->options[1], Qt::LeftButton, {}, QPoint(6, haz->options[1]->height() / 2));
    EXPECT_TRUE(haz->quiz->isVisibleTo(main()));
    EXPECT_FALSE(haz->factList->isVisibleTo(main()));
    EXPECT_FALSE(haz->factFrame->isVisibleTo(main()));
    EXPECT_FALSE(haz->printButton->isVisibleTo(main()));
    EXPECT_FALSE(state->learner.progress.quizOrFact);
    EXPECT_EQ(haz->quiz->total->text(), "Questions: 0");
    EXPECT_EQ(haz->quiz->correct->text(), "Correct: 0");
    EXPECT_EQ(haz->quiz->done->text(), "Answered: 0");
    EXPECT_EQ(main()->findChild<QLabel *>("curLblQuizHazTot")->text(), "0");
    // The quiz view shows its question (none here: the list is finished).
    EXPECT_FALSE(haz->quiz->restartButton->isHidden());

    calls.clear();
    QTest::mouseClick(haz->options[0], Qt::LeftButton, {}, QPoint(6, haz->options[0]->height() / 2));
    EXPECT_FALSE(haz->quiz->isVisibleTo(main()));
    EXPECT_TRUE(haz->factList->isVisibleTo(main()));
    EXPECT_TRUE(state->learner.progress.quizOrFact);
}

TEST_F(MainWindowTest, SignInRestoresTheStoredTabAndView)
{
    storeLearner("Anna", TabProt, false);
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    signIn("Anna");
    EXPECT_EQ(main()->selectedTab(), TabProt);
    EXPECT_TRUE(main()->subjectTab(Prot)->options[1]->isChecked());
    EXPECT_TRUE(main()->subjectTab(Prot)->quiz->isVisibleTo(main()));
    // Other subjects keep their fact view.
    EXPECT_TRUE(main()->subjectTab(Haz)->options[0]->isChecked());

    // A new learner starts on the introduction whatever the template says.
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    signIn("Bo");
    EXPECT_TRUE(state->learner.isNewUser);
    EXPECT_EQ(main()->selectedTab(), TabIntro);
    EXPECT_EQ(main()->lblCurUser()->text(), "Learner: Bo");
}

// Not maximised, at its smallest, the window still has room for every tab title:
// the strip the layout gives it at the minimum width holds all titles.
TEST_F(MainWindowTest, EveryTabTitleFitsTheSmallestWindow)
{
    startAndSignIn();
    const int minimum = main()->minimumWidth();
    EXPECT_GE(minimum, 800);
    EXPECT_EQ(main()->minimumHeight(), 580);
    const int strip = (minimum * haz::TwipsPerPixel - main()->baseGeometry().formMarginW) / haz::TwipsPerPixel;
    EXPECT_LE(main()->tabMain()->tabBar()->sizeHint().width(), strip - 2);
}

// The geometry of every quiz control of a quiz view, in its frame.
QList<TwipRect> quizLayout(const frmMain *window, const QString &prefix, const QString &answerButton)
{
    QList<TwipRect> rects;
    for (const QString role : {"QuizFrm", "QuizLbl", "QuizText", "QuizPic", "QuizWeb", "QuizbtnInfoLink",
                               "QuizLblTot", "QuizLblDone", "QuizLblCorr"})
        rects << haz::twips::geometry(window->findChild<QWidget *>(prefix + role));
    for (int k = 0; k < 15; ++k)
        rects << haz::twips::geometry(window->findChild<QWidget *>(controlArrayName(prefix + "QuizAnsw", k)));
    rects << haz::twips::geometry(window->findChild<QWidget *>(answerButton));
    return rects;
}

TEST_F(MainWindowTest, AfterEveryResizeAllQuizViewsMatchTheHazardTemplate)
{
    startAndSignIn();
    const QList<TwipRect> design = quizLayout(main(), "haz", "QuizAnswBtn(3)");
    const QList<std::pair<QString, QString>> views{{"ide", "QuizAnswBtn(0)"}, {"phys", "QuizAnswBtn(1)"},
                                                   {"prot", "QuizAnswBtn(2)"}, {"NBC", "QuizAnswBtn(4)"},
                                                   {"excer", "QuizAnswBtn(7)"}, {"exam", "examQuizAnswBtn"}};
    main()->setWindowState(Qt::WindowNoState);
    for (const QSize size : {QSize(1500, 960), QSize(1100, 700), QSize(1600, 1000)}) {
        main()->resize(size);
        QCoreApplication::processEvents();
        const QList<TwipRect> haz = quizLayout(main(), "haz", "QuizAnswBtn(3)");
        for (const auto &[prefix, button] : views)
            EXPECT_EQ(quizLayout(main(), prefix, button), haz) << prefix.toStdString() << " at " << size.width();
        EXPECT_EQ(haz::twips::geometry(main()->findChild<QWidget *>("ideFactWeb")),
                  haz::twips::geometry(main()->findChild<QWidget *>("hazFactWeb")));
    }
    // The layout did follow the window: the right column moved out.
    EXPECT_GT(quizLayout(main(), "haz", "QuizAnswBtn(3)").at(9 + 8).left, design.at(9 + 8).left);
    // The scenario list ends where the tactics page ends.
    const TwipRect list = haz::twips::geometry(main()->findChild<QWidget *>("takQuizLst"));
    EXPECT_EQ(list.height, haz::twips::geometry(main()->findChild<QWidget *>("takFactWeb")).height - list.top + 700);
}

TEST_F(MainWindowTest, SmallWidthChangesUpwardsKeepTheLayoutAndAnyDecreaseRecomputes)
{
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    const HazTemplate design = main()->readTemplate();
    const qint32 w0 = main()->width() * haz::TwipsPerPixel;
    const qint32 h0 = main()->height() * haz::TwipsPerPixel;
    BaseGeometry base = measureBaseGeometry(design, w0, h0);

    HazTemplate layout = design;
    resizeObjs(layout, base, w0 + 6000, h0);
    const HazTemplate wide = layout;
    EXPECT_EQ(wide.tabMain.width, design.tabMain.width + 6000);
    EXPECT_EQ(base.lastWidth, w0 + 6000);

    resizeObjs(layout, base, w0 + 6200, h0);
    EXPECT_EQ(layout, wide);
    EXPECT_EQ(base.lastWidth, w0 + 6000);

    resizeObjs(layout, base, w0 + 6201, h0);
    EXPECT_EQ(layout.tabMain.width, design.tabMain.width + 6201);
    const HazTemplate wider = layout;

    resizeObjs(layout, base, w0 + 6186, h0);
    EXPECT_EQ(layout.tabMain.width, design.tabMain.width + 6186);
    EXPECT_LT(layout.answers[0].width, wider.answers[0].width);
    EXPECT_LT(layout.answers[8].left, wider.answers[8].left);

    // Below the design size the strip keeps its last size; the rest still follows.
    resizeObjs(layout, base, w0 - 1500, h0);
    EXPECT_EQ(layout.tabMain.width, design.tabMain.width + 6186);
    EXPECT_EQ(base.lastWidth, w0 - 1500);

    // Heights follow the same rule.
    resizeObjs(layout, base, w0, h0 + 150);
    EXPECT_EQ(layout.tabMain.height, design.tabMain.height);
    resizeObjs(layout, base, w0, h0 + 3000);
    EXPECT_EQ(layout.tabMain.height, design.tabMain.height + 3000);
    EXPECT_GT(layout.answers[7].top - layout.answers[0].top, design.answers[7].top - design.answers[0].top);
    EXPECT_EQ(layout.answers[8].top, layout.answers[0].top);
    EXPECT_EQ(layout.answers[9].top, layout.answers[1].top);
    EXPECT_EQ(layout.answerButton.top, layout.answers[7].top);
    EXPECT_EQ(layout.hazQuizbtnInfoLink.top, layout.answerButton.top);
    EXPECT_GT(layout.hazQuizbtnInfoLink.left, layout.answerButton.left);
}

TEST_F(MainWindowTest, MeasuredBaseGeometryFollowsTheDesign)
{
    ASSERT_EQ(start(), TrainingProgram::StartResult::Started);
    const HazTemplate d = main()->readTemplate();
    const BaseGeometry b = measureBaseGeometry(d, 12000, 8700);
    EXPECT_EQ(b.answerSpare, d.hazQuizFrm.width - d.answers[8].width - d.answers[1].width);
    EXPECT_EQ(b.columnRatio, 1);
    EXPECT_EQ(b.rowPitch, 568);
    EXPECT_EQ(b.picGap, d.answerButton.top - d.hazQuizPic.height);
    EXPECT_EQ(b.formMarginW, 12000 - d.tabMain.width);
    EXPECT_LT(b.infoLinkOffset, 0); // the info-link button is designed left of the Answer button
}

} // namespace
