#include "TableCache.h"

#include "Platform.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace haz {

TableCache::Stamp TableCache::stampOf(const QString &path)
{
    Stamp stamp;
#ifdef Q_OS_UNIX
    // Nanoseconds and the inode: a rewrite by rename within the same millisecond is
    // still a new file.
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return stamp;
    stamp.exists = true;
    stamp.size = info.st_size;
    stamp.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.fileId = quint64(info.st_ino);
#else
    const QFileInfo info(path);
    if (!info.exists())
        return stamp;
    stamp.exists = true;
    stamp.size = info.size();
    stamp.modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1000000;
#endif
    return stamp;
}

std::shared_ptr<const clsDataFile> TableCache::table(const QString &path, bool nonUniCodeMode)
{
    const QString resolved = platform::resolveCaseInsensitive(path);
    // Taken before the read: a change during the read shows as a changed stamp next time.
    const Stamp stamp = stampOf(resolved);
    const auto kept = m_entries.constFind(resolved);
    if (stamp.exists && kept != m_entries.cend() && kept->stamp == stamp && kept->nonUniCodeMode == nonUniCodeMode)
        return kept->file;
    auto file = std::make_shared<clsDataFile>();
    file->setNonUniCodeMode(nonUniCodeMode);
    if (file->readData(resolved) && stamp.exists)
        m_entries.insert(resolved, Entry{stamp, nonUniCodeMode, file});
    else
        m_entries.remove(resolved);
    return file;
}

} // namespace haz
