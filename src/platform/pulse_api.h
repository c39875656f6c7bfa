#pragma once

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/operation.h>
#include <pulse/sample.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

// The PulseAudio client functions the voice player and the microphone use,
// taken from the client library when they first need them rather than when
// the program starts: the library and the twenty it draws in would otherwise
// be loaded before the window can show.
#define TALK_PULSE_FUNCTIONS(F)                                                                    \
    F(pa_threaded_mainloop_new)                                                                    \
    F(pa_threaded_mainloop_free)                                                                   \
    F(pa_threaded_mainloop_start)                                                                  \
    F(pa_threaded_mainloop_stop)                                                                   \
    F(pa_threaded_mainloop_lock)                                                                   \
    F(pa_threaded_mainloop_unlock)                                                                 \
    F(pa_threaded_mainloop_get_api)                                                                \
    F(pa_context_new)                                                                              \
    F(pa_context_unref)                                                                            \
    F(pa_context_connect)                                                                          \
    F(pa_context_disconnect)                                                                       \
    F(pa_context_get_state)                                                                        \
    F(pa_context_set_state_callback)                                                               \
    F(pa_context_get_source_info_list)                                                             \
    F(pa_stream_new)                                                                               \
    F(pa_stream_unref)                                                                             \
    F(pa_stream_connect_playback)                                                                  \
    F(pa_stream_connect_record)                                                                    \
    F(pa_stream_disconnect)                                                                        \
    F(pa_stream_get_state)                                                                         \
    F(pa_stream_set_state_callback)                                                                \
    F(pa_stream_set_write_callback)                                                                \
    F(pa_stream_set_read_callback)                                                                 \
    F(pa_stream_peek)                                                                              \
    F(pa_stream_drop)                                                                              \
    F(pa_stream_write)                                                                             \
    F(pa_stream_flush)                                                                             \
    F(pa_stream_cork)                                                                              \
    F(pa_stream_drain)                                                                             \
    F(pa_operation_unref)                                                                          \
    F(pa_operation_cancel)                                                                         \
    F(pa_usec_to_bytes)

struct PulseApi {
#define TALK_PULSE_MEMBER(name) decltype(&::name) name = nullptr;
    TALK_PULSE_FUNCTIONS(TALK_PULSE_MEMBER)
#undef TALK_PULSE_MEMBER

    // Loads the client library once; null when it or a function is missing,
    // and the program then stays silent.
    static const PulseApi* load();
};
