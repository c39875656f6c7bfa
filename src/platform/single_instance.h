#pragma once

#include <QLockFile>
#include <QString>

// Tells whether another instance of the program runs, through a lock file in
// the per-user runtime folder. A lock left by an instance that crashed is
// stale and does not block the next start.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());
    // True when this process is now the only instance.
    bool acquire();
    static QString defaultLockPath();

private:
    QLockFile m_lock;
};
