#pragma once
// The units of the introduction, tactics and reference tabs.

#include "FactController.h"
#include "RunReview.h"
#include "ScenarioLaunch.h"
#include "TabUnit.h"

#include <memory>
#include <optional>

namespace training {

class IntroTab;
class ProgramState;
class ReferenceTab;
class TabServices;
class TacticsTab;

// Tab 0: the introduction page.
class IntroUnit : public TabUnit {
public:
    IntroUnit(IntroTab *tab, TabServices &services);
    QWidget *page() const override;
    void load() override;

private:
    IntroTab *m_tab;
    ProgramState &m_state;
};

// Tab 6: tactics facts and the scenario list.
class TacticsUnit : public TabUnit {
public:
    TacticsUnit(TacticsTab *tab, QWidget *root, TabServices &services);
    ~TacticsUnit() override;
    QWidget *page() const override;
    void load() override;
    void enter() override;
    void keyboardEnter() override { enter(); }
    void resized() override;
    FactController &facts() { return *m_facts; }

    // The scenarios of the course, the learner's interrupted one marked and chosen,
    // each with the learner's finished runs of it.
    void fillScenarioList();
    // The Review button: the debrief of the latest finished run of the chosen scenario.
    void reviewLatestRun();
    RunReview &review() { return m_review; }
    // A double-click on the list or the start button: plays the chosen scenario,
    // asking first whether an interrupted run of it goes on or starts again.
    void startScenario();

private:
    // True when nothing is lost by starting scenario `id`, or the learner agrees to
    // end the unfinished run of another scenario.
    bool mayEndUnfinishedRun(qint16 id, const QString &name);

    TacticsTab *m_tab;
    TabServices &m_services;
    ProgramState &m_state;
    std::unique_ptr<FactController> m_facts;
    RunReview m_review;
    // The list as last read: a resize shows it again without reading a file.
    std::optional<QList<launch::ScenarioItem>> m_scenarios;
    // The learner's finished runs as last read, for the figures beside the names.
    QList<haz::runrecord::Run> m_runs;
    void showScenarioList();
};

// Tab 7: reference pages.
class ReferenceUnit : public TabUnit {
public:
    ReferenceUnit(ReferenceTab *tab, QWidget *root, TabServices &services);
    ~ReferenceUnit() override;
    QWidget *page() const override;
    void load() override;
    void enter() override;
    void keyboardEnter() override { enter(); }
    FactController &facts() { return *m_facts; }

private:
    ReferenceTab *m_tab;
    ProgramState &m_state;
    std::unique_ptr<FactController> m_facts;
};

} // namespace training
