#pragma once

#include "platform/settings_store.h"

#include <QMap>
#include <QSet>
#include <QString>

// The options in the INI file of organization "Talk" ($XDG_CONFIG_HOME/Talk.conf
// on Linux): group [OPT] for plain keys, the key's own group otherwise.
//
// QSettings reads and writes the INI format, but only on a copy in a private
// temporary folder: the file itself is read without blocking (a pipe in its
// place reads as no options) and replaced only by safe_file::save, which
// checks every step, so that a full disk never leaves it empty. Values set in
// this session stay in effect when they cannot be stored.
class QSettingsStore final : public SettingsStore {
public:
    explicit QSettingsStore(const QString& path = defaultPath());

    std::optional<QString> value(const QString& key) const override;
    void setValue(const QString& key, const QString& value) override;
    // False when the file could not be read at start (it is then never
    // rewritten) or could not be written; it then keeps its former content.
    bool sync() override;

    static QString defaultPath();

private:
    QString m_path;
    bool m_writable = true;
    QMap<QString, QString> m_values; // by key with its group, "OPT/OPT1"
    QSet<QString> m_changed;
};
