#include "QuizEnvironment.h"

#include "ProgramState.h"
#include "RuntimeError.h"

namespace training {

StateQuizEnvironment::StateQuizEnvironment(ProgramState &state, std::function<int()> selectedTab)
    : m_state(state), m_selectedTab(std::move(selectedTab))
{
}

haz::MessageService &StateQuizEnvironment::messages()
{
    return m_state.messages;
}

QuizTexts StateQuizEnvironment::quizTexts() const
{
    QuizTexts t;
    t.errDispAnswer = m_state.text(QStringLiteral("errDispAnswer"));
    t.totAnswers = m_state.text(QStringLiteral("totAnswers"));
    t.excerCompleted = m_state.text(QStringLiteral("excerCompleted"));
    t.corrAnswers = m_state.text(QStringLiteral("corrAnswers"));
    t.excerAllDone = m_state.text(QStringLiteral("excerAllDone"));
    t.PictureCopy = m_state.text(QStringLiteral("PictureCopy"));
    t.PictureCopied = m_state.text(QStringLiteral("PictureCopied"));
    return t;
}

QString StateQuizEnvironment::htmlDir() const
{
    return m_state.htmlDir;
}

QString StateQuizEnvironment::imagesDir() const
{
    return m_state.imagesDir;
}

int StateQuizEnvironment::selectedTab() const
{
    return m_selectedTab ? m_selectedTab() : -1;
}

void StateQuizEnvironment::setQuizOrFact(bool factView)
{
    m_state.progress.quizOrFact = factView;
}

QuizData subjectQuizData(ProgramState &state, int subject)
{
    if (subject < 0 || subject >= SubjectCount)
        throw haz::RuntimeError(haz::ErrSubscript);
    QuizListData &quiz = state.subjectQuizzes[subject];
    SubjectProgress &progress = state.progress.subjects[subject];
    return {quiz.list, quiz.count, progress.quizPos, progress.quizCorr};
}

FactData factData(ProgramState &state, const QString &prefix)
{
    if (prefix == QLatin1String("tak"))
        return {state.takFacts.list, state.takFacts.count, state.progress.tak.factPos};
    if (prefix == QLatin1String("ref"))
        return {state.refFacts.list, state.refFacts.count, state.progress.refFactPos};
    for (int s = 0; s < SubjectCount; ++s) {
        if (subjectNames(s).prefix == prefix)
            return {state.subjectFacts[s].list, state.subjectFacts[s].count, state.progress.subjects[s].factPos};
    }
    throw haz::RuntimeError(haz::ErrSubscript);
}

} // namespace training
