#pragma once
// A small course that passes `check` without a finding: every file the programs read,
// one scenario of two rooms. Tests change one thing in it and look for the finding.
// Tables are kept as rows so that a test can change a value and know its line.

#include <QMap>
#include <QString>
#include <QStringList>

namespace coursetest {

struct SourceTable {
    QString name;
    QStringList fields;
    QList<QStringList> rows;

    QString text() const;
    // The line of field `field` (1-based) of post `post` in the written file, and of
    // the post's header.
    int line(int post, int field) const;
    int headerLine(int post) const { return line(post, 0); }
    int fieldLine(const QString &field) const { return int(fields.indexOf(field)) + 2; }
    // The column of a field by name.
    int column(const QString &field) const { return int(fields.indexOf(field)); }
};

struct SmallCourse {
    QMap<QString, SourceTable> tables; // by path: "ini/fraga.ini", "user.ini", ...
    QMap<QString, QString> texts;      // other text files: "lang.ini", pages
    QStringList pictures;              // picture files (a few bytes each)

    SmallCourse();
    // Writes the readable sources into `folder`.
    void writeSources(const QString &folder) const;
};

} // namespace coursetest
