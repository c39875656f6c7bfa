#pragma once

#include <functional>

// A one-shot timer on the access clock. The timing rules own
// their timers, so that tests can run them on a clock they move by hand.
class AccessTimer {
public:
    virtual ~AccessTimer() = default;
    // Runs the callback once, ms milliseconds from now; a running timer
    // starts over.
    virtual void start(int ms) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

    void setCallback(std::function<void()> callback) { m_callback = std::move(callback); }

protected:
    void fire() {
        if (m_callback)
            m_callback();
    }

private:
    std::function<void()> m_callback;
};
