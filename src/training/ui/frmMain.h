#pragma once
// The course's main window: a tab strip of eleven tabs (introduction, five subjects,
// tactics, reference, exercise, exam, progress). It lays its tabs out from the
// Hazard tab's controls, restores the learner's place, switches the subject tabs
// between facts and quiz, and runs the closing sequence when it closes.
//
// Fact pages, quiz play, the info window, the exercise and exam, scenarios and the
// progress overview attach their behaviour to the named controls and are called
// through MainWindowHooks.

#include "MainLayout.h"
#include "MainTabs.h"

#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QTabWidget;

namespace training {

class ProgramState;

struct MainWindowHooks {
    std::function<void()> clearMediaControls;
    std::function<void(const QString &control, const QString &path)> showMediaFile;
    std::function<void(int selectedTab)> updateWebInfoBox;
    // The selection handler of a fact list, by the list's name.
    std::function<void(const QString &list)> factSelected;
    std::function<void(int subject)> fillSubjectQuiz;
    std::function<void()> excerFillQuiz;
    std::function<void()> examFillQuiz;
    std::function<void()> resetExamClock;
    std::function<void()> fillScenarioList;
    // Tab 10 selected with a learner signed in.
    std::function<void()> refreshScenarioProgress;
};

class frmMain : public QWidget {
    Q_OBJECT
public:
    // Form_Load: the window icon and the design layout.
    explicit frmMain(ProgramState &state, QWidget *parent = nullptr);
    ~frmMain() override;

    MainWindowHooks hooks;
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
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void writeTemplate(const HazTemplate &layout);
    void restoreFactPosition(QListWidget *list, qint32 position, qint32 count);
    void setQuizCountLabels(int subject);
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

    bool m_tabClickArmed = false;
    int m_currentTab = 0;
    BaseGeometry m_base;
    bool m_baseMeasured = false;
    bool m_unloading = false;
};

} // namespace training
