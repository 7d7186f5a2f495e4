#pragma once
// The three scenario bars of the progress overview: the latest tactics run, and
// the exercise and exam scenarios summed. A rating is a percentage where a run
// ending at the scenario's lowest score (PoangMin) rates 100 and one ending at its
// highest (PoangMax) rates 0. Each rating says "leave the bar as it is" with an
// empty result.

#include "LearnerRecord.h"

#include <QHash>
#include <QString>

#include <optional>

namespace haz {
class clsDataFile;
}

namespace training {

// A pair of completed lists as the progress file stores them: scenario numbers and
// final scores joined by ",", newest first; "-1" for an empty list.
struct CompletedLists {
    QString scenarios;
    QString scores;
};

struct LearnerScenarioLists {
    CompletedLists latest;   // tactics: CompletedScenarios, CompletedScores
    CompletedLists exercise; // excerCompletedScenarios, excerCompletedScores
    CompletedLists exam;     // examCompletedScenarios, examCompletedScores
};

// The learner's three pairs from the progress file (8-bit). Nothing when the file
// cannot be read or holds no post of that name.
std::optional<LearnerScenarioLists> readLearnerScenarioLists(const QString &userFile, const QString &learner);
// The same pairs from a post as read.
LearnerScenarioLists scenarioListsOf(const LearnerRecord &record);

struct ScenarioEntry {
    QString name; // field 2
    // PoangMin and PoangMax (fields 5 and 6); empty when either is not a number.
    std::optional<qint16> pointsMin;
    std::optional<qint16> pointsMax;
    bool hasRange() const { return pointsMin && pointsMax; }
};
// By scenario number as the table writes it (blanks trimmed); the first post wins.
using ScenarioTable = QHash<QString, ScenarioEntry>;

// "Scenario.ini" of the ini folder (UTF-16). Nothing when it cannot be read.
std::optional<ScenarioTable> readScenarioTable(const QString &iniDir);
// The same from the table as read; nothing when it was not.
std::optional<ScenarioTable> scenarioTableOf(const haz::clsDataFile &file);

// 100 - (score - lo) / (hi - lo) * 100, halves to even, clamped to 0 .. 100; 0 when
// the range is empty.
qint32 scenarioRating(qint64 score, qint64 lo, qint64 hi);

struct LatestScenarioResult {
    qint32 value = 0;
    QString name; // for curLblTakScenarioName
};

// showLatestScenarioResult: rates the newest entry of the tactics lists. A scenario
// the table lacks gives an empty name and 0. Nothing when the lists, the table or
// the newest entry are missing.
std::optional<LatestScenarioResult> latestScenarioResult(const std::optional<CompletedLists> &lists,
                                                         const std::optional<ScenarioTable> &table);

// showExerciseScenarioResult: rates the sum of every exercise run. 0 before any
// exercise question is answered (`exerciseDone` 0) and when a list is empty.
std::optional<qint32> exerciseScenarioResult(const std::optional<CompletedLists> &lists,
                                             const std::optional<ScenarioTable> &table, qint32 exerciseDone);

// showExamScenarioResult: the same for the exam, without the exercise's two rules:
// empty lists leave the bar as it is.
std::optional<qint32> examScenarioResult(const std::optional<CompletedLists> &lists,
                                         const std::optional<ScenarioTable> &table);

struct ScenarioBars {
    std::optional<LatestScenarioResult> latest; // prgScenarioLatest, curLblTakScenarioName
    std::optional<qint32> exercise;             // prgScenarioAvg
    std::optional<qint32> exam;                 // prgScenarioExam
};

// All three bars for a signed-in learner, from the progress file and the scenario
// table; nothing changes when no learner is signed in (`learner` empty).
ScenarioBars readScenarioBars(const QString &userFile, const QString &learner, const QString &iniDir,
                              qint32 exerciseDone);
// The bars from lists and a table already read.
ScenarioBars scenarioBars(const std::optional<LearnerScenarioLists> &lists, const std::optional<ScenarioTable> &table,
                          qint32 exerciseDone);

} // namespace training
