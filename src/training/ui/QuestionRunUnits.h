#pragma once
// The units of the exercise and exam tabs. Their question play is not written yet
// (TabPlan); what the main window already does for them lives here.

#include "TabUnit.h"

class QTabWidget;

namespace training {

class ProgramState;
class QuestionRunTab;
class TabServices;

// Tab 8: the exercise.
class ExerciseUnit : public TabUnit {
public:
    ExerciseUnit(QuestionRunTab *tab, TabServices &services);
    QWidget *page() const override;
    // The current question's picture comes back with the tab.
    void enter() override;

private:
    QuestionRunTab *m_tab;
    TabServices &m_services;
    ProgramState &m_state;
};

// Tab 9: the exam.
class ExamUnit : public TabUnit {
public:
    ExamUnit(QuestionRunTab *tab, QTabWidget *tabs, ProgramState &state);
    QWidget *page() const override;
    // A started exam cannot be returned to in this run, however it was left.
    void leave() override;
    // An unfinished exam is not resumed at the next sign-in: its place goes back to
    // the start and the next exam list is drawn.
    void closing() override;
    const char *closingStepName() const override { return "randomExamQuizList"; }

protected:
    // Draws the list of the next exam; not written yet (TabPlan).
    virtual void drawNextExamList() {}

private:
    QuestionRunTab *m_tab;
    QTabWidget *m_tabs;
    ProgramState &m_state;
};

} // namespace training
