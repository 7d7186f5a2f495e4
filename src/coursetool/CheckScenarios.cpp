// The five scenario tables: every value the scenario program converts, the rooms'
// alternatives and pictures, and each scenario's graph of rooms.

#include "CheckParts.h"

#include "Conversions.h"
#include "RuntimeError.h"
#include "ScenarioGraph.h"

#include <QHash>
#include <QMap>

#include <functional>

namespace coursetool {

using haz::RuntimeError;

namespace {

using Encoding = CheckedTable::Encoding;

// A post of a scenario table, with the numbers the program reads from it.
struct Post {
    int slot = 0;
    qint16 scenario = 0;
    qint16 room = 0;
};

// Converts the fields at `numbers` (and `booleans`) of every post, as the lookups do;
// each value that does not convert is an error at its line. Returns the posts whose
// numbers all convert.
QList<Post> convertedPosts(const CheckedTable &table, const QList<int> &numbers, const QList<int> &booleans,
                           int scenarioField, int roomField)
{
    QList<Post> posts;
    for (int slot = 0; slot < table.posts(); ++slot) {
        bool ok = true;
        for (const int field : numbers) {
            const QString value = table.valueAt(slot, field);
            try {
                haz::conv::toInt16(value);
            } catch (const RuntimeError &) {
                table.error(table.lineAt(slot, field), QStringLiteral("field %1 (%2) is \"%3\", not a whole number "
                                                                      "from -32768 to 32767")
                                                           .arg(field)
                                                           .arg(table.table().fieldNames().value(field - 1), value));
                ok = false;
            }
        }
        for (const int field : booleans) {
            const QString value = table.valueAt(slot, field);
            try {
                haz::conv::toBool(value);
            } catch (const RuntimeError &) {
                table.error(table.lineAt(slot, field), QStringLiteral("field %1 (%2) is \"%3\", not True or False")
                                                           .arg(field)
                                                           .arg(table.table().fieldNames().value(field - 1), value));
                ok = false;
            }
        }
        if (ok)
            posts.append({slot, haz::conv::toInt16(table.valueAt(slot, scenarioField)),
                          roomField ? haz::conv::toInt16(table.valueAt(slot, roomField)) : qint16(0)});
    }
    return posts;
}

// Numbers that must run 1, 2, … without gaps or repeats; `what` names them.
void checkSequence(const CheckedTable &table, const QList<std::pair<qint16, int>> &numbered, const QString &what,
                   bool gapIsWarning)
{
    QMap<qint16, int> lineOf;
    for (const auto &[number, line] : numbered) {
        if (lineOf.contains(number))
            table.error(line, QStringLiteral("%1 %2 is there already (line %3)").arg(what).arg(number).arg(lineOf[number]));
        else
            lineOf.insert(number, line);
    }
    qint16 expected = 1;
    for (auto it = lineOf.cbegin(); it != lineOf.cend(); ++it, ++expected) {
        if (it.key() == expected)
            continue;
        const QString message = QStringLiteral("%1 %2 should be %3: the numbers run 1, 2, … without gaps")
                                    .arg(what)
                                    .arg(it.key())
                                    .arg(expected);
        gapIsWarning ? table.warning(it.value(), message) : table.error(it.value(), message);
        break;
    }
}

using RoomKey = std::pair<qint16, qint16>; // scenario, room

} // namespace

QSet<qint16> checkScenarios(CheckContext &context)
{
    QSet<qint16> scenarios;
    const int errorsBefore = context.findings.errors();
    const CheckedTable scenarioTable(context, QStringLiteral("ini/scenario.ini"), Encoding::Utf16, {QStringLiteral("sc_id")});
    const CheckedTable fraga(context, QStringLiteral("ini/fraga.ini"), Encoding::Utf16, {QStringLiteral("sc_id")});
    const CheckedTable svarsalt(context, QStringLiteral("ini/svarsalt.ini"), Encoding::Utf16, {QStringLiteral("sc_id")});
    const CheckedTable facit(context, QStringLiteral("ini/facit.ini"), Encoding::Utf16, {QStringLiteral("sc_id")});
    const CheckedTable bilder(context, QStringLiteral("ini/bilder.ini"), Encoding::Utf16, {QStringLiteral("sc_id")});
    const QList<std::pair<const CheckedTable *, int>> widths{{&scenarioTable, 9}, {&fraga, 14}, {&svarsalt, 5},
                                                              {&facit, 5}, {&bilder, 4}};
    bool usable = true;
    for (const auto &[table, fields] : widths) {
        usable = usable && table->ok();
        if (table->ok() && table->table().numFieldsRead() < fields)
            table->error(1, QStringLiteral("the table has %1 fields; the scenario program reads %2")
                                .arg(table->table().numFieldsRead())
                                .arg(fields));
    }
    if (!scenarioTable.ok())
        return scenarios;

    // scenario.ini
    QHash<qint16, int> scenarioLine;
    for (const Post &p : convertedPosts(scenarioTable, {1, 4, 5, 6}, {}, 1, 0)) {
        const int line = scenarioTable.lineAt(p.slot, 1);
        if (scenarioLine.contains(p.scenario)) {
            scenarioTable.error(line, QStringLiteral("scenario %1 is there already (line %2); only the first is played")
                                          .arg(p.scenario)
                                          .arg(scenarioLine[p.scenario]));
            continue;
        }
        scenarioLine.insert(p.scenario, line);
        if (scenarioTable.valueAt(p.slot, 2).trimmed().isEmpty())
            scenarioTable.warning(scenarioTable.lineAt(p.slot, 2), QStringLiteral("the scenario has no name"));
        if (scenarioTable.valueAt(p.slot, 5) == scenarioTable.valueAt(p.slot, 6))
            scenarioTable.warning(scenarioTable.lineAt(p.slot, 5),
                                  QStringLiteral("PoangMin equals PoangMax: the progress bars always show 0"));
        for (int field = 7; field <= 9; ++field)
            checkReferencedFile(scenarioTable, scenarioTable.lineAt(p.slot, field), QStringLiteral("data/images"),
                                scenarioTable.valueAt(p.slot, field).trimmed(), Shown::Pictures);
    }
    scenarios = QSet<qint16>(scenarioLine.keyBegin(), scenarioLine.keyEnd());
    if (!usable)
        return scenarios;

    // fraga.ini: one question per room.
    QHash<RoomKey, int> roomLine;
    QHash<qint16, QList<int>> startLines;
    for (const Post &p : convertedPosts(fraga, {1, 2, 7, 10, 13, 14}, {8}, 2, 1)) {
        const int line = fraga.postLine(p.slot);
        if (!scenarios.contains(p.scenario)) {
            fraga.warning(line, QStringLiteral("the room belongs to scenario %1, which ini/scenario.ini does not hold").arg(p.scenario));
            continue;
        }
        const RoomKey key{p.scenario, p.room};
        if (roomLine.contains(key))
            fraga.error(line, QStringLiteral("room %1 of scenario %2 is there already (line %3); this later row is the one shown")
                                  .arg(p.room)
                                  .arg(p.scenario)
                                  .arg(roomLine[key]));
        roomLine.insert(key, line);
        if (fraga.valueAt(p.slot, 3).trimmed().isEmpty())
            fraga.error(fraga.lineAt(p.slot, 3), QStringLiteral("room %1 has no question").arg(p.room));
        const QString type = fraga.valueAt(p.slot, 6);
        if (type != QLatin1String("fv") && type != QLatin1String("jn"))
            fraga.error(fraga.lineAt(p.slot, 6), QStringLiteral("Typ is \"%1\"; it must be fv (check boxes) or jn (option buttons)").arg(type));
        if (fraga.valueAt(p.slot, 8) == QLatin1String("True"))
            startLines[p.scenario] << fraga.lineAt(p.slot, 8);
        else if (haz::conv::toBool(fraga.valueAt(p.slot, 8)) )
            fraga.warning(fraga.lineAt(p.slot, 8), QStringLiteral("StartFraga is \"%1\": only the exact text True marks the start room")
                                                      .arg(fraga.valueAt(p.slot, 8)));
        checkReferencedFile(fraga, fraga.lineAt(p.slot, 5), QStringLiteral("data/images"),
                            fraga.valueAt(p.slot, 5).trimmed(), Shown::PicturesOrPages);
        checkReferencedFile(fraga, fraga.lineAt(p.slot, 12), QStringLiteral("data/html"),
                            fraga.valueAt(p.slot, 12).trimmed(), Shown::Pages);
    }
    for (const qint16 s : scenarios) {
        const QList<int> lines = startLines.value(s);
        if (lines.size() != 1)
            fraga.error(lines.value(1, 0), QStringLiteral("scenario %1 has %2 start rooms (StartFraga True); it needs exactly one")
                                               .arg(s)
                                               .arg(lines.size()));
    }

    // Rows of the other tables must name a room that has a question.
    const auto inRoom = [&](const CheckedTable &table, const Post &p) {
        if (!scenarios.contains(p.scenario))
            return false;
        if (!roomLine.contains({p.scenario, p.room})) {
            table.error(table.postLine(p.slot), QStringLiteral("the row belongs to room %1 of scenario %2, which has no question in ini/fraga.ini")
                                                    .arg(p.room)
                                                    .arg(p.scenario));
            return false;
        }
        return true;
    };

    // svarsalt.ini: numbers and display order per room.
    QHash<RoomKey, QList<std::pair<qint16, int>>> ids, orders;
    for (const Post &p : convertedPosts(svarsalt, {1, 2, 3, 5}, {}, 3, 2)) {
        if (!inRoom(svarsalt, p))
            continue;
        const qint16 id = haz::conv::toInt16(svarsalt.valueAt(p.slot, 1));
        if (id < 1)
            svarsalt.error(svarsalt.lineAt(p.slot, 1), QStringLiteral("alternative number %1: the numbers start at 1").arg(id));
        ids[{p.scenario, p.room}].append({id, svarsalt.lineAt(p.slot, 1)});
        orders[{p.scenario, p.room}].append({haz::conv::toInt16(svarsalt.valueAt(p.slot, 5)), svarsalt.lineAt(p.slot, 5)});
    }
    for (auto it = ids.cbegin(); it != ids.cend(); ++it) {
        checkSequence(svarsalt, it.value(), QStringLiteral("alternative number"), true);
        checkSequence(svarsalt, orders.value(it.key()), QStringLiteral("Order"), false);
    }

    // bilder.ini: picture numbers per room and the files.
    QHash<RoomKey, QList<std::pair<qint16, int>>> pictures;
    for (const Post &p : convertedPosts(bilder, {1, 2, 4}, {}, 2, 1)) {
        if (!inRoom(bilder, p))
            continue;
        pictures[{p.scenario, p.room}].append({haz::conv::toInt16(bilder.valueAt(p.slot, 4)), bilder.lineAt(p.slot, 4)});
        checkReferencedFile(bilder, bilder.lineAt(p.slot, 3), QStringLiteral("data/images"), bilder.valueAt(p.slot, 3),
                            Shown::PicturesOrPages);
    }
    for (auto it = pictures.cbegin(); it != pictures.cend(); ++it)
        checkSequence(bilder, it.value(), QStringLiteral("picture number"), false);

    // facit.ini: the key rows of each room, for pointing at them.
    QHash<RoomKey, QList<int>> keyLines;
    for (const Post &p : convertedPosts(facit, {1, 2}, {}, 2, 1))
        if (inRoom(facit, p))
            keyLines[{p.scenario, p.room}].append(facit.postLine(p.slot));

    const bool tablesFaulty = context.findings.errors() > errorsBefore;
    // Each scenario's rooms as the program walks them.
    for (const qint16 s : scenarios) {
        ScenarioGraph graph;
        try {
            graph = buildScenarioGraph(context.installFolder, s);
        } catch (const RuntimeError &e) {
            // A value that does not convert has been named at its line above.
            if (!tablesFaulty)
                scenarioTable.error(scenarioLine.value(s), e.description());
            continue;
        }
        for (const GraphProblem &problem : graph.problems) {
            const bool onKey = problem.keyRow >= 0;
            const CheckedTable &table = onKey ? facit : fraga;
            const int line = onKey ? keyLines.value({s, problem.room}).value(problem.keyRow) : roomLine.value({s, problem.room});
            problem.warning ? table.warning(line, problem.message) : table.error(line, problem.message);
        }
        for (const GraphRoom &room : graph.rooms) {
            const int line = roomLine.value({s, room.id});
            if (!room.reachable)
                fraga.warning(line, QStringLiteral("room %1 of scenario %2 cannot be reached from the start room").arg(room.id).arg(s));
            else if (!room.reachesFinish)
                fraga.error(line, QStringLiteral("from room %1 of scenario %2 no path leads to finish").arg(room.id).arg(s));
        }
    }
    return scenarios;
}

} // namespace coursetool
