#pragma once

#include "data/CalcSettings.h"

// The pay period of the settings, read once from settings 13 and 14.
enum class PayPeriodKind {
    Unregistered,      // setting 13 empty: no card month can be named
    MonthEnd,          // "getumatusime": the 1st to the last day
    Twentieth,         // "20sime": the 21st to the 20th, counted as the later month
    OtherSameMonth,    // "sonota" with "tougetu"
    OtherNextMonth,    // "sonota" with "yokugetu"
    OtherUnattributed, // "sonota" without a month attribution
    Unknown,           // a word this program never writes
};

PayPeriodKind payPeriodKind(const CalcSettings &s);

// A "sonota" period of whatever attribution: its start and end days come from
// settings 1 and 2.
inline bool isOtherPeriod(PayPeriodKind k) {
    return k == PayPeriodKind::OtherSameMonth || k == PayPeriodKind::OtherNextMonth ||
           k == PayPeriodKind::OtherUnattributed;
}
