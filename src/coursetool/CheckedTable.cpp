#include "CheckedTable.h"

#include "Platform.h"
#include "RuntimeError.h"
#include "TableFileIo.h"
#include "TableLines.h"

#include <QDir>

namespace coursetool {

QString CheckContext::path(const QString &relative) const
{
    return haz::platform::joinPath(installFolder, relative);
}

QString CheckContext::shown(const QString &relative) const
{
    const QString resolved = haz::platform::resolveCaseInsensitive(path(relative));
    if (!QFileInfo::exists(resolved))
        return relative;
    return QDir(installFolder).relativeFilePath(resolved);
}

namespace {

struct BadHeader {
    int line = 0;
    QString text;
};

// Where the reading of a table stopped: from `fromLine` on (the line after the last
// post read), the first line that begins with "[" is the post header that failed.
BadHeader badPostHeader(const QString &path, haz::codec::Encoding encoding, int fromLine)
{
    try {
        const QString text = haz::tablefile::readDecoded(path, encoding);
        haz::TableLines lines(text);
        for (int line = 1; !lines.atEnd(); ++line) {
            const QStringView current = lines.readLine();
            if (line >= fromLine && current.startsWith(u'['))
                return {line, current.toString()};
        }
    } catch (const haz::RuntimeError &) {
        // Unreadable now: the read failure itself is what is reported.
    }
    return {};
}

} // namespace

CheckedTable::CheckedTable(CheckContext &context, const QString &relative, Encoding encoding,
                           const QStringList &fields, Need need)
    : m_context(context), m_shown(context.shown(relative)), m_table(std::make_unique<haz::clsDataFile>())
{
    m_table->setNonUniCodeMode(encoding == Encoding::Ansi);
    m_exists = haz::platform::fileExists(context.path(relative));
    if (!m_exists) {
        if (need == Need::Required)
            error(0, QStringLiteral("the file is missing"));
        return;
    }
    if (!m_table->readData(context.path(relative))) {
        if (m_table->tableName().isEmpty() && m_table->fieldNames().isEmpty()) {
            error(1, m_table->lastErrorText().isEmpty()
                         ? QStringLiteral("the table cannot be read: the first line is not a table name in "
                                          "brackets such as [Table]")
                         : QStringLiteral("the table cannot be read: ") + m_table->lastErrorText());
            return;
        }
        // The reader takes a post's values and its closing line after the header line.
        const int posts = m_table->numOfPostsRead();
        const int fromLine = posts > 0 ? m_table->postLine(posts - 1) + m_table->numFieldsRead() + 1
                                       : m_table->numFieldsRead() + 3;
        const BadHeader bad = badPostHeader(haz::platform::resolveCaseInsensitive(context.path(relative)),
                                            encoding == Encoding::Ansi ? haz::codec::Encoding::Ansi
                                                                       : haz::codec::Encoding::Utf16,
                                            fromLine);
        if (bad.line == 0) {
            error(0, QStringLiteral("the table cannot be read: ") + m_table->lastErrorText());
            return;
        }
        error(bad.line, QStringLiteral("the table cannot be read past post %1: the post header \"%2\" is not a "
                                       "whole number from -32768 to 32767 in brackets")
                            .arg(m_table->numOfPostsRead())
                            .arg(bad.text));
        return;
    }
    m_ok = true;
    QStringList seen;
    for (int k = 0; k < m_table->fieldNames().size(); ++k) {
        const QString &name = m_table->fieldNames()[k];
        if (seen.contains(name, Qt::CaseInsensitive))
            error(k + 2, QStringLiteral("the field %1 is declared twice; only the first is read").arg(name));
        seen << name;
    }
    for (const QString &field : fields)
        if (!hasField(field))
            error(1, QStringLiteral("the table has no field %1").arg(field));
}

bool CheckedTable::hasField(const QString &name) const
{
    return m_table->fieldNames().contains(name, Qt::CaseInsensitive);
}

QString CheckedTable::value(int slot, const QString &field) const
{
    return m_table->getPostPosField(slot, field);
}

QString CheckedTable::valueAt(int slot, int position) const
{
    if (position < 1 || position > m_table->fieldNames().size())
        return {};
    return value(slot, m_table->fieldNames()[position - 1]);
}

int CheckedTable::line(int slot, const QString &field) const
{
    for (qsizetype i = 0; i < m_table->fieldNames().size(); ++i)
        if (m_table->fieldNames()[i].compare(field, Qt::CaseInsensitive) == 0)
            return lineAt(slot, int(i) + 1);
    return postLine(slot);
}

int CheckedTable::lineAt(int slot, int position) const
{
    const int first = m_table->postLine(slot);
    return first > 0 ? first + position - 1 : 0;
}

void CheckedTable::error(int line, const QString &message) const
{
    m_context.findings.error(m_shown, line, message);
}

void CheckedTable::warning(int line, const QString &message) const
{
    m_context.findings.warning(m_shown, line, message);
}

} // namespace coursetool
