#include "QuizEnvironment.h"

#include "ProgramState.h"
#include "RuntimeError.h"

namespace training {

StateQuizEnvironment::StateQuizEnvironment(ProgramState &state, std::function<int()> selectedTab)
    : m_state(state), m_selectedTab(std::move(selectedTab)), m_keeper(state)
{
}

void StateQuizEnvironment::keepProgress()
{
    m_keeper.keep(selectedTab());
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
    return m_state.paths.htmlDir;
}

QString StateQuizEnvironment::imagesDir() const
{
    return m_state.paths.imagesDir;
}

int StateQuizEnvironment::selectedTab() const
{
    return m_selectedTab ? m_selectedTab() : -1;
}

void StateQuizEnvironment::setQuizOrFact(bool factView)
{
    m_state.learner.progress.quizOrFact = factView;
}

QuizData subjectQuizData(ProgramState &state, int subject)
{
    if (subject < 0 || subject >= SubjectCount)
        throw haz::RuntimeError(haz::ErrSubscript);
    QuizListData &quiz = state.content.subjectQuizzes[subject];
    SubjectProgress &progress = state.learner.progress.subjects[subject];
    return {quiz.list, quiz.count, progress.quizPos, progress.quizCorr, &quiz.problem};
}

FactData factData(ProgramState &state, const QString &prefix)
{
    if (prefix == QLatin1String("tak"))
        return {state.content.takFacts.list, state.content.takFacts.count, state.learner.progress.tak.factPos};
    if (prefix == QLatin1String("ref"))
        return {state.content.refFacts.list, state.content.refFacts.count, state.learner.progress.refFactPos};
    for (int s = 0; s < SubjectCount; ++s) {
        if (subjectNames(s).prefix == prefix)
            return {state.content.subjectFacts[s].list, state.content.subjectFacts[s].count, state.learner.progress.subjects[s].factPos};
    }
    throw haz::RuntimeError(haz::ErrSubscript);
}

} // namespace training
