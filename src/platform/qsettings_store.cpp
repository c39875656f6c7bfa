#include "platform/qsettings_store.h"

namespace {
QString qualified(const QString& key) {
    return key.contains(QLatin1Char('/')) ? key : QStringLiteral("OPT/") + key;
}
} // namespace

QSettingsStore::QSettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Talk")) {}

std::optional<QString> QSettingsStore::value(const QString& key) const {
    const QVariant stored = m_settings.value(qualified(key));
    if (!stored.isValid())
        return std::nullopt;
    return stored.toString();
}

void QSettingsStore::setValue(const QString& key, const QString& value) {
    m_settings.setValue(qualified(key), value);
}

bool QSettingsStore::sync() {
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}
