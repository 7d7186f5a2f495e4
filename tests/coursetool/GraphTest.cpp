// `graph`: the small course's scenario as DOT, and rendered to SVG by Graphviz.

#include "Commands.h"
#include "CourseBuild.h"
#include "ScenarioGraph.h"
#include "SmallCourse.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

struct BuiltCourse {
    QTemporaryDir source, install;
    explicit BuiltCourse(const coursetest::SmallCourse &course)
    {
        course.writeSources(source.path());
        EXPECT_TRUE(coursetool::buildCourse(source.path(), install.path()).isEmpty());
    }
};

} // namespace

TEST(ScenarioGraph, RoomsAnswersAndMarks)
{
    coursetest::SmallCourse course;
    // A room no answer leads to.
    QStringList room = course.tables["ini/fraga.ini"].rows[1];
    room[0] = "30";
    room[2] = "Never asked";
    course.tables["ini/fraga.ini"].rows.append(room);
    BuiltCourse built(course);

    const coursetool::ScenarioGraph graph = coursetool::buildScenarioGraph(built.install.path(), 1);
    ASSERT_EQ(graph.rooms.size(), 3);
    EXPECT_TRUE(graph.room(10)->start);
    EXPECT_TRUE(graph.room(20)->reachable && graph.room(20)->reachesFinish);
    EXPECT_FALSE(graph.room(30)->reachable);

    const QString dot = coursetool::toDot(graph);
    EXPECT_TRUE(dot.startsWith("digraph scenario_1 {"));
    EXPECT_TRUE(dot.contains("room10 [label=\"Room 10 (start)\\nWhere do you stop?\"")) << qPrintable(dot);
    EXPECT_TRUE(dot.contains("room10 -> room20 [label=\"1\"]")) << qPrintable(dot);
    EXPECT_TRUE(dot.contains("room10 -> room10 [label=\"2 (try again)\", style=dashed")) << qPrintable(dot);
    EXPECT_TRUE(dot.contains("room20 -> finish [label=\"1,2\"]")) << qPrintable(dot);
    EXPECT_TRUE(dot.contains("Room 30 (unreachable)")) << qPrintable(dot);
}

TEST(ScenarioGraph, CommandWritesDotOrSvgAndRefusesUnknownScenario)
{
    BuiltCourse built{coursetest::SmallCourse()};
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    EXPECT_EQ(coursetool::runCommand({"graph", built.install.path(), "1"}, outStream, errStream), 0);
    outStream.flush();
    EXPECT_TRUE(out.contains("room20 -> finish"));

    const QString svg = built.install.filePath("scenario1.svg");
    EXPECT_EQ(coursetool::runCommand({"graph", built.install.path(), "1", "--svg", svg}, outStream, errStream), 0)
        << qPrintable(err);
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray drawn = file.readAll();
    EXPECT_TRUE(drawn.contains("<svg") && drawn.contains("Where do you stop?"));

    EXPECT_EQ(coursetool::runCommand({"graph", built.install.path(), "9"}, outStream, errStream), 1);
    errStream.flush();
    EXPECT_TRUE(err.contains("Scenario 9 is not in ini/scenario.ini")) << qPrintable(err);
    EXPECT_EQ(coursetool::runCommand({"graph", built.install.path(), "one"}, outStream, errStream), 2);
}
