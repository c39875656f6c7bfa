#pragma once

// The platform's short key beep.
class Beeper {
public:
    virtual ~Beeper() = default;
    virtual void beep() = 0;
};
