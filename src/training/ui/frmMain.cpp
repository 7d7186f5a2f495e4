#include "frmMain.h"

#include "Conversions.h"
#include "PageView.h"
#include "PictureBox.h"
#include "Platform.h"
#include "ProgramState.h"
#include "TabSettings.h"
#include "TwipGeometry.h"
#include "basCaptions.h"
#include "basMain.h"
#include "basMainUi.h"
#include "clsDataFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeWidget>

namespace training {

namespace {

// Design size of the window's inside and of the tab strip (twips).
constexpr qint32 DesignWidth = 12000;
constexpr qint32 DesignHeight = 8700;
const TwipRect TabStripRect{60, 360, 11880, 8280};
// The fact lists end this far above the fact frame's bottom, and are never shorter.
constexpr qint32 FactListGap = 60;
constexpr qint32 FactListMinHeight = 1500;
constexpr qint32 LastStudyMinWidth = 4140;

template <class... Args, class Hook>
void run(const Hook &hook, Args &&...args)
{
    if (hook)
        hook(std::forward<Args>(args)...);
}

} // namespace

frmMain::frmMain(ProgramState &state, QWidget *parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmMain"));
    buildControls();

    // Form_Load: the icon the caption table names, the first one without a table.
    QString icon = QStringLiteral("ICON_01");
    haz::clsDataFile captions;
    if (captions.readData(haz::platform::joinPath(haz::platform::installationFolder(),
                                                  QStringLiteral("ini/captions.ini"))))
        icon = QStringLiteral("ICON_")
            + basMain::captionText(captions, QStringLiteral("icon"), m_state.messages, m_state.lastError);
    basMain::setWindowIcon(this, icon, false);
}

frmMain::~frmMain() = default;

void frmMain::buildControls()
{
    resize(DesignWidth / haz::twips::PerPixel, DesignHeight / haz::twips::PerPixel);
    m_lblCurUser = haz::twips::place<QLabel>(this, QStringLiteral("lblCurUser"), {60, 45, 9000, 285});
    QFont bold = m_lblCurUser->font();
    bold.setBold(true);
    m_lblCurUser->setFont(bold);

    m_tabs = haz::twips::place<QTabWidget>(this, QStringLiteral("tabMain"), TabStripRect);
    m_tabs->setUsesScrollButtons(true);
    m_intro = new IntroTab(m_tabs);
    m_tabs->addTab(m_intro, QString());
    for (int tab = TabIde; tab <= TabNBC; ++tab) {
        const int subject = tab - 1;
        m_subjects[subject] = new SubjectTab(subject, m_tabs);
        m_tabs->addTab(m_subjects[subject], QString());
        for (int k = 0; k < 2; ++k)
            connect(m_subjects[subject]->options[k], &QRadioButton::toggled, this, [this, subject, k](bool on) {
                if (on)
                    optionSwitch(subject, k);
            });
    }
    m_tactics = new TacticsTab(m_tabs);
    m_tabs->addTab(m_tactics, QString());
    m_reference = new ReferenceTab(m_tabs);
    m_tabs->addTab(m_reference, QString());
    m_exercise = new QuestionRunTab(false, m_tabs);
    m_tabs->addTab(m_exercise, QString());
    m_exam = new QuestionRunTab(true, m_tabs);
    m_tabs->addTab(m_exam, QString());
    m_progress = new ProgressTab(m_tabs);
    m_tabs->addTab(m_progress, QString());
    for (int tab = 0; tab < TabCount; ++tab)
        m_tabs->widget(tab)->setObjectName(QStringLiteral("tabMainPage%1").arg(tab));

    // A mouse press on the strip arms the change it may cause.
    m_tabs->tabBar()->installEventFilter(this);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int) {
        const int previous = m_currentTab;
        m_currentTab = m_tabs->currentIndex();
        tabChanged(previous);
    });
    connect(m_progress->exitButton, &QPushButton::clicked, this, &QWidget::close);

    // A developer's button that shows the answer frames' positions; not for learners.
    auto *debug = haz::twips::place<QPushButton>(this, QStringLiteral("debugBtn"), {10200, 30, 1500, 300});
    debug->setText(QStringLiteral("debug"));
    debug->hide();
}

QWidget *frmMain::control(const QString &name) const
{
    return findChild<QWidget *>(name);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tabs->tabBar() && event->type() == QEvent::MouseButtonPress)
        m_tabClickArmed = true;
    return QWidget::eventFilter(watched, event);
}

void frmMain::restoreFactPosition(QListWidget *list, qint32 position, qint32 count)
{
    // A position beyond a list that was shortened since selects nothing.
    if (position >= 0 && position < count && position < list->count())
        list->setCurrentRow(position);
}

bool frmMain::loadData()
{
    const LearnerProgress &progress = m_state.progress;
    m_lblCurUser->setText(m_state.text(QStringLiteral("userDef")) + u' ' + m_state.currentUser);

    const auto fillSubject = [&](int subject) {
        const FactListData &facts = m_state.subjectFacts[subject];
        QListWidget *list = m_subjects[subject]->factList;
        if (basMain::fillListBox(list, facts.list, m_state.lastError))
            restoreFactPosition(list, progress.subjects[subject].factPos, facts.count);
    };
    fillSubject(Ide);
    fillSubject(Haz);
    fillSubject(Phys);
    if (basMain::fillListBox(m_tactics->factList, m_state.takFacts.list, m_state.lastError))
        m_tactics->factList->setCurrentRow(0);
    run(hooks.fillScenarioList);
    fillSubject(Prot);
    fillSubject(NBC);
    if (basMain::fillListBox(m_reference->factList, m_state.refFacts.list, m_state.lastError))
        restoreFactPosition(m_reference->factList, progress.refFactPos, m_state.refFacts.count);

    // Every subject's totals are known from the start, not only after its quiz is opened.
    for (int subject = 0; subject < SubjectCount; ++subject)
        setQuizCountLabels(subject);

    run(hooks.excerFillQuiz);
    m_intro->infoWeb->navigate(haz::platform::joinPath(m_state.htmlDir, QStringLiteral("info.htm")));

    m_base = measureBaseGeometry(readTemplate(), width() * haz::twips::PerPixel, height() * haz::twips::PerPixel);
    m_baseMeasured = true;
    setWindowState(windowState() | Qt::WindowMaximized);
    resizeObjs();
    return true;
}

void frmMain::applyTabSettings()
{
    QStringList captions;
    QList<bool> visible;
    for (int tab = 0; tab < m_tabs->count(); ++tab) {
        captions << m_tabs->tabText(tab);
        visible << m_tabs->isTabVisible(tab);
    }
    const auto settings = readTabSettings(m_state.iniDir, m_state.imagesDir, captions, visible);
    if (!settings)
        return;
    for (int tab = 0; tab < m_tabs->count(); ++tab) {
        m_tabs->setTabVisible(tab, settings->visible.at(tab));
        if (!settings->pictures.at(tab).isEmpty())
            m_tabs->setTabIcon(tab, QIcon(settings->pictures.at(tab)));
    }
}

void frmMain::disableHiddenTabs()
{
    for (int tab = 0; tab < m_tabs->count(); ++tab)
        if (!m_tabs->isTabVisible(tab))
            m_tabs->setTabEnabled(tab, false);
}

void frmMain::selectTab(int tab)
{
    // A tab the installation hides cannot be the learner's place.
    if (tab < 0 || tab >= m_tabs->count() || !m_tabs->isTabVisible(tab) || !m_tabs->isTabEnabled(tab))
        tab = 0;
    m_tabs->setCurrentIndex(tab);
}

int frmMain::selectedTab() const
{
    return m_tabs->currentIndex();
}

namespace {
// The title the learner chose: the current row only when it is also selected
// (focus alone makes a row current).
int chosenRow(const QListWidget *list)
{
    const QListWidgetItem *item = list->currentItem();
    return item && item->isSelected() ? list->currentRow() : -1;
}
} // namespace

void frmMain::tabChanged(int previousTab)
{
    // A started exam cannot be returned to in this run, however it was left: the
    // keyboard must not be a way back to it.
    if (previousTab == TabExam && m_state.examStarted)
        m_tabs->setTabVisible(TabExam, false);
    if (!m_tabClickArmed)
        return;
    const int tab = m_tabs->currentIndex();
    run(hooks.clearMediaControls);
    run(hooks.resetExamClock);
    run(hooks.updateWebInfoBox, tab);

    if (tab >= TabIde && tab <= TabNBC) {
        SubjectTab *page = m_subjects[tab - 1];
        if (page->options[1]->isChecked()) {
            run(hooks.fillSubjectQuiz, page->subject());
        } else if (page->options[0]->isChecked()) {
            const int row = chosenRow(page->factList);
            const FactListData &facts = m_state.subjectFacts[page->subject()];
            if (row >= 0 && row < facts.list.size() && !facts.list.at(row).page.isEmpty())
                run(hooks.showMediaFile, page->factWeb->objectName(),
                    haz::platform::joinPath(m_state.htmlDir, facts.list.at(row).page));
        }
    } else if (tab == TabTak) {
        if (chosenRow(m_tactics->factList) >= 0)
            run(hooks.factSelected, m_tactics->factList->objectName());
    } else if (tab == TabRef) {
        const int row = chosenRow(m_reference->factList);
        if (row >= 0 && row < m_state.refFacts.list.size() && !m_state.refFacts.list.at(row).page.isEmpty())
            run(hooks.factSelected, m_reference->factList->objectName());
    } else if (tab == TabExcer) {
        const QuizListData &set = m_state.exerciseList;
        const qint32 position = m_state.progress.excerQuizPos;
        if (position >= 0 && position < set.count && position < set.list.size()
            && !set.list.at(position).FrgBild.isEmpty())
            run(hooks.showMediaFile, m_exercise->quiz->picture->objectName(),
                haz::platform::joinPath(m_state.imagesDir, set.list.at(position).FrgBild));
    } else if (tab == TabExam) {
        run(hooks.examFillQuiz);
    }

    if (tab == TabProgress && !m_state.currentUser.isEmpty())
        run(hooks.refreshScenarioProgress);
    m_tabClickArmed = false;
}

void frmMain::setSubjectOption(int subject, int index)
{
    m_subjects.at(subject)->options.at(index)->setChecked(true);
}

void frmMain::setQuizCountLabels(int subject)
{
    const QuizListData &quiz = m_state.subjectQuizzes[subject];
    const SubjectProgress &counts = m_state.progress.subjects[subject];
    QuizPanel *panel = m_subjects[subject]->quiz;
    panel->total->setText(m_state.text(QStringLiteral("totAnswers")) + u' ' + QString::number(quiz.count));
    panel->correct->setText(m_state.text(QStringLiteral("corrAnswers")) + u' ' + QString::number(counts.quizCorr));
    panel->done->setText(m_state.text(QStringLiteral("excerCompleted")) + u' ' + QString::number(counts.quizPos));
    const QString row = QStringLiteral("curLblQuiz") + subjectNames(subject).progressRow;
    const auto bare = [&](const QString &what, qint32 value) {
        if (auto *label = findChild<QLabel *>(row + what))
            label->setText(QString::number(value));
    };
    bare(QStringLiteral("Tot"), quiz.count);
    bare(QStringLiteral("Done"), counts.quizPos);
    bare(QStringLiteral("Corr"), counts.quizCorr);
}

void frmMain::optionSwitch(int subject, int index)
{
    SubjectTab *page = m_subjects.at(subject);
    // Each step goes on when the one before failed.
    const auto step = [](const auto &work) {
        try {
            work();
        } catch (const std::exception &) {
        }
    };
    step([&] { setQuizCountLabels(subject); });
    step([&] {
        const bool quiz = index == 1;
        page->factList->setVisible(!quiz);
        page->factFrame->setVisible(!quiz);
        page->printButton->setVisible(!quiz);
        page->quiz->setVisible(quiz);
        m_state.progress.quizOrFact = !quiz;
        if (quiz)
            run(hooks.clearMediaControls);
        else
            run(hooks.factSelected, page->factList->objectName());
    });
    step([&] {
        restoreFactPosition(page->factList, m_state.progress.subjects[subject].factPos,
                            m_state.subjectFacts[subject].count);
    });
    step([&] {
        if (page->options[1]->isChecked())
            run(hooks.fillSubjectQuiz, subject);
    });
    step([&] { run(hooks.updateWebInfoBox, m_tabs->currentIndex()); });
}

HazTemplate frmMain::readTemplate() const
{
    const SubjectTab *haz = m_subjects[Haz];
    const QuizPanel *quiz = haz->quiz;
    HazTemplate t;
    t.tabMain = haz::twips::geometry(m_tabs);
    t.hazFormFact = haz::twips::geometry(haz->factFrame);
    t.hazFactWeb = haz::twips::geometry(haz->factWeb);
    t.infoWeb = haz::twips::geometry(m_intro->infoWeb);
    t.hazQuizFrm = haz::twips::geometry(quiz);
    t.hazQuizText = haz::twips::geometry(quiz->text);
    t.hazQuizPic = haz::twips::geometry(quiz->picture);
    t.hazQuizWeb = haz::twips::geometry(quiz->page);
    t.hazQuizbtnInfoLink = haz::twips::geometry(quiz->infoLink);
    t.answerButton = haz::twips::geometry(quiz->answerButton);
    for (int k = 0; k < 15; ++k)
        t.answers[k] = haz::twips::geometry(quiz->answers[k]);
    return t;
}

void frmMain::writeTemplate(const HazTemplate &t)
{
    SubjectTab *haz = m_subjects[Haz];
    QuizPanel *quiz = haz->quiz;
    haz::twips::setGeometry(m_tabs, t.tabMain);
    haz::twips::setGeometry(haz->factFrame, t.hazFormFact);
    haz::twips::setGeometry(haz->factWeb, t.hazFactWeb);
    haz::twips::setGeometry(m_intro->infoWeb, t.infoWeb);
    haz::twips::setGeometry(quiz, t.hazQuizFrm);
    haz::twips::setGeometry(quiz->text, t.hazQuizText);
    haz::twips::setGeometry(quiz->picture, t.hazQuizPic);
    haz::twips::setGeometry(quiz->page, t.hazQuizWeb);
    haz::twips::setGeometry(quiz->infoLink, t.hazQuizbtnInfoLink);
    haz::twips::setGeometry(quiz->answerButton, t.answerButton);
    for (int k = 0; k < 15; ++k)
        haz::twips::setGeometry(quiz->answers[k], t.answers[k]);
}

void frmMain::resizeObjs()
{
    if (!m_baseMeasured)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    HazTemplate layout = readTemplate();
    training::resizeObjs(layout, m_base, width() * haz::twips::PerPixel, height() * haz::twips::PerPixel);
    writeTemplate(layout);
    // The fact lists reach down to the fact frame's bottom, as they do in the design.
    const TwipRect frame = haz::twips::geometry(m_subjects[Haz]->factFrame);
    for (QListWidget *list : {m_subjects[Haz]->factList, m_reference->factList}) {
        TwipRect rect = haz::twips::geometry(list);
        rect.height = std::max(frame.top + frame.height - FactListGap - rect.top, FactListMinHeight);
        haz::twips::setGeometry(list, rect);
    }
    copyHazPositions();
    TwipRect scenarios = haz::twips::geometry(m_tactics->scenarioList);
    scenarios.height = haz::twips::geometry(m_tactics->factWeb).height - scenarios.top + 700;
    haz::twips::setGeometry(m_tactics->scenarioList, scenarios);
    // The pages last read on the progress tab take the width there is.
    if (auto *lastStudy = findChild<QWidget *>(QStringLiteral("frmCurLastStudy"))) {
        TwipRect box = haz::twips::geometry(lastStudy);
        box.width = std::max(LastStudyMinWidth, haz::twips::geometry(m_tabs).width - box.left - 300);
        haz::twips::setGeometry(lastStudy, box);
        for (QLabel *label : lastStudy->findChildren<QLabel *>())
            if (label->objectName().endsWith(QLatin1String("FactPos"))) {
                TwipRect rect = haz::twips::geometry(label);
                rect.width = box.width - rect.left - 120;
                haz::twips::setGeometry(label, rect);
            }
    }
    QApplication::restoreOverrideCursor();
}

void frmMain::copyHazPositions()
{
    for (const auto &[from, targets] : hazCopyTable()) {
        const QWidget *source = control(from);
        for (const QString &target : targets)
            haz::twips::CopyPosProperties(source, control(target));
    }
}

void frmMain::clearMedia()
{
    run(hooks.clearMediaControls);
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_baseMeasured)
        return;
    resizeObjs();
    m_tactics->scenarioList->clear();
    run(hooks.fillScenarioList);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    clearMedia();
    if (!m_unloading) {
        m_unloading = true;
        if (onUnload)
            onUnload();
    }
    event->accept();
}

} // namespace training
