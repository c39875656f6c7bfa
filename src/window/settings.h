#pragma once

#include <QString>
#include <QtGlobal>

class SettingsStore;

// The user's eight options, read from the store by readSettings() only.
struct Settings {
    int opt1 = 0;      // board taps: 0 one tap opens the panel, 1 two taps open it,
                       // 2 one tap enters, 3 two taps enter
    int opt2 = 0;      // panel taps: 0 one tap enters, 1 two taps enter
    int opt3 = 0;      // voice: 0 always, 1 on "S" and "E", 2 on "E", 3 never
    int beep = 0;      // 1: key beep on every tap
    int moji = 0;      // 1: large text (100 points instead of 55)
    int samp = 1;      // non-zero: offer phrases after each entry
    qint32 gMaxC = 9;  // index of the board's last column: 9 or 14
    qint16 sample = 2; // number of trailing characters that make the phrase key
};

namespace settings_keys {
inline const QString kOpt1 = QStringLiteral("OPT1");
inline const QString kOpt2 = QStringLiteral("OPT2");
inline const QString kOpt3 = QStringLiteral("OPT3");
inline const QString kBeep = QStringLiteral("Beep");
inline const QString kMoji = QStringLiteral("Moji");
inline const QString kSamp = QStringLiteral("Samp");
inline const QString kGMaxC = QStringLiteral("gMaxC");
inline const QString kSample = QStringLiteral("Sample");
} // namespace settings_keys

// Reads the eight keys in their fixed order. A missing key, and a value the
// system never writes (not a number, or outside the key's range), yields the
// key's default, so a hand-edited store cannot break the board. A "gMaxC"
// other than 14 (fifteen columns) is read as 9, the ten-column board.
Settings readSettings(const SettingsStore& store);

int textPointSize(const Settings& settings);
