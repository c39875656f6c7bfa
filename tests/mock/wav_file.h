#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <cmath>

// Writes a mono 16-bit PCM WAV file holding a sine tone, as a real recording
// would be stored. Returns false when the file cannot be written.
inline bool writeSineWav(const QString& path, int milliseconds = 300, int sampleRate = 22050,
                         double frequency = 440.0) {
    constexpr double kPi = 3.14159265358979323846;
    const int frames = sampleRate * milliseconds / 1000;
    QByteArray data(frames * 2, Qt::Uninitialized);
    for (int i = 0; i < frames; ++i) {
        const double phase = 2.0 * kPi * frequency * i / sampleRate;
        qToLittleEndian<qint16>(qint16(std::lround(8000 * std::sin(phase))), data.data() + 2 * i);
    }
    const auto u32 = [](quint32 v) {
        QByteArray b(4, Qt::Uninitialized);
        qToLittleEndian(v, b.data());
        return b;
    };
    const auto u16 = [](quint16 v) {
        QByteArray b(2, Qt::Uninitialized);
        qToLittleEndian(v, b.data());
        return b;
    };
    QByteArray wav = "RIFF" + u32(quint32(36 + data.size())) + "WAVE";
    wav += "fmt " + u32(16) + u16(1) + u16(1) + u32(quint32(sampleRate)) +
           u32(quint32(sampleRate * 2)) + u16(2) + u16(16);
    wav += "data" + u32(quint32(data.size())) + data;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size();
}
