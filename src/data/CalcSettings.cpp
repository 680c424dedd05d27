#include "data/CalcSettings.h"

QStringList CalcSettings::toList() const {
    QStringList list;
    list.reserve(kCount);
    for (const QString &v : values)
        list.append(v);
    return list;
}

CalcSettings CalcSettings::fromList(const QStringList &list) {
    CalcSettings s;
    for (int i = 0; i < kCount && i < list.size(); ++i)
        s[i] = list[i];
    return s;
}

int CalcSettings::roundingRowOf(const QString &payType) {
    if (payType == QStringLiteral("月給"))
        return MonthlyPunchUnit;
    if (payType == QStringLiteral("日給"))
        return DailyPunchUnit;
    if (payType == QStringLiteral("時給"))
        return HourlyPunchUnit;
    return -1;
}
