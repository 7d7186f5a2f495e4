#pragma once
// The question play the exercise and the exam share, on the controls of one run tab:
// showing the current question (ordinary or scenario) or the finished state, the
// count labels on the tab and on the progress tab, the info link, the answer boxes'
// focus and copying the question picture.

#include "ExamLists.h"
#include "QuizController.h"
#include "frmWebInfo.h"

#include <QObject>

namespace training {

class AnswerGate;
class QuestionRunTab;
class TabServices;

class QuestionRunView : public QObject, public InfoLinkSource {
    Q_OBJECT
public:
    // `tabIndex` is the run's tab; `progressPrefix` names its labels on the progress
    // tab ("curLblQuizExcer", "curLblExam") + "Tot", "Done", "Corr".
    QuestionRunView(QuestionRunTab *tab, int tabIndex, QuestionSet &set, qint32 &position, qint32 &correct,
                    const QString &progressPrefix, TabServices &services);
    ~QuestionRunView() override;

    // The question at the position, or the finished state; says which was shown.
    QuestionKind fill();
    // The six count labels from the current values.
    void updateCountLabels();
    // After a counted answer: the answered and right labels.
    void showCounts();

    const QuizQuestion *current() const;
    QuestionKind kind() const { return questionKindAt(m_set, m_position); }
    // checkQuizAnswer on the current question.
    bool checkAnswer(bool showMessage);
    AnswerCount count(bool right) { return countAnswer(m_position, m_correct, m_set.count, right); }

    QuestionRunTab *tab() const { return m_tab; }
    const QuizControls &controls() const { return m_controls; }
    QuizServices services() const { return m_quiz; }

    void infoLinkClick();
    bool infoLinkReady() const override;
    void runInfoLinkClick() override { infoLinkClick(); }

private:
    void fillScenario(const QuizQuestion &question);
    void fillOrdinary(const QuizQuestion &question);
    void fillFinished();

    QuestionRunTab *m_tab;
    int m_tabIndex;
    QuestionSet &m_set;
    qint32 &m_position;
    qint32 &m_correct;
    QString m_progressPrefix;
    TabServices &m_services;
    QuizServices m_quiz;
    QuizControls m_controls;
    AnswerGate *m_gate = nullptr;
};

} // namespace training
