#pragma once

#include "screen/Session.h"

#include <QString>
#include <QStringList>

// Which menu items open which working screens, and when they may.
namespace menurules {

// The six items disabled while a working screen is open, by object name.
const QStringList &workingItems();
// The current-screen word an item opens ("menukijyun" -> "keisankijyun").
QString wordOfItem(const QString &item);
// Whether the item asks for the PIN when one is stored.
bool pinGuarded(const QString &word);
// Items that open working screens act only on the punch-clock screen.
inline bool mayOpen(const QString &screenWord) {
    return screenWord == screenword::recorder;
}

} // namespace menurules
