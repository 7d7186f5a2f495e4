#include "TableLines.h"

#include "RuntimeError.h"

#include <QtGlobal>

#include <array>
#include <bit>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace haz {

namespace {

// Bit k set where unit k of the eight (sixteen) at `p` is a line feed.
#ifdef __SSE2__
inline unsigned lineFeedMask(const char16_t *p)
{
    const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    const __m128i feeds = _mm_cmpeq_epi16(units, _mm_set1_epi16(0x000A));
    return unsigned(_mm_movemask_epi8(_mm_packs_epi16(feeds, _mm_setzero_si128())));
}

inline unsigned lineFeedMask16(const char16_t *p)
{
    const __m128i lf = _mm_set1_epi16(0x000A);
    const __m128i low = _mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p)), lf);
    const __m128i high = _mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 8)), lf);
    return unsigned(_mm_movemask_epi8(_mm_packs_epi16(low, high)));
}

// Set bits of an eight-bit mask, by table: the instruction is not in every x86-64.
constexpr auto BitsIn = [] {
    std::array<quint8, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[std::size_t(i)] = quint8((i & 1) + table[std::size_t(i >> 1)]);
    return table;
}();
#endif

} // namespace

qsizetype findLineFeed(const char16_t *data, qsizetype from, qsizetype size)
{
    qsizetype i = from;
#ifdef __SSE2__
    for (; i + 8 <= size; i += 8)
        if (const unsigned mask = lineFeedMask(data + i))
            return i + std::countr_zero(mask);
#endif
    for (; i < size; ++i)
        if (data[i] == u'\n')
            return i;
    return size;
}

QStringView TableLines::readLine()
{
    if (atEnd())
        throw RuntimeError(ErrInputPastEnd);
    const qsizetype start = m_pos;
    const char16_t *data = m_text.utf16();
    const qsizetype size = m_text.size();
    qsizetype end = findLineFeed(data, start, size);
    m_pos = end < size ? end + 1 : end;
    if (end > start && data[end - 1] == u'\r')
        --end;
    return m_text.sliced(start, end - start);
}

bool TableLines::seekLineStartingWith(char16_t c)
{
    const char16_t *data = m_text.utf16();
    const qsizetype size = m_text.size();
    while (m_pos < size) {
        if (data[m_pos] == c)
            return true;
        // The blank lines between posts, without a search.
        if (data[m_pos] == u'\r' && m_pos + 1 < size && data[m_pos + 1] == u'\n') {
            m_pos += 2;
            continue;
        }
        const qsizetype end = findLineFeed(data, m_pos, size);
        m_pos = end < size ? end + 1 : size;
    }
    return false;
}

qsizetype TableLines::skipAtMost(qsizetype count)
{
    const char16_t *data = m_text.utf16();
    const qsizetype size = m_text.size();
    qsizetype skipped = 0;
#ifdef __SSE2__
    // Whole blocks of sixteen units while the lines to skip go past them. A unit is
    // always left after a block, so that a last line without an end is counted below.
    while (skipped < count && m_pos + 16 < size) {
        unsigned mask = lineFeedMask16(data + m_pos);
        const int feeds = BitsIn[mask & 0xFF] + BitsIn[mask >> 8];
        if (skipped + feeds < count) {
            skipped += feeds;
            m_pos += 16;
            continue;
        }
        for (qsizetype k = skipped + 1; k < count; ++k)
            mask &= mask - 1;
        m_pos += std::countr_zero(mask) + 1;
        return count;
    }
#endif
    for (; skipped < count && m_pos < size; ++skipped) {
        m_pos = findLineFeed(data, m_pos, size);
        if (m_pos < size)
            ++m_pos;
    }
    return skipped;
}

void TableLines::skipLines(qsizetype count)
{
    if (skipAtMost(count) < count)
        throw RuntimeError(ErrInputPastEnd);
}

} // namespace haz
