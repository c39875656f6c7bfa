#pragma once

#include <QtGlobal>
#include <optional>

class QIODevice;
class QString;

// Where the samples of a 16-bit PCM WAV file lie and how fast they play.
// Reading checks the header whole: a chunk that promises more bytes than the file holds, a format
// other than 16-bit PCM or a sound without samples is no sound. Only the
// chunk headers are read, so that a sound's length is known without loading
// its samples.
struct WavHeader {
    quint32 sampleRate = 0;
    int channels = 1;
    qint64 dataOffset = 0; // of the first sample, from the file's beginning
    qint64 dataBytes = 0;

    static constexpr quint16 kPcmFormat = 1;

    // device is open for reading and can seek.
    static std::optional<WavHeader> read(QIODevice& device);
    static std::optional<WavHeader> read(const QString& path);

    int milliseconds() const;
};
