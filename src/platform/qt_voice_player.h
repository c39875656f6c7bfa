#pragma once

#include "platform/voice_player.h"

#include <QSoundEffect>

// Plays WAV files through Qt Multimedia on the default audio output.
class QtVoicePlayer final : public VoicePlayer {
public:
    void play(const QString& wavPath) override;
    void stop() override;
    const QSoundEffect& effect() const { return m_effect; }

private:
    QSoundEffect m_effect;
};
