#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A 16-bit PCM WAV sound in memory, as the synthesizer writes it and the
// player plays it. Reading takes what WavHeader accepts and nothing else.
class WavSound {
public:
    static std::optional<WavSound> fromBytes(const QByteArray& bytes);
    static std::optional<WavSound> read(const QString& path);

    int sampleRate() const { return int(m_sampleRate); }
    int channels() const { return m_channels; }
    int milliseconds() const;

    // The sound without the silence before its first and after its last
    // audible sample, keeping marginMs of silence on each side. A sound
    // without an audible sample is kept as it is.
    WavSound trimmed(int marginMs) const;

    QByteArray toBytes() const;
    // Replaces path with the sound in one step; false when it cannot.
    bool write(const QString& path) const;

    // Below this magnitude a sample counts as silence (about -54 dBFS).
    static constexpr int kSilence = 64;

private:
    WavSound(quint32 sampleRate, int channels, QByteArray samples);

    quint32 m_sampleRate = 0;
    int m_channels = 1;
    QByteArray m_samples; // little-endian 16-bit frames
};
