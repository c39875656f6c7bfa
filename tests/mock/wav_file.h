#pragma once

#include <QDataStream>
#include <QFile>
#include <QString>
#include <cmath>

// Writes a 16-bit PCM WAV file holding a sine tone, as a real recording would
// be stored (mono unless told). Returns false when the file cannot be written.
inline bool writeSineWav(const QString& path, int milliseconds = 300, int sampleRate = 22050,
                         double frequency = 440.0, int amplitude = 8000, int channels = 1) {
    const quint32 frames = quint32(sampleRate * milliseconds / 1000);
    const quint32 bytes = 2 * frames * quint32(channels);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + bytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(channels) << quint32(sampleRate)
        << quint32(2 * channels * sampleRate) << quint16(2 * channels) << quint16(16);
    out.writeRawData("data", 4);
    out << bytes;
    for (quint32 i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            out << qint16(std::lround(amplitude * std::sin(2 * M_PI * frequency * i / sampleRate)));
    return out.status() == QDataStream::Ok && file.flush();
}
