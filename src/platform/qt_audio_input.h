#pragma once

#include "platform/audio_input.h"

#include <QAudioFormat>
#include <QByteArray>
#include <memory>

class QAudioSource;
class QIODevice;

// The default audio input of Qt Multimedia, read as raw PCM.
class QtAudioInput final : public AudioInput {
    Q_OBJECT
public:
    explicit QtAudioInput(QObject* parent = nullptr);
    ~QtAudioInput() override;

    bool available() const override;
    bool start() override;
    void stop() override;
    int sampleRate() const override { return m_format.sampleRate(); }

private:
    void readAvailable();

    std::unique_ptr<QAudioSource> m_source;
    QIODevice* m_device = nullptr;
    QAudioFormat m_format;
    // A byte of a sample whose other byte has not arrived yet.
    QByteArray m_pending;
};
