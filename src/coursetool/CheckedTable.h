#pragma once
// A table file of the installation read for checking: through clsDataFile, in the
// encoding its program uses, with every problem of reading it reported at its file
// and line. The values are then read by field name or position, as the programs read
// them, with the line each value stands on.

#include "Findings.h"
#include "clsDataFile.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace coursetool {

// The installation folder being checked and where the findings go.
struct CheckContext {
    QString installFolder;
    Findings &findings;

    // The path of a file of the installation, given relative to it ("ini/fraga.ini").
    QString path(const QString &relative) const;
    // The name to report for a file: relative to the installation folder, with its
    // letter case as it is on disk.
    QString shown(const QString &relative) const;
};

class CheckedTable {
public:
    enum class Encoding { Utf16, Ansi };
    enum class Need { Required, Optional };

    // Reads the table. A table that is missing (when required) or cannot be read, and
    // every field of `fields` it lacks, is an error; the result is then not usable
    // (`ok()` false) for a missing or unreadable file, and usable without the missing
    // fields otherwise.
    CheckedTable(CheckContext &context, const QString &relative, Encoding encoding, const QStringList &fields,
                 Need need = Need::Required);

    bool ok() const { return m_ok; }
    bool exists() const { return m_exists; }
    bool hasField(const QString &name) const;
    const QString &file() const { return m_shown; }
    const haz::clsDataFile &table() const { return *m_table; }
    int posts() const { return m_table->numOfPostsRead(); }

    QString value(int slot, const QString &field) const;
    QString valueAt(int slot, int position) const; // field `position` (1-based)
    int line(int slot, const QString &field) const;
    int lineAt(int slot, int position) const;
    int postLine(int slot) const { return m_table->postLine(slot); }
    CheckContext &context() const { return m_context; }

    void error(int line, const QString &message) const;
    void warning(int line, const QString &message) const;

private:
    CheckContext &m_context;
    QString m_shown;
    std::unique_ptr<haz::clsDataFile> m_table;
    bool m_ok = false;
    bool m_exists = false;
};

} // namespace coursetool
