#include "clsDataFile.h"

#include "Platform.h"
#include "RuntimeError.h"
#include "TableFileIo.h"
#include "TableLines.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <utility>

namespace haz {

using namespace tablefile;

namespace {

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

// A UTF-16 file cut inside a character (most often inside its last line end) ends in
// a lone byte. A rewrite completes that half character, as an append does, so that
// it never joins the last value as a stray character.
void completeHalfCharacter(QByteArray &out, bool utf16, qsizetype markBytes)
{
    if (utf16 && (out.size() - markBytes) % 2 != 0)
        out.append('\0');
}

// Why the new copy of a file could not be written, in words: the system's reason
// when it gave one (a full disk, for example), else the file's own.
QString copyNotWrittenText(const QString &path, const QFile &copy, int systemError)
{
    const QString reason = systemError != 0 ? qt_error_string(systemError) : copy.errorString();
    return QStringLiteral("The file %1 was left as it was: its new copy could not be written; the disk may be "
                          "full, or the file larger than may be written here (%2)")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

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

// Whether `values` may become post number m_postCounter of a table of
// m_writeFieldCount fields; when not, the reason is noted.
bool clsDataFile::acceptsPost(const QStringList &values)
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
    return true;
}

bool clsDataFile::savePost(const QStringList &values)
{
    if (!acceptsPost(values))
        return false;
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
    if (!acceptsPost(values))
        return false;

    // A UTF-16 file cut in the middle of a character would shift every byte we add.
    QByteArray post;
    const bool hasMark = bytes.startsWith(codec::fileStart(codec::Encoding::Utf16));
    if (encoding() == codec::Encoding::Utf16 && (bytes.size() - (hasMark ? 2 : 0)) % 2 != 0)
        post.append('\0');
    QString postText;
    for (const QString &line : postLines(values)) {
        postText += line;
        postText += codec::lineEnd;
    }
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
    const QString error = NotWrittenText.arg(QDir::toNativeSeparators(path), file.errorString());
    file.resize(oldSize);
    platform::flushToDisk(file);
    throw RuntimeError(ErrPathFileAccess, error);
}

// Moves `lines` to the first value of the post numbered `postNr`; False when there is
// none. A file that ends inside a post it skips is a RuntimeError.
bool clsDataFile::seekPost(TableLines &lines, qint32 postNr) const
{
    PostHeader header = readPostHeader(lines);
    while (header.found && header.number != postNr) {
        lines.skipLines(m_numFields);
        header = readPostHeader(lines);
    }
    return header.found;
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
        if (!seekPost(lines, postNr)) {
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
    if (!appendLine)
        completeHalfCharacter(out, !m_nonUniCodeMode, hasMark ? 2 : 0);

    replaceWith(source, path, {QByteArrayView(out)});
    return true;
}

// Puts `out` in the place of the source file through a flushed temporary file, and
// leaves the file hidden under the name the caller used.
void clsDataFile::replaceWith(const ChangeSource &source, const QString &path, const QList<QByteArrayView> &pieces)
{
    const QString &resolved = source.path;
    refuseReadOnly(resolved);
    platform::removeStaleTemporaryFiles(QFileInfo(resolved).absolutePath());
    const QString temporary = temporaryFileFor(resolved);
    TemporaryFileGuard guard(temporary);
    {
        QFile tmp(temporary);
        if (!tmp.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw RuntimeError(ErrPermissionDenied);
        tmp.setPermissions(QFile::permissions(resolved));
        errno = 0;
        for (const QByteArrayView piece : pieces)
            if (tmp.write(piece.data(), piece.size()) != piece.size())
                throw RuntimeError(ErrPathFileAccess, copyNotWrittenText(resolved, tmp, errno));
        if (!platform::flushToDisk(tmp))
            throw RuntimeError(ErrPathFileAccess, copyNotWrittenText(resolved, tmp, errno));
        tmp.close();
    }
    if (!platform::replaceFile(temporary, resolved))
        throw RuntimeError(ErrPathFileAccess);
    guard.release();
    platform::setHidden(platform::resolveCaseInsensitive(path), true);
}

QList<bool> clsDataFile::UpdateFieldsPost(const QString &path, qint32 postNr, const QList<FieldValue> &fields)
{
    ChangeSource source;
    if (!readHeaderForChange(path, source))
        return QList<bool>(fields.size(), false);
    return rewriteFields(source, source.lines, path, postNr, fields);
}

std::optional<QList<bool>> clsDataFile::UpdateFieldsOfPost(const QString &path, const QString &keyField,
                                                           const QString &key, const PostChange &change)
{
    ChangeSource source;
    FoundPost post;
    // A file that cannot be read is no post to change, as for readData + findPosts.
    try {
        if (!readHeaderForChange(path, source))
            return std::nullopt;
        TableLines posts = source.lines;
        if (!readPosts(posts, source.text))
            return std::nullopt;
        const FindResult found = findPosts(keyField, key);
        if (found.isOneDimensional() || found.matchCount() < 1)
            return std::nullopt;
        post.slot = found.m_slots.front();
        for (int column = 2; column < m_data->columns - 1; ++column)
            post.values << m_data->cell(column, post.slot);
    } catch (const RuntimeError &e) {
        noteError(e.description(), e.number());
        return std::nullopt;
    }
    const QList<FieldValue> fields = change(post);
    if (fields.isEmpty())
        return QList<bool>();
    return rewriteFields(source, source.lines, path, post.slot, fields);
}

// Writes `fields` into the post numbered `postNr` of the source, `lines` standing
// just after its header.
QList<bool> clsDataFile::rewriteFields(const ChangeSource &source, TableLines lines, const QString &path,
                                       qint32 postNr, const QList<FieldValue> &fields)
{
    QList<bool> results(fields.size(), false);
    // Where each value line of the post lies, in characters.
    std::vector<std::pair<qsizetype, qsizetype>> spots;
    try {
        if (!seekPost(lines, postNr)) {
            noteError(QStringLiteral("No post numbered %1").arg(postNr), ErrSubscript);
            return results;
        }
        for (qint32 k = 0; k < m_numFields && !lines.atEnd(); ++k) {
            const qsizetype start = lines.position();
            spots.emplace_back(start, start + lines.readLine().size());
        }
    } catch (const RuntimeError &e) {
        noteError(e.description(), e.number());
        return results;
    }
    if (qsizetype(spots.size()) < m_numFields) {
        // A post cut by the end of the file: one update at a time knows how to add to it.
        for (qsizetype i = 0; i < fields.size(); ++i)
            results[i] = UpdateFieldPost(path, fields[i].field, postNr, fields[i].value);
        return results;
    }
    // The last value given for a field is the one that stays, as with single updates.
    std::vector<const QString *> newValues(spots.size(), nullptr);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const int column = fieldColumn(fields[i].field);
        if (column == -1)
            continue;
        if (hasLineBreak(fields[i].value)) {
            noteError(LineBreakText, ErrInvalidCall);
            continue;
        }
        newValues[std::size_t(column - 2)] = &fields[i].value;
        results[i] = true;
    }
    if (!results.contains(true))
        return results;

    // The new file is the old bytes with the new values between them, written piece
    // by piece: no second copy of the file is built in memory.
    const QByteArray &bytes = source.bytes;
    const qsizetype mark = !m_nonUniCodeMode && bytes.startsWith(codec::fileStart(codec::Encoding::Utf16)) ? 2 : 0;
    const auto toByte = [&](qsizetype chars) {
        return std::min<qsizetype>(m_nonUniCodeMode ? chars : mark + 2 * chars, bytes.size());
    };
    QList<QByteArray> encoded;
    encoded.reserve(qsizetype(spots.size()));
    QList<QByteArrayView> pieces;
    qsizetype copied = 0; // bytes of the source already in `pieces`
    for (std::size_t k = 0; k < spots.size(); ++k) {
        if (!newValues[k])
            continue;
        pieces << QByteArrayView(bytes).sliced(copied, toByte(spots[k].first) - copied);
        encoded << codec::encode(*newValues[k], encoding());
        pieces << QByteArrayView(encoded.constLast());
        copied = toByte(spots[k].second);
    }
    pieces << QByteArrayView(bytes).sliced(copied);
    // A UTF-16 file that ended in half a character gets its other half, as above.
    static const char zero = '\0';
    qsizetype size = 0;
    for (const QByteArrayView piece : pieces)
        size += piece.size();
    if (!m_nonUniCodeMode && (size - mark) % 2 != 0)
        pieces << QByteArrayView(&zero, 1);
    replaceWith(source, path, pieces);
    return results;
}

} // namespace haz
