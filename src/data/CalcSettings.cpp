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

int leadingNumber(QStringView text) {
    constexpr int kCap = 999999999;
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int n = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        const int digit = text[i].unicode() - '0';
        n = n > (kCap - digit) / 10 ? kCap : n * 10 + digit;
    }
    return negative ? -n : n;
}
