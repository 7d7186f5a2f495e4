#include "ScenarioLaunch.h"

#include "ChangeLock.h"
#include "Conversions.h"
#include "Platform.h"
#include "ProgressFile.h"
#include "ProgressLayout.h"
#include "RuntimeError.h"
#include "clsDataFile.h"

#include <QDir>

namespace training::launch {

namespace {

const QString NoValue = QStringLiteral("-1");

struct LearnerPost {
    haz::clsDataFile file;
    qint32 slot = -1;
};

// Reads the progress file (8-bit, as every reader of it) and finds the learner.
bool openLearner(const QString &userFile, const QString &user, LearnerPost &post)
{
    post.file.setNonUniCodeMode(true);
    if (!post.file.readData(userFile))
        return false;
    const std::optional<qint32> slot = progress::findLearnerSlot(post.file, user);
    if (!slot)
        return false;
    post.slot = *slot;
    return true;
}

RunFields fieldsOf(const LearnerPost &post, const haz::progress::ScenarioFields &names)
{
    return {post.file.getPostPosField(post.slot, names.scenario),
            post.file.getPostPosField(post.slot, names.room),
            post.file.getPostPosField(post.slot, names.time),
            post.file.getPostPosField(post.slot, names.score)};
}

// Writes the four fields; all are tried, the result says whether all were written.
bool writeFields(const QString &userFile, qint32 slot, int mode, const RunFields &values)
{
    // One rewrite for the four fields, so that a crash never leaves a new scenario
    // with the room or time of an old run.
    const haz::progress::ScenarioFields names = haz::progress::scenarioFields(mode);
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    try {
        const QList<bool> results = file.UpdateFieldsPost(userFile, slot,
                                                          {{names.scenario, values.scenario},
                                                           {names.room, values.room},
                                                           {names.time, values.time},
                                                           {names.score, values.score}});
        return results.size() == 4 && !results.contains(false);
    } catch (const haz::RuntimeError &) {
        return false; // reported by the caller as a failed write
    }
}

RunFields freshRun(qint16 id)
{
    return {QString::number(id), NoValue, NoValue, NoValue};
}

// Writes a fresh run unless `keep` says the stored one goes on.
Preparation prepare(const QString &userFile, const QString &user, int mode, qint16 id,
                    bool (*keep)(const RunFields &stored, qint16 id, bool continueRun), bool continueRun)
{
    Preparation result;
    // Read and written under one lock, so that no other program's save lands between.
    std::optional<haz::ChangeLock> lock;
    try {
        lock.emplace(userFile);
    } catch (const haz::RuntimeError &) {
        result.learnerFound = readRunFields(userFile, user, mode).has_value();
        result.writeFailed = true; // reported by the caller as a failed write
        return result;
    }
    LearnerPost post;
    if (!openLearner(userFile, user, post))
        return result;
    result.learnerFound = true;
    const RunFields stored = fieldsOf(post, haz::progress::scenarioFields(mode));
    if (keep(stored, id, continueRun))
        return result;
    result.before = stored;
    result.writeFailed = !writeFields(userFile, post.slot, mode, freshRun(id));
    return result;
}

} // namespace

QString scenarioProgramPath(const QString &programFolder)
{
#ifdef Q_OS_WIN
    return haz::platform::joinPath(programFolder, QStringLiteral("Scenario.exe"));
#else
    return haz::platform::joinPath(programFolder, QStringLiteral("Scenario"));
#endif
}

ScenarioCommand scenarioCommand(const QString &programFolder, const QString &user, int mode)
{
    ScenarioCommand command;
    command.program = scenarioProgramPath(programFolder);
    const QString quoted = u'"' + QDir::toNativeSeparators(command.program)
                           + (mode == 1 ? QStringLiteral(" ") : QString()) + u'"';
    command.arguments = QStringLiteral(" user=") + user
                        + (mode == 1 ? QStringLiteral(",mode=1") : QStringLiteral(", mode=") + QString::number(mode));
    command.commandLine = quoted + command.arguments;
    return command;
}

std::optional<RunFields> readRunFields(const QString &userFile, const QString &user, int mode)
{
    LearnerPost post;
    if (!openLearner(userFile, user, post))
        return std::nullopt;
    return fieldsOf(post, haz::progress::scenarioFields(mode));
}

Preparation prepareTacticsRun(const QString &userFile, const QString &user, qint16 id, bool continueRun)
{
    return prepare(userFile, user, 1, id,
                   [](const RunFields &stored, qint16 id, bool continueRun) {
                       return continueRun && stored.scenario == QString::number(id);
                   },
                   continueRun);
}

Preparation prepareExerciseRun(const QString &userFile, const QString &user, qint16 id)
{
    return prepare(userFile, user, 2, id,
                   [](const RunFields &stored, qint16, bool) { return stored.scenario != NoValue; }, false);
}

Preparation prepareExamRun(const QString &userFile, const QString &user, qint16 id)
{
    return prepare(userFile, user, 3, id, [](const RunFields &, qint16, bool) { return false; }, false);
}

bool restoreRunFields(const QString &userFile, const QString &user, int mode, const RunFields &before)
{
    try {
        const haz::ChangeLock lock(userFile);
        LearnerPost post;
        return openLearner(userFile, user, post) && writeFields(userFile, post.slot, mode, before);
    } catch (const haz::RuntimeError &) {
        return false; // reported by the caller as a failed write
    }
}

bool discardRun(const QString &userFile, const QString &user, int mode)
{
    return restoreRunFields(userFile, user, mode, {NoValue, NoValue, NoValue, NoValue});
}

Outcome readOutcome(const QString &userFile, const QString &user, int mode)
{
    const std::optional<RunFields> fields = readRunFields(userFile, user, mode);
    if (!fields)
        return Outcome::ProgressUnreadable;
    return fields->scenario == NoValue ? Outcome::Finished : Outcome::Unfinished;
}

QString unfinishedRunQuestion(const QString &unfinished, const QString &other)
{
    return unfinished + QStringLiteral(" is not finished. Starting ") + other + QStringLiteral(" ends it.");
}

bool tacticsRunInProgress(const QString &userFile, const QString &user, qint16 id)
{
    const std::optional<RunFields> fields = readRunFields(userFile, user, 1);
    return fields && fields->scenario == QString::number(id);
}

QString scenarioTablePath(const QString &iniDir)
{
    return haz::platform::resolveCaseInsensitive(haz::platform::joinPath(iniDir, QStringLiteral("Scenario.ini")));
}

std::optional<QList<ScenarioItem>> readScenarioList(const QString &iniDir, const QString &userFile,
                                                    const QString &user)
{
    haz::clsDataFile table;
    if (!table.readData(scenarioTablePath(iniDir))
        || table.fieldNames().size() < 2)
        return std::nullopt;
    return scenarioListOf(table, progress::readLearnerRecord(userFile, user));
}

std::optional<QList<ScenarioItem>> scenarioListOf(const haz::clsDataFile &table,
                                                  const std::optional<LearnerRecord> &learner)
{
    if (!table.readOk() || table.fieldNames().size() < 2)
        return std::nullopt;
    const haz::progress::ScenarioFields names = haz::progress::scenarioFields(1);
    const auto learnerField = [&](const QString &name) { return learner ? learner->value(name) : QString(); };
    const QString inProgress = learnerField(names.scenario);
    const QString completed = learnerField(names.completedScenarios);
    const QString scores = learnerField(names.completedScores);
    const QString idField = table.fieldNames().at(0);
    const QString nameField = table.fieldNames().at(1);
    QList<ScenarioItem> items;
    for (qint32 post = 0; post < table.numOfPostsRead(); ++post) {
        const QString idText = table.getPostPosField(post, idField);
        ScenarioItem item;
        try {
            item.id = haz::conv::toInt16(idText);
        } catch (const haz::RuntimeError &) {
            continue; // a post without a usable number cannot be started
        }
        item.name = table.getPostPosField(post, nameField);
        item.key = QStringLiteral("itm") + QString::number(item.id);
        item.inProgress = learner && inProgress == idText;
        item.latestScore = latestScoreOf(completed, scores, QString::number(item.id));
        items.append(item);
    }
    return items;
}

std::optional<QString> latestScoreOf(const QString &scenarios, const QString &scores, const QString &id)
{
    const qsizetype newest = scenarios.split(u',').indexOf(id);
    const QStringList scoreList = scores.split(u',');
    if (newest < 0 || newest >= scoreList.size())
        return std::nullopt;
    return scoreList.at(newest);
}

StartedButtons splitStartedButtons(const QString &caption)
{
    const qsizetype comma = caption.indexOf(u',');
    if (comma < 0)
        return {};
    return {caption.left(comma), caption.mid(comma + 1)};
}

} // namespace training::launch
