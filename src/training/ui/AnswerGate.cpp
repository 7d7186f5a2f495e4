#include "AnswerGate.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace training {

AnswerGate::AnswerGate(const std::array<QAbstractButton *, MaxAlternatives> &answers, QAbstractButton *answerButton,
                       bool focusAnswerOnClick, QObject *parent)
    : QObject(parent), m_answers(answers), m_button(answerButton), m_focusAnswerOnClick(focusAnswerOnClick)
{
    for (QAbstractButton *box : m_answers) {
        if (!box)
            continue;
        connect(box, &QAbstractButton::toggled, this, &AnswerGate::refresh);
        connect(box, &QAbstractButton::clicked, this, &AnswerGate::boxClicked);
        box->installEventFilter(this);
    }
}

void AnswerGate::questionShown(const QuizQuestion &question)
{
    m_emptyAnswerAllowed = true;
    for (int k = 0; k < MaxAlternatives; ++k)
        if (!question.SvarTxt[k].isEmpty() && question.SvarR[k])
            m_emptyAnswerAllowed = false;
    refresh();
}

void AnswerGate::refresh()
{
    if (!m_button)
        return;
    bool ticked = false;
    for (const QAbstractButton *box : m_answers)
        ticked = ticked || (box && !box->isHidden() && box->isChecked());
    m_button->setEnabled(ticked || m_emptyAnswerAllowed);
}

bool AnswerGate::eventFilter(QObject *, QEvent *event)
{
    // Which device the next click comes from: a check box clicks on Space's release.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        m_byKeyboard = true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        m_byKeyboard = false;
        break;
    default:
        break;
    }
    return false;
}

void AnswerGate::boxClicked()
{
    if (!m_focusAnswerOnClick || m_byKeyboard || !m_button)
        return;
    if (!m_button->isHidden() && m_button->isEnabled())
        m_button->setFocus();
}

} // namespace training
