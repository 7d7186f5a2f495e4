#pragma once
// `coursetool report`: the progress files of many machines merged into one class.
// A learner is a name; the same name in two files is one learner, whose values come
// from the file changed last (the notes say so). Within one file the first post of a
// name is the learner's, as the programs take it.
//
// Run records, when given, are the fuller account of a learner's runs: for a learner
// found in one, the finished scenario runs and the exam attempts come from the record
// (every record's runs count, since each machine keeps its own); the progress file's
// completed lists serve the learners no record holds.

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace coursetool {

// The subjects in the order of the course's tabs: caption word and field prefix.
struct SubjectColumn {
    QString name;   // "Ident"
    QString prefix; // "ide": fields idePos … as in the progress file
};
const QList<SubjectColumn> &subjectColumns();

// Every finished run of one scenario in one mode, newest first.
struct ScenarioRuns {
    QList<qint32> scores;
    QList<QDateTime> finished; // when each run ended (UTC); empty when not recorded
    qint32 latest() const { return scores.value(0); }
    // The best run is the one the progress tab rates highest: the lowest score.
    qint32 best() const;
};

// The run record's and the progress file's mode numbers.
enum class RunMode { Tactics = 1, Exercise = 2, Exam = 3 };
QString modeName(RunMode mode); // "tactics", "exercise", "exam"

struct Counts {
    qint32 answered = 0;
    qint32 correct = 0;
};

// A finished exam, from a run record.
struct ExamAttempt {
    QDateTime when; // UTC
    qint32 questions = 0;
    qint32 right = 0;
};

struct LearnerResult {
    QString name;
    QString file;      // the progress file the values come from
    QDateTime changed; // that file's modification time (UTC)
    QList<Counts> subjects; // in subjectColumns order
    Counts exercise;
    Counts exam;
    // Keyed by mode and scenario id.
    QMap<std::pair<RunMode, qint16>, ScenarioRuns> scenarios;
    bool fromRecord = false;           // scenarios and attempts come from run records
    QList<ExamAttempt> examAttempts;   // oldest first; only from run records
};

// What the course says about the results, when its installation folder is given.
struct CourseFacts {
    QList<qint32> subjectQuestions;  // per subject, in subjectColumns order
    QMap<qint16, QString> scenarioNames;
    QMap<qint16, std::pair<qint16, qint16>> scenarioRange; // PoangMin, PoangMax
};
// RuntimeError-free: what cannot be read stays out.
CourseFacts readCourseFacts(const QString &installFolder);

struct ClassReport {
    QList<LearnerResult> learners; // by name
    QStringList notes;             // merges and files that could not be read
    bool withRecords = false;      // run records were given: their columns are shown
    std::optional<CourseFacts> course;
    // Every (mode, scenario) some learner finished, for the columns.
    QList<std::pair<RunMode, qint16>> scenarioColumns() const;
    // The most exam attempts of any learner.
    qsizetype mostExamAttempts() const;
};

ClassReport mergeProgressFiles(const QStringList &files);

// Reads the run records through the programs' own reader and puts their finished runs
// and exam attempts in place of the progress files' lists, learner by learner. A
// learner found only in a record joins the class, with a note.
void mergeRunRecords(ClassReport &report, const QStringList &records);

} // namespace coursetool
