#include "ReportWriters.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

namespace coursetool {

namespace {

const QString Completed = QStringLiteral("http://adlnet.gov/expapi/verbs/completed");
const QString Attempted = QStringLiteral("http://adlnet.gov/expapi/verbs/attempted");

// Statement ids come from their content, so that loading the same report twice into
// a record store adds nothing the second time.
const QUuid IdSpace = QUuid::createUuidV5(QUuid(), QStringLiteral("coursetool xAPI statements"));

QJsonObject verb(const QString &id)
{
    return {{QStringLiteral("id"), id},
            {QStringLiteral("display"), QJsonObject{{QStringLiteral("en-US"), id.section(u'/', -1)}}}};
}

QJsonObject activity(const QString &id, const QString &name, const QString &type)
{
    return {{QStringLiteral("objectType"), QStringLiteral("Activity")},
            {QStringLiteral("id"), id},
            {QStringLiteral("definition"),
             QJsonObject{{QStringLiteral("name"), QJsonObject{{QStringLiteral("en-US"), name}}},
                         {QStringLiteral("type"), type}}}};
}

// A score, with its bounds only where they hold it (a record store refuses a raw
// score outside min … max).
QJsonObject score(qint32 raw, std::optional<std::pair<qint32, qint32>> range)
{
    QJsonObject s{{QStringLiteral("raw"), raw}};
    if (range && range->first < range->second && raw >= range->first && raw <= range->second) {
        s.insert(QStringLiteral("min"), range->first);
        s.insert(QStringLiteral("max"), range->second);
    }
    return s;
}

class StatementWriter {
public:
    StatementWriter(QString home) : m_home(home.endsWith(u'/') ? home.chopped(1) : std::move(home)) {}

    // `when`: the time of the result where it is known; else the progress file's change.
    void add(const LearnerResult &learner, const QString &verbId, const QJsonObject &object, const QJsonObject &result,
             const QString &parent, int run, const QDateTime &when = {})
    {
        QJsonObject statement{
            {QStringLiteral("actor"),
             QJsonObject{{QStringLiteral("objectType"), QStringLiteral("Agent")},
                         {QStringLiteral("name"), learner.name},
                         {QStringLiteral("account"),
                          QJsonObject{{QStringLiteral("homePage"), m_home}, {QStringLiteral("name"), learner.name}}}}},
            {QStringLiteral("verb"), verb(verbId)},
            {QStringLiteral("object"), object},
            {QStringLiteral("result"), result},
            {QStringLiteral("timestamp"), (when.isValid() ? when : learner.changed).toUTC().toString(Qt::ISODateWithMs)},
        };
        if (!parent.isEmpty())
            statement.insert(QStringLiteral("context"),
                             QJsonObject{{QStringLiteral("contextActivities"),
                                          QJsonObject{{QStringLiteral("parent"),
                                                       QJsonArray{QJsonObject{{QStringLiteral("id"), parent}}}}}}});
        const QString key = QStringList{learner.name, verbId, object.value(QStringLiteral("id")).toString(), parent,
                                        QString::number(run), statement.value(QStringLiteral("timestamp")).toString()}
                                .join(u'\n');
        statement.insert(QStringLiteral("id"), QUuid::createUuidV5(IdSpace, key).toString(QUuid::WithoutBraces));
        m_statements.append(statement);
    }

    QString id(const QString &path) const { return m_home + u'/' + path; }
    QByteArray json() const { return QJsonDocument(m_statements).toJson(QJsonDocument::Indented); }

private:
    QString m_home;
    QJsonArray m_statements;
};

} // namespace

QByteArray toXapi(const ClassReport &report, const QString &homePage)
{
    StatementWriter out(homePage);
    const QString course = QStringLiteral("http://adlnet.gov/expapi/activities/assessment");
    for (const LearnerResult &learner : report.learners) {
        for (auto it = learner.scenarios.cbegin(); it != learner.scenarios.cend(); ++it) {
            const auto &[mode, id] = it.key();
            std::optional<std::pair<qint32, qint32>> range;
            QString name = QStringLiteral("Scenario %1").arg(id);
            if (report.course) {
                if (report.course->scenarioRange.contains(id))
                    range = report.course->scenarioRange.value(id);
                name = report.course->scenarioNames.value(id, name);
            }
            const QJsonObject object = activity(out.id(QStringLiteral("scenario/%1").arg(id)), name,
                                                QStringLiteral("http://adlnet.gov/expapi/activities/simulation"));
            // Newest first in the file; numbered oldest first here.
            const QList<qint32> &scores = it->scores;
            for (qsizetype run = 0; run < scores.size(); ++run)
                out.add(learner, Completed, object,
                        {{QStringLiteral("score"), score(scores[run], range)}, {QStringLiteral("completion"), true}},
                        out.id(modeName(mode)), int(scores.size() - run), it->finished.value(run));
        }
        const QJsonObject exam = activity(out.id(QStringLiteral("exam")), QStringLiteral("Exam"), course);
        for (qsizetype a = 0; a < learner.examAttempts.size(); ++a) {
            const ExamAttempt &attempt = learner.examAttempts[a];
            out.add(learner, Attempted, exam,
                    {{QStringLiteral("score"), score(attempt.right, std::pair{0, attempt.questions})}}, {}, int(a + 1),
                    attempt.when);
        }
        // The progress file keeps only the latest exam's counts: one attempt, when no
        // record tells more.
        if (!learner.fromRecord && learner.exam.answered > 0)
            out.add(learner, Attempted, exam,
                    {{QStringLiteral("score"), score(learner.exam.correct, std::pair{0, learner.exam.answered})}},
                    {}, 1);
        if (!report.course)
            continue;
        for (qsizetype s = 0; s < subjectColumns().size(); ++s) {
            const qint32 questions = report.course->subjectQuestions.value(s);
            const Counts &counts = learner.subjects.value(s);
            if (questions > 0 && counts.answered >= questions)
                out.add(learner, Completed,
                        activity(out.id(QStringLiteral("quiz/") + subjectColumns()[s].name),
                                 subjectColumns()[s].name + QStringLiteral(" quiz"), course),
                        {{QStringLiteral("score"), score(counts.correct, std::pair{0, questions})},
                         {QStringLiteral("completion"), true}},
                        {}, 1);
        }
    }
    return out.json();
}

} // namespace coursetool
