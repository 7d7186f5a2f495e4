#include "clsDataFile.h"

#include "Conversions.h"
#include "Platform.h"
#include "RuntimeError.h"
#include "TableFileIo.h"
#include "TableLines.h"

#include <QDir>
#include <QFileInfo>

#include <string>
#include <utility>

namespace haz {

using namespace tablefile;

// ---------------------------------------------------------------- post table

QStringView detail::PostTable::cellView(int column, int slot) const
{
    if (column < 2 || column >= columns || slot < 0 || slot >= filledSlots)
        return {};
    const Row &row = rows[std::size_t(slot)];
    if (column - 2 >= row.present)
        return {};
    // Walk the post's lines to the one asked for; lines end as TableLines reads them.
    const char16_t *data = reinterpret_cast<const char16_t *>(text.utf16());
    const qsizetype size = text.size();
    qsizetype start = row.start;
    for (int skip = column - 2; skip > 0; --skip)
        start = std::min(findLineFeed(data, start, size) + 1, size);
    qsizetype end = findLineFeed(data, start, size);
    if (end > start && data[end - 1] == u'\r')
        --end;
    return QStringView(text).sliced(start, end - start);
}

QString detail::PostTable::cell(int column, int slot) const
{
    if (column == 1)
        return slot < filledSlots ? QString::number(slot) : QString();
    return cellView(column, slot).toString();
}

// ---------------------------------------------------------------- find result

QString FindResult::at(int column, int match) const
{
    if (m_unknownField)
        throw RuntimeError(ErrSubscript);
    const int lastMatch = std::max(1, matchCount());
    if (column < 0 || column > lastColumn() || match < 0 || match > lastMatch)
        throw RuntimeError(ErrSubscript);
    if (column == 0 || match == 0 || match > matchCount())
        return {};
    return m_table->cell(column, m_slots[std::size_t(match - 1)]);
}

QString FindResult::at(int position) const
{
    if (!m_unknownField || position < 0 || position > 1)
        throw RuntimeError(ErrSubscript);
    return position == 1 ? QStringLiteral("-1") : QString();
}

int FindResult::lastColumn() const
{
    return m_table ? m_table->columns - 1 : 0;
}

bool FindResult::hasMatch() const
{
    if (m_unknownField)
        return false;
    return at(1, 1) != QLatin1String("-1") && !at(2, 1).isEmpty();
}

// ---------------------------------------------------------------- reading

clsDataFile::clsDataFile() = default;
clsDataFile::~clsDataFile() = default;

codec::Encoding clsDataFile::encoding() const
{
    return m_nonUniCodeMode ? codec::Encoding::Ansi : codec::Encoding::Utf16;
}

void clsDataFile::noteError(const QString &text, qint32 number)
{
    m_lastErrorText = text;
    m_lastErrorNumber = number;
}

bool clsDataFile::readData(const QString &path)
{
    m_readOk = false;
    m_numPosts = 0;
    const QString resolved = platform::resolveCaseInsensitive(path);
    if (!platform::fileExists(resolved))
        return false;
    try {
        const QString text = readDecoded(resolved, encoding());
        TableLines lines(text);
        if (!readTableName(lines) || !readFieldNames(lines))
            return false;
        if (!readPosts(lines, text))
            return false;
    } catch (const RuntimeError &e) {
        noteError(e.description(), e.number());
        return false;
    }
    m_readOk = true;
    return true;
}

bool clsDataFile::readTableName(TableLines &lines)
{
    try {
        const QStringView line = lines.readLine();
        if (line.size() < 2 || !line.startsWith(u'[') || !line.endsWith(u']'))
            return false;
        m_tableName = line.sliced(1, line.size() - 2).toString();
        return true;
    } catch (const RuntimeError &e) {
        noteError(e.description(), e.number());
        return false;
    }
}

bool clsDataFile::readFieldNames(TableLines &lines)
{
    try {
        QStringView line = lines.readLine();
        m_numFields = 0;
        m_fieldNames.clear();
        while (line.startsWith(FieldPrefix, Qt::CaseInsensitive)) {
            ++m_numFields;
            m_fieldNames << line.sliced(FieldPrefix.size()).toString();
            line = lines.atEnd() ? QStringView() : lines.readLine();
        }
        return true;
    } catch (const RuntimeError &e) {
        noteError(e.description(), e.number());
        return false;
    }
}

bool clsDataFile::readPosts(TableLines &lines, const QString &text)
{
    auto table = std::make_shared<detail::PostTable>();
    table->text = text;
    table->columns = m_numFields + 3;
    const qsizetype valueColumns = qsizetype(m_numFields) + 1;
    int p = 0;
    bool ok = true;
    try {
        while (!lines.atEnd()) {
            if (!readPostHeader(lines).found)
                continue;
            detail::PostTable::Row row{qint32(lines.position()), 0};
            row.present = qint32(lines.skipAtMost(valueColumns));
            table->rows.push_back(row);
            ++p;
        }
    } catch (const RuntimeError &e) {
        noteError(e.description(), e.number());
        ok = false;
    }
    table->filledSlots = p;
    table->lastSlot = std::max(1, p - 1);
    m_data = std::move(table);
    m_numPosts = p;
    return ok;
}

int clsDataFile::fieldColumn(const QString &name) const
{
    for (qsizetype k = 0; k < m_fieldNames.size(); ++k) {
        // Names of another length never match; the letter-case comparison is dear.
        if (m_fieldNames[k].size() == name.size() && m_fieldNames[k].compare(name, Qt::CaseInsensitive) == 0)
            return int(k) + 2;
    }
    return -1;
}

QString clsDataFile::getPostPosField(qint32 slot, const QString &field) const
{
    if (!m_data)
        throw RuntimeError(ErrSubscript);
    const int c = fieldColumn(field);
    if (c == -1 || slot > m_data->lastSlot)
        return {};
    if (slot < 0)
        throw RuntimeError(ErrSubscript);
    return m_data->cell(c, slot);
}

FindResult clsDataFile::findPosts(const QString &field, const QString &value) const
{
    if (!m_data)
        throw RuntimeError(ErrSubscript);
    FindResult result;
    result.m_table = m_data;
    const int c = fieldColumn(field);
    if (c == -1) {
        result.m_unknownField = true;
        return result;
    }
    for (int slot = 0; slot <= m_data->lastSlot; ++slot) {
        if (conv::trimBlanks(m_data->cellView(c, slot)) == value)
            result.m_slots.push_back(slot);
    }
    return result;
}

quint64 clsDataFile::readsOf(const QString &path)
{
    return tablefile::readsOf(path);
}

QList<QStringList> clsDataFile::allReadData() const
{
    QList<QStringList> data;
    if (!m_data)
        return data;
    for (int column = 0; column < m_data->columns; ++column) {
        QStringList columnValues;
        for (int slot = 0; slot <= m_data->lastSlot; ++slot)
            columnValues << (column == 0 ? QString() : m_data->cell(column, slot));
        data << columnValues;
    }
    return data;
}

qint32 clsDataFile::postLine(qint32 slot) const
{
    if (!m_data || slot < 0 || slot >= m_data->filledSlots)
        return 0;
    const qint32 start = m_data->rows[std::size_t(slot)].start;
    return qint32(QStringView(m_data->text).first(start).count(u'\n')) + 1;
}

} // namespace haz
