#include "platform/qsettings_store.h"

#include "platform/safe_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

using Values = QMap<QString, QString>;

QString qualified(const QString& key) {
    return key.contains(QLatin1Char('/')) ? key : QStringLiteral("OPT/") + key;
}

// A folder for the scratch copies that QSettings reads and writes: in the
// session's runtime folder, a folder in memory where there is one, so that
// reading the options at start costs no disk writes.
QTemporaryDir scratchFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString base =
        !runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable()
            ? runtime
            : QDir::tempPath();
    return QTemporaryDir(base + QStringLiteral("/Talk-settings-XXXXXX"));
}

// The values of INI text, as QSettings reads them. The text was read safely
// (a regular file, its size checked) and QSettings reads a copy of it; the
// copy is scratch, read back at once, so it is not synced to the disk.
Values parse(const QTemporaryDir& folder, const QByteArray& bytes) {
    if (bytes.isEmpty())
        return {};
    const QString copy = folder.filePath(QStringLiteral("read.conf"));
    QFile file(copy);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        return {};
    file.close();
    const QSettings settings(copy, QSettings::IniFormat);
    Values values;
    for (const QString& key : settings.allKeys())
        values.insert(key, settings.value(key).toString());
    return values;
}

// INI text of the values, as QSettings writes it; none when it could not be
// made. QSettings does not notice a write that fails when its file is closed,
// so the text is read back and must give the values again.
std::optional<QByteArray> format(const QTemporaryDir& folder, const Values& values) {
    const QString copy = folder.filePath(QStringLiteral("write.conf"));
    {
        QSettings settings(copy, QSettings::IniFormat);
        for (auto it = values.constBegin(); it != values.constEnd(); ++it)
            settings.setValue(it.key(), it.value());
        settings.sync();
        if (settings.status() != QSettings::NoError)
            return std::nullopt;
    }
    const safe_file::ReadResult written = safe_file::read(copy);
    if (written.status != safe_file::ReadStatus::Read || parse(folder, written.bytes) != values)
        return std::nullopt;
    return written.bytes;
}

} // namespace

QSettingsStore::QSettingsStore(const QString& path)
    : m_path(path) {
    safe_file::removeStrayTemporaries({m_path}, QDateTime::currentDateTime());
    const safe_file::ReadResult stored = safe_file::read(m_path);
    m_writable = stored.status == safe_file::ReadStatus::Read ||
                 stored.status == safe_file::ReadStatus::Absent;
    // A first start has no settings file, and nothing to parse.
    if (stored.status == safe_file::ReadStatus::Read && !stored.bytes.isEmpty()) {
        const QTemporaryDir folder = scratchFolder();
        if (folder.isValid())
            m_values = parse(folder, stored.bytes);
    }
}

QString QSettingsStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Talk.conf");
}

std::optional<QString> QSettingsStore::value(const QString& key) const {
    const auto found = m_values.constFind(qualified(key));
    if (found == m_values.constEnd())
        return std::nullopt;
    return *found;
}

void QSettingsStore::setValue(const QString& key, const QString& value) {
    m_values.insert(qualified(key), value);
    m_changed.insert(qualified(key));
}

// Another copy of the program (on another data folder) may have stored
// options meanwhile: the file is read again and this session's changes are
// laid over it, as QSettings itself does.
bool QSettingsStore::sync() {
    if (!m_writable)
        return false;
    const QTemporaryDir folder = scratchFolder();
    const safe_file::ReadResult stored = safe_file::read(m_path);
    if (!folder.isValid() || (stored.status != safe_file::ReadStatus::Read &&
                              stored.status != safe_file::ReadStatus::Absent))
        return false;
    Values merged = parse(folder, stored.bytes);
    for (const QString& key : std::as_const(m_changed))
        merged.insert(key, m_values.value(key));
    const std::optional<QByteArray> bytes = format(folder, merged);
    if (!bytes || !QDir().mkpath(QFileInfo(m_path).absolutePath()) ||
        !safe_file::save(m_path, *bytes))
        return false;
    m_values = merged;
    m_changed.clear();
    return true;
}
