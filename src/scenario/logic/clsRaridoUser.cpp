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

bool clsRaridoUser::write(const QList<Change> &changes)
{
    // The post is looked up again right before writing: a stale or missing number
    // must never land in someone else's post.
    getObjText(1);
    if (!m_state.userPostNr)
        return false;
    const QString path = progressFilePath();
    // All fields the file has in one rewrite, so that a crash never leaves half an
    // answer; a field it lacks fails on its own and the others are still written.
    QList<haz::clsDataFile::FieldValue> fields;
    QList<qsizetype> positions; // of each written field among `changes`
    for (qsizetype i = 0; i < changes.size(); ++i) {
        if (!m_fieldsRead.contains(changes[i].field, Qt::CaseInsensitive))
            continue;
        fields.append({changes[i].field, changes[i].value});
        positions.append(i);
    }
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    const QList<bool> results = fields.isEmpty() ? QList<bool>() : file.UpdateFieldsPost(path, *m_state.userPostNr, fields);
    QList<bool> written(changes.size(), false);
    for (qsizetype k = 0; k < results.size() && k < positions.size(); ++k)
        written[positions[k]] = results[k];
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
    return write({{f.scenario, haz::conv::toText(qint64(m_state.scenarioId))},
                  {f.room, haz::conv::toText(qint64(m_state.roomId))},
                  {f.time, haz::conv::toText(qint64(m_state.simMinutes))},
                  {f.score, haz::conv::toText(qint64(m_state.score))}});
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
    QList<int> positions{haz::progress::position(f.completedScenarios), haz::progress::position(f.completedScores)};
    if (!f.questionPos.isEmpty())
        positions << haz::progress::position(f.questionPos);
    // The lists are read and written back under one lock: another program's change
    // in between would otherwise be undone.
    const haz::ChangeLock lock(progressFilePath());
    const QStringList old = getObjTexts(positions);
    if (!m_state.userPostNr)
        return false;

    const QString minusOne = QStringLiteral("-1");
    QList<Change> changes{{f.scenario, minusOne}, {f.room, minusOne}, {f.time, minusOne}, {f.score, minusOne},
                          {f.completedScenarios, prependToList(m_state.scenarioId, old.at(0))},
                          {f.completedScores, prependToList(m_state.score, old.at(1))}};
    if (!f.questionPos.isEmpty()) {
        const qint16 pos = haz::conv::toInt16(old.at(2));
        changes.append({f.questionPos, haz::conv::toText(qint64(pos == -1 ? 1 : haz::conv::narrowToInt16(qint32(pos) + 1)))});
    }
    return write(changes);
}

} // namespace scenario
