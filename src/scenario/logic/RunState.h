#pragma once
// The scenario program's run state: one object for the whole run, made at start-up
// and changed only by the run (ScenarioRun) and the scene area. Tests make fresh ones.

#include "RuntimeError.h"

#include <QString>

#include <optional>

namespace scenario {

struct RunState {
    qint16 scenarioId = 0;
    qint16 roomId = 0;
    QString questionType; // Typ of the question on screen; empty between questions
    qint16 simMinutes = 0;
    qint16 score = 0;
    // The learner's post in the progress file, as last found; never a guess.
    std::optional<qint32> userPostNr;
    bool sceneShown = false;
    QString iconName;
    QString userFileStem;
    // Failures the run went on after without a message (a scene picture that would
    // not load, for example).
    haz::LastError lastError;
};

} // namespace scenario
