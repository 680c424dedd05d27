#pragma once

#include <QMap>
#include <QString>

// The per-user settings store: a text by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString value(const QString &app, const QString &section, const QString &key,
                          const QString &fallback = {}) const = 0;
    // False when the value could not be stored.
    virtual bool setValue(const QString &app, const QString &section, const QString &key,
                          const QString &value) = 0;
};

// QSettings in INI format, user scope: ~/.config/<app>/<app>.ini.
class QtSettingsStore : public SettingsStore {
public:
    QString value(const QString &app, const QString &section, const QString &key,
                  const QString &fallback = {}) const override;
    bool setValue(const QString &app, const QString &section, const QString &key,
                  const QString &value) override;
};

// Settings kept in memory only, for a run that must leave the user's own
// alone (a benchmark, a kill run, a test); failWrites makes every write fail.
class MemorySettingsStore : public SettingsStore {
public:
    QString value(const QString &app, const QString &section, const QString &key,
                  const QString &fallback = {}) const override;
    bool setValue(const QString &app, const QString &section, const QString &key,
                  const QString &value) override;
    QMap<QString, QString> values;
    bool failWrites = false;
};
