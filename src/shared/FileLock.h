#pragma once
// The lock that makes one read-modify-write of a shared file at a time: a lock file
// beside it (".<name>.lock"), held for the whole change. A lock left by a process that
// no longer runs is taken over, so a killed program blocks nobody.

#include <QString>

#include <memory>

class QLockFile;

namespace haz {

class FileLock {
public:
    // Waits up to `waitMs` for the lock of `path` (a link is followed: the lock guards
    // the file that is written). `held()` tells whether it was got.
    explicit FileLock(const QString &path, int waitMs = defaultWaitMs);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    bool held() const { return m_held; }
    // Where the lock file of `path` lies.
    static QString lockPathFor(const QString &path);

    static constexpr int defaultWaitMs = 15000;
    static constexpr int staleAfterMs = 60000;
    static constexpr int unnamedStaleAfterMs = 2000;

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_held = false;
};

} // namespace haz
