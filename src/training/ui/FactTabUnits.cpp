#include "FactTabUnits.h"

#include "MainTabs.h"
#include "PageView.h"
#include "Platform.h"
#include "ProgramState.h"
#include "TabServices.h"
#include "ScenarioLaunch.h"
#include "basCaptions.h"
#include "basMainUi.h"
#include "clsDataFile.h"
#include "frmScenarioStarted.h"

#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

namespace training {

namespace {

std::unique_ptr<FactController> factView(QWidget *root, const QString &prefix, TabServices &services)
{
    return std::make_unique<FactController>(root, *factMember(prefix), factData(services.state(), prefix),
                                            services.environment(), services.media());
}

} // namespace

IntroUnit::IntroUnit(IntroTab *tab, TabServices &services) : m_tab(tab), m_state(services.state()) {}

QWidget *IntroUnit::page() const
{
    return m_tab;
}

void IntroUnit::load()
{
    m_tab->infoWeb->navigate(haz::platform::joinPath(m_state.paths.htmlDir, QStringLiteral("info.htm")));
}

TacticsUnit::TacticsUnit(TacticsTab *tab, QWidget *root, TabServices &services)
    : m_tab(tab), m_services(services), m_state(services.state()),
      m_facts(factView(root, QStringLiteral("tak"), services))
{
    QObject::connect(tab->scenarioList, &QTreeWidget::itemDoubleClicked, tab, [this] { startScenario(); });
    QObject::connect(tab->startButton, &QPushButton::clicked, tab, [this] { startScenario(); });
}

TacticsUnit::~TacticsUnit() = default;

QWidget *TacticsUnit::page() const
{
    return m_tab;
}

void TacticsUnit::load()
{
    // The tactics list always opens on its first page.
    if (basMain::fillListBox(m_tab->factList, m_state.content.takFacts.list, m_state.lastError))
        m_tab->factList->setCurrentRow(0);
    fillScenarioList();
}

void TacticsUnit::enter()
{
    if (basMain::chosenRow(m_tab->factList) >= 0)
        m_facts->factSelected();
}

void TacticsUnit::resized()
{
    // While a scenario plays the list is filled anew when it ends. Nothing on disk
    // changes the list but a run, so a resize shows again what was read last.
    if (m_services.scenarios().isRunning())
        return;
    m_tab->scenarioList->clear();
    showScenarioList();
}

namespace {
constexpr int ScenarioIdRole = Qt::UserRole;
constexpr int ScenarioKeyRole = Qt::UserRole + 1;
} // namespace

void TacticsUnit::fillScenarioList()
{
    const auto table = m_state.content.tables.table(launch::scenarioTablePath(m_state.paths.iniDir));
    // At sign-in the learner's post is the one the sign-in read; without a table
    // the progress file is not needed.
    const std::optional<LearnerRecord> &record = m_state.learner.signInRecord;
    std::optional<launch::RunFields> tactics;
    if (record)
        tactics = launch::runFieldsOf(*record, 1);
    else if (table->readOk())
        tactics = launch::readRunFields(m_state.paths.userFile, m_state.learner.currentUser, 1);
    m_scenarios = launch::scenarioListOf(*table, tactics);
    showScenarioList();
}

void TacticsUnit::showScenarioList()
{
    const auto &items = m_scenarios;
    if (!items)
        return;
    QTreeWidget *list = m_tab->scenarioList;
    list->clear();
    const QIcon inProgress = list->style()->standardIcon(QStyle::SP_MediaPause);
    for (const launch::ScenarioItem &item : *items) {
        auto *row = new QTreeWidgetItem(list, {item.name});
        row->setData(0, ScenarioIdRole, int(item.id));
        row->setData(0, ScenarioKeyRole, item.key);
        if (item.inProgress) {
            row->setIcon(0, inProgress);
            list->setCurrentItem(row);
        }
    }
}

void TacticsUnit::startScenario()
{
    QTreeWidgetItem *chosen = m_tab->scenarioList->currentItem();
    if (!chosen || !chosen->isSelected() || chosen->data(0, ScenarioKeyRole).toString().isEmpty()
        || m_services.scenarios().isRunning())
        return;
    const auto id = qint16(chosen->data(0, ScenarioIdRole).toInt());
    bool continueRun = false;
    if (launch::tacticsRunInProgress(m_state.paths.userFile, m_state.learner.currentUser, id)) {
        const auto caption = [this](const QString &key) {
            return m_state.content.captions
                       ? basMain::captionText(*m_state.content.captions, key, m_state.messages, m_state.lastError)
                       : QString();
        };
        frmScenarioStarted dialog(m_tab->window());
        dialog.setTexts(QStringLiteral("Training - ") + chosen->text(0), caption(QStringLiteral("ScenarioStarted")),
                        caption(QStringLiteral("ScenarioStartedCmd")));
        const qint16 answer = dialog.ask();
        // Closing the question is no answer: the interrupted run is kept for later.
        if (answer == frmScenarioStarted::NoAnswer)
            return;
        continueRun = answer == frmScenarioStarted::Continue;
    }
    m_services.scenarios().play(1, id, continueRun, [this](launch::Outcome) { fillScenarioList(); });
}

ReferenceUnit::ReferenceUnit(ReferenceTab *tab, QWidget *root, TabServices &services)
    : m_tab(tab), m_state(services.state()), m_facts(factView(root, QStringLiteral("ref"), services))
{
}

ReferenceUnit::~ReferenceUnit() = default;

QWidget *ReferenceUnit::page() const
{
    return m_tab;
}

void ReferenceUnit::load()
{
    if (basMain::fillListBox(m_tab->factList, m_state.content.refFacts.list, m_state.lastError))
        basMain::selectSavedPosition(m_tab->factList, m_state.learner.progress.refFactPos, m_state.content.refFacts.count);
}

void ReferenceUnit::enter()
{
    const int row = basMain::chosenRow(m_tab->factList);
    if (row >= 0 && row < m_state.content.refFacts.list.size() && !m_state.content.refFacts.list.at(row).page.isEmpty())
        m_facts->factSelected();
}

} // namespace training
