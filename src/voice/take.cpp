#include "voice/take.h"

#include <QDataStream>
#include <QIODevice>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr double kMeterFloorDb = -60.0;

double rms(const qint16* samples, qsizetype count) {
    double sum = 0;
    for (qsizetype i = 0; i < count; ++i)
        sum += double(samples[i]) * samples[i];
    return count > 0 ? std::sqrt(sum / double(count)) : 0.0;
}
} // namespace

Take::Take(QList<qint16> samples, int sampleRate)
    : m_samples(std::move(samples))
    , m_sampleRate(sampleRate) {}

int Take::milliseconds() const {
    return m_sampleRate > 0 ? int(m_samples.size() * 1000 / m_sampleRate) : 0;
}

Take Take::trimmed() const {
    const qsizetype frame = std::max<qsizetype>(1, qsizetype(m_sampleRate) * kFrameMs / 1000);
    std::vector<bool> loud;
    for (qsizetype start = 0; start < m_samples.size(); start += frame)
        loud.push_back(rms(m_samples.constData() + start,
                           std::min(frame, m_samples.size() - start)) >= kSilentRms);
    // Sound begins with the first run of kSoundFrames loud frames and ends
    // with the last such run.
    qsizetype first = -1;
    qsizetype last = -1;
    qsizetype run = 0;
    for (size_t i = 0; i < loud.size(); ++i) {
        run = loud[i] ? run + 1 : 0;
        if (run < kSoundFrames)
            continue;
        if (first < 0)
            first = qsizetype(i + 1 - kSoundFrames) * frame;
        last = std::min(m_samples.size(), qsizetype(i + 1) * frame);
    }
    if (first < 0)
        return Take({}, m_sampleRate);
    const qsizetype margin = qsizetype(m_sampleRate) * kMarginMs / 1000;
    const qsizetype begin = std::max<qsizetype>(0, first - margin);
    const qsizetype end = std::min(m_samples.size(), last + margin);
    return Take(m_samples.mid(begin, end - begin), m_sampleRate);
}

Take::Verdict Take::verdict() const {
    if (m_samples.isEmpty())
        return Verdict::Silent;
    return milliseconds() < kShortestMs ? Verdict::TooShort : Verdict::Good;
}

QByteArray Take::wav() const {
    const quint32 dataBytes = quint32(m_samples.size()) * 2;
    QByteArray bytes;
    bytes.reserve(int(44 + dataBytes));
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(m_sampleRate)
        << quint32(2 * m_sampleRate) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    for (const qint16 sample : m_samples)
        out << sample;
    return bytes;
}

int Take::level(const QList<qint16>& samples) {
    qint32 peak = 0;
    for (const qint16 sample : samples)
        peak = std::max(peak, std::abs(qint32(sample)));
    if (peak == 0)
        return 0;
    const double db = 20 * std::log10(double(peak) / 32768.0);
    return int(std::lround(std::clamp((db - kMeterFloorDb) / -kMeterFloorDb, 0.0, 1.0) * 100));
}
