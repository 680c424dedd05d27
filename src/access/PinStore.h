#pragma once

#include "platform/SettingsStore.h"

#include <QString>

// Where the scrambled administrator PIN lives in the per-user settings store.
class PinStore {
public:
    static const QString kApp;     // "Kelvane"
    static const QString kSection; // "Trdw"
    static const QString kKey;     // "Psno"

    explicit PinStore(SettingsStore &settings) : m_settings(settings) {}

    // The scrambled PIN; empty when none is registered.
    QString read() const;
    // False when the store could not keep the value; the old value then stays.
    bool write(const QString &scrambled);

private:
    SettingsStore &m_settings;
};
