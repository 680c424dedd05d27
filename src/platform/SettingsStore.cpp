#include "platform/SettingsStore.h"

#include <QSettings>

namespace {
QString keyPath(const QString &section, const QString &key) {
    return section + QLatin1Char('/') + key;
}
QString memoryKey(const QString &app, const QString &section, const QString &key) {
    return app + QLatin1Char('/') + keyPath(section, key);
}
} // namespace

QString QtSettingsStore::value(const QString &app, const QString &section, const QString &key,
                               const QString &fallback) const {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, app, app);
    return s.value(keyPath(section, key), fallback).toString();
}

bool QtSettingsStore::setValue(const QString &app, const QString &section, const QString &key,
                               const QString &value) {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, app, app);
    s.setValue(keyPath(section, key), value);
    s.sync();
    return s.status() == QSettings::NoError;
}

QString MemorySettingsStore::value(const QString &app, const QString &section, const QString &key,
                                   const QString &fallback) const {
    return values.value(memoryKey(app, section, key), fallback);
}

bool MemorySettingsStore::setValue(const QString &app, const QString &section, const QString &key,
                                   const QString &value) {
    if (failWrites)
        return false;
    values[memoryKey(app, section, key)] = value;
    return true;
}
