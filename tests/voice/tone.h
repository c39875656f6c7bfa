#pragma once

#include <QList>
#include <cmath>

// Made-up sound for the recorder's tests: silence, or a 440 Hz tone of the
// given amplitude, `ms` milliseconds at `rate` samples per second.
inline QList<qint16> tone(int ms, int rate, double amplitude = 8000) {
    QList<qint16> samples;
    const int count = rate * ms / 1000;
    for (int i = 0; i < count; ++i)
        samples.append(qint16(std::lround(amplitude * std::sin(2 * M_PI * 440 * i / rate))));
    return samples;
}
inline QList<qint16> silence(int ms, int rate) {
    return QList<qint16>(rate * ms / 1000, 0);
}
