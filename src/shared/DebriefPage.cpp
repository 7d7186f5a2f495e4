#include "DebriefPage.h"

#include "Conversions.h"

#include <algorithm>

namespace haz::debrief {

using runrecord::Entry;
using runrecord::Run;
using runrecord::Step;

namespace {

// A stored text as the page shows it: its "\n" marks and line breaks become breaks.
QString html(const QString &text)
{
    QString escaped = conv::expandLineBreaks(text).toHtmlEscaped();
    escaped.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    escaped.replace(u'\n', QStringLiteral("<br>"));
    escaped.replace(u'\r', QStringLiteral("<br>"));
    return escaped;
}

// A question's "\n" marks break it for the narrow question column of the scenario
// window; on the page it flows in its cell.
QString flowing(const QString &text)
{
    QString joined = text;
    joined.replace(QStringLiteral("\\n"), QStringLiteral(" "));
    return html(joined);
}

QString clockText(int minutes)
{
    return QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

QString whatHappened(const Entry &e)
{
    switch (e.step) {
    case Step::Finish:
        return QStringLiteral("Finished the scenario");
    case Step::Stay:
        return QStringLiteral("Had to try again");
    case Step::NextRoom:
        break;
    }
    return QStringLiteral("Went on to room %1").arg(conv::expandLineBreaks(e.action).mid(1).toHtmlEscaped());
}

QString chosenText(const Entry &e)
{
    if (e.chosen.isEmpty())
        return QStringLiteral("<i>nothing chosen</i>");
    QStringList items;
    for (qsizetype i = 0; i < e.chosen.size(); ++i)
        items << QStringLiteral("%1. %2").arg(html(e.chosen[i]), html(e.chosenTexts.value(i)));
    return items.join(QStringLiteral("<br>"));
}

const QString Style = QStringLiteral(
    "<style>body{font-family:sans-serif;} h1{font-size:16pt;} h2{font-size:12pt;margin-top:12px;}"
    "td,th{padding:3px 6px;vertical-align:top;} th{background:#d8dde6;text-align:left;}"
    ".stay{background:#fbe3d6;} .finish{background:#dff0d8;}</style>");

QString row(const QString &label, const QString &value)
{
    return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(label, value);
}

QString scenarioPage(const Run &run)
{
    const Entry &last = run.last();
    QString out = QStringLiteral("<html><head><meta charset=\"utf-8\">") + Style + QStringLiteral("</head><body>");
    out += QStringLiteral("<h1>Debrief: %1</h1>").arg(html(last.scenarioName));
    out += QStringLiteral("<p>%1 &mdash; %2 run %3, %4</p>")
               .arg(html(run.learner), runrecord::modeName(last.mode))
               .arg(run.number)
               .arg(last.when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    const Verdict v = verdict(run);
    const QList<qint16> retried = retriedRooms(run);
    out += QStringLiteral("<table>");
    out += row(QStringLiteral("Time used"), clockText(minutesUsed(run)));
    out += row(QStringLiteral("Penalty points"), QStringLiteral("%1 (best possible %2, worst %3)")
                                                    .arg(last.score).arg(last.best).arg(last.worst));
    out += row(QStringLiteral("Verdict"), v.text.toHtmlEscaped());
    if (!v.costlyRooms.isEmpty()) {
        const QString rooms = v.costlyRooms.size() == 1 ? QStringLiteral("room ") : QStringLiteral("rooms ");
        out += row(QStringLiteral("Points lost in"), rooms + roomList(v.costlyRooms));
    }
    out += row(QStringLiteral("Rooms tried again"),
               retried.isEmpty() ? QStringLiteral("none") : roomList(retried).toHtmlEscaped());
    out += QStringLiteral("</table>");

    out += QStringLiteral("<h2>The path, room by room</h2><table border=\"1\" cellspacing=\"0\">"
                          "<tr><th width=\"8%\">Room</th><th width=\"28%\">Question</th><th width=\"26%\">Chosen</th>"
                          "<th width=\"14%\">What happened</th><th width=\"16%\">Feedback</th>"
                          "<th width=\"8%\">Points</th></tr>");
    for (const Entry &e : run.entries) {
        const QString cls = e.step == Step::Stay     ? QStringLiteral(" class=\"stay\"")
                            : e.step == Step::Finish ? QStringLiteral(" class=\"finish\"")
                                                     : QString();
        out += QStringLiteral("<tr%1><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td><td>%7</td></tr>")
                   .arg(cls)
                   .arg(e.room)
                   .arg(flowing(e.question), chosenText(e), whatHappened(e), html(e.feedback))
                   .arg(e.penalty > 0 ? QStringLiteral("+%1").arg(e.penalty) : QString());
    }
    out += QStringLiteral("</table></body></html>");
    return out;
}

QString examPage(const Run &run)
{
    const Entry &e = run.last();
    QString out = QStringLiteral("<html><head><meta charset=\"utf-8\">") + Style + QStringLiteral("</head><body>");
    out += QStringLiteral("<h1>Exam attempt of %1</h1>")
               .arg(e.when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    out += QStringLiteral("<p>%1</p>").arg(html(run.learner));
    out += QStringLiteral("<table>");
    out += row(QStringLiteral("Questions"), QString::number(e.questions));
    out += row(QStringLiteral("Right answers"), QString::number(e.right));
    out += row(QStringLiteral("Wrong answers"), QString::number(e.questions - e.right));
    out += QStringLiteral("</table>");
    if (e.wrongQuestions.isEmpty()) {
        out += QStringLiteral("<p>Every question was answered right.</p>");
    } else {
        out += QStringLiteral("<h2>Questions answered wrongly</h2><table border=\"1\" cellspacing=\"0\">"
                              "<tr><th>Question</th><th>Comment</th></tr>");
        for (qsizetype i = 0; i < e.wrongQuestions.size(); ++i) {
            // Question texts of the course's lists break lines with "<br>".
            QString question = html(e.wrongQuestions[i]);
            question.replace(QStringLiteral("&lt;br&gt;"), QStringLiteral("<br>"), Qt::CaseInsensitive);
            out += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(question, html(e.wrongComments.value(i)));
        }
        out += QStringLiteral("</table>");
    }
    out += QStringLiteral("</body></html>");
    return out;
}

} // namespace

QList<qint16> retriedRooms(const Run &run)
{
    QList<qint16> rooms;
    for (const Entry &e : run.entries)
        if (e.step == Step::Stay && !rooms.contains(e.room))
            rooms << e.room;
    return rooms;
}

int minutesUsed(const Run &run)
{
    return run.entries.isEmpty() ? 0 : std::max(0, run.last().clock - run.last().startTime);
}

QString roomList(const QList<qint16> &rooms)
{
    QStringList names;
    for (qint16 room : rooms)
        names << QString::number(room);
    if (names.size() < 2)
        return names.join(QString());
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

Verdict verdict(const Run &run)
{
    Verdict v;
    if (run.entries.isEmpty() || run.isExam())
        return v;
    // A step on the way costs the points of the room it leads to; a step that costs
    // more than the cheapest one of the run, or that had to be taken again, cost
    // points that the best path does not.
    int cheapest = -1;
    for (const Entry &e : run.entries)
        if (e.step == Step::NextRoom)
            cheapest = cheapest < 0 ? e.penalty : std::min<int>(cheapest, e.penalty);
    for (const Entry &e : run.entries) {
        const bool costly = e.step == Step::Stay || (e.step == Step::NextRoom && e.penalty > cheapest);
        if (costly && !v.costlyRooms.contains(e.room))
            v.costlyRooms << e.room;
    }
    const Entry &last = run.last();
    if (!run.finished()) {
        v.text = QStringLiteral("not finished");
        return v;
    }
    const int over = last.score - last.best;
    const int range = last.worst - last.best;
    if (over <= 0)
        v.text = QStringLiteral("best possible");
    else if (3 * over <= range)
        v.text = QStringLiteral("good");
    else if (v.costlyRooms.isEmpty())
        v.text = QStringLiteral("review the path");
    else
        v.text = (v.costlyRooms.size() == 1 ? QStringLiteral("review room ") : QStringLiteral("review rooms "))
            + roomList(v.costlyRooms);
    return v;
}

QString page(const Run &run)
{
    if (run.entries.isEmpty())
        return QStringLiteral("<html><body><p>No run to show.</p></body></html>");
    return run.isExam() ? examPage(run) : scenarioPage(run);
}

} // namespace haz::debrief
