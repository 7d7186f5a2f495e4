// A separate process that plays scenario runs the way the scenario program does and
// records every answer through its progress recording, until it is killed:
//
//   scenario_worker <installation folder> <seed>
//
// Each run is a random learner of the progress file in a random mode, started from
// the argument string the course program sends. Before each write it prints one line:
// "S" once the first run has started, then "W <post> <field>=<value> ..." with the
// positions (from 0) of the fields the write changes and their new values, and, before
// each answer goes into the run record, "R <learner>|<room>|<clock>|<score>|<step>".

#include "Platform.h"
#include "ProgressLayout.h"
#include "RuntimeError.h"
#include "ScenarioLaunch.h"
#include "ScenarioRun.h"
#include "clsDataFile.h"

#include <QRandomGenerator>

#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

using scenario::AnswerOutcome;
using scenario::ScenarioRun;

void announceLine(const QString &line)
{
    const QByteArray bytes = (line + u'\n').toUtf8();
    if (::write(STDOUT_FILENO, bytes.constData(), std::size_t(bytes.size())) != bytes.size())
        std::_Exit(3);
}

void announce(qint32 post, const QList<QPair<QString, QString>> &changes)
{
    QString line = QStringLiteral("W %1").arg(post);
    for (const auto &[field, value] : changes)
        line += QStringLiteral(" %1=%2").arg(haz::progress::position(field) - 1).arg(value);
    announceLine(line);
}

QString number(qint64 value)
{
    return QString::number(value);
}

// Announces the answer given in `answered`, then adds it to the run record.
void record(ScenarioRun &run, const QString &learner, const scenario::RoomView &answered, const QString &answer,
            const AnswerOutcome &outcome, qint16 scoreBefore)
{
    const scenario::RunState &s = run.state();
    const QString step = outcome.kind == AnswerOutcome::Kind::Finish       ? QStringLiteral("finish")
                         : outcome.kind == AnswerOutcome::Kind::StayInRoom ? QStringLiteral("stay")
                                                                           : QStringLiteral("next");
    announceLine(QStringLiteral("R %1|%2|%3|%4|%5").arg(learner).arg(answered.question.RumID).arg(s.simMinutes)
                     .arg(s.score).arg(step));
    const QString notice = run.record(answered, answer, outcome, scoreBefore);
    if (!notice.isEmpty())
        throw haz::RuntimeError(haz::ErrPathFileAccess, notice);
}

// What recording the finished run writes, worked out from the post as it stands.
QList<QPair<QString, QString>> finishChanges(ScenarioRun &run, int mode)
{
    const haz::progress::ScenarioFields f = haz::progress::scenarioFields(mode);
    QList<int> positions{haz::progress::position(f.completedScenarios), haz::progress::position(f.completedScores)};
    if (!f.questionPos.isEmpty())
        positions << haz::progress::position(f.questionPos);
    const QStringList old = run.user().getObjTexts(positions);
    const scenario::RunState &state = run.state();
    QList<QPair<QString, QString>> changes{{f.scenario, "-1"}, {f.room, "-1"}, {f.time, "-1"}, {f.score, "-1"},
                                           {f.completedScenarios, scenario::clsRaridoUser::prependToList(state.scenarioId, old.at(0))},
                                           {f.completedScores, scenario::clsRaridoUser::prependToList(state.score, old.at(1))}};
    if (!f.questionPos.isEmpty())
        changes.append({f.questionPos, old.at(2) == u"-1" ? QStringLiteral("1") : number(old.at(2).toInt() + 1)});
    return changes;
}

// The learner's post number when the run of `mode` was finished and not prepared
// again (a kill came between the two writes).
std::optional<qint32> finishedRun(const QString &path, const QString &learner, int mode)
{
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    if (!file.readData(path))
        throw haz::RuntimeError(haz::ErrPathFileAccess, QStringLiteral("The progress file does not read"));
    const haz::FindResult found = file.findPosts(QStringLiteral("UserName"), learner);
    const int column = haz::progress::position(haz::progress::scenarioFields(mode).scenario) + 1;
    if (found.at(column, 1) != u"-1")
        return std::nullopt;
    return found.at(1, 1).toInt();
}

// The course program prepares the next run of the scenario.
void prepare(const QString &path, qint32 post, const QString &scenarioField)
{
    announce(post, {{scenarioField, "1"}});
    haz::clsDataFile file;
    file.setNonUniCodeMode(true);
    if (!file.UpdateFieldPost(path, scenarioField, post, QStringLiteral("1")))
        throw haz::RuntimeError(haz::ErrPathFileAccess, file.lastErrorText());
}

[[noreturn]] void play(const QString &install, quint32 seed)
{
    const QString path = haz::platform::joinPath(haz::platform::documentsFolder(), QStringLiteral("enprogress.ini"));
    QRandomGenerator random(seed);
    bool started = false;
    for (;;) {
        const int mode = 1 + int(random.bounded(3));
        const QString learner = QStringLiteral("Learner %1").arg(random.bounded(1000));
        const haz::progress::ScenarioFields f = haz::progress::scenarioFields(mode);
        if (const std::optional<qint32> post = finishedRun(path, learner, mode)) {
            if (!started)
                continue; // nothing is written before the first start is announced
            prepare(path, *post, f.scenario);
        }
        ScenarioRun run(training::launch::scenarioCommand(install, learner, mode).arguments, install);
        scenario::RoomView room = run.start().room;
        if (!started)
            announceLine(QStringLiteral("S"));
        started = true;
        const qint32 post = *run.state().userPostNr;
        for (;;) {
            const QString answer = number(1 + random.bounded(3));
            const qint16 scoreBefore = run.state().score;
            const AnswerOutcome outcome = run.judge(answer);
            if (outcome.kind == AnswerOutcome::Kind::Finish) {
                announce(post, finishChanges(run, mode));
                run.finish();
                record(run, learner, room, answer, outcome, scoreBefore);
                prepare(path, post, f.scenario);
                break;
            }
            const scenario::RoomView answered = room;
            room = run.moveTo(outcome.targetRoom);
            const scenario::RunState &s = run.state();
            announce(post, {{f.scenario, number(s.scenarioId)}, {f.room, number(s.roomId)},
                            {f.time, number(s.simMinutes)}, {f.score, number(s.score)}});
            run.save();
            record(run, learner, answered, answer, outcome, scoreBefore);
            if (random.bounded(4) == 0)
                break; // the learner leaves; the next run resumes
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: scenario_worker <installation folder> <seed>\n");
        return 64;
    }
    try {
        play(QString::fromLocal8Bit(argv[1]), quint32(std::strtoul(argv[2], nullptr, 10)));
    } catch (const haz::RuntimeError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.messageText()));
        return 2;
    }
}
