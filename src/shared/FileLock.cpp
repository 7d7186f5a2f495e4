#include "FileLock.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>

namespace haz {

namespace {
bool namesNobody(const QString &lockPath)
{
    const QFileInfo info(lockPath);
    return info.exists() && info.lastModified().msecsTo(QDateTime::currentDateTime()) > FileLock::unnamedStaleAfterMs
           && !QLockFile(lockPath).getLockInfo(nullptr, nullptr, nullptr);
}
} // namespace

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
    QDeadlineTimer deadline(waitMs);
    for (;;) {
        m_held = m_lock->tryLock(int(std::min<qint64>(deadline.remainingTime(), 1000)));
        if (m_held || m_lock->error() != QLockFile::LockFailedError || deadline.hasExpired())
            return;
        // A holder killed between making the lock file and writing its name into it
        // leaves a file that names nobody (empty, or cut short): stale once it is older
        // than that step. The lock keeps a second such file ("<lock>.rmlock") while it
        // takes over a stale lock; a program killed then leaves that one behind too,
        // and it would block every takeover.
        const QString rmlock = m_lock->fileName() + QStringLiteral(".rmlock");
        if (namesNobody(rmlock))
            QFile::remove(rmlock);
        if (namesNobody(m_lock->fileName()))
            m_lock->removeStaleLockFile();
    }
}

FileLock::~FileLock()
{
    if (m_held)
        m_lock->unlock();
}

} // namespace haz
