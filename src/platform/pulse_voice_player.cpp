#include "platform/pulse_voice_player.h"

#include "platform/pulse_api.h"

#include <algorithm>
#include <deque>
#include <vector>

namespace {

// The server asks for more samples when less than this much is queued; it
// also sets how soon a sink may need to look at the stream again.
constexpr pa_usec_t kTargetLatencyUsec = 100 * 1000;
// A clip up to this long is written in one go, so that its playing does not
// depend on this process being scheduled in time; longer ones are fed as the
// server asks.
constexpr pa_usec_t kFirstWriteUsec = 2 * 1000 * 1000;
// Streams kept open, one per sample format; the least recently used goes.
constexpr size_t kMaxOutputs = 4;

pa_sample_format_t paFormat(WavClip::Sample sample) {
    switch (sample) {
    case WavClip::Sample::U8:
        return PA_SAMPLE_U8;
    case WavClip::Sample::S16:
        return PA_SAMPLE_S16LE;
    case WavClip::Sample::S24:
        return PA_SAMPLE_S24LE;
    case WavClip::Sample::S32:
        return PA_SAMPLE_S32LE;
    case WavClip::Sample::Float32:
        break;
    }
    return PA_SAMPLE_FLOAT32LE;
}

pa_sample_spec specOf(const WavClip& clip) {
    return {paFormat(clip.sample), uint32_t(clip.rate), uint8_t(clip.channels)};
}

} // namespace

// The server connection and its streams. Every member function but the
// constructor runs with the server thread's lock held, either by the caller
// or because the server thread calls back.
class PulseVoicePlayer::Connection {
public:
    Connection(const PulseApi& api, pa_threaded_mainloop* loop)
        : m_api(api)
        , m_loop(loop) {}

    void lock() { m_api.pa_threaded_mainloop_lock(m_loop); }
    void unlock() { m_api.pa_threaded_mainloop_unlock(m_loop); }

    void connect() {
        dropContext();
        m_context = m_api.pa_context_new(m_api.pa_threaded_mainloop_get_api(m_loop), "Talk");
        if (!m_context)
            return;
        m_api.pa_context_set_state_callback(m_context, &Connection::contextChanged, this);
        if (m_api.pa_context_connect(m_context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0)
            dropContext();
    }

    bool isReady() const {
        return m_context && m_api.pa_context_get_state(m_context) == PA_CONTEXT_READY;
    }

    // Cuts short whatever sounds and starts the clip; a null clip only stops.
    void play(std::shared_ptr<const WavClip> clip) {
        m_waiting.reset();
        Output* target = clip && isReady() ? outputFor(*clip) : nullptr;
        for (const auto& output : m_outputs)
            if (output.get() != target)
                silence(*output);
        if (!clip)
            return;
        if (!isReady()) {
            m_waiting = std::move(clip);
            if (!m_context || !PA_CONTEXT_IS_GOOD(m_api.pa_context_get_state(m_context)))
                connect();
            return;
        }
        if (!target)
            return;
        // What the stream still holds of the clip before is dropped; the
        // server then plays the new one at once.
        if (target->clip || !target->corked)
            done(m_api.pa_stream_flush(target->stream, nullptr, nullptr));
        target->clip = std::move(clip);
        target->written = 0;
        ++target->serial;
        if (m_api.pa_stream_get_state(target->stream) == PA_STREAM_READY)
            start(*target);
    }

    // Replaces the beginning of a clip that is sounding or waiting to with
    // the whole clip, whose rest then follows it.
    void complete(const std::shared_ptr<const WavClip>& beginning,
                  std::shared_ptr<const WavClip> whole) {
        if (!whole || !whole->sameFormat(*beginning))
            return;
        if (m_waiting == beginning) {
            m_waiting = std::move(whole);
            return;
        }
        for (const auto& output : m_outputs)
            if (output->clip == beginning) {
                output->clip = std::move(whole);
                if (m_api.pa_stream_get_state(output->stream) == PA_STREAM_READY &&
                    output->written > 0)
                    feed(*output, firstWriteBytes(*output));
                return;
            }
    }

    // Opens the stream for a format ahead of the first play in it.
    void warmUp(std::shared_ptr<const WavClip> format) {
        if (isReady())
            outputFor(*format);
        else
            m_warmFormat = std::move(format);
    }

    bool isSounding() const {
        return std::any_of(m_outputs.begin(), m_outputs.end(),
                           [](const auto& output) { return bool(output->clip); });
    }

    void close() {
        m_outputs.clear();
        dropContext();
    }

private:
    struct Output {
        Connection* connection = nullptr;
        pa_stream* stream = nullptr;
        WavClip format;
        std::shared_ptr<const WavClip> clip;
        qsizetype written = 0;
        bool corked = true;
        // Counts the clips started, so that the end of an earlier one is not
        // taken for the end of the one sounding now.
        quint64 serial = 0;
        std::deque<quint64> drains;
        quint64 lastUse = 0;
        const PulseApi* api = nullptr;

        ~Output() {
            api->pa_stream_set_state_callback(stream, nullptr, nullptr);
            api->pa_stream_set_write_callback(stream, nullptr, nullptr);
            api->pa_stream_disconnect(stream);
            api->pa_stream_unref(stream);
        }
    };

    Output* outputFor(const WavClip& clip) {
        m_outputs.erase(std::remove_if(m_outputs.begin(), m_outputs.end(),
                                       [this](const auto& output) {
                                           return !PA_STREAM_IS_GOOD(
                                               m_api.pa_stream_get_state(output->stream));
                                       }),
                        m_outputs.end());
        for (const auto& output : m_outputs)
            if (output->format.sameFormat(clip)) {
                output->lastUse = ++m_uses;
                return output.get();
            }
        if (m_outputs.size() >= kMaxOutputs) {
            const auto oldest = std::min_element(
                m_outputs.begin(), m_outputs.end(),
                [](const auto& a, const auto& b) { return a->lastUse < b->lastUse; });
            m_outputs.erase(oldest);
        }
        const pa_sample_spec sampleFormat = specOf(clip);
        pa_stream* stream = m_api.pa_stream_new(m_context, "voice", &sampleFormat, nullptr);
        if (!stream)
            return nullptr;
        auto output = std::make_unique<Output>();
        output->connection = this;
        output->stream = stream;
        output->format = WavClip{clip.sample, clip.channels, clip.rate, {}};
        output->lastUse = ++m_uses;
        output->api = &m_api;
        m_api.pa_stream_set_state_callback(stream, &Connection::streamChanged, output.get());
        m_api.pa_stream_set_write_callback(stream, &Connection::moreWanted, output.get());
        // Playing begins with the first frame written, and a stream that has
        // played out stops rather than run on in silence.
        pa_buffer_attr buffer{};
        buffer.maxlength = uint32_t(-1);
        buffer.tlength = uint32_t(m_api.pa_usec_to_bytes(kTargetLatencyUsec, &sampleFormat));
        buffer.prebuf = uint32_t(clip.bytesPerFrame());
        buffer.minreq = uint32_t(-1);
        buffer.fragsize = uint32_t(-1);
        const auto flags = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | PA_STREAM_START_CORKED);
        if (m_api.pa_stream_connect_playback(stream, nullptr, &buffer, flags, nullptr, nullptr) < 0)
            return nullptr; // the Output's destructor releases the stream
        m_outputs.push_back(std::move(output));
        return m_outputs.back().get();
    }

    void start(Output& output) {
        if (output.corked) {
            done(m_api.pa_stream_cork(output.stream, 0, nullptr, nullptr));
            output.corked = false;
        }
        feed(output, firstWriteBytes(output));
    }

    size_t firstWriteBytes(const Output& output) const {
        const pa_sample_spec sampleFormat = specOf(output.format);
        return m_api.pa_usec_to_bytes(kFirstWriteUsec, &sampleFormat);
    }

    void feed(Output& output, size_t wanted) {
        if (!output.clip || output.written >= output.clip->pcm.size())
            return;
        const qsizetype count =
            std::min(qsizetype(wanted), output.clip->pcm.size() - output.written);
        const qsizetype whole = count - count % output.format.bytesPerFrame();
        if (whole <= 0)
            return;
        m_api.pa_stream_write(output.stream, output.clip->pcm.constData() + output.written,
                              size_t(whole), nullptr, 0, PA_SEEK_RELATIVE);
        output.written += whole;
        if (output.written == output.clip->pcm.size() && output.clip->complete) {
            output.drains.push_back(output.serial);
            done(m_api.pa_stream_drain(output.stream, &Connection::drained, &output));
        }
    }

    // Drops what is queued and rests the stream, so that an idle stream does
    // not keep the sound device awake.
    void silence(Output& output) {
        if (m_api.pa_stream_get_state(output.stream) != PA_STREAM_READY)
            output.clip.reset();
        if (!output.clip && output.corked)
            return;
        done(m_api.pa_stream_flush(output.stream, nullptr, nullptr));
        done(m_api.pa_stream_cork(output.stream, 1, nullptr, nullptr));
        output.corked = true;
        output.clip.reset();
        ++output.serial;
    }

    void done(pa_operation* operation) {
        if (operation)
            m_api.pa_operation_unref(operation);
    }

    void dropContext() {
        m_outputs.clear();
        if (!m_context)
            return;
        m_api.pa_context_set_state_callback(m_context, nullptr, nullptr);
        m_api.pa_context_disconnect(m_context);
        m_api.pa_context_unref(m_context);
        m_context = nullptr;
    }

    static void contextChanged(pa_context* context, void* data) {
        auto* self = static_cast<Connection*>(data);
        switch (self->m_api.pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            if (self->m_waiting)
                self->play(std::move(self->m_waiting));
            else if (self->m_warmFormat)
                self->outputFor(*self->m_warmFormat);
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            // The server went away; the next play connects again.
            self->m_outputs.clear();
            break;
        default:
            break;
        }
    }

    static void streamChanged(pa_stream* stream, void* data) {
        auto* output = static_cast<Output*>(data);
        Connection* self = output->connection;
        switch (self->m_api.pa_stream_get_state(stream)) {
        case PA_STREAM_READY:
            if (output->clip && output->written == 0)
                self->start(*output);
            break;
        case PA_STREAM_FAILED:
            output->clip.reset();
            break;
        default:
            break;
        }
    }

    static void moreWanted(pa_stream* /*stream*/, size_t bytes, void* data) {
        auto* output = static_cast<Output*>(data);
        output->connection->feed(*output, bytes);
    }

    static void drained(pa_stream* /*stream*/, int success, void* data) {
        auto* output = static_cast<Output*>(data);
        if (output->drains.empty())
            return;
        const quint64 serial = output->drains.front();
        output->drains.pop_front();
        if (success && serial == output->serial && output->clip) {
            Connection* self = output->connection;
            self->done(self->m_api.pa_stream_cork(output->stream, 1, nullptr, nullptr));
            output->corked = true;
            output->clip.reset();
        }
    }

    const PulseApi& m_api;
    pa_threaded_mainloop* const m_loop;
    pa_context* m_context = nullptr;
    std::vector<std::unique_ptr<Output>> m_outputs;
    std::shared_ptr<const WavClip> m_waiting;
    std::shared_ptr<const WavClip> m_warmFormat;
    quint64 m_uses = 0;
};

PulseVoicePlayer::PulseVoicePlayer() = default;

PulseVoicePlayer::~PulseVoicePlayer() {
    if (m_starter.joinable())
        m_starter.join();
    if (!m_connection)
        return;
    const PulseApi& api = *PulseApi::load();
    m_connection->lock();
    m_connection->close();
    m_connection->unlock();
    api.pa_threaded_mainloop_stop(m_loop);
    m_connection.reset();
    api.pa_threaded_mainloop_free(m_loop);
}

void PulseVoicePlayer::start() {
    QStringList prepared;
    {
        const std::lock_guard guard(m_guard);
        if (m_started)
            return;
        m_started = true;
        prepared = m_prepared;
    }
    m_clips.prepare(prepared);
    m_starter = std::thread([this] { connect(); });
}

void PulseVoicePlayer::connect() {
    const PulseApi* api = PulseApi::load();
    if (!api)
        return;
    pa_threaded_mainloop* loop = api->pa_threaded_mainloop_new();
    if (!loop)
        return;
    if (api->pa_threaded_mainloop_start(loop) < 0) {
        api->pa_threaded_mainloop_free(loop);
        return;
    }
    auto connection = std::make_unique<Connection>(*api, loop);
    QString firstPrepared;
    {
        const std::lock_guard guard(m_guard);
        firstPrepared = m_prepared.value(0);
    }
    std::shared_ptr<const WavClip> format =
        firstPrepared.isEmpty() ? nullptr : ClipCache::read(firstPrepared);
    connection->lock();
    connection->connect();
    if (format)
        connection->warmUp(std::move(format));
    {
        const std::lock_guard guard(m_guard);
        if (m_hasPending)
            connection->play(std::move(m_pending));
        m_hasPending = false;
        m_loop = loop;
        m_connection = std::move(connection);
    }
    m_connection->unlock();
}

void PulseVoicePlayer::play(const QString& wavPath) {
    const auto beginning = m_clips.beginning(wavPath);
    if (!beginning) {
        request(wavPath.isEmpty() ? nullptr : ClipCache::read(wavPath));
        return;
    }
    request(beginning);
    if (!beginning->complete)
        complete(beginning, ClipCache::read(wavPath));
}

void PulseVoicePlayer::complete(const std::shared_ptr<const WavClip>& beginning,
                                std::shared_ptr<const WavClip> whole) {
    Connection* connection = nullptr;
    {
        const std::lock_guard guard(m_guard);
        if (!m_connection) {
            if (m_pending == beginning)
                m_pending = std::move(whole);
            return;
        }
        connection = m_connection.get();
    }
    connection->lock();
    connection->complete(beginning, std::move(whole));
    connection->unlock();
}

void PulseVoicePlayer::stop() {
    request(nullptr);
}

void PulseVoicePlayer::request(std::shared_ptr<const WavClip> clip) {
    Connection* connection = nullptr;
    {
        const std::lock_guard guard(m_guard);
        if (!m_connection) {
            m_pending = std::move(clip);
            m_hasPending = true;
            return;
        }
        connection = m_connection.get();
    }
    connection->lock();
    connection->play(std::move(clip));
    connection->unlock();
}

void PulseVoicePlayer::prepare(const QStringList& wavPaths) {
    Connection* connection = nullptr;
    {
        const std::lock_guard guard(m_guard);
        m_prepared = wavPaths;
        // Before start() the recordings are only noted: reading them would
        // compete with the building of the window.
        if (!m_started)
            return;
        connection = m_connection.get();
    }
    m_clips.prepare(wavPaths);
    if (!connection || wavPaths.isEmpty())
        return;
    if (auto format = ClipCache::read(wavPaths.first())) {
        connection->lock();
        connection->warmUp(std::move(format));
        connection->unlock();
    }
}

bool PulseVoicePlayer::isConnected() const {
    Connection* connection = nullptr;
    {
        const std::lock_guard guard(m_guard);
        connection = m_connection.get();
    }
    if (!connection)
        return false;
    connection->lock();
    const bool ready = connection->isReady();
    connection->unlock();
    return ready;
}

bool PulseVoicePlayer::isSounding() const {
    Connection* connection = nullptr;
    {
        const std::lock_guard guard(m_guard);
        connection = m_connection.get();
        if (!connection)
            return m_hasPending && m_pending;
    }
    connection->lock();
    const bool sounding = connection->isSounding();
    connection->unlock();
    return sounding;
}
