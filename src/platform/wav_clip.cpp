#include "platform/wav_clip.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr quint16 kFormatPcm = 1;
constexpr quint16 kFormatFloat = 3;
constexpr quint16 kFormatExtensible = 0xFFFE;
// Channels a sound server takes in one stream.
constexpr int kMaxChannels = 32;

quint16 u16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}
quint32 u32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}

std::optional<WavClip::Sample> sampleOf(quint16 format, quint16 bits) {
    if (format == kFormatFloat)
        return bits == 32 ? std::optional(WavClip::Sample::Float32) : std::nullopt;
    if (format != kFormatPcm)
        return std::nullopt;
    switch (bits) {
    case 8:
        return WavClip::Sample::U8;
    case 16:
        return WavClip::Sample::S16;
    case 24:
        return WavClip::Sample::S24;
    case 32:
        return WavClip::Sample::S32;
    default:
        return std::nullopt;
    }
}

} // namespace

int WavClip::bytesPerFrame() const {
    switch (sample) {
    case Sample::U8:
        return channels;
    case Sample::S16:
        return 2 * channels;
    case Sample::S24:
        return 3 * channels;
    case Sample::S32:
    case Sample::Float32:
        break;
    }
    return 4 * channels;
}

bool WavClip::sameFormat(const WavClip& other) const {
    return sample == other.sample && channels == other.channels && rate == other.rate;
}

WavClip WavClip::beginning(int milliseconds) const {
    const qsizetype bytes = qsizetype(rate) * milliseconds / 1000 * bytesPerFrame();
    if (bytes >= pcm.size())
        return *this;
    return WavClip{sample, channels, rate, pcm.left(bytes), false};
}

std::optional<WavClip> WavClip::parse(const QByteArray& file) {
    const char* const data = file.constData();
    const qsizetype size = file.size();
    if (size < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<WavClip> clip;
    // Chunks follow one another, each padded to an even length.
    for (qsizetype at = 12; at + 8 <= size;) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype length = u32(data + at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (length < 16 || body + 16 > size)
                return std::nullopt;
            quint16 format = u16(data + body);
            const quint16 bits = u16(data + body + 14);
            if (format == kFormatExtensible && length >= 40 && body + 26 <= size)
                format = u16(data + body + 24); // the sub-format's first two bytes
            const auto sample = sampleOf(format, bits);
            const int channels = u16(data + body + 2);
            const int rate = int(u32(data + body + 4));
            if (!sample || channels < 1 || channels > kMaxChannels || rate < 1)
                return std::nullopt;
            clip = WavClip{*sample, channels, rate, {}, true};
        } else if (id == "data") {
            if (!clip)
                return std::nullopt;
            const qsizetype available = std::min(length, size - body);
            clip->pcm = file.mid(body, available - available % clip->bytesPerFrame());
            return clip;
        }
        at = body + length + (length & 1);
    }
    return std::nullopt;
}

std::optional<WavClip> WavClip::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(file.readAll());
}
