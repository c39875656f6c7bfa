#pragma once

#include <QString>

class SettingsStore;

// The range of one pointer option, as the options page steps through it: from
// min to max in steps; where zeroIsOff, 0 (off) lies one step below min.
struct PointerRange {
    int min = 0;
    int max = 0;
    int step = 1;
    bool zeroIsOff = false;

    // The value as far as the range allows: off stays off, anything else is
    // brought within min and max.
    int bounded(int value) const;
    // One step up (direction 1) or down (-1), stopping at the ends.
    int stepped(int value, int direction) const;
};

// The dwell and touch filters of group [Pointer], all off by default.
struct PointerSettings {
    bool dwell = false;     // "Dwell": resting on a target selects it
    int dwellMs = 1000;     // "DwellMs": the rest that selects
    int tolerance = 8;      // "Tolerance": logical pixels the pointer may wander
    int deadMs = 500;       // "DeadMs": no dwell selection after the board changes
    int holdMs = 0;         // "HoldMs": a press counts once held this long; 0 off
    bool onRelease = false; // "OnRelease": the target under the lifted finger is selected
    int ignoreRepeatMs = 0; // "IgnoreRepeatMs": a repeat within this is ignored; 0 off

    static constexpr PointerRange kDwellMs{300, 3000, 100, false};
    static constexpr PointerRange kTolerance{0, 80, 4, false};
    static constexpr PointerRange kDeadMs{0, 2000, 100, false};
    static constexpr PointerRange kHoldMs{100, 2000, 100, true};
    static constexpr PointerRange kIgnoreRepeatMs{100, 2000, 100, true};

    bool touchFiltersOn() const { return holdMs > 0 || onRelease || ignoreRepeatMs > 0; }
    bool anyOn() const { return dwell || touchFiltersOn(); }

    friend bool operator==(const PointerSettings& a, const PointerSettings& b) {
        return a.dwell == b.dwell && a.dwellMs == b.dwellMs && a.tolerance == b.tolerance &&
               a.deadMs == b.deadMs && a.holdMs == b.holdMs && a.onRelease == b.onRelease &&
               a.ignoreRepeatMs == b.ignoreRepeatMs;
    }
};

// Reads [Pointer]. An absent key, or one that is not a number, takes its
// default; a number beyond its range is read as the nearest value in range
// (a hand-edited "DwellMs=5000" gives the slowest dwell, not the default).
PointerSettings readPointerSettings(const SettingsStore& store);
// Writes the keys of [Pointer] whose values differ from what the store
// reads: options looked at and confirmed unchanged leave the file as it was,
// without a [Pointer] group where it had none.
void writePointerSettings(SettingsStore& store, const PointerSettings& settings);
