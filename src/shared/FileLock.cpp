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
    // A dead holder on this machine is recognised by its process number at once; one on
    // another machine (a shared documents folder) once its lock is older than any save.
    m_lock->setStaleLockTime(staleAfterMs);
    m_held = m_lock->tryLock(waitMs);
}

FileLock::~FileLock()
{
    if (m_held)
        m_lock->unlock();
}

} // namespace haz
