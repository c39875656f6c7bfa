#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QIODevice>
#include <QString>
#include <cmath>

// Samples of a sine tone, 16 bits, the channels interleaved; silence when
// frequency is 0.
inline QByteArray sineSamples(int milliseconds, int sampleRate = 22050, double frequency = 440.0,
                              int amplitude = 8000, int channels = 1) {
    const quint32 frames = quint32(sampleRate * milliseconds / 1000);
    QByteArray samples;
    QDataStream out(&samples, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    for (quint32 i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            out << qint16(std::lround(amplitude * std::sin(2 * M_PI * frequency * i / sampleRate)));
    return samples;
}

// A 16-bit PCM WAV file holding the samples, as a real recording is stored
// (mono unless told).
inline QByteArray pcmWav(const QByteArray& samples, int sampleRate = 22050, int channels = 1) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples.size());
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(channels) << quint32(sampleRate)
        << quint32(2 * channels * sampleRate) << quint16(2 * channels) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples.size());
    out.writeRawData(samples.constData(), int(samples.size()));
    return bytes;
}

// Writes a WAV file holding a sine tone. Returns false when it cannot.
inline bool writeSineWav(const QString& path, int milliseconds = 300, int sampleRate = 22050,
                         double frequency = 440.0, int amplitude = 8000, int channels = 1) {
    const QByteArray bytes =
        pcmWav(sineSamples(milliseconds, sampleRate, frequency, amplitude, channels), sampleRate,
               channels);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}
