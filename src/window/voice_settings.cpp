#include "window/voice_settings.h"

#include "platform/settings_store.h"

#include <QDir>

namespace {
QString stored(const SettingsStore& store, const QString& key) {
    return store.value(key).value_or(QString()).trimmed();
}
} // namespace

VoiceSettings readVoiceSettings(const SettingsStore& store, const QString& appDir) {
    VoiceSettings s;
    if (stored(store, voice_keys::kRead) == QLatin1String("sentence"))
        s.read = VoiceSettings::Read::Sentences;
    const QString rate = stored(store, voice_keys::kRate);
    if (rate == QLatin1String("slow"))
        s.rate = VoiceSettings::Rate::Slow;
    else if (rate == QLatin1String("fast"))
        s.rate = VoiceSettings::Rate::Fast;
    const QString file = stored(store, voice_keys::kFile);
    s.file = file.isEmpty() ? voice_keys::kDebianVoice
                            : QDir::cleanPath(QDir(appDir).absoluteFilePath(file));
    return s;
}

void writeVoiceSettings(SettingsStore& store, const VoiceSettings& settings) {
    store.setValue(voice_keys::kRead, settings.read == VoiceSettings::Read::Sentences
                                          ? QStringLiteral("sentence")
                                          : QStringLiteral("char"));
    const char* const rates[] = {"slow", "normal", "fast"};
    store.setValue(voice_keys::kRate, QString::fromLatin1(rates[int(settings.rate)]));
    store.setValue(voice_keys::kFile, settings.file);
}

double speechSpeed(VoiceSettings::Rate rate) {
    switch (rate) {
    case VoiceSettings::Rate::Slow:
        return 0.8;
    case VoiceSettings::Rate::Fast:
        return 1.25;
    default:
        return 1.0;
    }
}
