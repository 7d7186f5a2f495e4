#pragma once
// The unit of one subject tab: its widget (SubjectTab), its fact view and its quiz
// view, and the fact/quiz switch between them.

#include "FactController.h"
#include "QuizController.h"
#include "TabUnit.h"

#include <memory>

namespace training {

class ProgramState;
class SubjectTab;
class TabServices;

class SubjectUnit : public TabUnit {
public:
    // `root` is the main window, under which the views find their named controls.
    SubjectUnit(SubjectTab *tab, QWidget *root, TabServices &services);
    ~SubjectUnit() override;

    QWidget *page() const override;
    void load() override;
    void enter() override;
    void keyboardEnter() override;

    // The switch of the subject's option buttons: 0 facts, 1 quiz. Each step runs
    // even when the one before failed.
    void optionSwitch(int index);

    FactController &facts() { return *m_facts; }
    QuizController &quiz() { return *m_quiz; }

private:
    void showChosenFact();

    SubjectTab *m_tab;
    TabServices &m_services;
    ProgramState &m_state;
    std::unique_ptr<FactController> m_facts;
    std::unique_ptr<QuizController> m_quiz;
};

} // namespace training
