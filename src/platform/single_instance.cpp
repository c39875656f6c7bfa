#include "platform/single_instance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& lockPath)
    : m_lock(lockPath) {
    // Only a lock whose process is gone counts as stale, however long the
    // running instance has held it.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    return m_lock.tryLock(0);
}

QString SingleInstance::defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/Talk.lock");
}
