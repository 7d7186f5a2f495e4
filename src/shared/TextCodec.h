#pragma once
// The two encodings of table files: UTF-16 little-endian (with a byte-order mark at
// the start of a new file) and the 8-bit Western code page Windows-1252. Decoding
// never fails: bytes that mean nothing become U+FFFD.

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace haz::codec {

enum class Encoding { Utf16, Ansi };

QString decode(const QByteArray &bytes, Encoding encoding);

// Windows-1252 bytes decoded into `count` units at `dst` (one unit per byte).
void decodeAnsiInto(const char *src, qsizetype count, char16_t *dst);

// UTF-16 units already in place: every lone surrogate becomes U+FFFD.
void mendUtf16(char16_t *units, qsizetype count);

// Characters that Windows-1252 cannot hold are written as "?".
QByteArray encode(QStringView text, Encoding encoding);

// What a new file of this encoding starts with (the UTF-16 byte-order mark, or nothing).
QByteArray fileStart(Encoding encoding);

// The line end written into every file.
inline constexpr QStringView lineEnd = u"\r\n";

} // namespace haz::codec
