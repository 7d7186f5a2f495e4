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

// The user's documents folder; created when it is missing.
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
// Puts `from` in the place of `to` in one step; both must be in the same folder.
bool replaceFile(const QString &from, const QString &to);

// Identifies the running process, for temporary file names.
qint64 processNumber();

// Joins a folder and a name with exactly one "/" between them.
QString joinPath(const QString &folder, const QString &name);

} // namespace haz::platform
