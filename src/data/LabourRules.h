#pragma once

#include "data/CalcSettings.h"
#include "data/CardTable.h"

#include <QDate>
#include <QString>
#include <QStringList>

// What the labour rules ask of attendance records, where the program can see
// it: settings that count working time short, records deleted before their
// retention period is over, a clock-out forgotten.
namespace labourrules {

// A punch rounding unit (clock-in rounded up, clock-out rounded down) or the
// monthly method "切捨て" with a monthly unit in any pay type's row: working time is counted
// shorter than it was, day by day or for the month.
bool roundingShortensTime(const CalcSettings &s);
QString roundingNoticeText();

// Years attendance records are kept. The law asks five; a transitional rule
// allows three for now. The program asks before deleting anything younger
// than five, which satisfies both.
inline constexpr int kRetentionYears = 5;

// The last day of a card month's pay period (the day its record is complete);
// invalid for a name that is no calendar month (CardMonth::calendarMonth).
QDate periodEnd(const QString &folderName, const CalcSettings &s);
// The card month must still be kept on today.
bool withinRetention(const QString &folderName, const QDate &today, const CalcSettings &s);
// The question before deleting such months.
QString retentionQuestion(const QStringList &months);

// The day row before row on which punches were last made; -1 when no day
// before it holds a punch.
int lastPunchedBefore(const CardTable &t, int row);
// The day row before row on which punches were last made, when it holds a
// clock-in and no clock-out; -1 otherwise.
int openClockInBefore(const CardTable &t, int row);

} // namespace labourrules
