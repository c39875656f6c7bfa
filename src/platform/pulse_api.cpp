#include "platform/pulse_api.h"

#include <dlfcn.h>

namespace {

const PulseApi* resolve() {
    void* library = dlopen("libpulse.so.0", RTLD_LAZY | RTLD_LOCAL);
    if (!library)
        return nullptr;
    static PulseApi api;
    bool complete = true;
#define TALK_PULSE_RESOLVE(name)                                                                   \
    api.name = reinterpret_cast<decltype(api.name)>(dlsym(library, #name));                        \
    complete = complete && api.name;
    TALK_PULSE_FUNCTIONS(TALK_PULSE_RESOLVE)
#undef TALK_PULSE_RESOLVE
    return complete ? &api : nullptr;
}

} // namespace

const PulseApi* PulseApi::load() {
    static const PulseApi* const api = resolve();
    return api;
}
