#pragma once
// The Answer button of one question view follows the learner's ticks: it is enabled
// only while an alternative is ticked (a question without any correct alternative can
// always be answered, ticking nothing). A mouse click on an alternative may hand the
// focus to Answer so that Enter answers; Space on a focused alternative leaves the
// focus where it is, so the next alternative can be reached by keyboard.

#include "QuizList.h"

#include <QObject>
#include <QPointer>

#include <array>

class QAbstractButton;

namespace training {

class AnswerGate : public QObject {
    Q_OBJECT
public:
    AnswerGate(const std::array<QAbstractButton *, MaxAlternatives> &answers, QAbstractButton *answerButton,
               bool focusAnswerOnClick, QObject *parent = nullptr);

    // A new question is on the controls (nothing ticked yet).
    void questionShown(const QuizQuestion &question);
    // Enabled exactly while an answer can be given.
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void boxClicked();

    std::array<QAbstractButton *, MaxAlternatives> m_answers;
    QPointer<QAbstractButton> m_button;
    bool m_focusAnswerOnClick;
    bool m_emptyAnswerAllowed = false;
    bool m_byKeyboard = false;
};

} // namespace training
