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

int leadingNumber(const QString &text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    // A long run of digits stops growing at nine digits, so callers can add a
    // day or a row to the result without overflowing.
    int n = 0;
    while (i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) {
        if (n < 100000000)
            n = n * 10 + (text[i].unicode() - '0');
        ++i;
    }
    return negative ? -n : n;
}
