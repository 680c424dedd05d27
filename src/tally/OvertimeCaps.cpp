#include "tally/OvertimeCaps.h"

namespace overtimecaps {

qint64 Result::averageMinutes() const {
    if (averageMonths <= 0)
        return 0;
    const qint64 n = averageMonths;
    return averageSum >= 0 ? (averageSum + n - 1) / n : -((-averageSum) / n);
}

Result check(const Window &months, const CapLimits &limits) {
    Result r;
    r.monthBeyond = months[0].beyond;
    r.monthTotal = months[0].total();
    if (r.monthBeyond > limits.minutes(CapLimits::MonthBeyond))
        r.rules |= MonthOver;
    if (r.monthTotal > limits.minutes(CapLimits::MonthTotal))
        r.rules |= MonthTotalOver;

    qint64 sum = r.monthTotal;
    bool first = true;
    for (int n = kShortestAverage; n <= kLongestAverage; ++n) {
        sum += months[static_cast<size_t>(n - 1)].total();
        // sum / n against the best so far and the limit, without fractions.
        if (first || sum * r.averageMonths > r.averageSum * n) {
            r.averageSum = sum;
            r.averageMonths = n;
            first = false;
        }
        if (sum > limits.minutes(CapLimits::Average) * n)
            r.rules |= AverageOver;
    }

    for (const MonthHours &m : months) {
        r.yearBeyond += m.beyond;
        if (m.beyond > limits.minutes(CapLimits::MonthBeyond))
            ++r.monthsOver;
        if (!m.confirmed)
            ++r.monthsMissing;
    }
    if (r.yearBeyond > limits.minutes(CapLimits::Year))
        r.rules |= YearOver;
    if (r.monthsOver > limits[CapLimits::MonthsOver])
        r.rules |= TooManyMonths;
    return r;
}

QString ruleText(Rule r, const CapLimits &limits) {
    switch (r) {
    case MonthOver:
        return QStringLiteral("月%1時間超（法定外）").arg(limits[CapLimits::MonthBeyond]);
    case MonthTotalOver:
        return QStringLiteral("月%1時間超（法定外＋休日）").arg(limits[CapLimits::MonthTotal]);
    case AverageOver:
        return QStringLiteral("2～6か月平均%1時間超").arg(limits[CapLimits::Average]);
    case YearOver:
        return QStringLiteral("年%1時間超（法定外）").arg(limits[CapLimits::Year]);
    case TooManyMonths:
        return QStringLiteral("月%1時間超が年%2回超")
            .arg(limits[CapLimits::MonthBeyond])
            .arg(limits[CapLimits::MonthsOver]);
    }
    return QString();
}

QStringList ruleTexts(int rules, const CapLimits &limits) {
    QStringList out;
    for (const Rule r : kRules)
        if (rules & r)
            out.append(ruleText(r, limits));
    return out;
}

} // namespace overtimecaps
