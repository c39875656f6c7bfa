#pragma once

#include "access/switch_source.h"
#include <functional>

// The option "a left click anywhere is switch 1": a press and release of the
// left mouse button, or a touch, anywhere in the program become switch 1's
// press and release and reach no control. The program's own taps
// (access::activate) pass, and so does whatever passThrough names: the
// carers' small buttons and windows, so that the options stay within reach.
// Kept apart from the key filter and from the pointer filters, so that any of
// them can be on together.
class SwitchClickInput final : public SwitchSource {
    Q_OBJECT
public:
    explicit SwitchClickInput(std::function<bool(QWidget* under)> passThrough,
                              QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool(QWidget*)> m_passThrough;
    bool m_down = false;
};
