#pragma once

#include "platform/settings_store.h"

#include <QSettings>

// The options in the INI file of organization "Talk" ($XDG_CONFIG_HOME/Talk.conf
// on Linux): group [OPT] for plain keys, the key's own group otherwise.
class QSettingsStore final : public SettingsStore {
public:
    QSettingsStore();
    std::optional<QString> value(const QString& key) const override;
    void setValue(const QString& key, const QString& value) override;
    bool sync() override;

private:
    mutable QSettings m_settings;
};
