#include "platform/clip_cache.h"

#include <QFile>
#include <QSet>
#include <sys/stat.h>

ClipCache::FileStamp ClipCache::FileStamp::of(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return {quint64(status.st_dev), quint64(status.st_ino), qint64(status.st_size),
            qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
}

bool ClipCache::FileStamp::operator==(const FileStamp& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modifiedNs == other.modifiedNs;
}

ClipCache::~ClipCache() {
    {
        const std::lock_guard lock(m_mutex);
        ++m_generation;
    }
    m_reader.waitForDone();
}

std::shared_ptr<const WavClip> ClipCache::beginning(const QString& path) const {
    Beginning found;
    {
        const std::lock_guard lock(m_mutex);
        found = m_beginnings.value(path);
    }
    return found.clip && found.stamp == FileStamp::of(path) ? found.clip : nullptr;
}

std::shared_ptr<const WavClip> ClipCache::read(const QString& path) {
    auto clip = WavClip::read(path);
    return clip ? std::make_shared<const WavClip>(std::move(*clip)) : nullptr;
}

void ClipCache::prepare(const QStringList& paths) {
    quint64 generation = 0;
    {
        const std::lock_guard lock(m_mutex);
        generation = ++m_generation;
        const QSet<QString> wanted(paths.begin(), paths.end());
        for (auto it = m_beginnings.begin(); it != m_beginnings.end();)
            it = wanted.contains(it.key()) ? std::next(it) : m_beginnings.erase(it);
    }
    m_reader.start([this, generation, paths] { readPrepared(generation, paths); });
}

// Reads outside the lock, so that a tap never waits for a file being read;
// a newer prepare() ends this one at its next file.
void ClipCache::readPrepared(quint64 generation, const QStringList& paths) {
    for (const QString& path : paths) {
        // Stamped before the read: a file replaced during it is read again
        // when it is played.
        const FileStamp stamp = FileStamp::of(path);
        {
            const std::lock_guard lock(m_mutex);
            if (generation != m_generation)
                return;
            if (const auto held = m_beginnings.constFind(path);
                held != m_beginnings.constEnd() && held->stamp == stamp)
                continue;
        }
        const auto clip = WavClip::read(path);
        if (!clip)
            continue;
        auto beginning = std::make_shared<const WavClip>(clip->beginning(kBeginningMs));
        const std::lock_guard lock(m_mutex);
        if (generation != m_generation)
            return;
        m_beginnings.insert(path, {stamp, std::move(beginning)});
    }
}

qint64 ClipCache::bytes() const {
    const std::lock_guard lock(m_mutex);
    qint64 total = 0;
    for (const Beginning& beginning : m_beginnings)
        total += beginning.clip->pcm.size();
    return total;
}

void ClipCache::waitForPrepared() {
    m_reader.waitForDone();
}
