#pragma once
// What the read and write sides of the table store share: limits, texts and the
// file access both use. Not for use outside clsDataFile.

#include "TableLines.h"
#include "TextCodec.h"

#include <QByteArray>
#include <QString>

#include <limits>
#include <utility>

namespace haz::tablefile {

inline const QString FieldPrefix = QStringLiteral("FieldName=");
inline const QString WrongHeadText = QStringLiteral("Felaktigt filnamn, tabellnamn, inga fält");
inline const QString TooFewText = QStringLiteral("Too few parameters");
inline const QString LineBreakText = QStringLiteral("A value may not contain a line break");
// Positions inside a table are 32-bit: a larger file cannot be held.
inline constexpr qint64 MaxFileBytes = std::numeric_limits<qint32>::max();
inline const QString TooLargeText = QStringLiteral("The file is too large to be a table file");
// Post headers hold 16-bit numbers: a post beyond this one could never be read back.
inline constexpr qint32 MaxPostNumber = std::numeric_limits<qint16>::max();
// A write that did not go through whole: most often the disk is full, or the file
// would grow past the size this user may write.
inline const QString NotWrittenText = QStringLiteral(
    "The file %1 could not be written: the disk may be full, or the file larger than may be written here (%2)");
inline const QString TableFullText = QStringLiteral("The table holds as many posts as it can (32768)");

struct PostHeader {
    qint32 number = -1;
    bool found = false;
};

// Skips lines up to the next one that begins with "[" and reads its post number.
// A number that is not a 16-bit whole number is a RuntimeError.
PostHeader readPostHeader(TableLines &lines);

bool hasLineBreak(const QString &value);

// How many times the store has read the file at `path` (its bytes, whole) in this
// process: what tests count to show that a file is read once.
quint64 readsOf(const QString &path);

// The whole file; RuntimeError 70 or 75 when it cannot be read or is too large.
QByteArray readWholeFile(const QString &path);

// The whole file decoded. An 8-bit file is decoded piece by piece, so that its bytes
// and its text are never held whole at the same time.
QString readDecoded(const QString &path, codec::Encoding encoding);

// The file a path names, through any symbolic links, so that an update replaces the
// file itself and not the link.
QString followLinks(const QString &path);

// A file marked read-only stays as it is, even for a user who could change it.
void refuseReadOnly(const QString &path);

} // namespace haz::tablefile
