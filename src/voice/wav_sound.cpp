#include "voice/wav_sound.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>

namespace {
quint16 u16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
quint32 u32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
void put16(QByteArray& bytes, quint16 value) {
    char raw[2];
    qToLittleEndian(value, raw);
    bytes.append(raw, 2);
}
void put32(QByteArray& bytes, quint32 value) {
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}
constexpr quint16 kPcm = 1;
} // namespace

WavSound::WavSound(quint32 sampleRate, int channels, QByteArray samples)
    : m_sampleRate(sampleRate)
    , m_channels(channels)
    , m_samples(std::move(samples)) {}

std::optional<WavSound> WavSound::fromBytes(const QByteArray& bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<quint32> rate;
    int channels = 0;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = u32(bytes, at + 4);
        const qsizetype body = at + 8;
        if (size > quint64(bytes.size() - body))
            return std::nullopt; // cut short
        if (id == "fmt ") {
            if (size < 16 || u16(bytes, body) != kPcm || u16(bytes, body + 14) != 16)
                return std::nullopt;
            channels = u16(bytes, body + 2);
            rate = u32(bytes, body + 4);
            if (channels < 1 || *rate == 0)
                return std::nullopt;
        } else if (id == "data") {
            if (!rate || size == 0 || size % (2 * channels) != 0)
                return std::nullopt;
            return WavSound(*rate, channels, bytes.mid(body, size));
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

std::optional<WavSound> WavSound::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return fromBytes(file.readAll());
}

int WavSound::milliseconds() const {
    const qint64 frames = m_samples.size() / (2 * m_channels);
    return int(frames * 1000 / m_sampleRate);
}

WavSound WavSound::trimmed(int marginMs) const {
    const qsizetype frameBytes = 2 * m_channels;
    const qsizetype frames = m_samples.size() / frameBytes;
    const auto audible = [this, frameBytes](qsizetype frame) {
        for (int c = 0; c < m_channels; ++c)
            if (std::abs(qFromLittleEndian<qint16>(m_samples.constData() + frame * frameBytes +
                                                   2 * c)) > kSilence)
                return true;
        return false;
    };
    qsizetype first = 0;
    while (first < frames && !audible(first))
        ++first;
    if (first == frames)
        return *this;
    qsizetype last = frames - 1;
    while (!audible(last))
        --last;
    const qsizetype margin = qsizetype(m_sampleRate) * marginMs / 1000;
    const qsizetype from = std::max<qsizetype>(0, first - margin);
    const qsizetype to = std::min(frames, last + 1 + margin);
    return WavSound(m_sampleRate, m_channels,
                    m_samples.mid(from * frameBytes, (to - from) * frameBytes));
}

QByteArray WavSound::toBytes() const {
    QByteArray bytes("RIFF");
    put32(bytes, quint32(36 + m_samples.size()));
    bytes.append("WAVEfmt ");
    put32(bytes, 16);
    put16(bytes, kPcm);
    put16(bytes, quint16(m_channels));
    put32(bytes, m_sampleRate);
    put32(bytes, m_sampleRate * 2 * quint32(m_channels));
    put16(bytes, quint16(2 * m_channels));
    put16(bytes, 16);
    bytes.append("data");
    put32(bytes, quint32(m_samples.size()));
    bytes.append(m_samples);
    return bytes;
}

// A cached sentence needs no sync to the disk: a file that a crash cut off
// is found damaged and made again.
bool WavSound::write(const QString& path) const {
    const QByteArray bytes = toBytes();
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}
