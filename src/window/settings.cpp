#include "window/settings.h"

#include "platform/settings_store.h"

namespace {
// A value the program never writes (not a number, out of range) reads as
// the key's default.
int readInt(const SettingsStore& store, const QString& key, int fallback, int low, int high) {
    const int value = store.intValue(key).value_or(fallback);
    return value >= low && value <= high ? value : fallback;
}

// The board has ten columns or fifteen: any other width would push the kana
// rows off the screen or leave the board empty.
constexpr int kWideMaxC = 14;
} // namespace

Settings readSettings(const SettingsStore& store) {
    using namespace settings_keys;
    Settings s;
    s.opt1 = readInt(store, kOpt1, 0, 0, 3);
    s.opt2 = readInt(store, kOpt2, 0, 0, 1);
    s.opt3 = readInt(store, kOpt3, 0, 0, 3);
    s.beep = readInt(store, kBeep, 0, 0, 1);
    s.moji = readInt(store, kMoji, 0, 0, 1);
    s.samp = readInt(store, kSamp, 1, 0, 1);
    s.gMaxC = readInt(store, kGMaxC, 9, 9, kWideMaxC) == kWideMaxC ? kWideMaxC : 9;
    s.sample = qint16(readInt(store, kSample, 2, 1, 5));
    return s;
}

int textPointSize(const Settings& settings) {
    return settings.moji == 1 ? 100 : 55;
}
