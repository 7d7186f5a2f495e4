#pragma once
// The floors the benchmarks measure against, each the least any program must do for
// the same result:
//  - reading a table: the file's bytes read and every line end counted, vectorised
//    (sixteen bytes at a time), over the same bytes;
//  - rewriting a file safely: its bytes copied to a new file beside it, the copy
//    flushed to disk, renamed over the file and the folder flushed.

#include "Platform.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace floors {

// Line ends in 8-bit text.
inline qsizetype countLineEnds8(const char *data, qsizetype size)
{
    qsizetype count = 0, i = 0;
#ifdef __SSE2__
    const __m128i lf = _mm_set1_epi8('\n');
    while (i + 16 <= size) {
        // Up to 255 blocks add into byte counters before they are summed.
        __m128i counters = _mm_setzero_si128();
        const qsizetype blockEnd = std::min(size - 15, i + 255 * 16);
        for (; i < blockEnd; i += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
            counters = _mm_sub_epi8(counters, _mm_cmpeq_epi8(bytes, lf));
        }
        const __m128i sums = _mm_sad_epu8(counters, _mm_setzero_si128());
        count += _mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4);
    }
#endif
    return count + std::count(data + i, data + size, '\n');
}

// Line ends in UTF-16 little-endian text: the unit 0x000A.
inline qsizetype countLineEnds16(const char16_t *units, qsizetype size)
{
    qsizetype count = 0, i = 0;
#ifdef __SSE2__
    const __m128i lf = _mm_set1_epi16(0x000A);
    while (i + 8 <= size) {
        __m128i counters = _mm_setzero_si128();
        const qsizetype blockEnd = std::min(size - 7, i + 32767 * 8);
        for (; i < blockEnd; i += 8) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(units + i));
            counters = _mm_sub_epi16(counters, _mm_cmpeq_epi16(chunk, lf));
        }
        alignas(16) qint16 lanes[8];
        _mm_store_si128(reinterpret_cast<__m128i *>(lanes), counters);
        for (qint16 lane : lanes)
            count += lane;
    }
#endif
    return count + std::count(units + i, units + size, u'\n');
}

// The table-read floor: read the whole file, count its line ends.
inline qsizetype readAndCountLineEnds(const QString &path, bool utf16)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = f.readAll();
    if (!utf16)
        return countLineEnds8(bytes.constData(), bytes.size());
    const qsizetype start = bytes.startsWith("\xFF\xFE") ? 2 : 0;
    return countLineEnds16(reinterpret_cast<const char16_t *>(bytes.constData() + start), (bytes.size() - start) / 2);
}

// The rewrite floor: copy, flush the copy, rename it over the file, flush the folder.
inline bool crashSafeRewrite(const QString &path)
{
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    source.close();
    const QString temporary = QFileInfo(path).absolutePath() + QStringLiteral("/.floor.tmp");
    QFile copy(temporary);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate) || copy.write(bytes) != bytes.size()
        || !haz::platform::flushToDisk(copy))
        return false;
    copy.close();
    return haz::platform::replaceFile(temporary, path);
}

} // namespace floors
