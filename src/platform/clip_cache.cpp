#include "platform/clip_cache.h"

#include <QSet>

ClipCache::~ClipCache() {
    {
        const std::lock_guard lock(m_mutex);
        ++m_generation;
    }
    m_reader.waitForDone();
}

std::shared_ptr<const WavClip> ClipCache::beginning(const QString& path) const {
    const std::lock_guard lock(m_mutex);
    return m_beginnings.value(path);
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
        {
            const std::lock_guard lock(m_mutex);
            if (generation != m_generation)
                return;
            if (m_beginnings.contains(path))
                continue;
        }
        const auto clip = WavClip::read(path);
        if (!clip)
            continue;
        auto beginning = std::make_shared<const WavClip>(clip->beginning(kBeginningMs));
        const std::lock_guard lock(m_mutex);
        if (generation != m_generation)
            return;
        m_beginnings.insert(path, std::move(beginning));
    }
}

qint64 ClipCache::bytes() const {
    const std::lock_guard lock(m_mutex);
    qint64 total = 0;
    for (const auto& clip : m_beginnings)
        total += clip->pcm.size();
    return total;
}

void ClipCache::waitForPrepared() {
    m_reader.waitForDone();
}
