#pragma once

#include <QByteArray>
#include <QList>

// One take of the recorder: mono 16-bit samples at a sample rate. Silence is
// judged on short frames by their loudness (root mean square); sound is a run
// of loud frames, so that a lone click (a tap on the screen) is not taken for
// the beginning of the voice.
class Take {
public:
    // Frames quieter than this (about -40 dB of full scale) are silence.
    static constexpr double kSilentRms = 330.0;
    static constexpr int kFrameMs = 10;
    static constexpr int kSoundFrames = 3;
    // Kept around the sound at each end, so that soft beginnings and endings
    // are not cut off.
    static constexpr int kMarginMs = 50;
    static constexpr int kShortestMs = 200;

    enum class Verdict { Good, Silent, TooShort };

    Take() = default;
    Take(QList<qint16> samples, int sampleRate);

    const QList<qint16>& samples() const { return m_samples; }
    int sampleRate() const { return m_sampleRate; }
    int milliseconds() const;

    // The take without the silence at its beginning and end (but for the
    // margins); empty when it is silent throughout.
    Take trimmed() const;
    // Whether a trimmed take may be kept: not silent, and at least
    // kShortestMs long.
    Verdict verdict() const;

    // The take as a WAV file: RIFF, PCM, 16-bit, one channel.
    QByteArray wav() const;

    // The level meter's reading of a piece of sound: 0 for silence up to 100
    // for full scale, on a scale of decibels from -60 to 0.
    static int level(const QList<qint16>& samples);

private:
    QList<qint16> m_samples;
    int m_sampleRate = 22050;
};
