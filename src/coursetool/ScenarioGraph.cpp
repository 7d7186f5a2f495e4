#include "ScenarioGraph.h"

#include "Conversions.h"
#include "GenericSubs.h"
#include "RuntimeError.h"
#include "ScenarioTables.h"
#include "clsDataFile.h"

#include <QHash>
#include <QSet>

namespace coursetool {

using scenario::clsFacit;
using scenario::clsSvarsAlt;

const GraphRoom *ScenarioGraph::room(qint16 id) const
{
    for (const GraphRoom &r : rooms)
        if (r.id == id)
            return &r;
    return nullptr;
}

namespace {

// Check boxes allow every subset of the alternatives; beyond this many alternatives
// only the single ones and the key's own combinations are tried.
constexpr int MaxEnumerated = 12;

// The rooms of the scenario in file order (a room given twice counts once).
QList<qint16> roomsOf(const scenario::ScenarioFiles &files, qint16 scenarioId)
{
    haz::clsDataFile table;
    if (!table.readData(files.table(QStringLiteral("fraga.ini"))))
        throw haz::RuntimeError(table.lastErrorNumber() ? table.lastErrorNumber() : haz::ErrFileNotFound,
                                QStringLiteral("The table ini/fraga.ini could not be read"));
    const haz::FindResult posts = table.findPosts(QStringLiteral("sc_id"), QString::number(scenarioId));
    QList<qint16> rooms;
    for (int match = 1; !posts.isOneDimensional() && match <= posts.matchCount(); ++match) {
        const qint16 room = haz::conv::toInt16(posts.at(2, match));
        if (!rooms.contains(room))
            rooms << room;
    }
    return rooms;
}

// The answers a learner can give: one alternative with option buttons ("jn"), any
// set with check boxes ("fv"), the empty one included (a box ticked and unticked).
QStringList possibleAnswers(const QString &type, const QList<clsSvarsAlt> &alternatives,
                            const QList<clsFacit> &keyRows)
{
    QStringList answers;
    const auto answerOf = [&](const std::function<bool(qint16)> &chosen) {
        return scenario::GenericSubs::getAnswerString(alternatives, chosen);
    };
    if (type == QLatin1String("jn")) {
        for (const clsSvarsAlt &a : alternatives)
            answers << answerOf([&](qint16 id) { return id == a.SvarsAltID; });
    } else if (alternatives.size() <= MaxEnumerated) {
        for (quint32 set = 0; set < (1u << alternatives.size()); ++set)
            answers << answerOf([&](qint16 id) {
                for (qsizetype i = 0; i < alternatives.size(); ++i)
                    if (alternatives[i].SvarsAltID == id)
                        return (set >> i & 1u) != 0;
                return false;
            });
    } else {
        answers << QString();
        for (const clsSvarsAlt &a : alternatives)
            answers << answerOf([&](qint16 id) { return id == a.SvarsAltID; });
        for (const clsFacit &row : keyRows)
            if (row.Svar != QLatin1String("*"))
                answers << row.Svar;
    }
    answers.removeDuplicates();
    return answers;
}

QSet<QString> tokens(const QString &svar)
{
    const QStringList list = svar.split(u',');
    return QSet<QString>(list.begin(), list.end());
}

void addRoom(ScenarioGraph &graph, const scenario::ScenarioFiles &files, qint16 roomId, const QList<qint16> &rooms)
{
    const qint16 s = graph.scenarioId;
    const scenario::clsFraga question = scenario::clsFraga::getFraga(files, s, roomId);
    const QList<clsSvarsAlt> alternatives = clsSvarsAlt::getSvarsAlt(files, s, roomId);
    const QList<clsFacit> keyRows = clsFacit::getFacits(files, s, roomId);
    graph.rooms.append({roomId, question.Fraga, false, false, false});
    const auto problem = [&](int keyRow, bool warning, const QString &message) {
        graph.problems.append({roomId, keyRow, warning, message});
    };

    if (question.Typ != QLatin1String("fv") && question.Typ != QLatin1String("jn"))
        problem(-1, false, QStringLiteral("room %1 has the type \"%2\": only fv (check boxes) and jn (option "
                                          "buttons) can be answered")
                               .arg(roomId)
                               .arg(question.Typ));
    if (alternatives.isEmpty())
        problem(-1, false, QStringLiteral("room %1 has no alternatives: its answer button is never enabled").arg(roomId));

    // Where every possible answer leads.
    QHash<int, QStringList> answersOfRow;
    QStringList uncovered;
    for (const QString &answer : possibleAnswers(question.Typ, alternatives, keyRows)) {
        const clsFacit *row = scenario::GenericSubs::matchAnswer(answer, keyRows);
        if (!row)
            uncovered << (answer.isEmpty() ? QStringLiteral("(nothing chosen)") : answer);
        else
            answersOfRow[int(row - keyRows.constData())] << answer;
    }
    if (!uncovered.isEmpty())
        problem(-1, false, QStringLiteral("in room %1 the answer%2 %3 match%4 no key row, and there is no \"*\" row")
                               .arg(roomId)
                               .arg(uncovered.size() == 1 ? "" : "s")
                               .arg(uncovered.size() > 5 ? uncovered.mid(0, 5).join(QStringLiteral("; ")) + QStringLiteral("; …")
                                                         : uncovered.join(QStringLiteral("; ")))
                               .arg(uncovered.size() == 1 ? "es" : ""));

    QSet<QString> known;
    for (const clsSvarsAlt &a : alternatives)
        known << QString::number(a.SvarsAltID);
    QHash<int, std::optional<qint16>> targetOfRow;
    for (int k = 0; k < keyRows.size(); ++k) {
        const clsFacit &row = keyRows[k];
        if (row.Svar != QLatin1String("*"))
            for (const QString &token : tokens(row.Svar))
                if (!token.isEmpty() && !known.contains(token))
                    problem(k, false, QStringLiteral("the key row names alternative \"%1\", which room %2 does not have")
                                          .arg(token)
                                          .arg(roomId));
        if (row.Action == QLatin1String("finish")) {
            targetOfRow.insert(k, std::nullopt);
            continue;
        }
        try {
            const qint16 target = haz::conv::toInt16(row.Action.mid(1));
            if (!rooms.contains(target))
                problem(k, false, QStringLiteral("the Action \"%1\" leads to room %2, which has no question").arg(row.Action).arg(target));
            else
                targetOfRow.insert(k, target);
        } catch (const haz::RuntimeError &) {
            problem(k, false, QStringLiteral("the Action \"%1\" is neither finish nor a letter and a room number").arg(row.Action));
        }
    }
    // In the key's order, so that the same course always gives the same graph.
    for (int k = 0; k < keyRows.size(); ++k)
        if (answersOfRow.contains(k) && targetOfRow.contains(k))
            graph.edges.append({roomId, targetOfRow.value(k), keyRows[k].Svar, k});

    // A wrong alternative is one that no key row leads on from. Its own feedback is a
    // row that keeps the learner in the room with a text and names no other wrong
    // alternative: the alternative alone, or with right ones (the right set plus it).
    QSet<QString> wrong;
    for (const clsSvarsAlt &a : alternatives) {
        const QString id = QString::number(a.SvarsAltID);
        bool leadsOn = false;
        for (int k = 0; k < keyRows.size(); ++k) {
            const bool stays = targetOfRow.contains(k) && targetOfRow.value(k) == roomId;
            if (keyRows[k].Svar != QLatin1String("*") && tokens(keyRows[k].Svar).contains(id) && !stays)
                leadsOn = true;
        }
        if (!leadsOn)
            wrong << id;
    }
    for (const clsSvarsAlt &a : alternatives) {
        const QString id = QString::number(a.SvarsAltID);
        if (!wrong.contains(id))
            continue;
        bool ownFeedback = false;
        for (int k = 0; k < keyRows.size(); ++k) {
            const bool stays = targetOfRow.contains(k) && targetOfRow.value(k) == roomId;
            if (keyRows[k].Svar != QLatin1String("*") && stays && !keyRows[k].DialogText.trimmed().isEmpty()
                && (tokens(keyRows[k].Svar) & wrong) == QSet<QString>{id})
                ownFeedback = true;
        }
        if (!ownFeedback)
            problem(-1, true, QStringLiteral("in room %1 the wrong alternative %2 (\"%3\") has no feedback of its own")
                                  .arg(roomId)
                                  .arg(id, a.Namn.size() > 40 ? a.Namn.left(40) + QStringLiteral("…") : a.Namn));
    }
}

void markReachable(ScenarioGraph &graph)
{
    QHash<qint16, GraphRoom *> byId;
    for (GraphRoom &r : graph.rooms)
        byId.insert(r.id, &r);
    QList<qint16> work;
    for (GraphRoom &r : graph.rooms)
        if (r.start) {
            r.reachable = true;
            work << r.id;
        }
    while (!work.isEmpty()) {
        const qint16 id = work.takeLast();
        for (const GraphEdge &e : graph.edges)
            if (e.from == id && e.to && byId.contains(*e.to) && !byId[*e.to]->reachable) {
                byId[*e.to]->reachable = true;
                work << *e.to;
            }
    }
    // Backwards from the finish.
    for (bool changed = true; changed;) {
        changed = false;
        for (const GraphEdge &e : graph.edges) {
            GraphRoom *from = byId.value(e.from);
            const bool onward = !e.to || (byId.contains(*e.to) && byId[*e.to]->reachesFinish);
            if (from && onward && !from->reachesFinish) {
                from->reachesFinish = true;
                changed = true;
            }
        }
    }
}

} // namespace

ScenarioGraph buildScenarioGraph(const QString &installFolder, qint16 scenarioId)
{
    const scenario::ScenarioFiles files(installFolder);
    ScenarioGraph graph;
    graph.scenarioId = scenarioId;
    bool found = false;
    graph.name = scenario::clsScenario::getScenario(files, scenarioId, &found).Namn;
    if (!found)
        throw haz::RuntimeError(haz::ErrSubscript, QStringLiteral("Scenario %1 is not in ini/scenario.ini").arg(scenarioId));
    const QList<qint16> rooms = roomsOf(files, scenarioId);
    for (const qint16 room : rooms)
        addRoom(graph, files, room, rooms);
    const qint16 start = scenario::clsFraga::getStartUpFraga(files, scenarioId);
    for (GraphRoom &r : graph.rooms)
        r.start = r.id == start;
    markReachable(graph);
    return graph;
}

namespace {

QString quoted(QString text)
{
    text.replace(QLatin1String("\\n"), QLatin1String("\n"));
    text.replace(u'\\', QLatin1String("\\\\"));
    text.replace(u'"', QLatin1String("\\\""));
    text.replace(u'\n', QLatin1String("\\n"));
    return u'"' + text + u'"';
}

// Long questions wrapped to lines of about this many characters.
QString wrapped(const QString &text, int width = 36)
{
    QString plain = text;
    plain.replace(QLatin1String("\\n"), QLatin1String(" "));
    QString out, line;
    for (const QString &word : plain.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + word.size() > width) {
            out += line + QLatin1String("\\n");
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return out + line;
}

} // namespace

QString toDot(const ScenarioGraph &graph)
{
    QString dot = QStringLiteral("digraph scenario_%1 {\n").arg(graph.scenarioId);
    dot += QStringLiteral("  label=%1;\n  labelloc=t;\n").arg(quoted(QStringLiteral("Scenario %1: %2").arg(graph.scenarioId).arg(graph.name)));
    dot += QStringLiteral("  node [shape=box, style=\"rounded,filled\", fillcolor=white, fontname=\"DejaVu Sans\", fontsize=10];\n");
    dot += QStringLiteral("  edge [fontname=\"DejaVu Sans\", fontsize=9];\n");
    dot += QStringLiteral("  finish [label=\"finish\", shape=doublecircle, fillcolor=palegreen];\n");
    for (const GraphRoom &r : graph.rooms) {
        QStringList marks;
        QString colour = QStringLiteral("white");
        if (r.start) {
            marks << QStringLiteral("start");
            colour = QStringLiteral("lightblue");
        }
        if (!r.reachable) {
            marks << QStringLiteral("unreachable");
            colour = QStringLiteral("lightgrey");
        } else if (!r.reachesFinish) {
            marks << QStringLiteral("no way to finish");
            colour = QStringLiteral("salmon");
        }
        const QString head = QStringLiteral("Room %1").arg(r.id) + (marks.isEmpty() ? QString() : QStringLiteral(" (") + marks.join(QStringLiteral(", ")) + u')');
        QString label = head + QLatin1String("\n") + wrapped(r.question).replace(QLatin1String("\\n"), QLatin1String("\n"));
        dot += QStringLiteral("  room%1 [label=%2, fillcolor=%3%4];\n")
                   .arg(r.id)
                   .arg(quoted(label), colour, r.reachable ? QString() : QStringLiteral(", style=\"rounded,filled,dashed\""));
    }
    for (const GraphEdge &e : graph.edges) {
        const QString to = e.to ? QStringLiteral("room%1").arg(*e.to) : QStringLiteral("finish");
        const QString answers = e.answers.isEmpty() ? QStringLiteral("(nothing)") : e.answers;
        dot += QStringLiteral("  room%1 -> %2 [label=%3%4];\n")
                   .arg(e.from)
                   .arg(to, quoted(e.tryAgain() ? answers + QStringLiteral(" (try again)") : answers),
                        e.tryAgain() ? QStringLiteral(", style=dashed, color=orange") : QString());
    }
    dot += QStringLiteral("}\n");
    return dot;
}

} // namespace coursetool
