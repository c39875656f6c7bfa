#pragma once

#include "voice/wav_sound.h"

#include <QString>
#include <optional>

// The sentences made before, one WAV file each in a folder of their own,
// named after the text, the voice and the speed that made them, so that a
// sentence said again sounds at once. The folder is bounded: beyond the limit
// the files used longest ago are removed.
class SpeechCache {
public:
    static constexpr qint64 kLimitBytes = 50 * 1024 * 1024;

    explicit SpeechCache(const QString& folder, qint64 limitBytes = kLimitBytes);

    // voice names the voice file as it is now (path, size, time), so that a
    // changed file makes its sentences anew.
    QString pathFor(const QString& text, const QString& voice, double speed) const;

    // The sound kept at path, marked as just used; a damaged file is removed
    // so that it is made again.
    std::optional<WavSound> find(const QString& path) const;
    // Keeps the sound at path and removes the oldest files beyond the limit.
    bool store(const QString& path, const WavSound& sound) const;

    const QString& folder() const { return m_folder; }

private:
    void prune() const;

    QString m_folder;
    qint64 m_limitBytes;
};
