#pragma once
// The run record: every answer given in the scenario program and every finished exam,
// one post each, in a table file of its own beside the progress file (hidden like it).
// The progress file says where a learner stands; the record says how the learner got
// there, so that a run can be talked through afterwards.
//
// Both programs and the course tool read it through `read`; answers and attempts are
// added through `append`, each one post written by the table store's crash-safe append
// under the file's lock, so a killed program leaves every earlier post whole and never
// part of one. Free texts (names, questions, feedback) are escaped so that no text can
// break a post's lines, and lists are kept in one value each.

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace haz::runrecord {

// The newest runs (exam attempts count as runs) kept for each learner; older ones go
// when a new run begins.
inline constexpr int RunsKeptPerLearner = 50;
// Post numbers are 16-bit: the oldest runs of all learners go before the table fills.
inline constexpr int MostPosts = 30000;

// What an answer led to.
enum class Step { NextRoom, Stay, Finish };

struct Entry {
    enum class Kind { Answer, ExamAttempt };
    Kind kind = Kind::Answer;
    QString learner;
    int run = 0; // per learner, counting up; 0 in an entry to append: a new run

    // An answer in the scenario program.
    int mode = 0; // 1 tactics, 2 exercise, 3 exam
    qint16 scenarioId = 0;
    QString scenarioName;
    qint16 startTime = 0, best = 0, worst = 0; // the scenario's StartTid, PoangMin, PoangMax
    qint16 room = 0;
    QString question;
    QStringList chosen;      // numbers of the alternatives, in display order
    QStringList chosenTexts; // their texts, in the same order
    QString keyRow;          // Svar of the key row that decided ("*" for the catch-all)
    QString action;          // its Action: "finish" or a letter and a room number
    Step step = Step::NextRoom;
    QString feedback;        // the message shown; empty when none was
    qint16 clock = 0, score = 0; // after the answer
    qint16 penalty = 0;      // points this answer added to the score

    // A finished exam.
    int questions = 0, right = 0;
    QStringList wrongQuestions, wrongComments; // parallel lists

    QDateTime when; // wall-clock time, UTC

    bool operator==(const Entry &) const = default;
};

// An entry's mode as pages and reports name it: 2 "exercise", 3 "exam", any other
// "tactics".
QString modeName(int mode);

// "<folder>/<progress file's base name>Runs.ini".
QString pathBeside(const QString &progressFile);

// The table's field names, in file order.
const QStringList &fieldNames();

// One post's values and back; nothing when the values do not make an entry.
QStringList toValues(const Entry &entry);
std::optional<Entry> fromValues(const QStringList &values);

// Texts inside a value: "\" doubled, line breaks as "\r" and "\n", and "|" (which
// separates the items of a list) as "\p". Any text survives the round trip.
QString escape(const QString &text);
QString unescape(QStringView text);
QString joinList(const QStringList &items);
QStringList splitList(QStringView value);

struct Contents {
    QList<Entry> entries; // file order
    bool missing = false; // no record yet: not a fault
    bool damaged = false; // not our table, or a post that makes no entry
};
Contents read(const QString &path);

// One run of a learner: its entries in the order they were written.
struct Run {
    QString learner;
    int number = 0;
    QList<Entry> entries;
    bool isExam() const { return !entries.isEmpty() && entries.first().kind == Entry::Kind::ExamAttempt; }
    bool finished() const
    {
        return !entries.isEmpty()
            && (isExam() || entries.last().step == Step::Finish);
    }
    const Entry &last() const { return entries.last(); }
};
// The learner's runs, oldest first.
QList<Run> runsOf(const QList<Entry> &entries, const QString &learner);
// The number of the learner's unfinished run of this scenario in this mode, the
// latest one; 0 when there is none.
int unfinishedRun(const QList<Entry> &entries, const QString &learner, int mode, qint16 scenarioId);

// Finished tactics runs of one scenario: how many, and the best and latest score.
struct ScenarioFigures {
    int finished = 0;
    qint16 best = 0, latest = 0;
};
ScenarioFigures figures(const QList<Run> &runs, qint16 scenarioId, int mode = 1);

struct Opened {
    Contents contents;
    QString notice;     // for the learner; empty when all was well
    QString backupPath; // where a damaged record was kept
};
// Reads the record; a damaged or foreign one is kept beside itself (name + ".bak-" +
// time) and a new one is started, with a plain notice saying so.
Opened openOrRenew(const QString &path, const QDateTime &now = QDateTime::currentDateTimeUtc());

struct Appended {
    bool written = false;
    int run = 0;    // the run number the entry was written with
    QString notice; // a failure or a renewed record, in plain words; empty when fine
};
// Adds one entry under the record's lock. An entry of run 0 begins a new run: it gets
// the learner's next number, and the learner's oldest runs go beyond the limit. A
// missing record is created; a damaged or foreign one is renewed as in openOrRenew.
Appended append(const QString &path, Entry entry, const QDateTime &now = QDateTime::currentDateTimeUtc());

} // namespace haz::runrecord
