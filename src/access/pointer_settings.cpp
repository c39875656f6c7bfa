#include "access/pointer_settings.h"

#include "platform/settings_store.h"

namespace {
const QString kDwell = QStringLiteral("Pointer/Dwell");
const QString kDwellMs = QStringLiteral("Pointer/DwellMs");
const QString kTolerance = QStringLiteral("Pointer/Tolerance");
const QString kDeadMs = QStringLiteral("Pointer/DeadMs");
const QString kHoldMs = QStringLiteral("Pointer/HoldMs");
const QString kOnRelease = QStringLiteral("Pointer/OnRelease");
const QString kIgnoreRepeatMs = QStringLiteral("Pointer/IgnoreRepeatMs");

int readInRange(const SettingsStore& store, const QString& key, int fallback,
                const PointerRange& range) {
    return range.bounded(store.intValue(key).value_or(fallback));
}
} // namespace

int PointerRange::bounded(int value) const {
    if (zeroIsOff && value <= 0)
        return 0;
    return qBound(min, value, max);
}

int PointerRange::stepped(int value, int direction) const {
    if (zeroIsOff && value <= 0)
        return direction > 0 ? min : 0;
    if (zeroIsOff && direction < 0 && value <= min)
        return 0;
    return bounded(value + direction * step);
}

PointerSettings readPointerSettings(const SettingsStore& store) {
    PointerSettings s;
    s.dwell = store.intValue(kDwell).value_or(0) != 0;
    s.dwellMs = readInRange(store, kDwellMs, s.dwellMs, PointerSettings::kDwellMs);
    s.tolerance = readInRange(store, kTolerance, s.tolerance, PointerSettings::kTolerance);
    s.deadMs = readInRange(store, kDeadMs, s.deadMs, PointerSettings::kDeadMs);
    s.holdMs = readInRange(store, kHoldMs, s.holdMs, PointerSettings::kHoldMs);
    s.onRelease = store.intValue(kOnRelease).value_or(0) != 0;
    s.ignoreRepeatMs =
        readInRange(store, kIgnoreRepeatMs, s.ignoreRepeatMs, PointerSettings::kIgnoreRepeatMs);
    return s;
}

void writePointerSettings(SettingsStore& store, const PointerSettings& s) {
    const PointerSettings stored = readPointerSettings(store);
    const auto write = [&store](const QString& key, int value, int before) {
        if (value != before)
            store.setValue(key, QString::number(value));
    };
    write(kDwell, s.dwell, stored.dwell);
    write(kDwellMs, s.dwellMs, stored.dwellMs);
    write(kTolerance, s.tolerance, stored.tolerance);
    write(kDeadMs, s.deadMs, stored.deadMs);
    write(kHoldMs, s.holdMs, stored.holdMs);
    write(kOnRelease, s.onRelease, stored.onRelease);
    write(kIgnoreRepeatMs, s.ignoreRepeatMs, stored.ignoreRepeatMs);
}
