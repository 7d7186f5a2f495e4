#include "TableLines.h"

#include "RuntimeError.h"

namespace haz {

QStringView TableLines::readLine()
{
    if (atEnd())
        throw RuntimeError(ErrInputPastEnd);
    const qsizetype start = m_pos;
    qsizetype end = m_text.indexOf(u'\n', start);
    if (end < 0) {
        end = m_text.size();
        m_pos = end;
    } else {
        m_pos = end + 1;
    }
    if (end > start && m_text[end - 1] == u'\r')
        --end;
    return m_text.sliced(start, end - start);
}

} // namespace haz
