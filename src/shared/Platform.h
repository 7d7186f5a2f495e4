#pragma once
// The few operating-system services the programs need, in one place: where the
// installation and the user's documents are, file names looked up without regard
// to letter case, the hidden attribute and a number for this process.

#include <QString>

class QFile;

namespace haz::platform {

// The folder that holds the running program file, unless a test set another one.
QString installationFolder();
void setInstallationFolder(const QString &folder); // empty restores the default

// The user's documents folder; created when it is missing. Empty when HOME does not
// name a home folder.
QString documentsFolder();

// The existing path whose components match `path` without regard to letter case;
// `path` itself when it exists or nothing matches.
QString resolveCaseInsensitive(const QString &path);
bool fileExists(const QString &path); // after case-insensitive resolution

// Hidden files are listed by name in the ".hidden" file of their folder, as file
// managers on this platform expect.
bool setHidden(const QString &path, bool hidden);
bool isHidden(const QString &path);

// Forces what was written to `file` onto the disk.
bool flushToDisk(QFile &file);
// Puts `from` in the place of `to` in one step; both must be in the same folder. The
// folder is flushed too, so that the new name survives a power cut.
bool replaceFile(const QString &from, const QString &to);

// The temporary file this process writes beside a file it updates: hidden by its
// leading dot, and named by the process number so that no two processes share one.
QString temporaryFileIn(const QString &folder);
// Removes the temporary files of processes that no longer run from `folder` (also
// those of the older visible form "~<number>.ini"). Looks at each folder once per
// process.
void removeStaleTemporaryFiles(const QString &folder);

// A write past the process's file-size limit fails like one on a full disk (and is
// reported as such) instead of ending the program without a word.
void treatFileSizeLimitAsFullDisk();

// Identifies the running process, for temporary file names.
qint64 processNumber();

// Joins a folder and a name with exactly one "/" between them.
QString joinPath(const QString &folder, const QString &name);

} // namespace haz::platform
