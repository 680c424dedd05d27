#pragma once

#include "data/CalcSettings.h"
#include "data/CardTable.h"

#include <QDate>
#include <QStringList>
#include <array>

// The card month folders the tally screen lists and works in.
namespace tallymonth {

// The entries of the data folder that name card months, newest first; names
// of another form come after them, in listing order.
QStringList listNewestFirst(FileSystem &fs);
QStringList sortNewestFirst(const QStringList &names);

// Whether a folder name stays inside the data folder: one plain name, not "."
// or "..", without separators or control characters.
bool isSafeFolder(const QString &name);
QString unsafeFolderText(const QString &name);

// The calendar date of each day row of a card of the folder's month, as the
// pay period of the settings lays them out; a date is left invalid where the
// card's day field does not agree with it, or where the folder name gives no
// month.
std::array<QDate, CardTable::kDayRows> rowDates(const QString &folder, const CardTable &card,
                                                const CalcSettings &settings);

} // namespace tallymonth
