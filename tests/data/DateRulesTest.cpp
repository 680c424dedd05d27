#include "data/DateRules.h"

#include <gtest/gtest.h>

namespace {

CalcSettings settingsOf(const char *kind, const char *attribution = "", const char *start = "",
                        const char *end = "", const char *year = "seireki") {
    CalcSettings s;
    s[CalcSettings::PeriodKind] = QString::fromUtf8(kind);
    s[CalcSettings::MonthAttribution] = QString::fromUtf8(attribution);
    s[CalcSettings::OtherStartDay] = QString::fromUtf8(start);
    s[CalcSettings::OtherEndDay] = QString::fromUtf8(end);
    s[CalcSettings::YearStyle] = QString::fromUtf8(year);
    return s;
}

// The rows in runs: "2007/2/21-28 _3 2007/3/1-20" (a blank row is "_").
QString runs(const daterules::PayPeriod &p) {
    QStringList out;
    int r = 0;
    while (r < 31) {
        const QDate first = p.days[static_cast<size_t>(r)];
        int n = 1;
        if (!first.isValid()) {
            while (r + n < 31 && !p.days[static_cast<size_t>(r + n)].isValid())
                ++n;
            out << QString("_%1").arg(n);
        } else {
            while (r + n < 31 && p.days[static_cast<size_t>(r + n)] == first.addDays(n) &&
                   first.addDays(n).month() == first.month())
                ++n;
            QString run = QString("%1/%2/%3").arg(first.year()).arg(first.month()).arg(first.day());
            if (n > 1)
                run += QString("-%1").arg(first.day() + n - 1);
            out << run;
        }
        r += n;
    }
    return out.join(' ');
}

} // namespace

TEST(DateRules, PayPeriodOfEveryKind) {
    struct Case {
        const char *name;
        CalcSettings settings;
        int year, month;
        const char *rows;
    };
    const Case cases[] = {
        {"month end, February common", settingsOf("getumatusime"), 2007, 2, "2007/2/1-28 _3"},
        {"month end, February leap", settingsOf("getumatusime"), 2008, 2, "2008/2/1-29 _2"},
        {"month end, 31 days", settingsOf("getumatusime"), 2007, 3, "2007/3/1-31"},
        {"month end, 30 days", settingsOf("getumatusime"), 2007, 4, "2007/4/1-30 _1"},
        {"20th, March common", settingsOf("20sime"), 2007, 3, "2007/2/21-28 _3 2007/3/1-20"},
        {"20th, March leap", settingsOf("20sime"), 2008, 3, "2008/2/21-29 _2 2008/3/1-20"},
        {"20th, 400-year leap", settingsOf("20sime"), 2000, 3, "2000/2/21-29 _2 2000/3/1-20"},
        {"20th, 100-year common", settingsOf("20sime"), 1900, 3, "1900/2/21-28 _3 1900/3/1-20"},
        {"20th, January from December", settingsOf("20sime"), 2007, 1, "2006/12/21-31 2007/1/1-20"},
        {"20th, April after March", settingsOf("20sime"), 2007, 4, "2007/3/21-31 2007/4/1-20"},
        {"other, same month, 11th", settingsOf("sonota", "tougetu", "11", "10"), 2007, 5,
         "2007/5/11-31 2007/6/1-10"},
        {"other, same month, December into January", settingsOf("sonota", "tougetu", "11", "10"),
         2007, 12, "2007/12/11-31 2008/1/1-10"},
        {"other, same month, 30-day month", settingsOf("sonota", "tougetu", "16", "15"), 2007, 6,
         "2007/6/16-30 _1 2007/7/1-15"},
        {"other, next month, 26th", settingsOf("sonota", "yokugetu", "26", "25"), 2007, 5,
         "2007/4/26-30 _1 2007/5/1-25"},
        {"other, next month, January from December", settingsOf("sonota", "yokugetu", "16", "15"),
         2007, 1, "2006/12/16-31 2007/1/1-15"},
        {"other, next month, March from leap February",
         settingsOf("sonota", "yokugetu", "26", "25"), 2008, 3, "2008/2/26-29 _2 2008/3/1-25"},
        {"other, start day 1 is the month", settingsOf("sonota", "tougetu", "1", "31"), 2007, 2,
         "2007/2/1-28 _3"},
        // The days of the following month stop at its end too.
        {"other, start day 31 into February", settingsOf("sonota", "tougetu", "31", "30"), 2007, 1,
         "2007/1/31 2007/2/1-28 _2"},
        {"other, no start day", settingsOf("sonota", "tougetu"), 2007, 5, "_1 2007/5/1-30"},
        {"other, start day past 31", settingsOf("sonota", "tougetu", "45"), 2007, 5,
         "2007/6/14-30 _14"},
        {"no kind counts as month end", settingsOf(""), 2007, 5, "2007/5/1-31"},
        {"month 13 counts on into January", settingsOf("getumatusime"), 2007, 13, "2008/1/1-31"},
        {"month 13 with 20th", settingsOf("20sime"), 2007, 13, "2007/12/21-31 2008/1/1-20"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(runs(daterules::payPeriod({c.year, c.month}, c.settings)).toStdString(), c.rows);
    }
}

TEST(DateRules, PayPeriodStart) {
    const auto p = daterules::payPeriod({2007, 1}, settingsOf("20sime"));
    EXPECT_EQ(p.startDay, 21);
    EXPECT_EQ(p.startYear, 2006);
    EXPECT_EQ(p.startMonth, 12);
    const auto q = daterules::payPeriod({2007, 1}, settingsOf("sonota", "tougetu", "11"));
    EXPECT_EQ(q.startDay, 11);
    EXPECT_EQ(q.startYear, 2007);
    EXPECT_EQ(q.startMonth, 1);
}

TEST(DateRules, CurrentCardMonth) {
    struct Case {
        const char *name;
        CalcSettings settings;
        QDate date;
        daterules::YearMonth month;
    };
    const Case cases[] = {
        {"month end, last day", settingsOf("getumatusime"), {2007, 3, 31}, {2007, 3}},
        {"month end, first day", settingsOf("getumatusime"), {2007, 1, 1}, {2007, 1}},
        {"20th, on the 20th", settingsOf("20sime"), {2007, 12, 20}, {2007, 12}},
        {"20th, December 21st rolls over", settingsOf("20sime"), {2007, 12, 21}, {2008, 1}},
        {"20th, March 21st", settingsOf("20sime"), {2007, 3, 21}, {2007, 4}},
        {"same month, January 5th goes back a year",
         settingsOf("sonota", "tougetu", "11", "10"),
         {2007, 1, 5},
         {2006, 12}},
        {"same month, on the end day",
         settingsOf("sonota", "tougetu", "11", "10"),
         {2007, 1, 10},
         {2006, 12}},
        {"same month, after the end day",
         settingsOf("sonota", "tougetu", "11", "10"),
         {2007, 1, 11},
         {2007, 1}},
        {"next month, on the end day",
         settingsOf("sonota", "yokugetu", "26", "25"),
         {2007, 12, 25},
         {2007, 12}},
        {"next month, December rolls over",
         settingsOf("sonota", "yokugetu", "26", "25"),
         {2007, 12, 26},
         {2008, 1}},
        {"no kind", settingsOf(""), {2007, 6, 30}, {2007, 6}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(daterules::currentCardMonth(c.date, c.settings), c.month);
    }
}

TEST(DateRules, EraYearAndFolderNames) {
    const CalcSettings seireki = settingsOf("getumatusime");
    const CalcSettings wareki = settingsOf("getumatusime", "", "", "", "wareki");
    EXPECT_EQ(daterules::eraYear(2007), 19);
    EXPECT_EQ(daterules::eraYear(1989), 1);
    EXPECT_EQ(daterules::westernFromEra(19), 2007);
    EXPECT_EQ(daterules::yearText(2007, wareki), QStringLiteral("19"));
    EXPECT_EQ(daterules::yearText(2007, seireki), QStringLiteral("2007"));
    EXPECT_EQ(daterules::westernYearOf(19, wareki), 2007);
    EXPECT_EQ(daterules::westernYearOf(2007, seireki), 2007);
    EXPECT_EQ(daterules::cardMonthFolder({2007, 3}, seireki), QStringLiteral("2007年3月"));
    EXPECT_EQ(daterules::cardMonthFolder({2007, 3}, wareki), QStringLiteral("19年3月"));
    EXPECT_EQ(daterules::cardMonthFolder({2007, 12}, wareki), QStringLiteral("19年12月"));
    // An empty year style is the western one.
    EXPECT_EQ(daterules::yearText(2007, CalcSettings()), QStringLiteral("2007"));
}

TEST(DateRules, MonthLengths) {
    struct Case {
        int year, month, days;
    };
    const Case cases[] = {{2007, 2, 28},  {2008, 2, 29},  {1900, 2, 28}, {2000, 2, 29},
                          {2100, 2, 28},  {2007, 4, 30},  {2007, 6, 30}, {2007, 9, 30},
                          {2007, 11, 30}, {2007, 12, 31}, {2007, 0, 0},  {2007, 13, 0}};
    for (const Case &c : cases) {
        SCOPED_TRACE(QString("%1/%2").arg(c.year).arg(c.month).toStdString());
        EXPECT_EQ(daterules::daysInMonth(c.year, c.month), c.days);
    }
}

TEST(CalcSettings, LeadingNumber) {
    struct Case {
        const char *text;
        int value;
    };
    const Case cases[] = {{"", 0},  {"12", 12}, {" 7x", 7}, {"-5", -5}, {"abc", 0},
                          {"0", 0}, {"+3", 3},  {"08", 8},  {"\t9", 9}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(leadingNumber(QString::fromUtf8(c.text)), c.value);
    }
    // A long run of digits stays far from the int limit.
    const int big = leadingNumber(QStringLiteral("99999999999999999999"));
    EXPECT_GT(big, 0);
    EXPECT_LT(big, 1000000000);
    EXPECT_LT(leadingNumber(QStringLiteral("-99999999999999999999")), 0);
}

TEST(CalcSettings, FewerValuesReadInOrder) {
    const CalcSettings s = CalcSettings::fromList({"5", "11", "10"});
    EXPECT_EQ(s[0], "5");
    EXPECT_EQ(s[1], "11");
    EXPECT_EQ(s[2], "10");
    for (int i = 3; i < CalcSettings::kCount; ++i)
        EXPECT_TRUE(s[i].isEmpty()) << i;
    EXPECT_EQ(s.toList().size(), CalcSettings::kCount);
}
