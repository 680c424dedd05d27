#pragma once

#include "data/CalcSettings.h"

#include <QDate>
#include <array>

// The three date rules every screen shares: the era year, the current card
// month of a date and the pay period of a card month.
namespace daterules {

inline constexpr int kEraOffset = 1988;

inline int eraYear(int westernYear) {
    return westernYear - kEraOffset;
}
inline int westernFromEra(int era) {
    return era + kEraOffset;
}

// A year as shown and entered in the year style: era year for "wareki".
QString yearText(int westernYear, const CalcSettings &s);
// The western year of a year typed in the year style.
int westernYearOf(int shownYear, const CalcSettings &s);

// A month by its western year, as the date rules count months.
struct YearMonth {
    int westernYear = 0;
    int month = 0;
    bool operator==(const YearMonth &) const = default;
};

// The card month whose pay period contains the date.
YearMonth currentCardMonth(const QDate &date, const CalcSettings &s);

// "2007年3月" or, with "wareki", "19年3月".
QString cardMonthFolder(const YearMonth &m, const CalcSettings &s);

// Days of a month by the full Gregorian rule; 0 for a month outside 1-12.
int daysInMonth(int westernYear, int month);
bool isLeapYear(int westernYear);

struct PayPeriod {
    int startDay = 1;           // S
    int startYear = 0;          // western year of the period start month F
    int startMonth = 1;         // F
    std::array<QDate, 31> days; // row r; an invalid date is a blank row
};

// The 31 day rows of a card month. Start days outside 1..31 and days that do
// not exist in their month give blank rows; a month past 12 counts on into
// the next year.
PayPeriod payPeriod(const YearMonth &m, const CalcSettings &s);

} // namespace daterules
