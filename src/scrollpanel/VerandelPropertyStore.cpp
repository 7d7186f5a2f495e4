#include "VerandelPropertyStore.h"

#include <QColor>
#include <QSettings>

VerandelPropertyStore::~VerandelPropertyStore() = default;

QVariant VerandelVariantMapStore::readProperty(const QString &name, const QVariant &defaultValue) const
{
    return m_values.value(name, defaultValue);
}

void VerandelVariantMapStore::writeProperty(const QString &name, const QVariant &value,
                                            const QVariant &)
{
    m_values.insert(name, value);
}

VerandelSettingsStore::VerandelSettingsStore(QSettings &settings, const QString &group)
    : m_settings(settings), m_group(group)
{
}

QString VerandelSettingsStore::key(const QString &name) const
{
    return m_group.isEmpty() ? name : m_group + QLatin1Char('/') + name;
}

QVariant VerandelSettingsStore::readProperty(const QString &name, const QVariant &defaultValue) const
{
    return m_settings.value(key(name), defaultValue);
}

void VerandelSettingsStore::writeProperty(const QString &name, const QVariant &value, const QVariant &)
{
    if (value.typeId() == QMetaType::QColor)
        m_settings.setValue(key(name), value.value<QColor>().name());
    else
        m_settings.setValue(key(name), value);
}
