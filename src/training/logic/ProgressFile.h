#pragma once
// The learners' progress file: one post of 48 fields per learner, in the documents
// folder, Windows-1252, hidden. Scenario reads some fields by position, so the
// field order of the installation's template is part of the format.

#include "LearnerRecord.h"
#include "ProgramState.h"
#include "ProgressLayout.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace haz {
class clsDataFile;
class MessageService;
} // namespace haz

namespace training::progress {

// The layout of the file is haz::progress's table (ProgressLayout.h).
inline constexpr int FieldCount = haz::progress::FieldCount;

// Documents folder + "/" + language code + stem + ".ini".
QString progressFilePath(const QString &documentsFolder, const QString &langCode,
                         const QString &userFileStem);

// Copies the template to `userFile` (replacing whatever is there) and hides the copy.
bool copyTemplate(const QString &templatePath, const QString &userFile);

// First start: creates the progress file from the template when it does not exist.
// True when it was created. A template that is missing or cannot be copied is a
// RuntimeError (53 or 75): a course without it could keep nobody's progress.
bool createIfMissing(const QString &templatePath, const QString &userFile);

// Opens the progress file for the learner dialog. A file that cannot be opened gives
// no names. A damaged file, or one whose fields are not the layout's, is kept beside
// itself as a backup (name + ".bak-" + date-time) and replaced by the template; it
// gives no names.
struct OpenResult {
    bool readable = false;
    bool replaced = false;
    QString backupPath;
    QStringList names; // UserName of every post, in file order
};
OpenResult openForLearnerDialog(const QString &userFile, const QString &templatePath,
                                const QDateTime &now);

// Learner names. Blanks around a name are removed before it is looked up, added or
// used; commas, control characters, characters the 8-bit file cannot hold and the
// words the scenario command line uses as keys are refused.
enum class NameCheck { Empty, Refused, Ok };
NameCheck checkLearnerName(const QString &typed, QString &name);

// False when the file is marked read-only or cannot be opened for writing: a
// save at the exit would fail.
bool canBeWritten(const QString &userFile);

// Appends the post of a new learner: the name and "-1" in every other field. The
// caller holds the file's lock from the look-up that found no such learner.
bool addLearner(const QString &userFile, const QString &name);

// The slot of the learner's post in a read progress file, or nothing.
std::optional<qint32> findLearnerSlot(const haz::clsDataFile &file, const QString &name);

// The learner's post from one reading of the file. Nothing when the file cannot be
// read or holds no post of that name; `fieldsRead` gets the file's field names
// whenever the file was read.
std::optional<LearnerRecord> readLearnerRecord(const QString &userFile, const QString &name,
                                               QStringList *fieldsRead = nullptr);
// The post addLearner writes into a file of these fields, as a reading gives it back.
LearnerRecord newLearnerRecord(const QString &name, const QStringList &fields);
// The learner's counters from the post; a value that does not convert is a
// RuntimeError for the caller.
void readLearnerProgress(const LearnerRecord &record, LearnerProgress &progress);

// Reads the learner's post into `progress`. False (nothing changed) when the file
// cannot be read or holds no post of that name; a value that does not convert is a
// RuntimeError for the caller.
bool readLearnerProgress(const QString &userFile, const QString &name, LearnerProgress &progress);

// The fields the program writes back at exit, in the order the layout gives.
struct SavedField {
    QString name;
    QString value;
    bool countsAsStep; // every field but selTab and takFactPos advances the save bar
};
QList<SavedField> savedFields(const LearnerProgress &progress, qint32 selectedTab);

// Writes the 29 fields of the learner's post in one rewrite that leaves the file one
// update per field would, then calls `step` once for each field that counts. The file
// is read and written under its lock. Each field that could not be written is reported
// with "Could not save setting for user" and the other fields are still written. A
// file that cannot be read or holds no post of that name is reported and nothing is
// written. A platform error (a busy, locked or read-only file, a full disk) ends the
// save as a RuntimeError; the caller reports it.
enum class SaveOutcome { Saved, PartlySaved, NotWritten };
SaveOutcome saveLearnerProgress(const QString &userFile, const QString &name,
                                const LearnerProgress &progress, qint32 selectedTab,
                                haz::MessageService &messages, const std::function<void()> &step);



} // namespace training::progress
