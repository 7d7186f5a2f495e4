#pragma once
// Table files kept in memory between lookups. A table is read again only when its
// file changed on disk (another size, modification time or file at the path), so an
// author who edits a table while a program runs sees the edit at the next lookup,
// as if every lookup read the file.

#include "clsDataFile.h"

#include <QHash>
#include <QString>

#include <memory>

namespace haz {

class TableCache {
public:
    // The table at `path` in the given mode. Always an object: one whose read failed
    // (readOk() false, with its error) is not kept, so the next lookup tries again.
    std::shared_ptr<const clsDataFile> table(const QString &path, bool nonUniCodeMode = false);

    // What identifies one version of a file on disk; `exists` false when there is none.
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        quint64 fileId = 0;
        bool operator==(const Stamp &) const = default;
    };
    static Stamp stampOf(const QString &path);

private:
    struct Entry {
        Stamp stamp;
        bool nonUniCodeMode = false;
        std::shared_ptr<const clsDataFile> file;
    };
    QHash<QString, Entry> m_entries;
};

} // namespace haz
