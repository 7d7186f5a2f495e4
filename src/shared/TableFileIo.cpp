#include "TableFileIo.h"

#include "Conversions.h"
#include "RuntimeError.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

#include <cstring>

namespace haz::tablefile {

// Skips lines up to the next one that begins with "[" and reads its post number.
// A number that is not a 16-bit whole number is a RuntimeError.
PostHeader readPostHeader(TableLines &lines)
{
    if (!lines.seekLineStartingWith(u'['))
        return {};
    const QStringView line = lines.readLine();
    if (line.size() < 2)
        throw RuntimeError(ErrInvalidCall);
    const QStringView number = line.sliced(1, line.size() - 2);
    // Headers written by the class are plain digits: read those without the
    // general conversion, which accepts much more and costs more per post.
    if (!number.isEmpty() && number.size() <= 4) {
        qint32 value = 0;
        bool digits = true;
        for (const QChar c : number) {
            digits = digits && c >= u'0' && c <= u'9';
            value = value * 10 + (c.unicode() - u'0');
        }
        if (digits)
            return {value, true};
    }
    return {conv::toInt16(number), true};
}

bool hasLineBreak(const QString &value)
{
    return value.contains(u'\n') || value.contains(u'\r');
}

namespace {

QMutex readsMutex;
QHash<QString, quint64> readCounts;

QString countKey(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

void countRead(const QString &path)
{
    const QString key = countKey(path);
    QMutexLocker lock(&readsMutex);
    ++readCounts[key];
}

// Opens `file` for reading; a file that cannot be opened or is too large to read
// is a RuntimeError.
void openForReading(QFile &file)
{
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(file.error() == QFileDevice::PermissionsError ? ErrPermissionDenied
                                                                        : ErrPathFileAccess);
    if (file.size() > MaxFileBytes)
        throw RuntimeError(ErrPathFileAccess, TooLargeText);
}
} // namespace

quint64 readsOf(const QString &path)
{
    const QString key = countKey(path);
    QMutexLocker lock(&readsMutex);
    return readCounts.value(key);
}

QByteArray readWholeFile(const QString &path)
{
    countRead(path);
    QFile file(path);
    openForReading(file);
    QByteArray bytes = file.readAll();
    if (bytes.size() > MaxFileBytes || file.error() != QFileDevice::NoError)
        throw RuntimeError(ErrPathFileAccess, bytes.size() > MaxFileBytes ? TooLargeText : file.errorString());
    return bytes;
}

namespace {

// A UTF-16 file read straight into the text it decodes to, without a copy of its
// bytes: the mark is skipped, lone surrogates and an odd last byte become U+FFFD.
QString readUtf16(const QString &path)
{
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    countRead(path);
    QFile file(path);
    openForReading(file);
    const qint64 size = file.size();
    char mark[2] = {};
    const qint64 start = file.read(mark, 2);
    const bool hasMark = start == 2 && static_cast<unsigned char>(mark[0]) == 0xFF
                         && static_cast<unsigned char>(mark[1]) == 0xFE;
    const qint64 bytes = size - (hasMark ? 2 : 0);
    QString text((bytes + 1) / 2, Qt::Uninitialized);
    char *out = reinterpret_cast<char *>(text.data());
    qint64 got = 0;
    if (!hasMark && start > 0) {
        std::memcpy(out, mark, std::size_t(start));
        got = start;
    }
    while (got < bytes) {
        const qint64 n = file.read(out + got, bytes - got);
        if (n <= 0)
            break;
        got += n;
    }
    if (got != bytes || file.error() != QFileDevice::NoError)
        throw RuntimeError(ErrPathFileAccess, file.errorString());
    codec::mendUtf16(reinterpret_cast<char16_t *>(text.data()), bytes / 2);
    if (bytes % 2 != 0)
        text[text.size() - 1] = QChar(0xFFFD);
    return text;
#else
    return codec::decode(readWholeFile(path), codec::Encoding::Utf16);
#endif
}

} // namespace

QString readDecoded(const QString &path, codec::Encoding encoding)
{
    if (encoding == codec::Encoding::Utf16)
        return readUtf16(path);
    countRead(path);
    QFile file(path);
    openForReading(file);
    // Piece by piece through one small buffer, each decoded straight into the text.
    QString text(file.size(), Qt::Uninitialized);
    constexpr qint64 Piece = 1 << 20;
    QByteArray piece(Piece, Qt::Uninitialized);
    qint64 got = 0;
    for (;;) {
        const qint64 n = file.read(piece.data(), Piece);
        if (n <= 0)
            break;
        if (got + n > text.size()) {
            // The file grew while it was read: take what is there now.
            if (got + n > MaxFileBytes)
                throw RuntimeError(ErrPathFileAccess, TooLargeText);
            text.resize(got + n);
        }
        codec::decodeAnsiInto(piece.constData(), n, reinterpret_cast<char16_t *>(text.data()) + got);
        got += n;
    }
    if (file.error() != QFileDevice::NoError)
        throw RuntimeError(ErrPathFileAccess, file.errorString());
    text.truncate(got);
    return text;
}

// The file a path names, through any symbolic links, so that an update replaces the
// file itself and not the link.
QString followLinks(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? path : target;
}

// A file marked read-only stays as it is, even for a user who could change it.
void refuseReadOnly(const QString &path)
{
    if (!QFileInfo(path).isWritable() || !(QFile::permissions(path) & QFile::WriteOwner))
        throw RuntimeError(ErrPermissionDenied);
}

} // namespace haz::tablefile
