#include "clsDataFile.h"

#include "Conversions.h"
#include "Platform.h"
#include "RuntimeError.h"
#include "TableLines.h"

#include <QDir>
#include <QFileInfo>

#include <limits>
#include <utility>

namespace haz {

namespace {

const QString FieldPrefix = QStringLiteral("FieldName=");
const QString WrongHeadText = QStringLiteral("Felaktigt filnamn, tabellnamn, inga fält");
const QString TooFewText = QStringLiteral("Too few parameters");
const QString LineBreakText = QStringLiteral("A value may not contain a line break");

struct PostHeader {
    qint32 number = -1;
    bool found = false;
};

// Skips lines up to the next one that begins with "[" and reads its post number.
// A number that is not a 16-bit whole number is a RuntimeError.
PostHeader readPostHeader(TableLines &lines)
{
    for (;;) {
        if (lines.atEnd())
            return {};
        const QStringView line = lines.readLine();
        if (!line.startsWith(u'['))
            continue;
        if (line.size() < 2)
            throw RuntimeError(ErrInvalidCall);
        return {conv::toInt16(line.sliced(1, line.size() - 2)), true};
    }
}

bool hasLineBreak(const QString &value)
{
    return value.contains(u'\n') || value.contains(u'\r');
}

// Positions inside a table are 32-bit: a larger file cannot be held.
constexpr qint64 MaxFileBytes = std::numeric_limits<qint32>::max();
const QString TooLargeText = QStringLiteral("The file is too large to be a table file");
// Post headers hold 16-bit numbers: a post beyond this one could never be read back.
constexpr qint32 MaxPostNumber = std::numeric_limits<qint16>::max();
const QString TableFullText = QStringLiteral("The table holds as many posts as it can (32768)");

QByteArray readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RuntimeError(file.error() == QFileDevice::PermissionsError ? ErrPermissionDenied
                                                                        : ErrPathFileAccess);
    if (file.size() > MaxFileBytes)
        throw RuntimeError(ErrPathFileAccess, TooLargeText);
    QByteArray bytes = file.readAll();
    if (bytes.size() > MaxFileBytes || file.error() != QFileDevice::NoError)
        throw RuntimeError(ErrPathFileAccess, bytes.size() > MaxFileBytes ? TooLargeText : file.errorString());
    return bytes;
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

// Removes the temporary file unless the update went through.
class TemporaryFileGuard {
public:
    explicit TemporaryFileGuard(QString path) : m_path(std::move(path)) {}
    ~TemporaryFileGuard()
    {
        if (!m_released)
            QFile::remove(m_path);
    }
    void release() { m_released = true; }

private:
    QString m_path;
    bool m_released = false;
};

} // namespace

// ---------------------------------------------------------------- post table

QStringView detail::PostTable::cellView(int column, int slot) const
{
    if (column < 2 || column >= columns || slot < 0 || slot >= filledSlots)
        return {};
    const Span &span = spans[std::size_t(slot) * std::size_t(columns - 2) + std::size_t(column - 2)];
    if (span.start < 0)
        return {};
    return QStringView(text).sliced(span.start, span.length);
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
        const QString text = codec::decode(readWholeFile(resolved), encoding());
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
    const std::size_t valueColumns = std::size_t(m_numFields) + 1;
    int p = 0;
    bool ok = true;
    try {
        while (!lines.atEnd()) {
            if (!readPostHeader(lines).found)
                continue;
            table->spans.resize((std::size_t(p) + 1) * valueColumns);
            detail::PostTable::Span *row = &table->spans[std::size_t(p) * valueColumns];
            for (std::size_t c = 0; c < valueColumns; ++c) {
                if (lines.atEnd()) {
                    row[c] = {};
                    continue;
                }
                const QStringView value = lines.readLine();
                row[c] = {qint32(value.data() - text.constData()), qint32(value.size())};
            }
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
        if (m_fieldNames[k].compare(name, Qt::CaseInsensitive) == 0)
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

// ---------------------------------------------------------------- writing

bool clsDataFile::refuseLineBreaks(const QStringList &values, qsizetype count)
{
    for (qsizetype i = 0; i < count && i < values.size(); ++i) {
        if (hasLineBreak(values[i])) {
            noteError(LineBreakText, ErrInvalidCall);
            return true;
        }
    }
    return false;
}

void clsDataFile::writeLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += codec::lineEnd;
    }
    const QByteArray bytes = codec::encode(text, encoding());
    if (m_writeStream->write(bytes) != bytes.size())
        throw RuntimeError(ErrPathFileAccess, m_writeStream->errorString());
}

bool clsDataFile::createFileNHead(const QString &name, const QString &folder, const QString &table,
                                  const QStringList &fields)
{
    if (name.isEmpty() || table.isEmpty() || fields.isEmpty()) {
        m_lastErrorText = WrongHeadText;
        return false;
    }
    if (hasLineBreak(table) || refuseLineBreaks(fields, fields.size())) {
        noteError(LineBreakText, ErrInvalidCall);
        return false;
    }
    const QString path =
        platform::joinPath(folder.isEmpty() ? platform::installationFolder() : folder, name);
    m_writeStream = std::make_unique<QFile>(path);
    try {
        if (!m_writeStream->open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw RuntimeError(QFileInfo(path).absoluteDir().exists() ? ErrPermissionDenied
                                                                      : ErrPathNotFound);
        const QByteArray start = codec::fileStart(encoding());
        if (m_writeStream->write(start) != start.size())
            throw RuntimeError(ErrPathFileAccess, m_writeStream->errorString());
        QStringList lines{u'[' + table + u']'};
        for (const QString &field : fields)
            lines << FieldPrefix + field;
        writeLines(lines);
    } catch (const RuntimeError &e) {
        noteError(e.description(), e.number());
        m_writeStream.reset();
        return false;
    }
    m_writeFieldCount = qint32(fields.size());
    m_postCounter = 0;
    return true;
}

bool clsDataFile::savePost(const QStringList &values)
{
    if (values.size() < m_writeFieldCount) {
        m_lastErrorText = TooFewText;
        return false;
    }
    if (refuseLineBreaks(values, m_writeFieldCount))
        return false;
    if (m_postCounter > MaxPostNumber) {
        noteError(TableFullText, ErrOverflow);
        return false;
    }
    if (!m_writeStream || !m_writeStream->isOpen()) {
        noteError(standardDescription(ErrObjectNotSet), ErrObjectNotSet);
        return false;
    }
    try {
        writeLines(postLines(values));
        ++m_postCounter;
    } catch (const RuntimeError &e) {
        noteError(e.description(), e.number());
        return false;
    }
    return true;
}

bool clsDataFile::exitFileWrite()
{
    if (!m_writeStream || !m_writeStream->isOpen()) {
        noteError(standardDescription(ErrObjectNotSet), ErrObjectNotSet);
        m_writeStream.reset();
        return false;
    }
    const bool flushed = m_writeStream->flush();
    const QString error = m_writeStream->errorString();
    m_writeStream->close();
    m_writeStream.reset();
    if (!flushed) {
        noteError(error, ErrPathFileAccess);
        return false;
    }
    return true;
}

QStringList clsDataFile::postLines(const QStringList &values) const
{
    QStringList lines{QString(), QString(), u'[' + QString::number(m_postCounter) + u']'};
    lines += values.mid(0, m_writeFieldCount);
    lines << QString();
    return lines;
}

void clsDataFile::dropPostTable()
{
    auto table = std::make_shared<detail::PostTable>();
    table->columns = m_numFields + 3;
    m_data = std::move(table);
    m_numPosts = 0;
    m_readOk = false;
}

// A file about to be changed, read up to the end of its header.
struct clsDataFile::ChangeSource {
    QString path;
    QByteArray bytes;
    QString text;
    TableLines lines{QStringView()};
};

// False when the file is missing or its header unreadable; a file that exists but
// cannot be opened is a RuntimeError.
bool clsDataFile::readHeaderForChange(const QString &path, ChangeSource &source)
{
    source.path = platform::resolveCaseInsensitive(path);
    if (!platform::fileExists(source.path))
        return false;
    source.path = followLinks(source.path);
    source.bytes = readWholeFile(source.path);
    source.text = codec::decode(source.bytes, encoding());
    source.lines = TableLines(source.text);
    if (!readTableName(source.lines) || !readFieldNames(source.lines))
        return false;
    // The field list now belongs to this file; the posts of an earlier read do not.
    dropPostTable();
    return true;
}

bool clsDataFile::addPost(const QString &path, const QStringList &values)
{
    ChangeSource source;
    if (!readHeaderForChange(path, source))
        return false;
    const QString &resolved = source.path;
    const QByteArray &bytes = source.bytes;
    const QString &text = source.text;
    TableLines &lines = source.lines;
    m_writeFieldCount = m_numFields;
    m_postCounter = readPosts(lines, text) ? m_numPosts : 0;
    if (values.size() < m_writeFieldCount) {
        m_lastErrorText = TooFewText;
        return false;
    }
    if (refuseLineBreaks(values, m_writeFieldCount))
        return false;

    if (m_postCounter > MaxPostNumber) {
        noteError(TableFullText, ErrOverflow);
        return false;
    }

    // A UTF-16 file cut in the middle of a character would shift every byte we add.
    QByteArray post;
    const bool hasMark = bytes.startsWith(codec::fileStart(codec::Encoding::Utf16));
    if (encoding() == codec::Encoding::Utf16 && (bytes.size() - (hasMark ? 2 : 0)) % 2 != 0)
        post.append('\0');
    QString postText;
    for (const QString &line : postLines(values))
        postText += line + codec::lineEnd;
    post += codec::encode(postText, encoding());
    appendWhole(resolved, bytes.size(), post);
    ++m_postCounter;
    return true;
}

// Appends `post` to the file of `oldSize` bytes and forces it to the disk; when that
// fails (a full disk) the file is cut back to its old size, so that it never holds
// part of a post, and the failure is a RuntimeError.
void clsDataFile::appendWhole(const QString &path, qint64 oldSize, const QByteArray &post)
{
    refuseReadOnly(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        throw RuntimeError(ErrPermissionDenied);
    if (file.size() != oldSize)
        throw RuntimeError(ErrPathFileAccess, QStringLiteral("The file changed while it was being read"));
    if (file.write(post) == post.size() && platform::flushToDisk(file))
        return;
    const QString error = file.errorString();
    file.resize(oldSize);
    platform::flushToDisk(file);
    throw RuntimeError(ErrPathFileAccess, error);
}

QString clsDataFile::temporaryFileFor(const QString &path)
{
    return platform::temporaryFileIn(QFileInfo(followLinks(path)).absolutePath());
}

bool clsDataFile::UpdateFieldPost(const QString &path, const QString &field, qint32 postNr,
                                  const QString &value)
{
    ChangeSource source;
    if (!readHeaderForChange(path, source))
        return false;
    const QString &resolved = source.path;
    const QByteArray &bytes = source.bytes;
    const QString &text = source.text;
    TableLines &lines = source.lines;
    const int column = fieldColumn(field);
    if (column == -1)
        return false;
    if (hasLineBreak(value)) {
        noteError(LineBreakText, ErrInvalidCall);
        return false;
    }

    // Find where the old value lies: the post is found by the number in its header.
    qsizetype valueStart = 0;
    qsizetype valueEnd = 0;
    bool appendLine = false;
    try {
        PostHeader header = readPostHeader(lines);
        while (header.found && header.number != postNr) {
            lines.skipLines(m_numFields);
            header = readPostHeader(lines);
        }
        if (!header.found) {
            noteError(QStringLiteral("No post numbered %1").arg(postNr), ErrSubscript);
            return false;
        }
        lines.skipLines(column - 2);
        valueStart = lines.position();
        if (lines.atEnd()) {
            appendLine = true;
            valueEnd = valueStart;
        } else {
            valueEnd = valueStart + lines.readLine().size();
        }
    } catch (const RuntimeError &e) {
        noteError(e.description(), e.number());
        return false;
    }

    // Everything but the old value is copied byte for byte.
    const bool hasMark = !m_nonUniCodeMode && bytes.startsWith(codec::fileStart(codec::Encoding::Utf16));
    const auto toByte = [&](qsizetype chars) {
        const qsizetype b = m_nonUniCodeMode ? chars : (hasMark ? 2 : 0) + 2 * chars;
        return std::min<qsizetype>(b, bytes.size());
    };
    QString newLine = value;
    if (appendLine) {
        // A last line cut after its CR only needs the LF; a second CR would join its value.
        if (!text.isEmpty() && !text.endsWith(u'\n'))
            newLine.prepend(text.endsWith(u'\r') ? QStringView(u"\n") : codec::lineEnd);
        newLine += codec::lineEnd;
    }
    QByteArray out;
    out.reserve(bytes.size() + newLine.size() * 2 + 1);
    out += QByteArrayView(bytes).first(toByte(valueStart));
    // As when appending a post: a cut UTF-16 file is padded to a whole character.
    if (appendLine && !m_nonUniCodeMode && (bytes.size() - (hasMark ? 2 : 0)) % 2 != 0)
        out.append('\0');
    out += codec::encode(newLine, encoding());
    out += QByteArrayView(bytes).sliced(toByte(valueEnd));

    refuseReadOnly(resolved);
    platform::removeStaleTemporaryFiles(QFileInfo(resolved).absolutePath());
    const QString temporary = temporaryFileFor(resolved);
    TemporaryFileGuard guard(temporary);
    {
        QFile tmp(temporary);
        if (!tmp.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw RuntimeError(ErrPermissionDenied);
        tmp.setPermissions(QFile::permissions(resolved));
        if (tmp.write(out) != out.size() || !platform::flushToDisk(tmp))
            throw RuntimeError(ErrPathFileAccess, tmp.errorString());
        tmp.close();
    }
    if (!platform::replaceFile(temporary, resolved))
        throw RuntimeError(ErrPathFileAccess);
    guard.release();
    platform::setHidden(platform::resolveCaseInsensitive(path), true);
    return true;
}

} // namespace haz
