#pragma once
// Before a learner signs in: can the program keep progress where it keeps it? Each
// check tells the learner in plain words which folder or file is the problem and
// returns False; nothing is written outside the documents folder.

#include <QString>

namespace haz {
class MessageService;
}

namespace haz::platform {

// The documents folder: known (HOME is set), a folder, and one the program may write
// in. Also clears temporary files that ended processes left there.
bool checkDocumentsFolder(MessageService &messages, const QString &title);

// The progress file, when it exists: an ordinary file that may be read and written.
bool checkProgressFile(const QString &path, MessageService &messages, const QString &title);

// The text for the first problem found, or nothing.
QString documentsFolderProblem();
QString progressFileProblem(const QString &path);

} // namespace haz::platform
