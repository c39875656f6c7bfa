#pragma once

#include <QString>
#include <optional>

// The per-user store of the options: string values under application "Talk".
// A plain key ("OPT1") lies in the section "OPT" of the eight specified
// options; an extension's key names its own group, as "Voice/Read".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<QString> value(const QString& key) const = 0;
    virtual void setValue(const QString& key, const QString& value) = 0;
    // Writes what was set to the stored file; false when it could not be
    // written, so that the values would be lost at the next start.
    virtual bool sync() = 0;

    // The stored value as a whole number (spaces around it allowed); nothing
    // when the key is absent or holds no number. What a value out of range
    // means is for each reader to say.
    std::optional<int> intValue(const QString& key) const {
        const std::optional<QString> stored = value(key);
        bool ok = false;
        const int number = stored ? stored->trimmed().toInt(&ok) : 0;
        return ok ? std::optional<int>(number) : std::nullopt;
    }
};
