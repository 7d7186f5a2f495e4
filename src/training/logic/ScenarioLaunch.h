#pragma once
// Playing a scenario in the scenario program: its command line, the learner's
// scenario fields written before the start and read after the end, and the list of
// scenarios the tactics tab offers. The two programs meet only through the command
// line and the progress file, and this program touches the file only before the
// start and after the end.

#include "LearnerRecord.h"

#include <QList>
#include <QString>

#include <optional>

namespace haz {
class clsDataFile;
}

namespace training::launch {

// The scenario program beside this one ("Scenario", "Scenario.exe" on Windows).
QString scenarioProgramPath(const QString &programFolder);

// The program and the argument string it receives: everything after the quoted
// program path of the command line, unchanged, so " user=" + name + ",mode=1" for
// the tactics (mode 1), and ", mode=2" / ", mode=3" after the name for the exercise
// and the exam. `commandLine` is the whole line as it is written down, for messages.
struct ScenarioCommand {
    QString program;
    QString arguments;
    QString commandLine;
};
ScenarioCommand scenarioCommand(const QString &programFolder, const QString &user, int mode);

// The four fields of a mode's run in progress, as stored.
struct RunFields {
    QString scenario, room, time, score;
    bool operator==(const RunFields &) const = default;
};
// Nothing when the progress file cannot be read or holds no post of the learner.
std::optional<RunFields> readRunFields(const QString &userFile, const QString &user, int mode);

// What was written before a start, so that a start that fails can be undone.
struct Preparation {
    bool learnerFound = false;
    std::optional<RunFields> before; // set when fields were written
    bool writeFailed = false;
};
// Tactics: a fresh run unless the learner chose to continue the run of the same
// scenario. Exercise: a run in progress (of whatever scenario) is continued, else
// a fresh one. Exam: always fresh.
Preparation prepareTacticsRun(const QString &userFile, const QString &user, qint16 id, bool continueRun);
Preparation prepareExerciseRun(const QString &userFile, const QString &user, qint16 id);
Preparation prepareExamRun(const QString &userFile, const QString &user, qint16 id);

// Puts the fields back as they were before the start.
bool restoreRunFields(const QString &userFile, const QString &user, int mode, const RunFields &before);
// Writes "-1" to the four fields (an exam run that was left is discarded).
bool discardRun(const QString &userFile, const QString &user, int mode);

// How a run ended, read from the progress file after the scenario program exited:
// "-1" in the mode's scenario field means the scenario was finished.
enum class Outcome { Finished, Unfinished, ProgressUnreadable, NotStarted };
Outcome readOutcome(const QString &userFile, const QString &user, int mode);

// The question before a start that ends the unfinished run of another scenario:
// "<name> is not finished. Starting <other> ends it."
QString unfinishedRunQuestion(const QString &unfinished, const QString &other);

// True when the learner's tactics run in progress is that of scenario `id`.
bool tacticsRunInProgress(const QString &userFile, const QString &user, qint16 id);

// The scenario table "Scenario.ini" of the ini folder.
QString scenarioTablePath(const QString &iniDir);

// The tactics list: one item per post of the scenario table, in file order.
struct ScenarioItem {
    qint16 id = 0;
    QString name;
    QString key; // "itm" + id
    bool inProgress = false; // the learner's tactics run in progress is this one
    std::optional<QString> latestScore; // the score of the learner's latest finished run
};
// The score that goes with the newest entry of `id` in a pair of completed lists
// (newest first, "-1" when empty); nothing when the scenario was never finished.
std::optional<QString> latestScoreOf(const QString &scenarios, const QString &scores, const QString &id);
// Nothing when the scenario table cannot be read. A post whose sc_id is not a
// 16-bit number is left out. An unreadable progress file marks nothing.
std::optional<QList<ScenarioItem>> readScenarioList(const QString &iniDir, const QString &userFile,
                                                    const QString &user);
// The same from a scenario table as read (nothing when it was not) and the
// learner's post (nothing: no item is marked).
std::optional<QList<ScenarioItem>> scenarioListOf(const haz::clsDataFile &table,
                                                  const std::optional<LearnerRecord> &learner);

// The dialog's two button texts from caption "ScenarioStartedCmd": the part before
// the first comma and everything after it. Without a comma both are empty and the
// buttons keep their own words.
struct StartedButtons {
    QString continueText, restartText;
};
StartedButtons splitStartedButtons(const QString &caption);

} // namespace training::launch
