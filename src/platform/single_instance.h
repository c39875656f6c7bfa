#pragma once

#include <QString>

// Keeps a second copy of the program from working on the same data folder,
// where it would overwrite what the first one stores. The lock is the data
// folder's own ("Talk.lock" in it), so copies started in different sessions
// or runtime folders meet there too. It is a lock of the system's, held by
// the open file, so it ends with the process however that ends: a crash
// leaves nothing that blocks the next start.
class SingleInstance {
public:
    enum class Outcome {
        Acquired,      // this process is now the only one on the folder
        HeldByAnother, // another copy runs on the folder
        Unavailable,   // the lock could not be made (see error())
    };

    explicit SingleInstance(const QString& dataFolder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Outcome acquire();
    // Why the lock could not be made, for the user.
    const QString& error() const { return m_error; }

    static QString lockPath(const QString& dataFolder);

private:
    QString m_path;
    int m_fd = -1;
    QString m_error;
};
