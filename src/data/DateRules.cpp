#include "data/DateRules.h"

namespace daterules {

namespace {

CardMonth addMonths(CardMonth m, int delta) {
    int index = m.westernYear * 12 + (m.month - 1) + delta;
    return {index / 12, index % 12 + 1};
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
    return QDate(westernYear, month, 1).daysInMonth();
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
    const CardMonth f = startsMonthBefore ? addMonths(m, -1) : m;
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
