#pragma once
// The host's stored form of a panel: properties saved and loaded by name. A host
// implements the interface over whatever it stores windows in; two ready stores
// keep the values in a variant map or in a QSettings group.

#include "verandel_global.h"

#include <QString>
#include <QVariant>
#include <QVariantMap>

class QSettings;

class VERANDEL_EXPORT VerandelPropertyStore {
public:
    virtual ~VerandelPropertyStore();

    // The stored value of `name`, or `defaultValue` when nothing is stored under it.
    virtual QVariant readProperty(const QString &name, const QVariant &defaultValue) const = 0;
    // Stores `value` under `name`; `defaultValue` is passed along for stores that
    // leave out values equal to their default.
    virtual void writeProperty(const QString &name, const QVariant &value,
                               const QVariant &defaultValue) = 0;
};

// Keeps every written value, defaults included, in a map.
class VERANDEL_EXPORT VerandelVariantMapStore : public VerandelPropertyStore {
public:
    VerandelVariantMapStore() = default;
    explicit VerandelVariantMapStore(const QVariantMap &values) : m_values(values) {}

    QVariant readProperty(const QString &name, const QVariant &defaultValue) const override;
    void writeProperty(const QString &name, const QVariant &value,
                       const QVariant &defaultValue) override;

    const QVariantMap &values() const { return m_values; }

private:
    QVariantMap m_values;
};

// Reads and writes the keys of one group of a QSettings object (the settings object
// must outlive the store). Colours are written as "#rrggbb" so that files stay readable.
class VERANDEL_EXPORT VerandelSettingsStore : public VerandelPropertyStore {
public:
    explicit VerandelSettingsStore(QSettings &settings, const QString &group = QString());

    QVariant readProperty(const QString &name, const QVariant &defaultValue) const override;
    void writeProperty(const QString &name, const QVariant &value,
                       const QVariant &defaultValue) override;

private:
    QString key(const QString &name) const;

    QSettings &m_settings;
    QString m_group;
};
