#include "QuizRun.h"

namespace training {

const QuizQuestion *QuizRun::current() const
{
    const qint32 position = m_data.position;
    if (position < 0 || position >= m_data.count || position >= m_data.list.size())
        return nullptr;
    return &m_data.list[position];
}

QuizAnswerResult QuizRun::answer(const std::array<bool, MaxAlternatives> &ticked)
{
    const QuizQuestion *question = current();
    if (!question)
        return {};
    const QuizAnswerResult result = evaluateQuizAnswer(*question, ticked);
    record(result.right);
    return result;
}

void QuizRun::record(bool right)
{
    if (right)
        m_data.correct += 1;
    m_data.position += 1;
}

void QuizRun::restart()
{
    m_data.position = 0;
    m_data.correct = 0;
}

} // namespace training
