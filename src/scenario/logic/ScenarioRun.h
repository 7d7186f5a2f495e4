#pragma once
// One learner's run through a scenario, without a window: start-up from the argument
// string and the progress file, the room on screen, judging an answer against the
// room's key, moving on, the simulated clock and the score, and recording the run.
// The window shows what this class works out and forwards the learner's actions.

#include "RunRecord.h"
#include "RunState.h"
#include "ScenarioTables.h"
#include "clsCaptions.h"
#include "clsRaridoUser.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>
#include <functional>
#include <optional>

namespace haz {
class SessionLock;
}

namespace scenario {

// What the question panel shows for one room.
struct RoomView {
    clsFraga question;
    QList<clsSvarsAlt> alternatives; // display order
    bool checkBoxes = false;         // Typ "fv"; any other Typ gets option buttons
};

struct StartView {
    QString title;
    QString logo, temp, vind; // full paths; empty when the scenario names none
    RoomView room;
    QString recordNotice; // the run record had to be renewed; empty when it was fine
};

struct AnswerOutcome {
    enum class Kind { Finish, StayInRoom, MoveOn };
    Kind kind = Kind::MoveOn;
    QString message;    // shown before going on; empty for none
    qint16 targetRoom = 0;
    QString keyRow;     // Svar of the key row that decided
    QString action;     // its Action
};

class ScenarioRun {
public:
    // `installFolder` empty: the folder of the running program.
    explicit ScenarioRun(QString argumentString, QString installFolder = {});
    ~ScenarioRun();

    RunState &state() { return m_state; }
    const RunState &state() const { return m_state; }
    const ScenarioFiles &files() const { return m_files; }
    const QString &argumentString() const { return m_arguments; }
    clsRaridoUser &user() { return m_user; }
    QString caption(const QString &id) const { return m_captions.getObjText(id); }
    QHash<QString, QString> captions(const QStringList &ids) const { return m_captions.getObjTexts(ids); }

    // Mode, the learner's fields of that mode, the scenario and its first (or
    // resumed) room. Every failure is a RuntimeError whose description says what is
    // wrong; nothing is written. A learner signed in to another course program (not
    // the one that started this run) is refused.
    StartView start();

    // The room's question and alternatives; RuntimeError when the room has no question.
    RoomView loadRoom(qint16 roomId) const;
    // Makes `room` the current room: its type, its points and its minutes are added
    // (each showing of a question counts). All or nothing on overflow.
    void enterRoom(const RoomView &room);
    // loadRoom + enterRoom.
    RoomView moveTo(qint16 roomId);

    QString clockText() const;

    // What the key of the current room says to the answer; changes nothing. An
    // answer the key does not cover, or a target that is not a room number, is a
    // RuntimeError.
    AnswerOutcome judge(const QString &answerString) const;

    // The run so far, after an answer (false: nothing to write, see clsRaridoUser).
    bool save() { return m_user.updateObjText(); }
    // The finished run.
    bool finish() { return m_user.updateCompleted(); }

    // The confirmation to ask before leaving; nothing in mode 1.
    std::optional<QString> exitQuestion() const;

    // Adds the answer just handled to the run record: `answered` is the room it was
    // given in, `scoreBefore` the score before it; the clock and score are those the
    // run has now. The first answer of a run gives the run its number. Returns a
    // notice for the learner when the record could not be written or was renewed.
    QString record(const RoomView &answered, const QString &answerString, const AnswerOutcome &outcome,
                   qint16 scoreBefore);
    // The run so far, as the record holds it; when the record could not take this
    // run, the answers given since start-up, so that the debrief still has them.
    haz::runrecord::Run recordedRun() const;
    const QString &recordPath() const { return m_recordPath; }
    int runNumber() const { return m_runNumber; }
    // Where the wall-clock time of a recorded answer comes from.
    void setWallClock(std::function<QDateTime()> now) { m_now = std::move(now); }

private:
    QString m_arguments;
    ScenarioFiles m_files;
    clsCaptions m_captions;
    RunState m_state;
    clsRaridoUser m_user;
    std::unique_ptr<haz::SessionLock> m_session;
    clsScenario m_scenario;
    QString m_recordPath;
    int m_runNumber = 0; // 0 until the run's first answer is recorded
    QList<haz::runrecord::Entry> m_answered; // since start-up, recorded or not
    std::function<QDateTime()> m_now = [] { return QDateTime::currentDateTimeUtc(); };
};

} // namespace scenario
