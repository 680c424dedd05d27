#include "punchclock/PunchDay.h"

#include <gtest/gtest.h>

TEST(PunchDay, ClockTextAndItsHour) {
    EXPECT_EQ(punchday::clockText(QTime(9, 5, 7)), "9:05:07");
    EXPECT_EQ(punchday::clockText(QTime(17, 30, 0)), "17:30:00");
    EXPECT_EQ(punchday::clockText(QTime(0, 0, 9)), "0:00:09");
    EXPECT_EQ(punchday::timeText("9:05:07"), "9:05");
    EXPECT_EQ(punchday::timeText("17:30:59"), "17:30");
    EXPECT_EQ(punchday::hourOfClockText("9:05:07"), 9);
    EXPECT_EQ(punchday::hourOfClockText("23:59:59"), 23);
    EXPECT_EQ(punchday::hourOfClockText("9:05"), 0);
    EXPECT_EQ(punchday::hourOfClockText(""), 0);
}

TEST(PunchDay, YesterdayBeforeTheDayChangeHour) {
    struct Case {
        const char *name;
        QDate today;
        QTime time;
        int dayChange;
        const char *month;
        const char *day;
        const char *weekday;
        const char *number;
    };
    const Case cases[] = {
        {"leap 1 March 04:59", {2008, 3, 1}, {4, 59, 59}, 5, "02", "29", "金", "29"},
        {"leap 1 March at the hour", {2008, 3, 1}, {5, 0, 0}, 5, "03", "01", "土", "1"},
        {"common 1 March", {2007, 3, 1}, {4, 0, 0}, 5, "02", "28", "水", "28"},
        {"1900 is no leap year", {1900, 3, 1}, {1, 0, 0}, 5, "02", "28", "水", "28"},
        {"2000 is a leap year", {2000, 3, 1}, {1, 0, 0}, 5, "02", "29", "火", "29"},
        {"2100 is no leap year", {2100, 3, 1}, {1, 0, 0}, 5, "02", "28", "日", "28"},
        {"new year", {2009, 1, 1}, {3, 0, 0}, 4, "12", "31", "水", "31"},
        {"1 May goes to 30 April", {2009, 5, 1}, {0, 30, 0}, 1, "04", "30", "木", "30"},
        {"1 August goes to 31 July", {2009, 8, 1}, {0, 30, 0}, 1, "07", "31", "金", "31"},
        {"hour 0 is always today", {2009, 3, 1}, {0, 0, 0}, 0, "03", "01", "日", "1"},
        {"mid month", {2009, 5, 12}, {2, 0, 0}, 3, "05", "11", "月", "11"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const PunchDay d =
            punchday::hizukehyouji(c.today, punchday::clockText(c.time), c.dayChange);
        EXPECT_EQ(d.monthText, c.month);
        EXPECT_EQ(d.dayText, c.day);
        EXPECT_EQ(d.weekday, QString::fromUtf8(c.weekday));
        EXPECT_EQ(d.dayNumber, c.number);
    }
}
