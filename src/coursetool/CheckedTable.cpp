#include "CheckedTable.h"

#include "Platform.h"

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
        QString why;
        if (m_table->tableName().isEmpty() && m_table->fieldNames().isEmpty())
            why = QStringLiteral("the first line is not a table name in brackets such as [Table]");
        else
            why = m_table->lastErrorText().isEmpty()
                      ? QStringLiteral("a post header is not a whole number in brackets")
                      : QStringLiteral("reading stops after post %1: %2")
                            .arg(m_table->numOfPostsRead())
                            .arg(m_table->lastErrorText());
        const int line = m_table->numOfPostsRead() > 0
                             ? m_table->postLine(m_table->numOfPostsRead() - 1) + m_table->numFieldsRead() + 1
                             : 1;
        error(line, QStringLiteral("the table cannot be read: ") + why);
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
