#include "voice/wav_sound.h"

#include "platform/wav_header.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>

namespace {
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
} // namespace

WavSound::WavSound(quint32 sampleRate, int channels, QByteArray samples)
    : m_sampleRate(sampleRate)
    , m_channels(channels)
    , m_samples(std::move(samples)) {}

std::optional<WavSound> WavSound::fromBytes(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const std::optional<WavHeader> header = WavHeader::read(buffer);
    if (!header)
        return std::nullopt;
    return WavSound(header->sampleRate, header->channels,
                    bytes.mid(header->dataOffset, header->dataBytes));
}

std::optional<WavSound> WavSound::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return fromBytes(file.readAll());
}

int WavSound::milliseconds() const {
    return WavHeader{m_sampleRate, m_channels, 0, m_samples.size()}.milliseconds();
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
    put16(bytes, WavHeader::kPcmFormat);
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
