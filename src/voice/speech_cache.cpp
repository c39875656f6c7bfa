#include "voice/speech_cache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

SpeechCache::SpeechCache(const QString& folder, qint64 limitBytes)
    : m_folder(folder)
    , m_limitBytes(limitBytes) {}

QString SpeechCache::pathFor(const QString& text, const QString& voice, double speed) const {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(text.toUtf8());
    hash.addData(QByteArrayView("\n", 1));
    hash.addData(voice.toUtf8());
    hash.addData(QByteArrayView("\n", 1));
    hash.addData(QByteArray::number(speed, 'f', 3));
    return m_folder + QLatin1Char('/') + QString::fromLatin1(hash.result().toHex()) +
           QStringLiteral(".wav");
}

std::optional<WavSound> SpeechCache::find(const QString& path) const {
    if (!QFileInfo::exists(path))
        return std::nullopt;
    std::optional<WavSound> sound = WavSound::read(path);
    QFile file(path);
    if (!sound) {
        file.remove();
        return std::nullopt;
    }
    // The time of last use orders the files for removal.
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
    return sound;
}

bool SpeechCache::store(const QString& path, const WavSound& sound) const {
    if (!QDir().mkpath(m_folder) || !sound.write(path))
        return false;
    prune();
    return true;
}

void SpeechCache::prune() const {
    // Newest first: the files past the limit are the oldest.
    const QFileInfoList files = QDir(m_folder).entryInfoList(
        {QStringLiteral("*.wav")}, QDir::Files | QDir::Hidden, QDir::Time);
    qint64 total = 0;
    for (const QFileInfo& file : files) {
        total += file.size();
        if (total > m_limitBytes)
            QFile::remove(file.absoluteFilePath());
    }
}
