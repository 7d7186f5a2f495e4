#pragma once
// Start-up work of the course program that needs no window, and the small shared
// routines every part of the program uses.

#include "ProgramState.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace haz {
class clsDataFile;
class MessageService;
} // namespace haz

namespace training::basMain {

// The messages shown when a platform service the program relies on is missing.
extern const QString FileSystemMissingText;
extern const QString ShellMissingText;

// The file services: the installation folder must exist and be readable.
bool createFileSystemObject(haz::MessageService &messages);
// The shell services: the documents folder must exist (it is created when missing).
bool createShellObject(haz::MessageService &messages);

// The first two characters of the first line of "lang.ini" in `installDir`; empty
// when that line is empty. A missing file is RuntimeError 53.
QString readLangCode(const QString &installDir);

// Sets htmlDir, imagesDir and iniDir below state.paths.installDir.
void setInstallationPaths(ProgramState &state);

// Reads "captions.ini" of the ini folder (UTF-16); null when it cannot be read.
std::shared_ptr<const haz::clsDataFile> readCaptionTable(const QString &iniDir);

// The caption texts that later code keeps (message texts, label prefixes).
const QStringList &keptTextIds();

// Replaces every occurrence of `search`, looking again from the start of the new
// text after each replacement (so occurrences the replacement completes are caught).
// An empty search text changes nothing; a replacement that contains the search text
// is applied once per occurrence of the original text.
QString replaceText(const QString &text, const QString &search, const QString &replacement);

// The file names (no path) of `folder`, sorted by name. A missing folder gives the
// single empty name.
QStringList listFolderFiles(const QString &folder);

// The fact list and quiz list files of the ini folder, in the order start-up reads them.
const QStringList &factListFiles();
const QStringList &quizListFiles();

// Reads the seven fact lists and five quiz lists from the ini folder; a list whose
// file cannot be read stays empty. Returns one line per file that is there but could
// not be read in full: its name and what is wrong with it.
QStringList loadContentLists(ProgramState &state);

// The message that tells the author which list files could not be read, and why.
QString listProblemsText(const QStringList &problems);

} // namespace training::basMain
