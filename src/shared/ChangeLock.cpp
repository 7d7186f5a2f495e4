#include "ChangeLock.h"

#include "RuntimeError.h"

#include <QDir>

namespace haz {

ChangeLock::ChangeLock(const QString &path, int waitMs) : m_lock(path, waitMs)
{
    if (!m_lock.held())
        throw RuntimeError(ErrPermissionDenied, busyText(path));
}

QString ChangeLock::busyText(const QString &path)
{
    return QStringLiteral("The file %1 is being changed by another program (or its lock file %2 cannot be made), "
                          "so nothing was saved in it.")
        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(FileLock::lockPathFor(path)));
}

} // namespace haz
