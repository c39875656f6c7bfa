#pragma once

#include "platform/pause.h"

// A nested event loop ended by a single-shot timer. The timer is monotonic, so
// a pause across midnight still ends on time.
class EventLoopPause final : public Pause {
public:
    void wait(int milliseconds) override;
};
