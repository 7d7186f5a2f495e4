#include "ReportWriters.h"

namespace coursetool {

namespace {

QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

QString scenarioTitle(RunMode mode, qint16 id)
{
    return QStringLiteral("%1 scenario %2").arg(modeName(mode)).arg(id);
}

} // namespace

QString toCsv(const ClassReport &report)
{
    QStringList header{QStringLiteral("learner")};
    for (const SubjectColumn &subject : subjectColumns()) {
        header << subject.name + QStringLiteral(" answered") << subject.name + QStringLiteral(" correct");
        if (report.course)
            header << subject.name + QStringLiteral(" questions");
    }
    header << QStringLiteral("exercise answered") << QStringLiteral("exercise correct")
           << QStringLiteral("exam answered") << QStringLiteral("exam correct");
    const auto columns = report.scenarioColumns();
    for (const auto &[mode, id] : columns) {
        const QString title = scenarioTitle(mode, id);
        header << title + QStringLiteral(" runs") << title + QStringLiteral(" best") << title + QStringLiteral(" latest");
    }
    const qsizetype attempts = report.mostExamAttempts();
    if (report.withRecords) {
        header << QStringLiteral("scenario runs from") << QStringLiteral("exam attempts");
        for (qsizetype a = 1; a <= attempts; ++a) {
            const QString title = QStringLiteral("exam attempt %1").arg(a);
            header << title + QStringLiteral(" date") << title + QStringLiteral(" questions")
                   << title + QStringLiteral(" right");
        }
    }
    header << QStringLiteral("from file") << QStringLiteral("file changed");

    QString csv = header.join(u',') + QLatin1String("\r\n");
    for (const LearnerResult &learner : report.learners) {
        QStringList row{csvField(learner.name)};
        for (qsizetype s = 0; s < learner.subjects.size(); ++s) {
            row << QString::number(learner.subjects[s].answered) << QString::number(learner.subjects[s].correct);
            if (report.course)
                row << QString::number(report.course->subjectQuestions.value(s));
        }
        row << QString::number(learner.exercise.answered) << QString::number(learner.exercise.correct)
            << QString::number(learner.exam.answered) << QString::number(learner.exam.correct);
        for (const auto &key : columns) {
            const auto runs = learner.scenarios.find(key);
            if (runs == learner.scenarios.end())
                row << QStringLiteral("0") << QString() << QString();
            else
                row << QString::number(runs->scores.size()) << QString::number(runs->best())
                    << QString::number(runs->latest());
        }
        if (report.withRecords) {
            row << (learner.fromRecord ? QStringLiteral("run record") : QStringLiteral("progress file"))
                << QString::number(learner.examAttempts.size());
            for (qsizetype a = 0; a < attempts; ++a) {
                if (a < learner.examAttempts.size()) {
                    const ExamAttempt &attempt = learner.examAttempts[a];
                    row << attempt.when.toString(Qt::ISODate) << QString::number(attempt.questions)
                        << QString::number(attempt.right);
                } else {
                    row << QString() << QString() << QString();
                }
            }
        }
        row << csvField(learner.file) << learner.changed.toString(Qt::ISODate);
        csv += row.join(u',') + QLatin1String("\r\n");
    }
    return csv;
}

} // namespace coursetool
