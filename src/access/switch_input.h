#pragma once

#include "access/switch_source.h"

// The switch keys, application-wide: a press and a release of the key of
// switch 1 or switch 2 become switch presses and releases, whichever window
// or control has the focus, and never also act as ordinary keys (a Space
// that selects does not type a space or press a focused button). The keys'
// own repeats are dropped. While suspended (a carers' window is in front)
// every key acts as usual.
class SwitchInput final : public SwitchSource {
    Q_OBJECT
public:
    // key2 0: one switch only.
    SwitchInput(int key1, int key2, QObject* parent = nullptr);

    void setSuspended(bool suspended) { m_suspended = suspended; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int switchOf(int key) const;

    int m_key1;
    int m_key2;
    bool m_suspended = false;
};
