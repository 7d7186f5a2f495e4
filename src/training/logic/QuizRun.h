#pragma once
// One run through a list of questions: where it stands, how many were right, the
// answer to the current question, the restart, the end. The subject quizzes run on
// it, and so do the exercise and the exam. The list and counters live in the
// program's state (they are saved with the learner's progress); a run works on them.

#include "QuizPlay.h"

#include <QList>

namespace training {

// A question list and its counters, held by the program-wide state.
struct QuizData {
    QList<QuizQuestion> &list;
    qint32 &count;
    qint32 &position; // next question = number answered
    qint32 &correct;
    // Why the list's file gave no questions; null or empty when it did.
    const QString *problem = nullptr;
};

class QuizRun {
public:
    explicit QuizRun(QuizData data) : m_data(data) {}

    // The question to ask, or nullptr when the run is finished. A position outside
    // the list (a course file shortened since it was saved) counts as finished, and
    // a count beyond the list read never reaches past it.
    const QuizQuestion *current() const;
    bool finished() const { return current() == nullptr; }

    qint32 position() const { return m_data.position; }
    qint32 correct() const { return m_data.correct; }
    qint32 count() const { return m_data.count; }
    // Why the list has no questions at all although its file is there; empty otherwise.
    QString unreadable() const { return m_data.count == 0 && m_data.problem ? *m_data.problem : QString(); }

    // Checks the ticked alternatives against the current question, counts a right
    // answer and moves on. A finished run takes no answer: the result is "right"
    // with nothing to tell, and nothing changes.
    QuizAnswerResult answer(const std::array<bool, MaxAlternatives> &ticked);
    // Counts an answer already judged and moves on.
    void record(bool right);
    // Back to the first question with nothing right.
    void restart();

private:
    QuizData m_data;
};

} // namespace training
