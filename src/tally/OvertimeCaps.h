#pragma once

#include "tally/CapLimits.h"

#include <QStringList>
#include <array>

// The overtime caps of one employee for a chosen month: the certified 法定外
// and 休日 hours of the twelve card months ending with it, held against the
// limits. A month without a confirmed card counts as 0 hours, in the
// averages too: the data folder says nothing more of it.
namespace overtimecaps {

inline constexpr int kWindow = 12;
inline constexpr int kShortestAverage = 2;
inline constexpr int kLongestAverage = 6;

// One card month's certified totals, in minutes.
struct MonthHours {
    qint64 beyond = 0;      // 法定外
    qint64 holiday = 0;     // 休日
    bool confirmed = false; // the card was confirmed; otherwise both are 0
    qint64 total() const { return beyond + holiday; }
};

// The twelve months, the chosen month first, then each month before it.
using Window = std::array<MonthHours, kWindow>;

enum Rule : int {
    MonthOver = 1,      // the month's 法定外 over its limit
    MonthTotalOver = 2, // the month's 法定外 + 休日 over its limit
    AverageOver = 4,    // a 2- to 6-month average over its limit
    YearOver = 8,       // the twelve months' 法定外 over its limit
    TooManyMonths = 16, // more months over the monthly limit than allowed
};
inline constexpr Rule kRules[] = {MonthOver, MonthTotalOver, AverageOver, YearOver, TooManyMonths};

struct Result {
    qint64 monthBeyond = 0; // the chosen month, minutes
    qint64 monthTotal = 0;
    // The highest of the 2- to 6-month averages: its sum over its months.
    qint64 averageSum = 0;
    int averageMonths = kShortestAverage;
    qint64 yearBeyond = 0;
    int monthsOver = 0;    // of the twelve, over the monthly 法定外 limit
    int monthsMissing = 0; // of the twelve, without a confirmed card
    int rules = 0;         // the Rule flags exceeded

    bool exceeds(Rule r) const { return (rules & r) != 0; }
    // The highest average in whole minutes, rounded up: an average shown at
    // its limit is never one flagged over it.
    qint64 averageMinutes() const;
};

Result check(const Window &months, const CapLimits &limits);

// The words of an exceeded rule, with its limit: "月45時間超（法定外）".
QString ruleText(Rule r, const CapLimits &limits);
// The words of every exceeded rule, in the order of kRules.
QStringList ruleTexts(int rules, const CapLimits &limits);

} // namespace overtimecaps
