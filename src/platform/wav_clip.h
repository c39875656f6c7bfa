#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The samples of a WAV recording as they are stored, ready to hand to a sound
// output: little-endian PCM of 8 (unsigned), 16, 24 or 32 bits, or 32-bit
// float, interleaved channels.
struct WavClip {
    enum class Sample { U8, S16, S24, S32, Float32 };

    Sample sample = Sample::S16;
    int channels = 1;
    int rate = 22050;
    QByteArray pcm; // whole frames only
    // False for the beginning of a recording, of which pcm holds the first
    // frames only.
    bool complete = true;

    int bytesPerFrame() const;
    // Same sample format, channel count and rate: one output stream serves both.
    bool sameFormat(const WavClip& other) const;
    // The first milliseconds of the clip (all of it when shorter).
    WavClip beginning(int milliseconds) const;

    // A RIFF/WAVE file's format and data chunks, the data cut to whole frames.
    // Nothing for what no output plays: another encoding, no data chunk, a
    // truncated header, no channel or no rate.
    static std::optional<WavClip> parse(const QByteArray& file);
    // The file read and parsed; nothing when it is missing or unreadable.
    static std::optional<WavClip> read(const QString& path);
};
