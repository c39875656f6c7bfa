#include "platform/wav_header.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

namespace {
quint16 u16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
quint32 u32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
constexpr qint64 kChunkHeader = 8;
constexpr qint64 kFormatBytes = 16;
} // namespace

std::optional<WavHeader> WavHeader::read(QIODevice& device) {
    const qint64 size = device.size();
    if (!device.seek(0))
        return std::nullopt;
    const QByteArray riff = device.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<quint32> rate;
    int channels = 0;
    qint64 at = 12;
    while (at + kChunkHeader <= size) {
        if (!device.seek(at))
            return std::nullopt;
        const QByteArray chunk = device.read(kChunkHeader);
        if (chunk.size() < kChunkHeader)
            return std::nullopt;
        const QByteArray id = chunk.left(4);
        const quint32 length = u32(chunk, 4);
        const qint64 body = at + kChunkHeader;
        if (length > size - body)
            return std::nullopt; // cut short
        if (id == "fmt ") {
            const QByteArray format = device.read(kFormatBytes);
            if (length < kFormatBytes || format.size() < kFormatBytes ||
                u16(format, 0) != kPcmFormat || u16(format, 14) != 16)
                return std::nullopt;
            channels = u16(format, 2);
            rate = u32(format, 4);
            if (channels < 1 || *rate == 0)
                return std::nullopt;
        } else if (id == "data") {
            if (!rate || length == 0 || length % (2 * channels) != 0)
                return std::nullopt;
            return WavHeader{*rate, channels, body, length};
        }
        at = body + length + (length & 1);
    }
    return std::nullopt;
}

std::optional<WavHeader> WavHeader::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return read(file);
}

int WavHeader::milliseconds() const {
    const qint64 frames = dataBytes / (2 * channels);
    return int(frames * 1000 / sampleRate);
}
