#include "platform/pulse_audio_input.h"

#include "platform/pulse_api.h"

#include <QList>
#include <QMetaObject>
#include <chrono>
#include <cstring>

namespace {
// The rate of the recordings that the build makes.
constexpr int kSampleRate = 22050;
// A local server answers within milliseconds; one that has not answered by
// then is taken to be absent.
constexpr std::chrono::seconds kServerWait{2};
// The level meter follows the samples this often.
constexpr pa_usec_t kDeliveryUsec = 50 * 1000;

constexpr pa_sample_spec kSpec{PA_SAMPLE_S16NE, kSampleRate, 1};
} // namespace

PulseAudioInput::PulseAudioInput(QObject* parent)
    : AudioInput(parent) {}

PulseAudioInput::~PulseAudioInput() {
    stop();
    disconnect();
}

int PulseAudioInput::sampleRate() const {
    return kSampleRate;
}

template <typename Done> bool PulseAudioInput::waitFor(Done done) const {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, kServerWait, done);
}

// The connection is made at the first need and kept; one the server dropped
// is made again.
bool PulseAudioInput::connect() const {
    if (m_context) {
        std::lock_guard lock(m_mutex);
        if (m_contextState == PA_CONTEXT_READY)
            return true;
    }
    disconnect();
    if (!m_api)
        m_api = PulseApi::load();
    if (!m_api)
        return false;
    m_loop = m_api->pa_threaded_mainloop_new();
    if (!m_loop)
        return false;
    m_api->pa_threaded_mainloop_lock(m_loop);
    m_context = m_api->pa_context_new(m_api->pa_threaded_mainloop_get_api(m_loop), "Talk");
    bool connecting = false;
    if (m_context) {
        {
            std::lock_guard lock(m_mutex);
            m_contextState = PA_CONTEXT_UNCONNECTED;
        }
        m_api->pa_context_set_state_callback(m_context, &PulseAudioInput::contextChanged,
                                             const_cast<PulseAudioInput*>(this));
        connecting =
            m_api->pa_context_connect(m_context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) >= 0;
    }
    m_api->pa_threaded_mainloop_unlock(m_loop);
    if (!connecting || m_api->pa_threaded_mainloop_start(m_loop) < 0) {
        disconnect();
        return false;
    }
    const bool answered = waitFor([this] {
        return m_contextState == PA_CONTEXT_READY ||
               !PA_CONTEXT_IS_GOOD(pa_context_state_t(m_contextState));
    });
    std::lock_guard lock(m_mutex);
    return answered && m_contextState == PA_CONTEXT_READY;
}

void PulseAudioInput::disconnect() const {
    if (!m_loop)
        return;
    // Stopping the server thread first means no callback runs from here on.
    m_api->pa_threaded_mainloop_stop(m_loop);
    if (m_stream)
        dropStream();
    if (m_context) {
        m_api->pa_context_set_state_callback(m_context, nullptr, nullptr);
        m_api->pa_context_disconnect(m_context);
        m_api->pa_context_unref(m_context);
        m_context = nullptr;
    }
    m_api->pa_threaded_mainloop_free(m_loop);
    m_loop = nullptr;
}

bool PulseAudioInput::available() const {
    if (!connect())
        return false;
    {
        std::lock_guard lock(m_mutex);
        m_listed = false;
        m_sourceFound = false;
    }
    const auto onSource = [](pa_context*, const pa_source_info* info, int last, void* data) {
        auto* self = static_cast<const PulseAudioInput*>(data);
        std::lock_guard lock(self->m_mutex);
        if (last)
            self->m_listed = true;
        else if (info && info->monitor_of_sink == PA_INVALID_INDEX)
            self->m_sourceFound = true;
        self->m_changed.notify_all();
    };
    m_api->pa_threaded_mainloop_lock(m_loop);
    pa_operation* listing = m_api->pa_context_get_source_info_list(
        m_context, onSource, const_cast<PulseAudioInput*>(this));
    m_api->pa_threaded_mainloop_unlock(m_loop);
    if (!listing)
        return false;
    const bool listed = waitFor([this] { return m_listed; });
    m_api->pa_threaded_mainloop_lock(m_loop);
    if (!listed)
        m_api->pa_operation_cancel(listing);
    m_api->pa_operation_unref(listing);
    m_api->pa_threaded_mainloop_unlock(m_loop);
    std::lock_guard lock(m_mutex);
    return m_sourceFound;
}

bool PulseAudioInput::start() {
    stop();
    if (!connect())
        return false;
    m_api->pa_threaded_mainloop_lock(m_loop);
    m_stream = m_api->pa_stream_new(m_context, "microphone", &kSpec, nullptr);
    bool connecting = false;
    if (m_stream) {
        {
            std::lock_guard lock(m_mutex);
            m_streamState = PA_STREAM_UNCONNECTED;
        }
        m_api->pa_stream_set_state_callback(m_stream, &PulseAudioInput::streamChanged, this);
        m_api->pa_stream_set_read_callback(m_stream, &PulseAudioInput::readable, this);
        pa_buffer_attr buffer{};
        buffer.maxlength = uint32_t(-1);
        buffer.fragsize = uint32_t(m_api->pa_usec_to_bytes(kDeliveryUsec, &kSpec));
        connecting = m_api->pa_stream_connect_record(m_stream, nullptr, &buffer,
                                                     PA_STREAM_ADJUST_LATENCY) >= 0;
    }
    m_api->pa_threaded_mainloop_unlock(m_loop);
    const bool answered = connecting && waitFor([this] {
                              return m_streamState == PA_STREAM_READY ||
                                     !PA_STREAM_IS_GOOD(pa_stream_state_t(m_streamState));
                          });
    bool ready = false;
    {
        std::lock_guard lock(m_mutex);
        ready = answered && m_streamState == PA_STREAM_READY;
    }
    if (!ready)
        stop();
    return ready;
}

void PulseAudioInput::stop() {
    if (!m_stream)
        return;
    m_api->pa_threaded_mainloop_lock(m_loop);
    dropStream();
    m_api->pa_threaded_mainloop_unlock(m_loop);
    deliver();
}

// With the server thread's lock held, or the thread stopped.
void PulseAudioInput::dropStream() const {
    m_api->pa_stream_set_state_callback(m_stream, nullptr, nullptr);
    m_api->pa_stream_set_read_callback(m_stream, nullptr, nullptr);
    m_api->pa_stream_disconnect(m_stream);
    m_api->pa_stream_unref(m_stream);
    m_stream = nullptr;
}

// On the object's thread: hands on what the server thread has read.
void PulseAudioInput::deliver() {
    QByteArray bytes;
    {
        std::lock_guard lock(m_mutex);
        bytes.swap(m_heard);
        m_deliveryQueued = false;
    }
    const qsizetype count = bytes.size() / 2;
    if (count == 0)
        return;
    QList<qint16> samples(count);
    std::memcpy(samples.data(), bytes.constData(), size_t(count) * 2);
    emit heard(samples);
}

void PulseAudioInput::report(int& field, int state) const {
    std::lock_guard lock(m_mutex);
    field = state;
    m_changed.notify_all();
}

void PulseAudioInput::contextChanged(pa_context* context, void* data) {
    auto* self = static_cast<PulseAudioInput*>(data);
    self->report(self->m_contextState, self->m_api->pa_context_get_state(context));
}

void PulseAudioInput::streamChanged(pa_stream* stream, void* data) {
    auto* self = static_cast<PulseAudioInput*>(data);
    self->report(self->m_streamState, self->m_api->pa_stream_get_state(stream));
}

void PulseAudioInput::readable(pa_stream* stream, size_t /*bytes*/, void* data) {
    auto* self = static_cast<PulseAudioInput*>(data);
    const PulseApi& api = *self->m_api;
    bool queue = false;
    for (;;) {
        const void* samples = nullptr;
        size_t length = 0;
        if (api.pa_stream_peek(stream, &samples, &length) < 0 || length == 0)
            break;
        // No samples with a length is a gap in the recording: it is dropped.
        if (samples) {
            std::lock_guard lock(self->m_mutex);
            self->m_heard.append(static_cast<const char*>(samples), qsizetype(length));
            queue = queue || !self->m_deliveryQueued;
            self->m_deliveryQueued = true;
        }
        api.pa_stream_drop(stream);
    }
    if (queue)
        QMetaObject::invokeMethod(self, &PulseAudioInput::deliver, Qt::QueuedConnection);
}
