#include "platform/qsettings_store.h"

namespace {
const QString kSection = QStringLiteral("OPT/");
}

QSettingsStore::QSettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Talk")) {}

std::optional<QString> QSettingsStore::value(const QString& key) const {
    const QVariant stored = m_settings.value(kSection + key);
    if (!stored.isValid())
        return std::nullopt;
    return stored.toString();
}

void QSettingsStore::setValue(const QString& key, const QString& value) {
    m_settings.setValue(kSection + key, value);
    m_settings.sync();
}
