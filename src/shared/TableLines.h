#pragma once
// Reads a decoded table file line by line. Lines end in LF or CR LF; the last line
// may have no end. Reading past the end is RuntimeError 62, as with any text stream.

#include <QString>
#include <QStringView>

namespace haz {

// Where the next line feed at or after `from` is; `size` when there is none. Eight
// units are looked at at once: whole files are scanned line by line.
qsizetype findLineFeed(const char16_t *data, qsizetype from, qsizetype size);

class TableLines {
public:
    explicit TableLines(QStringView text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    QStringView readLine();
    // Moves past `count` lines without looking at them; RuntimeError 62 past the end.
    void skipLines(qsizetype count);
    // Moves to the start of the next line that begins with `c` (true), or to the end
    // (false).
    bool seekLineStartingWith(char16_t c);
    // Moves past up to `count` lines, stopping at the end; how many it moved past.
    qsizetype skipAtMost(qsizetype count);
    // Offset (in characters) where the next line starts; the text's size at the end.
    qsizetype position() const { return m_pos; }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

} // namespace haz
