#pragma once
// The layout of the learners' progress file, written down once for both programs:
// the 48 fields in file order, which of them the course program saves at exit (and in
// which order, and whether a save advances the save bar), and the fields that belong
// to a scenario mode. The scenario program reads its fields by position, so the
// positions are part of the file format.

#include <QList>
#include <QString>
#include <QStringList>

namespace haz::progress {

inline constexpr int FieldCount = 48;

struct FieldSpec {
    QString name;
    int position = 0;      // 1-based, the order of the installation's template
    int saveOrder = 0;     // 1 .. 29: written at exit in this order; 0: not saved at exit
    bool countsAsStep = false; // a save of this field advances the save bar
};

// Every field, in file order.
const QList<FieldSpec> &layout();
// The field names in file order.
const QStringList &fieldNames();
// The 1-based position of a field (letter case ignored); 0 for a name the file lacks.
int position(const QString &name);
// The fields saved at exit, in the order they are written.
const QList<FieldSpec> &savedAtExit();
// How many of those advance the save bar.
int saveSteps();

// Scenario modes, as on the scenario program's command line.
enum class ScenarioMode : int { Tactics = 1, Exercise = 2, Exam = 3 };

// The fields of one mode: the run in progress, the completed lists and, for the
// exercise and the exam, the question position a finished scenario raises.
struct ScenarioFields {
    QString scenario, room, time, score;
    QString completedScenarios, completedScores;
    QString questionPos; // empty for tactics
};
// Names for modes 1 .. 3; any other mode is haz::RuntimeError 5.
ScenarioFields scenarioFields(int mode);

} // namespace haz::progress
