#pragma once
// What `check` finds: each problem with the file it is in (relative to the
// installation folder), the line (0 when it is about the whole file), whether it is an
// error or a warning, and a message. Printed the way compilers print theirs, so that
// editors can jump to the line.

#include <QList>
#include <QString>

namespace coursetool {

enum class Severity { Error, Warning };

struct Finding {
    QString file;
    int line = 0;
    Severity severity = Severity::Error;
    QString message;
};

class Findings {
public:
    void error(const QString &file, int line, const QString &message);
    void warning(const QString &file, int line, const QString &message);

    const QList<Finding> &all() const { return m_all; }
    int errors() const;
    int warnings() const;

    // "file:line: error: message" (or "file: …" without a line), one per line.
    QString text() const;
    // "2 errors, 1 warning" or "no problems".
    QString summary() const;

private:
    QList<Finding> m_all;
};

} // namespace coursetool
