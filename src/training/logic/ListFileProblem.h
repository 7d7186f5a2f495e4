#pragma once
// Why a course list file that is there gives no list, in words the course's author can
// act on. A missing file is no fault (its list is simply empty), so it has no text.

#include <QString>

namespace haz {
class clsDataFile;
}

namespace training {

// `file` is the table the reader used on `path`, `read` what its readData returned;
// `keyField` is the field every entry of the list needs. Empty when nothing is wrong.
QString listFileProblem(const haz::clsDataFile &file, bool read, const QString &path, const QString &keyField);

} // namespace training
