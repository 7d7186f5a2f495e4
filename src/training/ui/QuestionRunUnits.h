#pragma once
// The units of the exercise and exam tabs: each runs one question list chosen from a
// folder of list files, with ordinary questions and scenario questions played in the
// scenario program. The exam adds a time limit per question, no feedback, and a lock
// once it is started and left.

#include "RunReview.h"
#include "TabUnit.h"

#include <QObject>

#include <memory>

class QTabWidget;

namespace training {

class ProgramState;
class QuestionRunTab;
class QuestionRunView;
class TabServices;

// Tab 8: the exercise.
class ExerciseUnit : public QObject, public TabUnit {
    Q_OBJECT
public:
    ExerciseUnit(QuestionRunTab *tab, TabServices &services);
    ~ExerciseUnit() override;
    QWidget *page() const override;
    void load() override;
    // The current question's picture comes back with the tab.
    void enter() override;

    // excerOpt click: the labels and the current question.
    void optionClick();
    // QuizAnswBtn(7) click.
    void answer();
    // excerQuizRestartBtn click: the next list, the exercise's scenario results cleared.
    void restart();
    // excerQuizAnswBtnScenario click.
    void playScenario();

private:
    // excerFillQuiz: the question, or the finished list with its restart button.
    void fill();

    QuestionRunTab *m_tab;
    TabServices &m_services;
    ProgramState &m_state;
    std::unique_ptr<QuestionRunView> m_view;
};

// Tab 9: the exam.
class ExamUnit : public QObject, public TabUnit {
    Q_OBJECT
public:
    ExamUnit(QuestionRunTab *tab, QTabWidget *tabs, TabServices &services);
    ~ExamUnit() override;
    QWidget *page() const override;
    void learnerChangedTab() override;
    void enter() override;
    // A started exam cannot be returned to in this run, however it was left.
    void leave() override;
    // An unfinished exam is not resumed at the next sign-in: its place goes back to
    // the start and the next exam list is drawn. A finished exam keeps its result
    // and list until the learner restarts it.
    void closing() override;
    // An exam left unfinished by a program that ended without its exit (its answers
    // were saved as they came) is set back the same way.
    void signedIn() override;
    const char *closingStepName() const override { return "randomExamQuizList"; }

    // examOpt click.
    void optionClick();
    // ExamFillQuiz: the question (its clock started while the tab is shown) or the end.
    void fill();
    // examQuizAnswBtn click, and Next after a time-out.
    void answer();
    // examQuizRestartBtn click.
    void restart();
    // examQuizAnswBtnScenario click.
    void playScenario();
    // The clock's Finished: Next or give the exam up.
    void timeRanOut();
    // The last attempts in the run record, newest first, in the attempts box.
    void showAttempts();
    // examCmdReview click: the debrief of the attempt chosen in the box.
    void reviewAttempt();
    RunReview &review() { return m_review; }

    void load() override { showAttempts(); }

protected:
    // Shift+Ctrl and a right-button release over examQuizLblDone: back to the start
    // of the same list.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void abandonUnfinished();

private:
    void afterLastAnswer();
    void recordAttempt();
    void giveUp();

    QuestionRunTab *m_tab;
    QTabWidget *m_tabs;
    TabServices &m_services;
    ProgramState &m_state;
    std::unique_ptr<QuestionRunView> m_view;
    RunReview m_review;
};

} // namespace training
