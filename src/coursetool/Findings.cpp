#include "Findings.h"

#include <algorithm>

namespace coursetool {

void Findings::error(const QString &file, int line, const QString &message)
{
    m_all.append({file, line, Severity::Error, message});
}

void Findings::warning(const QString &file, int line, const QString &message)
{
    m_all.append({file, line, Severity::Warning, message});
}

int Findings::errors() const
{
    return int(std::count_if(m_all.begin(), m_all.end(), [](const Finding &f) { return f.severity == Severity::Error; }));
}

int Findings::warnings() const
{
    return int(m_all.size()) - errors();
}

QString Findings::text() const
{
    // By file and line, so that the findings of one file stand together.
    QList<Finding> sorted = m_all;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Finding &a, const Finding &b) {
        return std::pair(a.file, a.line) < std::pair(b.file, b.line);
    });
    QString out;
    for (const Finding &f : sorted) {
        out += f.file;
        if (f.line > 0)
            out += u':' + QString::number(f.line);
        out += f.severity == Severity::Error ? QStringLiteral(": error: ") : QStringLiteral(": warning: ");
        out += f.message + u'\n';
    }
    return out;
}

QString Findings::summary() const
{
    if (m_all.isEmpty())
        return QStringLiteral("no problems");
    const auto count = [](int n, const char *word) {
        return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(word)).arg(n == 1 ? "" : "s");
    };
    return count(errors(), "error") + QStringLiteral(", ") + count(warnings(), "warning");
}

} // namespace coursetool
