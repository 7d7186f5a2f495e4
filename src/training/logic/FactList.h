#pragma once
// The fact pages of a subject, tactics or reference tab, read from a fact list file.

#include <QList>
#include <QString>

namespace haz {
struct LastError;
}

namespace training {

// Titles are shown as fixed 50-character texts: cut when longer, padded when shorter.
inline constexpr int FactTitleLength = 50;

struct FactEntry {
    QString title; // exactly FactTitleLength characters
    QString page;  // the page's file name in the html folder, as stored
};

// Fills `list` and `count` from the fact list file at `path` (fields FaktText and
// Bookmark). An unreadable file leaves both as they were; a file without posts, or a
// failure on the way, returns False with the failure recorded in `lastError`.
// `problem`, when given, gets why a file that is there gave no pages (empty when fine).
bool readFactList(QList<FactEntry> &list, qint32 &count, const QString &path, haz::LastError &lastError,
                  QString *problem = nullptr);

// A title as the list shows it: trimmed, then cut or padded to 50 characters.
QString fixedFactTitle(const QString &text);

} // namespace training
