#pragma once
// Reads a decoded table file line by line. Lines end in LF or CR LF; the last line
// may have no end. Reading past the end is RuntimeError 62, as with any text stream.

#include <QString>
#include <QStringView>

namespace haz {

class TableLines {
public:
    explicit TableLines(QStringView text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    QStringView readLine();
    // Moves past `count` lines without looking at them; RuntimeError 62 past the end.
    void skipLines(qsizetype count);
    // Moves past up to `count` lines, stopping at the end; how many it moved past.
    qsizetype skipAtMost(qsizetype count);
    // Offset (in characters) where the next line starts; the text's size at the end.
    qsizetype position() const { return m_pos; }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

} // namespace haz
