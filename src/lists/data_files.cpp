#include "lists/data_files.h"

#include "platform/asker.h"

#include <QDateTime>

namespace {
QString inFolder(const QString& folder, const QString& name) {
    return folder + QLatin1Char('/') + name;
}
} // namespace

DataFiles::DataFiles(const QString& folder, Asker& asker)
    : m_asker(asker)
    , m_phrases(inFolder(folder, data_files::kPhrases))
    , m_diary(inFolder(folder, data_files::kDiary))
    , m_addresses(inFolder(folder, data_files::kAddresses))
    , m_mails(inFolder(folder, data_files::kMails)) {}

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
    const QDateTime start = QDateTime::currentDateTime();
    for (const RecordFile* file : {&m_phrases, &m_diary, &m_addresses, &m_mails})
        safe_file::removeStrayTemporaries(file->path(), start);
}
