#include "frmMain.h"

#include "FactTabUnits.h"
#include "ProgressUnit.h"
#include "QuestionRunUnits.h"
#include "SubjectUnit.h"
#include "TabServices.h"
#include "TabUnit.h"

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
// Pixels beyond the tab titles' own width, for the tab widget's frame.
constexpr int TabStripSlack = 6;

// The order in which the units fill their tabs after sign-in: the fact lists in the
// course's order, then the exercise, the introduction page and the rest.
constexpr std::array<int, TabCount> LoadOrder{TabIde, TabHaz, TabPhys, TabTak, TabProt, TabNBC, TabRef,
                                              TabExcer, TabIntro, TabExam, TabProgress};

} // namespace

frmMain::frmMain(ProgramState &state, QWidget *parent) : QWidget(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmMain"));
    buildControls();
    buildUnits();

    // Form_Load: the icon the caption table names, the first one without a table.
    QString icon = QStringLiteral("ICON_01");
    if (m_state.content.captions)
        icon = QStringLiteral("ICON_")
            + basMain::captionText(*m_state.content.captions, QStringLiteral("icon"), m_state.messages, m_state.lastError);
    basMain::setWindowIcon(this, icon, false);
}

void frmMain::buildControls()
{
    resize(DesignWidth / haz::TwipsPerPixel, DesignHeight / haz::TwipsPerPixel);
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
    m_tabs->installEventFilter(this);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int) {
        const int previous = m_currentTab;
        m_currentTab = m_tabs->currentIndex();
        tabChanged(previous);
    });

    // A developer's button that shows the answer frames' positions; not for learners.
    auto *debug = haz::twips::place<QPushButton>(this, QStringLiteral("debugBtn"), {10200, 30, 1500, 300});
    debug->setText(QStringLiteral("debug"));
    debug->hide();
}

void frmMain::buildUnits()
{
    m_services = new TabServices(*this, m_state, [this] { return selectedTab(); });
    m_units[TabIntro] = std::make_unique<IntroUnit>(m_intro, *m_services);
    for (int subject = 0; subject < SubjectCount; ++subject)
        m_units[subjectNames(subject).tab] = std::make_unique<SubjectUnit>(m_subjects[subject], this, *m_services);
    m_units[TabTak] = std::make_unique<TacticsUnit>(m_tactics, this, *m_services);
    m_units[TabRef] = std::make_unique<ReferenceUnit>(m_reference, this, *m_services);
    m_units[TabExcer] = std::make_unique<ExerciseUnit>(m_exercise, *m_services);
    m_units[TabExam] = std::make_unique<ExamUnit>(m_exam, m_tabs, *m_services);
    m_units[TabProgress] = std::make_unique<ProgressUnit>(m_progress, this, m_state);
}

frmMain::~frmMain()
{
    // The units go before the controls and the services they work on.
    for (auto &unit : m_units)
        unit.reset();
}

TabUnit &frmMain::unit(int tab) const
{
    return *m_units.at(tab);
}

SubjectUnit &frmMain::subjectUnit(int subject) const
{
    return static_cast<SubjectUnit &>(unit(subjectNames(subject).tab));
}

std::unique_ptr<TabUnit> frmMain::replaceUnit(int tab, std::unique_ptr<TabUnit> unit)
{
    std::swap(m_units.at(tab), unit);
    return unit;
}

void frmMain::forEachUnit(void (TabUnit::*step)())
{
    for (auto &unit : m_units)
        (unit.get()->*step)();
}

QWidget *frmMain::control(const QString &name) const
{
    return findChild<QWidget *>(name);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    const bool strip = watched == m_tabs->tabBar() || watched == m_tabs;
    if (strip && watched == m_tabs->tabBar() && event->type() == QEvent::MouseButtonPress)
        m_tabClickArmed = true;
    // A key on the strip (arrows) or the tab widget (Ctrl+Tab) is handled inside this
    // scope, so that a tab change it makes is known to come from the keyboard.
    if (strip && event->type() == QEvent::KeyPress && !m_keyboardChange) {
        m_keyboardChange = true;
        QCoreApplication::sendEvent(watched, event);
        m_keyboardChange = false;
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool frmMain::loadData()
{
    m_lblCurUser->setText(m_state.text(QStringLiteral("userDef")) + u' ' + m_state.learner.currentUser);
    // A long name may not fit the label; the whole of it is one pointer away.
    m_lblCurUser->setToolTip(m_state.learner.currentUser);
    for (const int tab : LoadOrder)
        m_units[tab]->load();

    m_base = measureBaseGeometry(readTemplate(), width() * haz::TwipsPerPixel, height() * haz::TwipsPerPixel);
    m_baseMeasured = true;
    setWindowState(windowState() | Qt::WindowMaximized);
    resizeObjs();
    return true;
}

void frmMain::keepEveryTabInSight()
{
    // The window is never narrower than its tab titles: on a small screen, with the
    // window not maximised, no tab may be scrolled out of sight.
    const TwipRect strip = haz::twips::geometry(m_tabs);
    const int margin = strip.left / haz::TwipsPerPixel;
    const int needed = margin + m_tabs->tabBar()->sizeHint().width() + 2 * margin + TabStripSlack;
    setMinimumSize(std::max(needed, DesignWidth / haz::TwipsPerPixel), DesignHeight / haz::TwipsPerPixel);
}

void frmMain::applyTabSettings()
{
    QStringList captions;
    QList<bool> visible;
    for (int tab = 0; tab < m_tabs->count(); ++tab) {
        captions << m_tabs->tabText(tab);
        visible << m_tabs->isTabVisible(tab);
    }
    const auto settings = readTabSettings(m_state.paths.iniDir, m_state.paths.imagesDir, captions, visible);
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

void frmMain::tabChanged(int previousTab)
{
    if (previousTab >= 0 && previousTab < TabCount && previousTab != m_tabs->currentIndex())
        m_units[previousTab]->leave();
    const int tab = m_tabs->currentIndex();
    if (!m_tabClickArmed) {
        if (m_keyboardChange && tab >= 0 && tab < TabCount)
            m_units[tab]->keyboardEnter();
        m_services->environment().keepProgress();
        return;
    }
    m_services->media().clearMediaControls();
    forEachUnit(&TabUnit::learnerChangedTab);
    m_services->info().UpdateWebInfoBox(tab);
    if (tab >= 0 && tab < TabCount)
        m_units[tab]->enter();
    m_tabClickArmed = false;
    m_services->environment().keepProgress();
}

void frmMain::setSubjectOption(int subject, int index)
{
    m_subjects.at(subject)->options.at(index)->setChecked(true);
}

void frmMain::optionSwitch(int subject, int index)
{
    subjectUnit(subject).optionSwitch(index);
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
    training::resizeObjs(layout, m_base, width() * haz::TwipsPerPixel, height() * haz::TwipsPerPixel);
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
    m_services->media().clearMediaControls();
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_baseMeasured)
        return;
    resizeObjs();
    forEachUnit(&TabUnit::resized);
}

void frmMain::showEvent(QShowEvent *event)
{
    // Only a shown strip knows the real width of its titles.
    if (m_baseMeasured)
        keepEveryTabInSight();
    QWidget::showEvent(event);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // The scenario program is using the progress file: no save, no end now.
    if (m_services->scenarios().isRunning()) {
        event->ignore();
        return;
    }
    clearMedia();
    if (!m_unloading) {
        m_unloading = true;
        if (onUnload)
            onUnload();
    }
    event->accept();
}

} // namespace training
