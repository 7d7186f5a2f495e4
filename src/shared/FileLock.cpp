#include "FileLock.h"

#include <QFileInfo>
#include <QLockFile>

namespace haz {

QString FileLock::lockPathFor(const QString &path)
{
    QFileInfo info(path);
    if (info.isSymLink())
        info = QFileInfo(info.symLinkTarget());
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".lock");
}

FileLock::FileLock(const QString &path, int waitMs)
    : m_lock(std::make_unique<QLockFile>(lockPathFor(path)))
{
    // A holder that still runs is never thought stale: a save of a large file on a slow
    // share may take long. A dead holder is recognised by its process number at once.
    m_lock->setStaleLockTime(0);
    m_held = m_lock->tryLock(waitMs);
}

FileLock::~FileLock()
{
    if (m_held)
        m_lock->unlock();
}

} // namespace haz
