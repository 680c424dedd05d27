#pragma once

#include "data/LeadingNumber.h"
#include "data/StoredWords.h"

#include <QString>
#include <QStringList>
#include <array>

// The fifteen calculation settings of Kijyun.Dat, by index.
struct CalcSettings {
    enum Index {
        DayChangeHour = 0,
        OtherStartDay = 1,
        OtherEndDay = 2,
        YearStyle = 3,
        MonthlyPunchUnit = 4, // 月給 row: 4 punch unit, 5 monthly unit, 6 method
        DailyPunchUnit = 7,   // 日給 row: 7, 8, 9
        HourlyPunchUnit = 10, // 時給 row: 10, 11, 12
        PeriodKind = 13,
        MonthAttribution = 14,
    };
    static constexpr int kCount = 15;

    std::array<QString, kCount> values;

    QString &operator[](int i) { return values[static_cast<size_t>(i)]; }
    const QString &operator[](int i) const { return values[static_cast<size_t>(i)]; }

    QStringList toList() const;
    static CalcSettings fromList(const QStringList &list);

    bool wareki() const { return values[YearStyle] == storedword::wareki; }
    // First index of the rounding row of a pay type ("月給", "日給", "時給"),
    // or -1 for any other pay type.
    static int roundingRowOf(const QString &payType);
};

inline constexpr char kSettingsFile[] = "Kijyun.Dat";
