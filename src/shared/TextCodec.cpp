#include "TextCodec.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace haz::codec {

namespace {

constexpr char16_t Replacement = 0xFFFD;

// 0x80..0x9F of Windows-1252; 0 marks the five undefined bytes.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

QString decodeAnsi(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    decodeAnsiInto(bytes.constData(), bytes.size(), reinterpret_cast<char16_t *>(out.data()));
    return out;
}

QString decodeUtf16(const QByteArray &bytes)
{
    qsizetype start = 0;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF
        && static_cast<unsigned char>(bytes[1]) == 0xFE)
        start = 2;
    const qsizetype units = (bytes.size() - start) / 2;
    const bool oddByte = ((bytes.size() - start) % 2) != 0;
    QString out(units + (oddByte ? 1 : 0), Qt::Uninitialized);
    char16_t *dst = reinterpret_cast<char16_t *>(out.data());
    const auto *src = reinterpret_cast<const unsigned char *>(bytes.constData()) + start;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    std::memcpy(dst, src, std::size_t(units) * 2);
#else
    for (qsizetype i = 0; i < units; ++i)
        dst[i] = char16_t(src[2 * i] | (src[2 * i + 1] << 8));
#endif
    mendUtf16(dst, units);
    if (oddByte)
        dst[units] = Replacement;
    return out;
}

} // namespace

void decodeAnsiInto(const char *source, qsizetype size, char16_t *dst)
{
    // Windows-1252 is Latin-1 but for 0x80..0x9F; plain ASCII, by far the most, is
    // widened sixteen bytes at a time, other blocks byte by byte.
    const auto *src = reinterpret_cast<const unsigned char *>(source);
    qsizetype i = 0;
    while (i < size) {
#ifdef __SSE2__
        if (i + 16 <= size) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + i));
            if (!_mm_movemask_epi8(bytes)) {
                const __m128i zero = _mm_setzero_si128();
                _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + i), _mm_unpacklo_epi8(bytes, zero));
                _mm_storeu_si128(reinterpret_cast<__m128i *>(dst + i + 8), _mm_unpackhi_epi8(bytes, zero));
                i += 16;
                continue;
            }
        }
#endif
        for (const qsizetype end = std::min(size, i + 16); i < end; ++i) {
            const unsigned char b = src[i];
            const char16_t high = b >= 0x80 && b < 0xA0 ? HighControls[b - 0x80] : b;
            dst[i] = high ? high : (b ? Replacement : char16_t(0));
        }
    }
}

void mendUtf16(char16_t *dst, qsizetype units)
{
    // Surrogates must come in pairs; a lone half means nothing.
    for (qsizetype i = 0; i < units; ++i) {
#ifdef __SSE2__
        // Text without surrogates, by far the most, is passed eight units at a time.
        while (i + 8 <= units) {
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(dst + i));
            const __m128i high = _mm_and_si128(chunk, _mm_set1_epi16(short(0xF800)));
            if (_mm_movemask_epi8(_mm_cmpeq_epi16(high, _mm_set1_epi16(short(0xD800)))))
                break;
            i += 8;
        }
        if (i >= units)
            break;
#endif
        const char16_t c = dst[i];
        if (c < 0xD800 || c > 0xDFFF)
            continue;
        if (c <= 0xDBFF && i + 1 < units && dst[i + 1] >= 0xDC00 && dst[i + 1] <= 0xDFFF) {
            ++i;
            continue;
        }
        dst[i] = Replacement;
    }
}

namespace {

char encodeAnsiChar(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == u && u != 0)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

QString decode(const QByteArray &bytes, Encoding encoding)
{
    return encoding == Encoding::Utf16 ? decodeUtf16(bytes) : decodeAnsi(bytes);
}

QByteArray encode(QStringView text, Encoding encoding)
{
    QByteArray out;
    if (encoding == Encoding::Utf16) {
        out.resize(text.size() * 2);
        char *dst = out.data();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t u = text[i].unicode();
            dst[2 * i] = char(u & 0xFF);
            dst[2 * i + 1] = char(u >> 8);
        }
        return out;
    }
    out.resize(text.size());
    char *dst = out.data();
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        // A surrogate pair is one character outside the code page: one "?".
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1].unicode() >= 0xDC00
            && text[i + 1].unicode() <= 0xDFFF)
            ++i;
        dst[n++] = encodeAnsiChar(u);
    }
    out.resize(n);
    return out;
}

QByteArray fileStart(Encoding encoding)
{
    if (encoding == Encoding::Utf16)
        return QByteArray("\xFF\xFE", 2);
    return {};
}

} // namespace haz::codec
