#pragma once

#include "data/CalcSettings.h"
#include "data/CardTable.h"

#include <QString>

// The monthly tally of one card table: per-day working and late-night times,
// days worked, the month's totals and the certified totals. Pure functions:
// each writes only its own result cells of the table and keeps nothing
// between calls.
namespace tally {

// What the tally screen shows after jidousyuukei.
struct TallyResult {
    int punchUnit = 1;        // punch rounding unit used, minutes
    int daysWorked = 0;       // also stored as text in the totals row, field 5
    QString monthlyWork;      // totals row field 6, after monthly rounding
    QString monthlyLateNight; // totals row field 7
    QString notice;           // the rounding notice, with the unit and method filled in
    bool noticeShown = false; // shown when the pay type has a monthly rounding unit
};

// Writes fields 6 and 7 of every day row and fields 5, 6 and 7 of the totals
// row. The rounding settings follow the pay type of day row 0; any other pay
// type than "月給", "日給", "時給" gets punch unit 1 and no monthly rounding.
TallyResult jidousyuukei(CardTable &table, const CalcSettings &settings);

// What keisan did.
struct KeisanResult {
    // A certified cell holds a text without ":" (a bare number): the five
    // totals were left as they were. row and field name the first such cell.
    bool stopped = false;
    int row = -1;
    int field = -1;
};

// Writes the totals of the certified fields 8-12 into the totals row, unless
// a certified cell holds a bare number.
KeisanResult keisan(CardTable &table);

// The punch rounding unit of a pay type's settings: its number value, or 1
// when it is empty, not positive or above 60.
int punchUnitOf(const CalcSettings &settings, const QString &payType);

// The month's minute sum after monthly rounding by unit and method.
qint64 roundMonthlyMinutes(qint64 minutes, qint64 unit, const QString &method);

} // namespace tally
