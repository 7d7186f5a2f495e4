#pragma once
// One scenario as a graph: its rooms, and for every answer-key row that some answer
// reaches, an edge to the room it leads to (or to the finish). Built through the
// scenario program's own lookups and answer matching, so that it shows what a
// learner meets. Used by `check` (rooms that cannot be reached or left, answers the
// key does not cover, wrong alternatives without feedback) and by `graph`.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace coursetool {

struct GraphRoom {
    qint16 id = 0;
    QString question;
    bool start = false;
    bool reachable = false;     // from the start room
    bool reachesFinish = false; // some path leads on to "finish"
};

struct GraphEdge {
    qint16 from = 0;
    std::optional<qint16> to; // none: "finish"
    QString answers;          // the key row's Svar ("*" for any other answer)
    int keyRow = 0;           // the row's index among the room's key rows, from 0
    bool tryAgain() const { return to == from; }
};

// A fault found on the way, in the room it belongs to.
struct GraphProblem {
    qint16 room = 0;
    int keyRow = -1;      // the key row it is about, or -1 for the room
    bool warning = false;
    QString message;
};

struct ScenarioGraph {
    qint16 scenarioId = 0;
    QString name;
    QList<GraphRoom> rooms; // in the order of ini/fraga.ini
    QList<GraphEdge> edges;
    QList<GraphProblem> problems;
    const GraphRoom *room(qint16 id) const;
};

// RuntimeError when a table cannot be read or a value of the scenario does not
// convert: the program would fail the same way.
ScenarioGraph buildScenarioGraph(const QString &installFolder, qint16 scenarioId);

// Graphviz DOT text of the graph.
QString toDot(const ScenarioGraph &graph);

} // namespace coursetool
