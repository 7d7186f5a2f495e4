#include "SessionLock.h"

#include "FileLock.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

namespace haz {

SessionLock::SessionLock(const QString &progressFile, const QString &learner)
    : m_lock(std::make_unique<QLockFile>(pathFor(progressFile, learner)))
{
    // A session lasts as long as its program: only a holder that no longer runs
    // makes it stale, never its age.
    m_lock->setStaleLockTime(0);
}

SessionLock::~SessionLock()
{
    if (m_held)
        m_lock->unlock();
}

QString SessionLock::pathFor(const QString &progressFile, const QString &learner)
{
    // Any character may stand in a name; the file name takes a digest of it.
    const QByteArray key = QCryptographicHash::hash(learner.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    QString path = FileLock::lockPathFor(progressFile);
    path.chop(int(qstrlen(".lock")));
    return path + u'.' + QString::fromLatin1(key) + QStringLiteral(".session");
}

const char *SessionLock::ownerVariable()
{
    return "HAZCOURSE_SESSION_OWNER";
}

bool SessionLock::take()
{
    if (m_lock->tryLock(0))
        return true;
    // A holder killed between making the lock file and writing its name into it
    // leaves an empty file that names nobody.
    const QFileInfo info(m_lock->fileName());
    if (m_lock->error() != QLockFile::LockFailedError || m_lock->getLockInfo(nullptr, nullptr, nullptr)
        || info.size() != 0 || info.lastModified().msecsTo(QDateTime::currentDateTime()) <= FileLock::unnamedStaleAfterMs)
        return false;
    m_lock->removeStaleLockFile();
    return m_lock->tryLock(0);
}

SessionLock::Claim SessionLock::claim()
{
    if (m_held)
        return Claim::Held;
    if (take()) {
        m_held = true;
        qputenv(ownerVariable(), QByteArray::number(QCoreApplication::applicationPid()));
        return Claim::Held;
    }
    return m_lock->error() == QLockFile::LockFailedError ? Claim::InUse : Claim::NotChecked;
}

SessionLock::Claim SessionLock::claimOrJoin()
{
    if (m_held || take()) {
        m_held = true;
        return Claim::Held;
    }
    if (m_lock->error() != QLockFile::LockFailedError)
        return Claim::NotChecked;
    qint64 holder = 0;
    QString host;
    QString application;
    const qint64 owner = qEnvironmentVariableIntValue(ownerVariable());
    if (owner > 0 && m_lock->getLockInfo(&holder, &host, &application) && holder == owner
        && (host.isEmpty() || host == QSysInfo::machineHostName()))
        return Claim::OwnedByCaller;
    return Claim::InUse;
}

} // namespace haz
