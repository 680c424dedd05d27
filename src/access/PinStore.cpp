#include "access/PinStore.h"

const QString PinStore::kApp = QStringLiteral("Kelvane");
const QString PinStore::kSection = QStringLiteral("Trdw");
const QString PinStore::kKey = QStringLiteral("Psno");

QString PinStore::read() const {
    return m_settings.value(kApp, kSection, kKey, QString());
}

bool PinStore::write(const QString &scrambled) {
    return m_settings.setValue(kApp, kSection, kKey, scrambled);
}
