#pragma once
// The course's main window: a tab strip of eleven tabs (introduction, five subjects,
// tactics, reference, exercise, exam, progress). It lays its tabs out from the
// Hazard tab's controls, restores the learner's place through its tab units and
// runs the closing sequence when it closes.
//
// Each tab has a unit (TabUnit) that the window makes with the tab; a tab change,
// loading and resizing reach the tabs only through those units.

#include "MainLayout.h"
#include "MainTabs.h"
#include "ProgramState.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QLabel;
class QTabWidget;

namespace training {

class ProgramState;

class SubjectUnit;
class TabServices;
class TabUnit;

class frmMain : public QWidget {
    Q_OBJECT
public:
    // Form_Load: the window icon and the design layout.
    explicit frmMain(ProgramState &state, QWidget *parent = nullptr);
    ~frmMain() override;
    frmMain(const frmMain &) = delete;
    frmMain &operator=(const frmMain &) = delete;

    // The closing sequence, run once when the window closes.
    std::function<void()> onUnload;

    QTabWidget *tabMain() const { return m_tabs; }
    QLabel *lblCurUser() const { return m_lblCurUser; }
    SubjectTab *subjectTab(int subject) const { return m_subjects.at(subject); }
    IntroTab *introTab() const { return m_intro; }
    TacticsTab *tacticsTab() const { return m_tactics; }
    ReferenceTab *referenceTab() const { return m_reference; }
    QuestionRunTab *exerciseTab() const { return m_exercise; }
    QuestionRunTab *examTab() const { return m_exam; }
    ProgressTab *progressTab() const { return m_progress; }

    // The unit of every tab, and what the units share.
    TabUnit &unit(int tab) const;
    SubjectUnit &subjectUnit(int subject) const;
    TabServices &services() const { return *m_services; }
    // Puts another unit in a tab's place (tests, and parts built on an existing unit);
    // gives back the one it replaces. Before loadData.
    std::unique_ptr<TabUnit> replaceUnit(int tab, std::unique_ptr<TabUnit> unit);

    // Runs a step on every unit, in tab order.
    void forEachUnit(void (TabUnit::*step)());

    // Fills the lists, restores positions, measures the design geometry, maximises
    // the window and lays it out. Called once a learner has signed in.
    bool loadData();

    // The tab table's visibility and pictures; hidden tabs are also disabled.
    void applyTabSettings();
    void disableHiddenTabs();

    // A tab change made by the program: loads nothing.
    void selectTab(int tab);
    int selectedTab() const;

    // The tab strip's handling of a changed tab; loads content only after a mouse
    // press on the strip (tabClickArmed). Leaving a started exam hides its tab
    // whatever made the change.
    void tabChanged(int previousTab);
    bool tabClickArmed() const { return m_tabClickArmed; }

    // Selects a subject's facts (0) or quiz (1) option; a change runs optionSwitch.
    void setSubjectOption(int subject, int index);
    // The fact/quiz switch of a subject tab.
    void optionSwitch(int subject, int index);

    // Layout for the current window size, then copied to the other tabs.
    void resizeObjs();
    void copyHazPositions();
    const BaseGeometry &baseGeometry() const { return m_base; }
    bool layoutReady() const { return m_baseMeasured; }
    // The current geometry of the layout's template controls.
    HazTemplate readTemplate() const;

    // Blanks the media controls and unloads nothing: the first step of closing.
    void clearMedia();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildUnits();
    void keepEveryTabInSight();
    void writeTemplate(const HazTemplate &layout);
    QWidget *control(const QString &name) const;

    ProgramState &m_state;
    QLabel *m_lblCurUser = nullptr;
    QTabWidget *m_tabs = nullptr;
    IntroTab *m_intro = nullptr;
    std::array<SubjectTab *, 5> m_subjects{};
    TacticsTab *m_tactics = nullptr;
    ReferenceTab *m_reference = nullptr;
    QuestionRunTab *m_exercise = nullptr;
    QuestionRunTab *m_exam = nullptr;
    ProgressTab *m_progress = nullptr;
    TabServices *m_services = nullptr;
    std::array<std::unique_ptr<TabUnit>, TabCount> m_units;

    bool m_tabClickArmed = false;
    bool m_keyboardChange = false;
    int m_currentTab = 0;
    BaseGeometry m_base;
    bool m_baseMeasured = false;
    bool m_unloading = false;
};

} // namespace training
