#include "lists/data_files.h"

#include "platform/asker.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace data_files {

namespace {
// The copy is made under a temporary name and renamed without replacing, so
// that an interrupted copy leaves no half-written data file and a file that
// appears meanwhile is kept.
bool copyIfMissing(const QString& source, const QString& target) {
    const QFileInfo existing(target);
    if (existing.exists() || existing.isSymLink() || !QFileInfo::exists(source))
        return true;
    const QString partial = target + QStringLiteral(".partial");
    QFile::remove(partial);
    if (!QFile::copy(source, partial))
        return false;
    // The copy takes the installed file's permissions; the user must be able
    // to save it.
    QFile::setPermissions(partial,
                          QFile::permissions(partial) | QFile::WriteOwner | QFile::WriteUser);
    const bool renamed = QFile::rename(partial, target);
    QFile::remove(partial);
    return renamed || QFileInfo::exists(target);
}
} // namespace

bool placeStarterFiles(const QString& programDir, const QString& dataDir) {
    if (QDir(programDir) == QDir(dataDir))
        return true;
    if (!QDir().mkpath(dataDir))
        return false;
    bool placed = true;
    for (const QString& name : kAll)
        placed = copyIfMissing(path(programDir, name), path(dataDir, name)) && placed;
    return placed;
}

} // namespace data_files

DataFiles::DataFiles(const QString& folder, Asker& asker)
    : m_asker(asker)
    , m_phrases(data_files::path(folder, data_files::kPhrases))
    , m_diary(data_files::path(folder, data_files::kDiary))
    , m_addresses(data_files::path(folder, data_files::kAddresses))
    , m_mails(data_files::path(folder, data_files::kMails)) {}

void DataFiles::noticeIfUnreadable(const RecordFile& file) {
    if (file.unreadable())
        m_asker.ask(QStringLiteral("「%1」を読めませんでした。").arg(file.fileName()),
                    Asker::Notice, QStringLiteral("読めません"));
}

bool DataFiles::store(RecordFile& file, const QStringList& records, const QString& title) {
    const RecordFile::Encoded encoded = file.encode(records);
    if (!encoded.lost.isEmpty() &&
        !m_asker.ask(QStringLiteral("保存できない文字があります：") + encoded.lost, Asker::OkCancel,
                     title))
        return false;
    if (file.write(encoded))
        return true;
    m_asker.ask(QStringLiteral("「%1」を保存できませんでした。").arg(file.fileName()),
                Asker::Notice, QStringLiteral("保存できません"));
    return false;
}

void DataFiles::removeStrayTemporaries() {
    safe_file::removeStrayTemporaries(
        {m_phrases.path(), m_diary.path(), m_addresses.path(), m_mails.path()},
        QDateTime::currentDateTime());
}
