#pragma once

#include <QString>
#include <QStringList>

// Plays one WAV file asynchronously: play() stops what is sounding, loads the
// file and starts it from the beginning, and returns at once. A missing or
// unreadable file plays nothing.
class VoicePlayer {
public:
    virtual ~VoicePlayer() = default;
    virtual void play(const QString& wavPath) = 0;
    virtual void stop() = 0;
    // The recordings that the screen can play next, in the order they are
    // most likely needed; a player may keep them ready so that their play
    // starts sooner. Any file can still be played.
    virtual void prepare(const QStringList& wavPaths) { Q_UNUSED(wavPaths) }
};
