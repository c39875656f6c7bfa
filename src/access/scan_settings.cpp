#include "access/scan_settings.h"

#include "platform/settings_store.h"

#include <QKeySequence>
#include <algorithm>

namespace {

int intValue(const SettingsStore& store, const char* key, int fallback, int low, int high) {
    const std::optional<int> value = store.intValue(QString::fromLatin1(key));
    return value ? std::clamp(*value, low, high) : fallback;
}

bool flag(const SettingsStore& store, const char* key, bool fallback) {
    return intValue(store, key, fallback ? 1 : 0, 0, 1) == 1;
}

int keyValue(const SettingsStore& store, const char* key, int fallback) {
    const int value = scanKeyFromName(store.value(QString::fromLatin1(key)).value_or(QString()));
    return value ? value : fallback;
}

} // namespace

bool operator==(const ScanSettings& a, const ScanSettings& b) {
    return a.enabled == b.enabled && a.switches == b.switches && a.stepMs == b.stepMs &&
           a.firstFactor == b.firstFactor && a.rounds == b.rounds && a.acceptMs == b.acceptMs &&
           a.releaseMs == b.releaseMs && a.key1 == b.key1 && a.key2 == b.key2 &&
           a.click == b.click && a.cue == b.cue;
}

QString scanKeyName(int key) {
    return QKeySequence(key).toString(QKeySequence::PortableText);
}

int scanKeyFromName(const QString& name) {
    const QKeySequence sequence = QKeySequence::fromString(name, QKeySequence::PortableText);
    if (sequence.count() != 1 || sequence[0].keyboardModifiers() != Qt::NoModifier)
        return 0;
    const int key = sequence[0].key();
    return key == Qt::Key_unknown ? 0 : key;
}

ScanSettings readScanSettings(const SettingsStore& store) {
    const ScanSettings d;
    ScanSettings s;
    s.enabled = flag(store, "Scan/Enabled", d.enabled);
    s.switches = intValue(store, "Scan/Switches", d.switches, 1, 2);
    s.stepMs = intValue(store, "Scan/StepMs", d.stepMs, ScanSettings::kMinStepMs,
                        ScanSettings::kMaxStepMs);
    bool ok = false;
    const double factor =
        store.value(QStringLiteral("Scan/FirstFactor")).value_or(QString()).toDouble(&ok);
    s.firstFactor =
        ok ? std::clamp(factor, ScanSettings::kMinFirstFactor, ScanSettings::kMaxFirstFactor)
           : d.firstFactor;
    s.rounds = intValue(store, "Scan/Rounds", d.rounds, 1, ScanSettings::kMaxRounds);
    s.acceptMs = intValue(store, "Scan/AcceptMs", d.acceptMs, 0, ScanSettings::kMaxQuietMs);
    s.releaseMs = intValue(store, "Scan/ReleaseMs", d.releaseMs, 0, ScanSettings::kMaxQuietMs);
    s.key1 = keyValue(store, "Scan/Key1", d.key1);
    s.key2 = keyValue(store, "Scan/Key2", d.key2);
    // One key cannot be both switches: switch 2 falls back to a key that
    // switch 1 does not use.
    if (s.key2 == s.key1)
        s.key2 = s.key1 == d.key2 ? d.key1 : d.key2;
    s.click = flag(store, "Scan/Click", d.click);
    s.cue = flag(store, "Scan/Cue", d.cue);
    return s;
}

void writeScanSettings(SettingsStore& store, const ScanSettings& s) {
    store.setValue(QStringLiteral("Scan/Enabled"), QString::number(s.enabled ? 1 : 0));
    store.setValue(QStringLiteral("Scan/Switches"), QString::number(s.switches));
    store.setValue(QStringLiteral("Scan/StepMs"), QString::number(s.stepMs));
    store.setValue(QStringLiteral("Scan/FirstFactor"), QString::number(s.firstFactor));
    store.setValue(QStringLiteral("Scan/Rounds"), QString::number(s.rounds));
    store.setValue(QStringLiteral("Scan/AcceptMs"), QString::number(s.acceptMs));
    store.setValue(QStringLiteral("Scan/ReleaseMs"), QString::number(s.releaseMs));
    store.setValue(QStringLiteral("Scan/Key1"), scanKeyName(s.key1));
    store.setValue(QStringLiteral("Scan/Key2"), scanKeyName(s.key2));
    store.setValue(QStringLiteral("Scan/Click"), QString::number(s.click ? 1 : 0));
    store.setValue(QStringLiteral("Scan/Cue"), QString::number(s.cue ? 1 : 0));
}
