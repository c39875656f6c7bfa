#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QIODevice>
#include <QString>
#include <cmath>

// Mono 16-bit samples of a sine tone; silence when frequency is 0.
inline QByteArray sineSamples(int milliseconds, int sampleRate = 22050, double frequency = 440.0) {
    const quint32 frames = quint32(sampleRate * milliseconds / 1000);
    QByteArray samples;
    QDataStream out(&samples, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    for (quint32 i = 0; i < frames; ++i)
        out << qint16(std::lround(8000 * std::sin(2 * M_PI * frequency * i / sampleRate)));
    return samples;
}

// A mono 16-bit PCM WAV file holding the samples, as a real recording is stored.
inline QByteArray pcmWav(const QByteArray& samples, int sampleRate = 22050) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples.size());
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(sampleRate) << quint32(2 * sampleRate)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples.size());
    out.writeRawData(samples.constData(), int(samples.size()));
    return bytes;
}

// Writes a WAV file holding a sine tone. Returns false when it cannot.
inline bool writeSineWav(const QString& path, int milliseconds = 300, int sampleRate = 22050,
                         double frequency = 440.0) {
    const QByteArray bytes = pcmWav(sineSamples(milliseconds, sampleRate, frequency), sampleRate);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}
