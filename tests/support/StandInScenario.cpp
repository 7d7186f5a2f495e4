// Stands in for the scenario program in tests: appends its argument string (its
// arguments joined by single blanks) as one line to the file named by
// HAZ_STANDIN_RECORD, then plays the learner's run as HAZ_STANDIN_RUN says:
// "finish" ends the scenario as the real program does (the four fields of the mode
// back to "-1", the scenario and its score in front of the completed lists, the
// question position raised), "interrupt" leaves it half way (room, time and score
// written, the scenario kept). The progress file is HAZ_STANDIN_PROGRESS. A finished
// run also leaves its one answer in the run record beside it.

#include "ProgressLayout.h"
#include "RunRecord.h"
#include "clsDataFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

// The value after `key` up to the first comma; as the real program reads it.
QString setting(const QString &arguments, const QString &key)
{
    const qsizetype at = arguments.indexOf(key, 0, Qt::CaseInsensitive);
    QString value = at >= 0 ? arguments.mid(at + key.size()) : arguments.mid(4);
    const qsizetype comma = value.indexOf(u',');
    return comma >= 0 ? value.left(comma) : value;
}

QString prepend(const QString &list, const QString &entry)
{
    return list == QLatin1String("-1") || list.isEmpty() ? entry : entry + u',' + list;
}

int play(const QString &arguments)
{
    const QString user = setting(arguments, QStringLiteral("user="));
    const int mode = setting(arguments, QStringLiteral("mode=")).trimmed().toInt();
    const QString userFile = qEnvironmentVariable("HAZ_STANDIN_PROGRESS");
    const QString run = qEnvironmentVariable("HAZ_STANDIN_RUN");
    if (mode < 1 || mode > 3 || userFile.isEmpty())
        return 0;
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    if (!file.readData(userFile))
        return 3;
    const haz::FindResult found = file.findPosts(QStringLiteral("UserName"), user);
    if (!found.hasMatch())
        return 4;
    const qint32 slot = found.at(1, 1).toInt();
    const haz::progress::ScenarioFields names = haz::progress::scenarioFields(mode);
    const QString scenario = file.getPostPosField(slot, names.scenario);
    const auto write = [&](const QString &field, const QString &value) {
        haz::clsDataFile out;
        out.setNonUniCodeMode(true);
        return out.UpdateFieldPost(userFile, field, slot, value);
    };
    bool ok = true;
    if (run == QLatin1String("finish")) {
        const QString score = QStringLiteral("50");
        ok = write(names.completedScenarios, prepend(file.getPostPosField(slot, names.completedScenarios), scenario))
             && write(names.completedScores, prepend(file.getPostPosField(slot, names.completedScores), score));
        if (!names.questionPos.isEmpty()) {
            const int position = qMax(0, file.getPostPosField(slot, names.questionPos).toInt());
            ok = write(names.questionPos, QString::number(position + 1)) && ok;
        }
        for (const QString &field : {names.scenario, names.room, names.time, names.score})
            ok = write(field, QStringLiteral("-1")) && ok;
        haz::runrecord::Entry last;
        last.learner = user;
        last.mode = mode;
        last.scenarioId = qint16(scenario.toInt());
        last.scenarioName = QStringLiteral("Stand-in scenario");
        last.room = 4;
        last.question = QStringLiteral("Last question");
        last.action = QStringLiteral("finish");
        last.step = haz::runrecord::Step::Finish;
        last.score = qint16(score.toInt());
        last.when = QDateTime::currentDateTimeUtc();
        ok = haz::runrecord::append(haz::runrecord::pathBeside(userFile), last).written && ok;
    } else if (run == QLatin1String("interrupt")) {
        ok = write(names.room, QStringLiteral("4")) && write(names.time, QStringLiteral("615"))
             && write(names.score, QStringLiteral("30"));
    }
    return ok ? 0 : 5;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString arguments = app.arguments().mid(1).join(u' ');
    QFile record(qEnvironmentVariable("HAZ_STANDIN_RECORD"));
    if (record.fileName().isEmpty() || !record.open(QIODevice::Append)) {
        std::fprintf(stderr, "stand-in scenario: no record file\n");
        return 2;
    }
    record.write(arguments.toUtf8() + '\n');
    record.close();
    return play(arguments);
}
