#include "data/PayPeriodKind.h"

PayPeriodKind payPeriodKind(const CalcSettings &s) {
    const QString &kind = s[CalcSettings::PeriodKind];
    if (kind.isEmpty())
        return PayPeriodKind::Unregistered;
    if (kind == storedword::getumatusime)
        return PayPeriodKind::MonthEnd;
    if (kind == storedword::nijuusime)
        return PayPeriodKind::Twentieth;
    if (kind != storedword::sonota)
        return PayPeriodKind::Unknown;
    const QString &attribution = s[CalcSettings::MonthAttribution];
    if (attribution == storedword::tougetu)
        return PayPeriodKind::OtherSameMonth;
    if (attribution == storedword::yokugetu)
        return PayPeriodKind::OtherNextMonth;
    return PayPeriodKind::OtherUnattributed;
}
