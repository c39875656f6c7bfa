#include "platform/qt_audio_input.h"

#include <QAudioDevice>
#include <QAudioSource>
#include <QMediaDevices>
#include <cstring>

namespace {
// The rate of the recordings that the build makes.
constexpr int kSampleRate = 22050;
} // namespace

QtAudioInput::QtAudioInput(QObject* parent)
    : AudioInput(parent) {
    m_format.setSampleRate(kSampleRate);
    m_format.setChannelCount(1);
    m_format.setSampleFormat(QAudioFormat::Int16);
}

QtAudioInput::~QtAudioInput() = default;

bool QtAudioInput::available() const {
    return !QMediaDevices::audioInputs().isEmpty();
}

bool QtAudioInput::start() {
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull())
        return false;
    QAudioFormat format = m_format;
    if (!device.isFormatSupported(format)) {
        // Another rate, still mono 16-bit: the take is stored at that rate.
        format.setSampleRate(device.preferredFormat().sampleRate());
        if (!device.isFormatSupported(format))
            return false;
    }
    m_format = format;
    m_source = std::make_unique<QAudioSource>(device, m_format);
    m_device = m_source->start();
    if (!m_device || m_source->error() != QAudio::NoError) {
        m_source.reset();
        m_device = nullptr;
        return false;
    }
    connect(m_device, &QIODevice::readyRead, this, &QtAudioInput::readAvailable);
    return true;
}

void QtAudioInput::stop() {
    if (!m_source)
        return;
    readAvailable();
    m_source->stop();
    m_source.reset();
    m_device = nullptr;
    m_pending.clear();
}

void QtAudioInput::readAvailable() {
    if (!m_device)
        return;
    m_pending += m_device->readAll();
    const qsizetype count = m_pending.size() / 2;
    if (count == 0)
        return;
    QList<qint16> samples(count);
    std::memcpy(samples.data(), m_pending.constData(), size_t(count) * 2);
    m_pending.remove(0, count * 2);
    emit heard(samples);
}
