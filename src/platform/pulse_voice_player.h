#pragma once

#include "platform/clip_cache.h"
#include "platform/voice_player.h"

#include <memory>
#include <mutex>
#include <thread>

struct PulseApi;
struct pa_threaded_mainloop;

// Plays WAV files on the PulseAudio server with as little delay as the server
// allows: the connection and one stream per sample format stay open, and a
// play writes the decoded samples straight into that stream. Of the
// recordings the screen can play, the beginnings are kept decoded
// (ClipCache): a tap writes that at once and reads the rest of the file while
// it sounds. Any other WAV file is read when it is played. A play cuts short
// what sounds, in whatever format. Without a sound server, or without its
// client library, nothing sounds.
class PulseVoicePlayer final : public VoicePlayer {
public:
    PulseVoicePlayer();
    ~PulseVoicePlayer() override;
    PulseVoicePlayer(const PulseVoicePlayer&) = delete;
    PulseVoicePlayer& operator=(const PulseVoicePlayer&) = delete;

    // Loads the client library and connects on a thread of its own, so that
    // the window does not wait for the sound server. Plays asked for before
    // the connection is up start as soon as it is.
    void start();

    void play(const QString& wavPath) override;
    void stop() override;
    void prepare(const QStringList& wavPaths) override;

    // For tests: whether the server connection is up, whether a clip is
    // sounding (written and not yet played out), and the clips held ready.
    bool isConnected() const;
    bool isSounding() const;
    ClipCache& clips() { return m_clips; }

private:
    class Connection;
    void connect();
    void request(std::shared_ptr<const WavClip> clip);
    // The rest of a clip whose beginning was requested.
    void complete(const std::shared_ptr<const WavClip>& beginning,
                  std::shared_ptr<const WavClip> whole);

    ClipCache m_clips;
    std::thread m_starter;
    // Guards m_connection until the starter has made it; from then on the
    // connection's own lock (the server thread's) guards what it holds.
    mutable std::mutex m_guard;
    std::unique_ptr<Connection> m_connection;
    pa_threaded_mainloop* m_loop = nullptr;
    bool m_started = false;
    // A play asked for before the connection was made, and the recordings
    // to keep ready (the first one's format is the first stream's).
    std::shared_ptr<const WavClip> m_pending;
    bool m_hasPending = false;
    QStringList m_prepared;
};
