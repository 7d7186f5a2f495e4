#pragma once
// What the course program shows of the run record: the figures beside each tactics
// scenario, the run a review opens, the exam's last attempts, and the wrong answers
// of the exam in progress that its attempt will keep.

#include "QuizList.h"
#include "RunRecord.h"

#include <QList>
#include <QString>

#include <optional>

namespace training::history {

// The learner's runs from the record beside the progress file; `notice` says when the
// record had to be renewed (to be shown to the learner).
QList<haz::runrecord::Run> learnerRuns(const QString &userFile, const QString &user, QString *notice = nullptr);

// "3 runs, best 5, latest 7"; empty when no run of the scenario was finished.
QString figuresText(const haz::runrecord::ScenarioFigures &figures);

// The latest finished tactics run of the scenario.
std::optional<haz::runrecord::Run> latestFinishedRun(const QList<haz::runrecord::Run> &runs, qint16 scenarioId);

// The exam attempts, newest first, at most `most`.
QList<haz::runrecord::Run> lastExamAttempts(const QList<haz::runrecord::Run> &runs, int most);
// "7/10 right, 2026-03-02 09:00".
QString attemptLabel(const haz::runrecord::Run &attempt);

// The exam of this program run, for its attempt in the record.
class ExamAttempt {
public:
    void noteWrong(const QuizQuestion &question);
    void clear() { *this = ExamAttempt(); }
    bool recorded() const { return m_recorded; }
    // The attempt as a record entry; from then on it counts as recorded.
    haz::runrecord::Entry entry(const QString &user, qint32 questions, qint32 right, const QDateTime &when);

private:
    QStringList m_questions, m_comments;
    bool m_recorded = false;
};

} // namespace training::history
