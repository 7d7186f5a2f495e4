#include "ReportWriters.h"

#include <algorithm>

namespace coursetool {

namespace {

QString esc(const QString &text)
{
    return text.toHtmlEscaped();
}

QString scenarioHeading(const ClassReport &report, RunMode mode, qint16 id)
{
    QString name;
    if (report.course)
        name = report.course->scenarioNames.value(id);
    return QStringLiteral("%1 %2").arg(modeName(mode)).arg(id) + (name.isEmpty() ? QString() : QStringLiteral(": ") + name);
}

// One horizontal bar per learner, each as long as its share of the largest value.
QString barChart(const QString &title, const QList<std::pair<QString, qint32>> &values)
{
    qint32 largest = 1;
    for (const auto &[name, value] : values)
        largest = std::max(largest, value);
    QString html = QStringLiteral("<figure><figcaption>%1</figcaption>\n").arg(esc(title));
    for (const auto &[name, value] : values)
        html += QStringLiteral("<div class=\"bar\"><span class=\"who\">%1</span><span class=\"fill\" style=\"width:%2%\"></span>"
                               "<span class=\"value\">%3</span></div>\n")
                    .arg(esc(name))
                    .arg(value * 70 / largest)
                    .arg(value);
    return html + QStringLiteral("</figure>\n");
}

} // namespace

QString toHtml(const ClassReport &report)
{
    QString html = QStringLiteral(
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Class report</title>\n<style>\n"
        "body{font-family:sans-serif;margin:2em}table{border-collapse:collapse}"
        "th,td{border:1px solid #999;padding:.2em .5em;text-align:right}th:first-child,td:first-child{text-align:left}"
        "figure{margin:1.5em 0}figcaption{font-weight:bold;margin-bottom:.3em}"
        ".bar{display:flex;align-items:center;height:1.3em}.who{width:12em;overflow:hidden}"
        ".fill{background:#4a7ab5;height:.9em;display:inline-block;margin:0 .4em}\n"
        "</style>\n</head>\n<body>\n<h1>Class report</h1>\n");
    html += QStringLiteral("<p>%1 learners. Scenario scores: the best run is the lowest score, as the progress tab rates "
                           "it.</p>\n")
                .arg(report.learners.size());
    if (report.withRecords)
        html += QStringLiteral("<p>For a learner found in a run record, the scenario runs and exam attempts are the "
                               "record's (times in UTC); for the others, the progress file's.</p>\n");
    if (!report.notes.isEmpty()) {
        html += QStringLiteral("<h2>Notes</h2>\n<ul>\n");
        for (const QString &note : report.notes)
            html += QStringLiteral("<li>%1</li>\n").arg(esc(note));
        html += QStringLiteral("</ul>\n");
    }

    const auto columns = report.scenarioColumns();
    html += QStringLiteral("<h2>Results</h2>\n<table>\n<tr><th>Learner</th>");
    for (const SubjectColumn &subject : subjectColumns())
        html += QStringLiteral("<th>%1<br>correct / answered</th>").arg(esc(subject.name));
    html += QStringLiteral("<th>Exercise<br>correct / answered</th><th>Exam<br>correct / answered</th>");
    for (const auto &[mode, id] : columns)
        html += QStringLiteral("<th>%1<br>best / latest (runs)</th>").arg(esc(scenarioHeading(report, mode, id)));
    if (report.withRecords)
        html += QStringLiteral("<th>Scenario runs<br>from</th><th>Exam attempts<br>right / questions</th>");
    html += QStringLiteral("</tr>\n");
    const auto counts = [](const Counts &c) { return QStringLiteral("<td>%1 / %2</td>").arg(c.correct).arg(c.answered); };
    for (const LearnerResult &learner : report.learners) {
        html += QStringLiteral("<tr><td>%1</td>").arg(esc(learner.name));
        for (const Counts &c : learner.subjects)
            html += counts(c);
        html += counts(learner.exercise) + counts(learner.exam);
        for (const auto &key : columns) {
            const auto runs = learner.scenarios.find(key);
            html += runs == learner.scenarios.end()
                        ? QStringLiteral("<td></td>")
                        : QStringLiteral("<td>%1 / %2 (%3)</td>").arg(runs->best()).arg(runs->latest()).arg(runs->scores.size());
        }
        if (report.withRecords) {
            QStringList attempts;
            for (const ExamAttempt &attempt : learner.examAttempts)
                attempts << QStringLiteral("%1: %2 / %3")
                                .arg(attempt.when.toString(QStringLiteral("yyyy-MM-dd HH:mm")))
                                .arg(attempt.right)
                                .arg(attempt.questions);
            html += QStringLiteral("<td>%1</td><td>%2</td>")
                        .arg(learner.fromRecord ? QStringLiteral("run record") : QStringLiteral("progress file"),
                             attempts.join(QStringLiteral("<br>")));
        }
        html += QStringLiteral("</tr>\n");
    }
    html += QStringLiteral("</table>\n<h2>Charts</h2>\n");

    for (qsizetype s = 0; s < subjectColumns().size(); ++s) {
        QList<std::pair<QString, qint32>> values;
        for (const LearnerResult &learner : report.learners)
            values.append({learner.name, learner.subjects.value(s).correct});
        html += barChart(subjectColumns()[s].name + QStringLiteral(": correct answers"), values);
    }
    QList<std::pair<QString, qint32>> exercise, finished;
    for (const LearnerResult &learner : report.learners) {
        exercise.append({learner.name, learner.exercise.correct});
        qint32 runs = 0;
        for (const ScenarioRuns &r : learner.scenarios)
            runs += qint32(r.scores.size());
        finished.append({learner.name, runs});
    }
    html += barChart(QStringLiteral("Exercise: correct answers"), exercise);
    html += barChart(QStringLiteral("Finished scenario runs"), finished);
    return html + QStringLiteral("</body>\n</html>\n");
}

} // namespace coursetool
