#pragma once

#include <QString>

// Tells whether another instance of the program runs, through a lock on a
// file in the per-user runtime folder. The system releases the lock when the
// process ends, however it ends, so an instance that crashed leaves nothing
// that blocks the next start. The file names the locking process as QLockFile
// does, so that earlier versions of the program see the lock too.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process is now the only instance.
    bool acquire();
    static QString defaultLockPath();

private:
    QString m_path;
    int m_fd = -1;
};
