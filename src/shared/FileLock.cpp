#include "FileLock.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>

namespace haz {

namespace {
constexpr qint64 PollMs = 100;
// Longer than any program takes between making its lock file and writing into it.
constexpr qint64 UnreadableStaleAfterMs = 1000;
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
        m_held = m_lock->tryLock(std::min<qint64>(PollMs, deadline.remainingTime()));
        if (m_held || deadline.hasExpired())
            return;
        // A holder killed while it was writing the lock file leaves it without its
        // process number, which would make it stale only after staleAfterMs.
        qint64 pid = 0;
        QString host, application;
        const QFileInfo info(lockPathFor(path));
        if (!m_lock->getLockInfo(&pid, &host, &application) && info.exists()
            && info.lastModified().msecsTo(QDateTime::currentDateTime()) > UnreadableStaleAfterMs)
            m_lock->removeStaleLockFile();
    }
}

FileLock::~FileLock()
{
    if (m_held)
        m_lock->unlock();
}

} // namespace haz
