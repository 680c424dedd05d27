#include "platform/SettingsStore.h"

#include <QSettings>

namespace {
QString keyPath(const QString &section, const QString &key) {
    return section + QLatin1Char('/') + key;
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
