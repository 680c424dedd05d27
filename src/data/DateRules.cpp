#include "data/DateRules.h"

namespace daterules {

namespace {

// Also brings a month outside 1-12 (a typed month 13) back into its year.
CardMonth addMonths(CardMonth m, int delta) {
    const long long index = static_cast<long long>(m.westernYear) * 12 + (m.month - 1) + delta;
    long long year = index / 12;
    long long month = index % 12;
    if (month < 0) {
        month += 12;
        --year;
    }
    return {static_cast<int>(year), static_cast<int>(month) + 1};
}

QString kind(const CalcSettings &s) {
    return s[CalcSettings::PeriodKind];
}
bool attributionNext(const CalcSettings &s) {
    return s[CalcSettings::MonthAttribution] == QLatin1String("yokugetu");
}

} // namespace

QString yearText(int westernYear, const CalcSettings &s) {
    return QString::number(s.wareki() ? eraYear(westernYear) : westernYear);
}

int westernYearOf(int shownYear, const CalcSettings &s) {
    return s.wareki() ? westernFromEra(shownYear) : shownYear;
}

CardMonth currentCardMonth(const QDate &date, const CalcSettings &s) {
    const CardMonth same{date.year(), date.month()};
    const int d = date.day();
    const QString k = kind(s);
    if (k == QLatin1String("20sime"))
        return d <= 20 ? same : addMonths(same, 1);
    if (k == QLatin1String("sonota")) {
        const int end = leadingNumber(s[CalcSettings::OtherEndDay]);
        if (attributionNext(s))
            return d <= end ? same : addMonths(same, 1);
        return d <= end ? addMonths(same, -1) : same;
    }
    return same;
}

QString cardMonthFolder(const CardMonth &m, const CalcSettings &s) {
    return yearText(m.westernYear, s) + QStringLiteral("年") + QString::number(m.month) +
           QStringLiteral("月");
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

PayPeriod payPeriod(const CardMonth &m, const CalcSettings &s) {
    PayPeriod p;
    const QString k = kind(s);
    bool startsMonthBefore = false;
    if (k == QLatin1String("20sime")) {
        p.startDay = 21;
        startsMonthBefore = true;
    } else if (k == QLatin1String("sonota")) {
        p.startDay = leadingNumber(s[CalcSettings::OtherStartDay]);
        startsMonthBefore = attributionNext(s);
    }
    const CardMonth f = addMonths(m, startsMonthBefore ? -1 : 0);
    const CardMonth next = addMonths(f, 1);
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
