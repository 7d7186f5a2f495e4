#pragma once
// The scenario program's shared routines that need no window: the command line, the
// language file, the documents folder, the answer string and its sorting, line
// counting and the simulated clock's text.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace haz {
class MessageService;
}

namespace scenario {

struct clsSvarsAlt;
struct clsFacit;

namespace GenericSubs {

inline const QString FileSystemMessage = QStringLiteral(
    "Could not create scripting runtime object! Make sure Internet Explorer 5 or higher is installed");
inline const QString ShellMessage = QStringLiteral(
    "Could not create WScript.Shell (wshom.ocx)! Make sure Internet Explorer 5 or higher is installed");

// The file services: the installation folder must be there to read anything.
bool createFileSystemObject(haz::MessageService &messages);
// The shell services: the documents folder must be there (it is created if missing).
bool createShellObject(haz::MessageService &messages);
QString getMyDocumentsPath();

// The first two lines of "Lang.ini" in the installation folder (8-bit text;
// empty folder: the program's own). A file
// that is missing is RuntimeError 53, one with fewer than two lines 62.
QStringList readLangFile(const QString &installFolder = {});

// The program's arguments joined by single blanks: the argument string.
QString argumentString(const QStringList &argumentsAfterProgram);
// The user name and the mode: after the key (any letter case, anywhere), or from the
// fifth character when the key is missing, up to the first comma.
QString getCmdUser(const QString &argumentString);
// RuntimeError 13 (with the mode text in the description) when it is not a number.
qint16 getCmdMode(const QString &argumentString);

// Occurrences of `search` in `text`; the first find ignores letter case, the
// following ones do not.
qint16 countLineMarks(const QString &search, const QString &text);

// Ascending by character codes ("10" before "9").
void sortArray(QStringList &values);

// The chosen alternatives' numbers in display order, joined by ",".
QString getAnswerString(const QList<clsSvarsAlt> &alternatives,
                        const std::function<bool(qint16 svarsAltId)> &isChosen);

// The key row an answer takes: the first whose token set equals the answer's when
// that row has an action, else the last "*" row (a matching row left without an
// action falls through to it), else that matching row; nullptr when nothing fits.
const clsFacit *matchAnswer(const QString &answerString, const QList<clsFacit> &keyRows);

// "8 tim : 5 min": hours and minutes of the clock with the caption unit words.
QString simClockText(qint16 simMinutes, const QString &hoursWord, const QString &minutesWord);

} // namespace GenericSubs
} // namespace scenario
