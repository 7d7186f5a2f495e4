#pragma once
// The question sets of the exercise and the exam: which list file of the set's
// folder is in use, how a restart moves on to another one, loading it, and the
// question kinds and counts both runs share.

#include "QuizList.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace haz {
struct LastError;
class MessageService;
class RandomSource;
} // namespace haz

namespace training {

// One run's question set: its folder ("excer" or "exam" in the ini folder), the
// file names listFolderFiles found there, and the questions of the list in use.
struct QuestionSet {
    QString folder;
    QStringList files; // a missing folder gives the single empty name
    QList<QuizQuestion> list;
    qint32 count = 0;
};

enum class RunKind { Exercise, Exam };

// The list in use and the one before; -1 in `use` switches list changes off.
struct ListChoice {
    qint32 use = 0;
    qint32 last = 0;
    bool operator==(const ListChoice &) const = default;
};

// The next list after a restart, for a folder whose highest file index is
// `highest`. Three files alternate between lists 0 and 1; more files draw one of
// 1 .. highest once (it may be the list just used). A folder with a single file
// keeps list 0, also for the exercise.
ListChoice nextListChoice(RunKind kind, qint32 highest, ListChoice current, haz::RandomSource &random);

// Loads the list numbered `use` into `set` (nothing when `use` is -1). A number
// beyond the folder's files (the course changed since it was saved) falls back to
// list 0 and `use` becomes 0. A file that cannot be read gives an empty list; a
// damaged one keeps the questions read before the damage, with the failure in
// `lastError`.
void loadQuestionList(QuestionSet &set, const QString &iniDir, qint32 &use, haz::LastError &lastError);
inline void loadExerciseList(QuestionSet &set, const QString &iniDir, qint32 &excerUseList,
                             haz::LastError &lastError)
{
    loadQuestionList(set, iniDir, excerUseList, lastError);
}
inline void loadExamList(QuestionSet &set, const QString &iniDir, qint32 &examUseList,
                         haz::LastError &lastError)
{
    loadQuestionList(set, iniDir, examUseList, lastError);
}

// Moves on to the next list and loads it. A failure is shown titled with the
// routine's name ("chooseExerciseList" or "randomExamQuizList") and leaves the
// loaded list as it was; the result says whether it worked.
bool chooseExerciseList(QuestionSet &set, const QString &iniDir, ListChoice &choice,
                        haz::RandomSource &random, haz::MessageService &messages,
                        haz::LastError &lastError);
bool randomExamQuizList(QuestionSet &set, const QString &iniDir, ListChoice &choice,
                        haz::RandomSource &random, haz::MessageService &messages,
                        haz::LastError &lastError);

// The exercise restart's writes to the learner's post: the selected tab, and the
// exercise's completed scenario lists emptied ("-1"). Every failed write shows
// "Could not save setting for user"; the others are still tried. Nothing is
// written when the file cannot be read or holds no post of the learner. A
// platform error (a locked file) is a RuntimeError for the caller.
bool clearExerciseResults(const QString &userFile, const QString &user, qint32 selectedTab,
                          haz::MessageService &messages);

// A question whose SvarKom is a positive whole number is answered by playing the
// scenario of that number. (A "-1" would name no scenario, and the run would come
// back looking finished: it stays an ordinary comment.)
std::optional<qint16> scenarioOfQuestion(const QuizQuestion &question);

// Every question of the set answered (a set without questions is never finished).
bool examFinished(const QuestionSet &set, qint32 position);

enum class QuestionKind { Ordinary, Scenario, Finished };
QuestionKind questionKindAt(const QuestionSet &set, qint32 position);

// The exam clock's limit for the question at `position`: 0 means no clock (an
// untimed or scenario question, or the finished run).
qint16 examClockSeconds(const QuestionSet &set, qint32 position);

// Counting one answered question (an answer, a time-out's Next, a finished
// scenario). Nothing is counted past the end of the list.
struct AnswerCount {
    bool counted = false;
    bool finishedNow = false; // this answer was the last one
};
AnswerCount countAnswer(qint32 &position, qint32 &correct, qint32 count, bool right);

// The exam-started flag and the lock of the exam tab. The first answer (or
// scenario question) starts the exam; leaving the tab afterwards, or giving up
// after a time-out, locks it for the rest of the program run.
struct ExamLock {
    bool started = false;
    bool locked = false;
    void noteStarted() { started = true; }
    // The learner leaves the exam tab; true when the tab is now locked.
    bool leaveTab()
    {
        if (started)
            locked = true;
        return locked;
    }
    void cancelAfterTimeout() { locked = true; }
};

// The exam tab's text after the last answer: caption examAllDone with its "\n"
// turned into line breaks.
QString examAllDoneText(const QString &examAllDoneCaption);

} // namespace training
