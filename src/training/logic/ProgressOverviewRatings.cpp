#include "ProgressOverviewRatings.h"

#include "Conversions.h"
#include "Platform.h"
#include "ProgressLayout.h"
#include "RuntimeError.h"
#include "clsDataFile.h"

#include <QStringList>

#include <algorithm>

namespace training {

namespace {

const QString NoValue = QStringLiteral("-1");

QString trimmed(QStringView text)
{
    return haz::conv::trimBlanks(text).toString();
}

bool isEmptyList(const QString &list)
{
    return trimmed(list) == NoValue;
}

QStringList entries(const QString &list)
{
    QStringList parts = list.split(QLatin1Char(','));
    for (QString &part : parts)
        part = trimmed(part);
    return parts;
}

// The lists are written by the scenario program; an entry that is not a number is
// left out of the rating rather than letting it hide every other entry.
std::optional<qint32> score(const QString &text)
{
    try {
        return haz::conv::toInt32(text);
    } catch (const haz::RuntimeError &) {
        return std::nullopt;
    }
}

std::optional<qint16> points(const QString &text)
{
    try {
        return haz::conv::toInt16(text);
    } catch (const haz::RuntimeError &) {
        return std::nullopt;
    }
}

CompletedLists listsOf(const haz::clsDataFile &file, qint32 slot, haz::progress::ScenarioMode mode)
{
    const haz::progress::ScenarioFields fields = haz::progress::scenarioFields(int(mode));
    return {file.getPostPosField(slot, fields.completedScenarios), file.getPostPosField(slot, fields.completedScores)};
}

// The summed rating of every run in the lists; nothing without a readable table.
std::optional<qint32> summedRating(const CompletedLists &lists, const std::optional<ScenarioTable> &table)
{
    if (!table)
        return std::nullopt;
    const QStringList numbers = entries(lists.scenarios);
    const QStringList scores = entries(lists.scores);
    qint64 lo = 0, hi = 0, sum = 0;
    // Lists of different lengths are damaged; only the runs both of them hold count.
    const qsizetype runs = std::min(numbers.size(), scores.size());
    for (qsizetype i = 0; i < runs; ++i) {
        if (numbers.at(i) == NoValue || scores.at(i) == NoValue)
            continue;
        const std::optional<qint32> s = score(scores.at(i));
        if (!s)
            continue;
        sum += *s;
        // A scenario the table lacks adds its score but no range.
        const auto entry = table->constFind(numbers.at(i));
        if (entry != table->cend() && entry->hasRange()) {
            lo += *entry->pointsMin;
            hi += *entry->pointsMax;
        }
    }
    return scenarioRating(sum, lo, hi);
}

} // namespace

std::optional<LearnerScenarioLists> readLearnerScenarioLists(const QString &userFile, const QString &learner)
{
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    if (!file.readData(userFile))
        return std::nullopt;
    const haz::FindResult found = file.findPosts(QStringLiteral("UserName"), learner);
    if (found.isOneDimensional() || !found.hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint32 slot = found.at(1, 1).toInt(&ok);
    if (!ok)
        return std::nullopt;
    using haz::progress::ScenarioMode;
    return LearnerScenarioLists{listsOf(file, slot, ScenarioMode::Tactics), listsOf(file, slot, ScenarioMode::Exercise),
                                listsOf(file, slot, ScenarioMode::Exam)};
}

LearnerScenarioLists scenarioListsOf(const LearnerRecord &record)
{
    const auto lists = [&](haz::progress::ScenarioMode mode) {
        const haz::progress::ScenarioFields fields = haz::progress::scenarioFields(int(mode));
        return CompletedLists{record.value(fields.completedScenarios), record.value(fields.completedScores)};
    };
    using haz::progress::ScenarioMode;
    return {lists(ScenarioMode::Tactics), lists(ScenarioMode::Exercise), lists(ScenarioMode::Exam)};
}

std::optional<ScenarioTable> readScenarioTable(const QString &iniDir)
{
    haz::clsDataFile file;
    if (!file.readData(haz::platform::joinPath(iniDir, QStringLiteral("Scenario.ini"))))
        return std::nullopt;
    return scenarioTableOf(file);
}

std::optional<ScenarioTable> scenarioTableOf(const haz::clsDataFile &file)
{
    if (!file.readOk())
        return std::nullopt;
    // Fields by position: 1 sc_id, 2 name, 5 PoangMin, 6 PoangMax.
    const QStringList fields = file.fieldNames();
    const auto field = [&](qint32 slot, int position) {
        return position <= fields.size() ? file.getPostPosField(slot, fields.at(position - 1)) : QString();
    };
    ScenarioTable table;
    for (qint32 slot = 0; slot < file.numOfPostsRead(); ++slot) {
        const QString id = trimmed(field(slot, 1));
        if (table.contains(id))
            continue;
        table.insert(id, ScenarioEntry{field(slot, 2), points(field(slot, 5)), points(field(slot, 6))});
    }
    return table;
}

qint32 scenarioRating(qint64 score, qint64 lo, qint64 hi)
{
    if (hi == lo)
        return 0;
    const double p = 100.0 - double(score - lo) / double(hi - lo) * 100.0;
    // Clamped before rounding so that a far-off score cannot overflow the rounding.
    return haz::conv::roundHalfEven(std::clamp(p, 0.0, 100.0));
}

std::optional<LatestScenarioResult> latestScenarioResult(const std::optional<CompletedLists> &lists,
                                                         const std::optional<ScenarioTable> &table)
{
    if (!lists || !table || isEmptyList(lists->scenarios) || isEmptyList(lists->scores))
        return std::nullopt;
    const QString number = entries(lists->scenarios).constFirst();
    const QString newest = entries(lists->scores).constFirst();
    if (number == NoValue || newest == NoValue)
        return std::nullopt;
    const std::optional<qint32> s = score(newest);
    if (!s)
        return std::nullopt;
    const ScenarioEntry entry = table->value(number);
    if (!entry.hasRange())
        return LatestScenarioResult{0, entry.name};
    return LatestScenarioResult{scenarioRating(*s, *entry.pointsMin, *entry.pointsMax), entry.name};
}

std::optional<qint32> exerciseScenarioResult(const std::optional<CompletedLists> &lists,
                                             const std::optional<ScenarioTable> &table, qint32 exerciseDone)
{
    if (exerciseDone == 0)
        return 0;
    if (!lists)
        return std::nullopt;
    if (isEmptyList(lists->scenarios) || isEmptyList(lists->scores))
        return 0;
    return summedRating(*lists, table);
}

std::optional<qint32> examScenarioResult(const std::optional<CompletedLists> &lists,
                                         const std::optional<ScenarioTable> &table)
{
    if (!lists || isEmptyList(lists->scenarios) || isEmptyList(lists->scores))
        return std::nullopt;
    return summedRating(*lists, table);
}

ScenarioBars readScenarioBars(const QString &userFile, const QString &learner, const QString &iniDir,
                              qint32 exerciseDone)
{
    if (learner.isEmpty())
        return {};
    return scenarioBars(readLearnerScenarioLists(userFile, learner), readScenarioTable(iniDir), exerciseDone);
}

ScenarioBars scenarioBars(const std::optional<LearnerScenarioLists> &lists, const std::optional<ScenarioTable> &table,
                          qint32 exerciseDone)
{
    const auto pick = [&](CompletedLists LearnerScenarioLists::*member) -> std::optional<CompletedLists> {
        if (!lists)
            return std::nullopt;
        return (*lists).*member;
    };
    return {latestScenarioResult(pick(&LearnerScenarioLists::latest), table),
            exerciseScenarioResult(pick(&LearnerScenarioLists::exercise), table, exerciseDone),
            examScenarioResult(pick(&LearnerScenarioLists::exam), table)};
}

} // namespace training
