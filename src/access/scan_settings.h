#pragma once

#include <QString>

class SettingsStore;

// The options of switch scanning, kept in the settings file's group [Scan].
// Absent or unusable values take the defaults; numbers are kept in their
// ranges, so that no stored value can stop the scan or make it race.
struct ScanSettings {
    bool enabled = false;
    int switches = 1;         // 1: automatic scanning; 2: switch 2 steps, switch 1 selects
    int stepMs = 1000;        // one step of the highlight
    double firstFactor = 1.5; // the first step of a level is this much longer
    int rounds = 3;           // rounds without a press before going back up
    int acceptMs = 0;         // a press shorter than this is ignored
    int releaseMs = 300;      // presses this soon after a selection are ignored
    int key1 = 0x20;          // Qt::Key_Space
    int key2 = 0x01000004;    // Qt::Key_Return
    bool click = false;       // a left click anywhere is switch 1
    bool cue = false;         // the highlighted cell's recording is played

    static constexpr int kMinStepMs = 300;
    static constexpr int kMaxStepMs = 5000;
    static constexpr double kMinFirstFactor = 1.0;
    static constexpr double kMaxFirstFactor = 5.0;
    static constexpr int kMaxRounds = 20;
    static constexpr int kMaxQuietMs = 5000; // acceptance and release time

    friend bool operator==(const ScanSettings& a, const ScanSettings& b);
};

ScanSettings readScanSettings(const SettingsStore& store);
void writeScanSettings(SettingsStore& store, const ScanSettings& settings);

// A key as the settings file names it ("Space", "Return", "F1"), and back;
// 0 for a name that is no single key.
QString scanKeyName(int key);
int scanKeyFromName(const QString& name);
