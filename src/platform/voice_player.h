#pragma once

#include <QString>

// Plays one WAV file asynchronously: play() stops what is sounding, loads the
// file and starts it from the beginning, and returns at once. A missing or
// unreadable file plays nothing.
class VoicePlayer {
public:
    virtual ~VoicePlayer() = default;
    virtual void play(const QString& wavPath) = 0;
    virtual void stop() = 0;
};
