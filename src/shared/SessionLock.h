#pragma once
// One sign-in per learner at a time: while a course program has a learner signed in it
// holds a lock file beside the progress file (".<progress file>.<key>.session", the key
// made from the name). A second sign-in of the same learner, from any process, finds it
// held and is refused. The scenario program that the signed-in course program started
// belongs to that sign-in: the course program names itself in the environment it
// hands on, and the scenario program does not contend with its own course program.
// A lock left by a process that no longer runs is taken over.

#include <QString>

#include <memory>

class QLockFile;

namespace haz {

class SessionLock {
public:
    enum class Claim {
        Held,        // this process now holds the learner's session
        OwnedByCaller, // the course program that started this process holds it
        InUse,       // another running program holds it
        NotChecked,  // the lock file cannot be made (a read-only folder): nothing to guard
    };

    SessionLock(const QString &progressFile, const QString &learner);
    ~SessionLock();
    SessionLock(const SessionLock &) = delete;
    SessionLock &operator=(const SessionLock &) = delete;

    // Takes the session for this process. On Held, the programs this process starts
    // from now on are told that they belong to it.
    Claim claim();
    // As claim(), but a session held by the course program that started this process
    // is the caller's own.
    Claim claimOrJoin();

    static QString pathFor(const QString &progressFile, const QString &learner);
    // The environment variable that names the holder to the programs it starts.
    static const char *ownerVariable();

private:
    bool take();

    std::unique_ptr<QLockFile> m_lock;
    bool m_held = false;
};

} // namespace haz
