#pragma once
// One read-modify-write of a shared file (the progress file) under its lock, or none:
// a change that cannot get the lock in time is a RuntimeError naming the file, so
// that the caller reports it like any other failed save and never writes unguarded.

#include "FileLock.h"

#include <QString>

namespace haz {

class ChangeLock {
public:
    explicit ChangeLock(const QString &path, int waitMs = FileLock::defaultWaitMs);

    // The description of the failure: the file is busy with another program's change.
    static QString busyText(const QString &path);

private:
    FileLock m_lock;
};

} // namespace haz
