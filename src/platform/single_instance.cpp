#include "platform/single_instance.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SingleInstance::SingleInstance(const QString& dataFolder)
    : m_path(lockPath(dataFolder)) {}

SingleInstance::~SingleInstance() {
    if (m_fd >= 0)
        ::close(m_fd);
}

QString SingleInstance::lockPath(const QString& dataFolder) {
    return dataFolder + QStringLiteral("/Talk.lock");
}

SingleInstance::Outcome SingleInstance::acquire() {
    if (m_fd >= 0)
        return Outcome::Acquired;
    const QByteArray path = QFile::encodeName(m_path);
    m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0644);
    // A lock file made before the folder became read-only still serves.
    if (m_fd < 0 && (errno == EROFS || errno == EACCES))
        m_fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (m_fd < 0) {
        const int error = errno;
        m_error = QStringLiteral("cannot open the lock file %1: %2")
                      .arg(m_path, QString::fromLocal8Bit(std::strerror(error)));
        return Outcome::Unavailable;
    }
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
        return Outcome::Acquired;
    const int error = errno;
    // A later try opens the file afresh.
    ::close(m_fd);
    m_fd = -1;
    if (error == EWOULDBLOCK)
        return Outcome::HeldByAnother;
    m_error = QStringLiteral("cannot lock %1: %2")
                  .arg(m_path, QString::fromLocal8Bit(std::strerror(error)));
    return Outcome::Unavailable;
}
