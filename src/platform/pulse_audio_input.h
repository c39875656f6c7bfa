#pragma once

#include "platform/audio_input.h"

#include <QByteArray>
#include <condition_variable>
#include <mutex>

struct PulseApi;
struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// The default source of the PulseAudio server (the microphone), recorded
// through the same client library as the voice player, taken when the
// recorder first asks for the microphone: the program does not pay for it at
// start. The server delivers mono 16-bit samples at the rate of the
// program's recordings, converting from whatever the source gives. Waits
// for the server are bounded, so that a server that does not answer leaves
// the recorder without a microphone rather than hang the window.
class PulseAudioInput final : public AudioInput {
    Q_OBJECT
public:
    explicit PulseAudioInput(QObject* parent = nullptr);
    ~PulseAudioInput() override;
    PulseAudioInput(const PulseAudioInput&) = delete;
    PulseAudioInput& operator=(const PulseAudioInput&) = delete;

    // True when the server has a source that is not the monitor of an output.
    bool available() const override;
    bool start() override;
    void stop() override;
    int sampleRate() const override;

private:
    bool connect() const;
    void disconnect() const;
    // Waits, without the server thread's lock, until done() holds for what
    // the callbacks reported; false when the wait timed out.
    template <typename Done> bool waitFor(Done done) const;
    // From the server thread: a new state, told to whoever waits.
    void report(int& field, int state) const;
    void deliver();
    void dropStream() const;

    static void contextChanged(pa_context* context, void* data);
    static void streamChanged(pa_stream* stream, void* data);
    static void readable(pa_stream* stream, size_t bytes, void* data);

    // Made when first needed, by available() as well as by start().
    mutable const PulseApi* m_api = nullptr;
    mutable pa_threaded_mainloop* m_loop = nullptr;
    mutable pa_context* m_context = nullptr;
    mutable pa_stream* m_stream = nullptr;

    // What the server thread reports, under m_mutex.
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    mutable int m_contextState = 0;
    mutable int m_streamState = 0;
    mutable bool m_listed = false;
    mutable bool m_sourceFound = false;
    QByteArray m_heard;
    bool m_deliveryQueued = false;
};
