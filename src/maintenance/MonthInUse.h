#pragma once

#include "data/CalcSettings.h"
#include "screen/Services.h"

#include <QDate>
#include <QString>

// The card month the punch clock works in today, for the questions before
// that month is deleted or restored over.
namespace monthinuse {

// Its folder name: the current card month of the date in the year style.
QString name(const QDate &today, const CalcSettings &s);

// name + " は現在使用中です。" + what is about to happen + "してもよろしいか。",
// with the detail on lines of its own before the question.
QString question(const QString &name, const QString &action, const QString &detail = QString());

// The settings the maintenance screens read when they open. A missing
// Kijyun.Dat is created empty when create is true, and otherwise read as
// empty; a device error or a full disk ends the program (false); any other
// error reads the settings as empty. A missing year style is "seireki".
bool readSettings(Services &s, bool create, CalcSettings &out);

} // namespace monthinuse
