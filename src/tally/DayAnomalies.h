#pragma once

#include "data/CardTable.h"

#include <QString>
#include <QStringList>
#include <array>

// Days of a tallied card that the administrator should look at before
// confirming: punches that make no working time, or more than a day of it.
// A night shift whose clock-out is earlier than its clock-in (or written as
// 24:00-47:59) on the same day row is what the tally counts as a shift into
// the next morning, and is no mistake. A clock-out that went into the next
// day row instead is: the tally then counts neither day.
namespace dayanomaly {

enum Kind : unsigned {
    OverADay = 1u << 0,           // working time above 24:00
    OutWithoutIn = 1u << 1,       // 退勤 without 出勤
    InWithoutOut = 1u << 2,       // 出勤 without 退勤
    BreakWithoutReturn = 1u << 3, // 休出 without 休戻
    ReturnWithoutBreak = 1u << 4, // 休戻 without 休出
    BreakOnly = 1u << 5,          // break punches on a day without 出勤 and 退勤
    Unreadable = 1u << 6,         // a punch cell that holds no clock time
    // With InWithoutOut: the next day row has a 退勤 alone, likely this
    // shift's; with OutWithoutIn: the day row before has a 出勤 alone.
    SplitShift = 1u << 7,
};

struct Day {
    unsigned kinds = 0;
    unsigned fields = 0; // bit f: card field f is one of the cells at fault
    bool marked() const { return kinds != 0; }
    bool hasField(int f) const { return (fields >> f) & 1u; }
};

using Month = std::array<Day, CardTable::kDayRows>;

// The days of a card whose working times (field 6) are tallied.
Month check(const CardTable &tallied);

// How many days are marked.
int count(const Month &m);

// What is wrong with a day, one line per fault.
QStringList describe(const Day &d);

// The line that names the marked days of a month by the card's day numbers
// ("3日・5日"), the first kNamedDays of them and how many more; empty when
// there is none.
inline constexpr int kNamedDays = 8;
QString summary(const Month &m, const CardTable &card);

// Every marked day with what is wrong, one line each, named by the card's day
// numbers.
QString listing(const Month &m, const CardTable &card);

} // namespace dayanomaly
