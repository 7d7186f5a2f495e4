#include "ScenarioRun.h"

#include "Conversions.h"
#include "GenericSubs.h"
#include "Platform.h"
#include "ProgressLayout.h"
#include "RuntimeError.h"
#include "SessionLock.h"

#include <QFileInfo>

#include <limits>

namespace scenario {

using haz::RuntimeError;

namespace {

QString folderOrDefault(const QString &folder)
{
    return folder.isEmpty() ? haz::platform::installationFolder() : folder;
}

QString picturePath(const ScenarioFiles &files, const QString &name)
{
    return haz::conv::trimBlanks(name).isEmpty() ? QString() : files.image(name);
}

} // namespace

ScenarioRun::ScenarioRun(QString argumentString, QString installFolder)
    : m_arguments(std::move(argumentString)),
      m_files(folderOrDefault(installFolder)),
      m_captions(m_files.installFolder()),
      m_user(m_state, m_arguments, m_files.installFolder())
{
}

ScenarioRun::~ScenarioRun() = default;

StartView ScenarioRun::start()
{
    const QHash<QString, QString> texts =
        captions({QStringLiteral("icon"), QStringLiteral("iniMyDoc"), QStringLiteral("frmMain_caption")});
    m_state.iconName = QStringLiteral("ICON_") + texts.value(QStringLiteral("icon"));
    m_state.userFileStem = texts.value(QStringLiteral("iniMyDoc"));

    const int mode = GenericSubs::getCmdMode(m_arguments);
    if (mode < 1 || mode > 3)
        throw RuntimeError(haz::ErrInvalidCall,
                           QStringLiteral("Mode %1 is not a scenario mode (1, 2 or 3)").arg(mode));
    const haz::progress::ScenarioFields f = haz::progress::scenarioFields(mode);
    const QList<QString> names{f.scenario, f.room, f.time, f.score};
    QList<int> positions;
    for (const QString &name : names)
        positions << haz::progress::position(name);

    const QString user = GenericSubs::getCmdUser(m_arguments);
    const QStringList values = m_user.getObjTexts(positions);
    if (!m_state.userPostNr && !haz::platform::fileExists(m_user.progressFilePath()))
        throw RuntimeError(haz::ErrFileNotFound,
                           QStringLiteral("The progress file %1 is missing").arg(m_user.progressFilePath()));
    if (!m_state.userPostNr)
        throw RuntimeError(haz::ErrSubscript, QStringLiteral("The progress file %1 has no learner named \"%2\"")
                                                  .arg(m_user.progressFilePath(), user));
    m_session = std::make_unique<haz::SessionLock>(m_user.progressFilePath(), user);
    if (m_session->claimOrJoin() == haz::SessionLock::Claim::InUse)
        throw RuntimeError(haz::ErrPermissionDenied,
                           QStringLiteral("\"%1\" is signed in to the course in another window. Finish that "
                                          "session first, then start the scenario from it.").arg(user));
    // A save cut short by a crash leaves its temporary copy beside the file.
    haz::platform::removeStaleTemporaryFiles(QFileInfo(m_user.progressFilePath()).absolutePath());
    qint16 numbers[4];
    for (int i = 0; i < 4; ++i) {
        try {
            numbers[i] = haz::conv::toInt16(values.at(i));
        } catch (const RuntimeError &e) {
            throw RuntimeError(e.number(), QStringLiteral("The field %1 of \"%2\" in the progress file is \"%3\", not a number")
                                               .arg(names.at(i), user, values.at(i)));
        }
    }
    m_state.scenarioId = numbers[0];
    bool known = false;
    const clsScenario scenario = clsScenario::getScenario(m_files, m_state.scenarioId, &known);
    if (!known)
        throw RuntimeError(haz::ErrSubscript,
                           QStringLiteral("Scenario %1 is not in ini/scenario.ini").arg(m_state.scenarioId));

    const qint16 storedRoom = numbers[1];
    const bool resumed = storedRoom != -1;
    const qint16 room = resumed ? storedRoom : clsFraga::getStartUpFraga(m_files, m_state.scenarioId);
    if (room == 0)
        throw RuntimeError(haz::ErrSubscript, QStringLiteral("Scenario %1 has no start room").arg(m_state.scenarioId));
    m_state.simMinutes = numbers[2] == -1 ? 0 : numbers[2];
    m_state.score = numbers[3] == -1 ? 0 : numbers[3];
    // A fresh clock starts at the scenario's start time.
    if (m_state.simMinutes == 0 && (!resumed || numbers[2] == -1))
        m_state.simMinutes = scenario.StartTid;

    m_scenario = scenario;
    // The record of this run: a resumed run goes on under its number.
    m_recordPath = haz::runrecord::pathBeside(m_user.progressFilePath());
    const haz::runrecord::Opened opened = haz::runrecord::openOrRenew(m_recordPath, m_now());
    m_runNumber = numbers[1] == -1 ? 0
                                   : haz::runrecord::unfinishedRun(opened.contents.entries, user, mode, m_state.scenarioId);

    StartView view;
    view.recordNotice = opened.notice;
    view.title = texts.value(QStringLiteral("frmMain_caption")) + QStringLiteral(" - ") + scenario.Namn;
    view.logo = picturePath(m_files, scenario.Logo);
    view.temp = picturePath(m_files, scenario.Temp);
    view.vind = picturePath(m_files, scenario.Vind);
    if (resumed) {
        // The saved clock and score already hold this room's minutes and points:
        // the learner comes back to the room exactly as it was left.
        view.room = loadRoom(room);
        m_state.roomId = view.room.question.RumID;
        m_state.questionType = view.room.question.Typ;
    } else {
        view.room = moveTo(room);
    }
    return view;
}

RoomView ScenarioRun::loadRoom(qint16 roomId) const
{
    RoomView view;
    bool found = false;
    view.question = clsFraga::getFraga(m_files, m_state.scenarioId, roomId, &found);
    if (!found)
        throw RuntimeError(haz::ErrSubscript, QStringLiteral("Room %1 of scenario %2 is not in ini/fraga.ini")
                                                  .arg(roomId).arg(m_state.scenarioId));
    view.alternatives = clsSvarsAlt::getSvarsAlt(m_files, m_state.scenarioId, roomId);
    view.checkBoxes = view.question.Typ == QLatin1String("fv");
    return view;
}

void ScenarioRun::enterRoom(const RoomView &room)
{
    const auto limit = std::numeric_limits<qint16>();
    const qint32 newScore = qint32(m_state.score) + room.question.Poang;
    if (newScore < limit.min() || newScore > limit.max())
        throw RuntimeError(haz::ErrOverflow,
                           QStringLiteral("Scenario %1: the score stands at %2 and room %3 adds %4 points (Poang in "
                                          "ini/fraga.ini); a score must stay between %5 and %6")
                               .arg(m_state.scenarioId).arg(m_state.score).arg(room.question.RumID)
                               .arg(room.question.Poang).arg(limit.min()).arg(limit.max()));
    const qint32 newMinutes = qint32(m_state.simMinutes) + room.question.eventAddtime;
    if (newMinutes < limit.min() || newMinutes > limit.max())
        throw RuntimeError(haz::ErrOverflow,
                           QStringLiteral("Scenario %1: the clock stands at %2 minutes and room %3 adds %4 "
                                          "(StartTid in ini/scenario.ini, eventAddtime in ini/fraga.ini); "
                                          "the clock cannot go past %5 minutes")
                               .arg(m_state.scenarioId).arg(m_state.simMinutes).arg(room.question.RumID)
                               .arg(room.question.eventAddtime).arg(limit.max()));
    const auto score = qint16(newScore);
    const auto minutes = qint16(newMinutes);
    m_state.roomId = room.question.RumID;
    m_state.questionType = room.question.Typ;
    m_state.score = score;
    m_state.simMinutes = minutes;
}

RoomView ScenarioRun::moveTo(qint16 roomId)
{
    RoomView room = loadRoom(roomId);
    enterRoom(room);
    return room;
}

QString ScenarioRun::clockText() const
{
    return GenericSubs::simClockText(m_state.simMinutes, caption(QStringLiteral("SimTidTimmar")),
                                     caption(QStringLiteral("SimTidMinuter")));
}

AnswerOutcome ScenarioRun::judge(const QString &answerString) const
{
    const QList<clsFacit> keyRows = clsFacit::getFacits(m_files, m_state.scenarioId, m_state.roomId);
    const clsFacit *row = GenericSubs::matchAnswer(answerString, keyRows);
    if (!row || row->Action.isEmpty())
        throw RuntimeError(haz::ErrTypeMismatch,
                           QStringLiteral("The answer key of room %1 (ini/facit.ini) gives no action for the answer "
                                          "\"%2\", and no \"*\" row gives one")
                               .arg(m_state.roomId).arg(answerString));
    AnswerOutcome outcome;
    outcome.keyRow = row->Svar;
    outcome.action = row->Action;
    if (row->Action == QLatin1String("finish")) {
        outcome.kind = AnswerOutcome::Kind::Finish;
        outcome.message = caption(QStringLiteral("ScenarioCompleted"));
        return outcome;
    }
    const QString target = row->Action.mid(1);
    try {
        outcome.targetRoom = haz::conv::toInt16(target);
    } catch (const RuntimeError &e) {
        throw RuntimeError(e.number(), QStringLiteral("The answer key of room %1 leads to \"%2\", which is not a room number")
                                           .arg(m_state.roomId).arg(row->Action));
    }
    if (target == QString::number(m_state.roomId)) {
        outcome.kind = AnswerOutcome::Kind::StayInRoom;
        outcome.message = row->DialogText.isEmpty() ? caption(QStringLiteral("SvarForsokIgen")) : row->DialogText;
    } else {
        outcome.kind = AnswerOutcome::Kind::MoveOn;
    }
    outcome.message = haz::conv::expandLineBreaks(outcome.message);
    return outcome;
}

QString ScenarioRun::record(const RoomView &answered, const QString &answerString, const AnswerOutcome &outcome,
                           qint16 scoreBefore)
{
    using haz::runrecord::Entry;
    Entry entry;
    entry.learner = GenericSubs::getCmdUser(m_arguments);
    entry.run = m_runNumber;
    entry.mode = GenericSubs::getCmdMode(m_arguments);
    entry.scenarioId = m_state.scenarioId;
    entry.scenarioName = m_scenario.Namn;
    entry.startTime = m_scenario.StartTid;
    entry.best = m_scenario.PoangMin;
    entry.worst = m_scenario.PoangMax;
    entry.room = answered.question.RumID;
    entry.question = answered.question.Fraga;
    if (!answerString.isEmpty())
        entry.chosen = answerString.split(u',');
    for (const QString &number : std::as_const(entry.chosen)) {
        QString text;
        for (const clsSvarsAlt &alternative : answered.alternatives)
            if (QString::number(alternative.SvarsAltID) == number)
                text = alternative.Namn;
        entry.chosenTexts << text;
    }
    entry.keyRow = outcome.keyRow;
    entry.action = outcome.action;
    entry.step = outcome.kind == AnswerOutcome::Kind::Finish      ? haz::runrecord::Step::Finish
                 : outcome.kind == AnswerOutcome::Kind::StayInRoom ? haz::runrecord::Step::Stay
                                                                   : haz::runrecord::Step::NextRoom;
    entry.feedback = outcome.message;
    entry.clock = m_state.simMinutes;
    entry.score = m_state.score;
    entry.penalty = haz::conv::narrowToInt16(qint32(m_state.score) - scoreBefore);
    entry.when = m_now();
    const haz::runrecord::Appended appended = haz::runrecord::append(m_recordPath, entry, entry.when);
    if (appended.written)
        m_runNumber = appended.run;
    m_answered << entry;
    return appended.notice;
}

haz::runrecord::Run ScenarioRun::recordedRun() const
{
    const QString user = GenericSubs::getCmdUser(m_arguments);
    if (m_runNumber > 0)
        for (const haz::runrecord::Run &run : haz::runrecord::runsOf(haz::runrecord::read(m_recordPath).entries, user))
            if (run.number == m_runNumber && run.entries.size() >= m_answered.size())
                return run;
    return haz::runrecord::Run{user, m_runNumber, m_answered};
}

std::optional<QString> ScenarioRun::exitQuestion() const
{
    switch (GenericSubs::getCmdMode(m_arguments)) {
    case 2:
        return haz::conv::expandLineBreaks(caption(QStringLiteral("App_CloseQuestion")));
    case 3:
        return haz::conv::expandLineBreaks(caption(QStringLiteral("App_CloseQuestionExam")));
    default:
        return std::nullopt;
    }
}

} // namespace scenario
