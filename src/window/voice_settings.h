#pragma once

#include <QString>

class SettingsStore;

// The options of the voice, in the settings group [Voice]: how "読む" reads
// (Read = char, one recording per character, or sentence, whole sentences
// from the synthesizer), how fast sentences are spoken (Rate = slow, normal
// or fast) and the voice that speaks them (File = the path of an .htsvoice
// file). Absent keys, and values the program never writes, read as their
// defaults: character reading, normal speed, the voice Debian installs.
struct VoiceSettings {
    enum class Read { Characters, Sentences };
    enum class Rate { Slow, Normal, Fast };

    Read read = Read::Characters;
    Rate rate = Rate::Normal;
    QString file; // absolute path of the voice file

    bool operator==(const VoiceSettings& other) const {
        return read == other.read && rate == other.rate && file == other.file;
    }
};

namespace voice_keys {
inline const QString kRead = QStringLiteral("Voice/Read");
inline const QString kRate = QStringLiteral("Voice/Rate");
inline const QString kFile = QStringLiteral("Voice/File");
// The voice of the Debian package hts-voice-nitech-jp-atr503-m001.
inline const QString kDebianVoice =
    QStringLiteral("/usr/share/hts-voice/nitech-jp-atr503-m001/nitech_jp_atr503_m001.htsvoice");
} // namespace voice_keys

// A relative File is taken as lying in appDir, the program's folder.
VoiceSettings readVoiceSettings(const SettingsStore& store, const QString& appDir);
void writeVoiceSettings(SettingsStore& store, const VoiceSettings& settings);

// The synthesizer's speed for a rate: 1.0 is the voice's own.
double speechSpeed(VoiceSettings::Rate rate);
