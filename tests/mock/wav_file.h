#pragma once

#include <QDataStream>
#include <QFile>
#include <QString>
#include <cmath>

// Writes a mono 16-bit PCM WAV file holding a sine tone, as a real recording
// would be stored. Returns false when the file cannot be written.
inline bool writeSineWav(const QString& path, int milliseconds = 300, int sampleRate = 22050,
                         double frequency = 440.0) {
    const quint32 frames = quint32(sampleRate * milliseconds / 1000);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 2 * frames);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(sampleRate) << quint32(2 * sampleRate)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(2 * frames);
    for (quint32 i = 0; i < frames; ++i)
        out << qint16(std::lround(8000 * std::sin(2 * M_PI * frequency * i / sampleRate)));
    return out.status() == QDataStream::Ok && file.flush();
}
