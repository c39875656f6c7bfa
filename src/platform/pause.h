#pragma once

// Waits a while and lets pending events (taps, the stop label, timers) run
// meanwhile, without using the processor.
class Pause {
public:
    virtual ~Pause() = default;
    virtual void wait(int milliseconds) = 0;
};
