#pragma once
// `coursetool build`: turns the readable course sources (UTF-8, LF line ends) into an
// installation folder in the encodings the programs read: "lang.ini" and "user.ini"
// at the top in Windows-1252, every table file under "ini/" in UTF-16 with a
// byte-order mark, all with CR LF. Pages, pictures and everything else are copied as
// they are. Files are rewritten only when their content changes.

#include <QString>
#include <QStringList>

namespace coursetool {

// The files that could not be installed (relative to the source folder); empty when
// everything was. Build files of the source folder (CMakeLists.txt, *.cpp, *.md and
// the tools/ folder) are not part of the course.
QStringList buildCourse(const QString &sourceFolder, const QString &installFolder);

} // namespace coursetool
