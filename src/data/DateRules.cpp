#include "data/DateRules.h"

#include "data/CardMonth.h"
#include "data/PayPeriodKind.h"

namespace daterules {

namespace {

// Also brings a month outside 1-12 (a typed month 13) back into its year.
YearMonth addMonths(YearMonth m, int delta) {
    const long long index = static_cast<long long>(m.westernYear) * 12 + (m.month - 1) + delta;
    long long year = index / 12;
    long long month = index % 12;
    if (month < 0) {
        month += 12;
        --year;
    }
    return {static_cast<int>(year), static_cast<int>(month) + 1};
}

} // namespace

QString yearText(int westernYear, const CalcSettings &s) {
    return QString::number(s.wareki() ? eraYear(westernYear) : westernYear);
}

int westernYearOf(int shownYear, const CalcSettings &s) {
    return s.wareki() ? westernFromEra(shownYear) : shownYear;
}

YearMonth currentCardMonth(const QDate &date, const CalcSettings &s) {
    const YearMonth same{date.year(), date.month()};
    const int d = date.day();
    const PayPeriodKind k = payPeriodKind(s);
    if (k == PayPeriodKind::Twentieth)
        return d <= 20 ? same : addMonths(same, 1);
    if (isOtherPeriod(k)) {
        const int end = leadingNumber(s[CalcSettings::OtherEndDay]);
        if (k == PayPeriodKind::OtherNextMonth)
            return d <= end ? same : addMonths(same, 1);
        return d <= end ? addMonths(same, -1) : same;
    }
    return same;
}

QString cardMonthFolder(const YearMonth &m, const CalcSettings &s) {
    return CardMonth::inYearStyle(m.westernYear, m.month, s).folderName();
}

int daysInMonth(int westernYear, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && isLeapYear(westernYear))
        return 29;
    return kDays[month - 1];
}

bool isLeapYear(int westernYear) {
    return (westernYear % 4 == 0 && westernYear % 100 != 0) || westernYear % 400 == 0;
}

PayPeriod payPeriod(const YearMonth &m, const CalcSettings &s) {
    PayPeriod p;
    const PayPeriodKind k = payPeriodKind(s);
    bool startsMonthBefore = false;
    if (k == PayPeriodKind::Twentieth) {
        p.startDay = 21;
        startsMonthBefore = true;
    } else if (isOtherPeriod(k)) {
        p.startDay = leadingNumber(s[CalcSettings::OtherStartDay]);
        startsMonthBefore = k == PayPeriodKind::OtherNextMonth;
    }
    const YearMonth f = addMonths(m, startsMonthBefore ? -1 : 0);
    const YearMonth next = addMonths(f, 1);
    p.startYear = f.westernYear;
    p.startMonth = f.month;
    for (int r = 0; r < 31; ++r) {
        const int day = p.startDay + r;
        if (day <= 31)
            p.days[static_cast<size_t>(r)] = QDate(f.westernYear, f.month, day);
        else
            p.days[static_cast<size_t>(r)] = QDate(next.westernYear, next.month, day - 31);
        // QDate leaves days that do not exist invalid: those rows stay blank.
    }
    return p;
}

} // namespace daterules
