#include "RunHistory.h"

#include <algorithm>

namespace training::history {

using haz::runrecord::Run;

QList<Run> learnerRuns(const QString &userFile, const QString &user, QString *notice)
{
    const haz::runrecord::Opened opened = haz::runrecord::openOrRenew(haz::runrecord::pathBeside(userFile));
    if (notice)
        *notice = opened.notice;
    return haz::runrecord::runsOf(opened.contents.entries, user);
}

QString figuresText(const haz::runrecord::ScenarioFigures &figures)
{
    if (figures.finished == 0)
        return {};
    return QStringLiteral("%1 %2, best %3, latest %4")
        .arg(figures.finished)
        .arg(figures.finished == 1 ? QStringLiteral("run") : QStringLiteral("runs"))
        .arg(figures.best)
        .arg(figures.latest);
}

std::optional<Run> latestFinishedRun(const QList<Run> &runs, qint16 scenarioId)
{
    for (auto run = runs.crbegin(); run != runs.crend(); ++run)
        if (!run->isExam() && run->finished() && run->last().mode == 1 && run->last().scenarioId == scenarioId)
            return *run;
    return std::nullopt;
}

QList<Run> lastExamAttempts(const QList<Run> &runs, int most)
{
    QList<Run> attempts;
    for (auto run = runs.crbegin(); run != runs.crend() && attempts.size() < most; ++run)
        if (run->isExam())
            attempts << *run;
    return attempts;
}

QString attemptLabel(const Run &attempt)
{
    const haz::runrecord::Entry &e = attempt.last();
    // The score first: the box shows the start of the text.
    return QStringLiteral("%1/%2 right, %3")
        .arg(e.right)
        .arg(e.questions)
        .arg(e.when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

void ExamAttempt::noteWrong(const QuizQuestion &question)
{
    const QString text = question.FrgHead.isEmpty() ? question.FrgText
                                                    : question.FrgHead + QStringLiteral("<br>") + question.FrgText;
    m_questions << text;
    m_comments << question.SvarKom;
}

haz::runrecord::Entry ExamAttempt::entry(const QString &user, qint32 questions, qint32 right, const QDateTime &when)
{
    haz::runrecord::Entry e;
    e.kind = haz::runrecord::Entry::Kind::ExamAttempt;
    e.learner = user;
    e.questions = questions;
    e.right = std::clamp(right, 0, questions);
    e.wrongQuestions = m_questions;
    e.wrongComments = m_comments;
    e.when = when;
    m_recorded = true;
    return e;
}

} // namespace training::history
