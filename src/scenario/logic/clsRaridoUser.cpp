#include "clsRaridoUser.h"

#include "ChangeLock.h"

#include "Conversions.h"
#include "GenericSubs.h"
#include "Platform.h"
#include "ProgressLayout.h"
#include "RuntimeError.h"
#include "clsDataFile.h"

namespace scenario {

namespace {

bool isScenarioMode(int mode)
{
    return mode >= int(haz::progress::ScenarioMode::Tactics) && mode <= int(haz::progress::ScenarioMode::Exam);
}

} // namespace

clsRaridoUser::clsRaridoUser(RunState &state, QString argumentString, QString installFolder)
    : m_state(state), m_arguments(std::move(argumentString)), m_installFolder(std::move(installFolder))
{
}

QString clsRaridoUser::progressFilePath() const
{
    const QString language = GenericSubs::readLangFile(m_installFolder).at(0);
    return haz::platform::joinPath(GenericSubs::getMyDocumentsPath(),
                                   language + m_state.userFileStem + QStringLiteral(".ini"));
}

QString clsRaridoUser::getObjText(qint16 intFldNr)
{
    const QStringList values = getObjTexts({intFldNr});
    return values.isEmpty() ? QString() : values.first();
}

QStringList clsRaridoUser::getObjTexts(const QList<int> &positions)
{
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    m_state.userPostNr.reset();
    m_fieldsRead.clear();
    if (!file.readData(progressFilePath()))
        return {};
    m_fieldsRead = file.fieldNames();
    const haz::FindResult found = file.findPosts(QStringLiteral("UserName"), GenericSubs::getCmdUser(m_arguments));
    if (found.isOneDimensional() || found.matchCount() < 1)
        return {};
    m_state.userPostNr = haz::conv::toInt32(found.at(1, 1));
    QStringList values;
    for (int position : positions)
        values << (position >= 1 && position + 1 <= found.lastColumn() ? found.at(position + 1, 1) : QString());
    return values;
}

bool clsRaridoUser::write(const std::function<QList<Change>(const QStringList &post)> &changesFor)
{
    // The post is looked up in the same reading that the rewrite copies: a stale or
    // missing number must never land in someone else's post.
    m_state.userPostNr.reset();
    m_fieldsRead.clear();
    const QString path = progressFilePath();
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    QList<Change> changes;
    QList<qsizetype> positions; // of each written field among `changes`
    const std::optional<QList<bool>> result = file.UpdateFieldsOfPost(
        path, QStringLiteral("UserName"), GenericSubs::getCmdUser(m_arguments),
        [&](const haz::clsDataFile::FoundPost &post) {
            m_state.userPostNr = post.slot;
            m_fieldsRead = file.fieldNames();
            changes = changesFor(post.values);
            // All fields the file has in one rewrite, so that a crash never leaves half an
            // answer; a field it lacks fails on its own and the others are still written.
            QList<haz::clsDataFile::FieldValue> fields;
            for (qsizetype i = 0; i < changes.size(); ++i) {
                if (!m_fieldsRead.contains(changes[i].field, Qt::CaseInsensitive))
                    continue;
                fields.append({changes[i].field, changes[i].value});
                positions.append(i);
            }
            return fields;
        });
    if (!result)
        return false;
    QList<bool> written(changes.size(), false);
    for (qsizetype k = 0; k < result->size() && k < positions.size(); ++k)
        written[positions[k]] = result->at(k);
    const qsizetype failed = written.indexOf(false);
    if (failed >= 0)
        throw haz::RuntimeError(file.lastErrorNumber() ? file.lastErrorNumber() : haz::ErrPathFileAccess,
                                QStringLiteral("Could not save %1 in the progress file %2 %3")
                                    .arg(changes.at(failed).field, path, file.lastErrorText()).trimmed());
    return true;
}

bool clsRaridoUser::updateObjText()
{
    const int mode = GenericSubs::getCmdMode(m_arguments);
    if (!isScenarioMode(mode))
        return false;
    const haz::progress::ScenarioFields f = haz::progress::scenarioFields(mode);
    const haz::ChangeLock lock(progressFilePath());
    const QList<Change> changes{{f.scenario, haz::conv::toText(qint64(m_state.scenarioId))},
                                {f.room, haz::conv::toText(qint64(m_state.roomId))},
                                {f.time, haz::conv::toText(qint64(m_state.simMinutes))},
                                {f.score, haz::conv::toText(qint64(m_state.score))}};
    return write([&](const QStringList &) { return changes; });
}

QString clsRaridoUser::prependToList(qint16 value, const QString &list)
{
    const QString old = list == QLatin1String("-1") ? QString() : list;
    QString result = haz::conv::toText(qint64(value)) + u',' + old;
    if (result.endsWith(u','))
        result.chop(1);
    return result;
}

bool clsRaridoUser::updateCompleted()
{
    const int mode = GenericSubs::getCmdMode(m_arguments);
    if (!isScenarioMode(mode))
        return false;
    const haz::progress::ScenarioFields f = haz::progress::scenarioFields(mode);
    // The lists are read and written back under one lock: another program's change
    // in between would otherwise be undone.
    const haz::ChangeLock lock(progressFilePath());
    // Everything is worked out from the post as read, before anything is written.
    return write([&](const QStringList &post) {
        const auto old = [&](const QString &field) { return post.value(haz::progress::position(field) - 1); };
        const QString minusOne = QStringLiteral("-1");
        QList<Change> changes{{f.scenario, minusOne}, {f.room, minusOne}, {f.time, minusOne}, {f.score, minusOne},
                              {f.completedScenarios, prependToList(m_state.scenarioId, old(f.completedScenarios))},
                              {f.completedScores, prependToList(m_state.score, old(f.completedScores))}};
        if (!f.questionPos.isEmpty()) {
            const qint16 pos = haz::conv::toInt16(old(f.questionPos));
            changes.append({f.questionPos,
                            haz::conv::toText(qint64(pos == -1 ? 1 : haz::conv::narrowToInt16(qint32(pos) + 1)))});
        }
        return changes;
    });
}

} // namespace scenario
