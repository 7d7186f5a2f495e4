#include "TableLines.h"

#include "RuntimeError.h"

namespace haz {

QStringView TableLines::readLine()
{
    if (atEnd())
        throw RuntimeError(ErrInputPastEnd);
    const qsizetype start = m_pos;
    // Lines are short; a plain scan beats the general search here.
    const char16_t *data = m_text.utf16();
    const qsizetype size = m_text.size();
    qsizetype end = start;
    while (end < size && data[end] != u'\n')
        ++end;
    m_pos = end < size ? end + 1 : end;
    if (end > start && m_text[end - 1] == u'\r')
        --end;
    return m_text.sliced(start, end - start);
}

} // namespace haz

namespace haz {

void TableLines::skipLines(qsizetype count)
{
    const char16_t *data = m_text.utf16();
    const qsizetype size = m_text.size();
    for (qsizetype n = 0; n < count; ++n) {
        if (m_pos >= size)
            throw RuntimeError(ErrInputPastEnd);
        while (m_pos < size && data[m_pos] != u'\n')
            ++m_pos;
        if (m_pos < size)
            ++m_pos;
    }
}

} // namespace haz
