#include "FactTabUnits.h"

#include "MainTabs.h"
#include "PageView.h"
#include "Platform.h"
#include "ProgramState.h"
#include "TabServices.h"
#include "basMainUi.h"

#include <QListWidget>
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
    : m_tab(tab), m_state(services.state()), m_facts(factView(root, QStringLiteral("tak"), services))
{
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
    m_tab->scenarioList->clear();
    fillScenarioList();
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
