#include "voice/take_files.h"

#include "platform/safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace take_files {

namespace {
std::optional<QByteArray> read(const QString& path) {
    safe_file::ReadResult result = safe_file::read(path);
    if (result.status != safe_file::ReadStatus::Read)
        return std::nullopt;
    return std::move(result.bytes);
}

bool write(const QString& path, const QByteArray& bytes) {
    return safe_file::save(path, bytes);
}
} // namespace

QString backupPath(const QString& path) {
    return path + QStringLiteral(".bak");
}

bool hasBackup(const QString& path) {
    return QFileInfo(backupPath(path)).isFile();
}

bool keep(const QString& path, const QByteArray& wav) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    if (QFileInfo(path).isFile()) {
        const std::optional<QByteArray> current = read(path);
        if (!current || !write(backupPath(path), *current))
            return false;
    }
    return write(path, wav);
}

bool restore(const QString& path) {
    const std::optional<QByteArray> backup = read(backupPath(path));
    if (!backup)
        return false;
    const bool hadRecording = QFileInfo(path).isFile();
    const std::optional<QByteArray> current = hadRecording ? read(path) : QByteArray();
    if (!current || !write(path, *backup))
        return false;
    return hadRecording ? write(backupPath(path), *current) : QFile::remove(backupPath(path));
}

} // namespace take_files
