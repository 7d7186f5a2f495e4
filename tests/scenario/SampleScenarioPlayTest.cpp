// Plays each scenario of the installed sample course from its start room to "finish"
// through the run's own judging, by the cheapest answers, one scenario in each mode,
// and checks what the progress file holds at the end.

#include "ScenarioFixture.h"
#include "ScenarioRun.h"

#include <QMap>

#include <climits>

#include <gtest/gtest.h>

namespace scenariotest {
namespace {

using scenario::AnswerOutcome;
using scenario::ScenarioFiles;

QString sampleCourse() { return QStringLiteral(HAZ_COURSE_INSTALL_DIR); }

struct Step {
    QString answer;
    qint16 target = 0; // 0: the answer finishes the scenario
};

// The answers along the path of fewest points from `start` to "finish" (each room's
// points count when it is entered), found from the key rows alone.
QList<Step> cheapestPath(const ScenarioFiles &files, qint16 scenarioId, qint16 start)
{
    const auto points = [&](qint16 room) { return int(scenario::clsFraga::getFraga(files, scenarioId, room).Poang); };
    QMap<qint16, int> cost{{start, points(start)}};
    QMap<qint16, QPair<qint16, QString>> cameFrom;
    int bestFinish = INT_MAX;
    QPair<qint16, QString> finishFrom;
    for (bool changed = true; changed;) {
        changed = false;
        const QMap<qint16, int> reached = cost;
        for (auto it = reached.cbegin(); it != reached.cend(); ++it) {
            for (const scenario::clsFacit &row : scenario::clsFacit::getFacits(files, scenarioId, it.key())) {
                if (row.Svar == QLatin1String("*"))
                    continue;
                if (row.Action == QLatin1String("finish")) {
                    if (it.value() < bestFinish) {
                        bestFinish = it.value();
                        finishFrom = {it.key(), row.Svar};
                    }
                    continue;
                }
                const qint16 target = row.Action.mid(1).toShort();
                const int total = it.value() + points(target);
                if (!cost.contains(target) || total < cost.value(target)) {
                    cost[target] = total;
                    cameFrom[target] = {it.key(), row.Svar};
                    changed = true;
                }
            }
        }
    }
    QList<Step> path;
    if (bestFinish == INT_MAX)
        return path;
    path.prepend({finishFrom.second, 0});
    for (qint16 room = finishFrom.first; room != start; room = cameFrom.value(room).first)
        path.prepend({cameFrom.value(room).second, room});
    return path;
}

class SampleScenarioPlay : public ScenarioFixture {};

TEST_F(SampleScenarioPlay, EachScenarioPlaysToItsEndInItsModeAndIsRecorded)
{
    for (int id = 1; id <= 3; ++id) {
        const int mode = id; // scenario 1 as tactics, 2 in the exercise, 3 in the exam
        SCOPED_TRACE("scenario " + std::to_string(id) + ", mode " + std::to_string(mode));
        const haz::progress::ScenarioFields f = haz::progress::scenarioFields(mode);
        writeProgress({learnerPost(QStringLiteral("Bert"), {{f.scenario, "2"}, {f.room, "30"}}),
                       learnerPost(QStringLiteral("Anna"), {{f.scenario, QString::number(id)}})});
        const QByteArray bert = bertsBytes();

        scenario::ScenarioRun run(QStringLiteral(" user=Anna,mode=%1").arg(mode), sampleCourse());
        run.start();
        const scenario::clsScenario sc = scenario::clsScenario::getScenario(run.files(), qint16(id));
        const QList<Step> path = cheapestPath(run.files(), qint16(id), run.state().roomId);
        ASSERT_FALSE(path.isEmpty()) << "no way to the end";

        for (const Step &step : path) {
            const AnswerOutcome outcome = run.judge(step.answer);
            if (step.target == 0) {
                ASSERT_EQ(outcome.kind, AnswerOutcome::Kind::Finish) << qPrintable(step.answer);
                EXPECT_FALSE(outcome.message.isEmpty()) << "the completed message";
                ASSERT_TRUE(run.finish());
                break;
            }
            ASSERT_EQ(outcome.kind, AnswerOutcome::Kind::MoveOn) << qPrintable(step.answer);
            ASSERT_EQ(outcome.targetRoom, step.target);
            run.moveTo(outcome.targetRoom);
            ASSERT_TRUE(run.save());
            EXPECT_EQ(runFields(QStringLiteral("Anna"), mode).at(1), QString::number(step.target));
        }

        // The best run scores the scenario's lowest score, which the progress overview rates.
        EXPECT_EQ(run.state().score, sc.PoangMin);
        EXPECT_EQ(runFields(QStringLiteral("Anna"), mode), QStringList(4, QStringLiteral("-1")));
        EXPECT_EQ(field(QStringLiteral("Anna"), f.completedScenarios), QString::number(id));
        EXPECT_EQ(field(QStringLiteral("Anna"), f.completedScores), QString::number(sc.PoangMin));
        if (!f.questionPos.isEmpty()) {
            EXPECT_EQ(field(QStringLiteral("Anna"), f.questionPos), QStringLiteral("1"));
        }
        EXPECT_EQ(bertsBytes(), bert);
    }
}

} // namespace
} // namespace scenariotest
