#pragma once

#include "data/CalcSettings.h"
#include "data/CardTable.h"

#include <QString>

// Cards and settings for the tally tests.
namespace tallytest {

// A prepared card of a 31-day month: day numbers, code, name and pay type.
inline CardTable card(const QString &payType = "月給") {
    CardTable t;
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        t.at(r, CardField::Day) = QString::number(r + 1);
        t.at(r, CardField::Code) = "12";
        t.at(r, CardField::Name) = "山田太郎";
        t.at(r, CardField::PayType) = payType;
    }
    return t;
}

inline void punch(CardTable &t, int row, const QString &in, const QString &out, const QString &back,
                  const QString &leave) {
    t.at(row, CardField::ClockIn) = in;
    t.at(row, CardField::BreakOut) = out;
    t.at(row, CardField::BreakReturn) = back;
    t.at(row, CardField::ClockOut) = leave;
}

// Settings with one rounding row filled for a pay type.
inline CalcSettings rounding(const QString &payType, const QString &punchUnit,
                             const QString &monthlyUnit = QString(),
                             const QString &method = QString()) {
    CalcSettings s;
    const int row = CalcSettings::roundingRowOf(payType);
    if (row >= 0) {
        s[row] = punchUnit;
        s[row + 1] = monthlyUnit;
        s[row + 2] = method;
    }
    return s;
}

} // namespace tallytest
