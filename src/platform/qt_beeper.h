#pragma once

#include "platform/beeper.h"

class QtBeeper final : public Beeper {
public:
    void beep() override;
};
