#include "tally/TimeText.h"

#include <gtest/gtest.h>

using namespace timetext;

TEST(TimeText, PunchTexts) {
    struct Case {
        const char *text;
        std::optional<ClockTime> time;
    };
    const Case cases[] = {
        {"8:05", ClockTime{8, 5}},
        {"17:30", ClockTime{17, 30}},
        {"08:05", ClockTime{8, 5}}, // corrected punch with a two-digit hour
        {"0:00", ClockTime{0, 0}},
        {"23:59", ClockTime{23, 59}},
        {" 9:15 ", ClockTime{9, 15}},
        {"24:00", ClockTime{0, 0}},  // midnight written as the end of the day
        {"25:30", ClockTime{1, 30}}, // next morning written on
        {"47:59", ClockTime{23, 59}},
        {"", std::nullopt},
        {"48:00", std::nullopt},
        {"25:99", std::nullopt},
        {"8:60", std::nullopt},
        {"8:5", std::nullopt},
        {"8:005", std::nullopt},
        {"123:45", std::nullopt},
        {":30", std::nullopt},
        {"8:", std::nullopt},
        {"ab:cd", std::nullopt},
        {"-1:00", std::nullopt},
        {"1:-5", std::nullopt},
        {"1:2:3", std::nullopt},
        {"999", std::nullopt},
        {"８:００", std::nullopt}, // full-width digits
        {"8.30", std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parsePunch(QString::fromUtf8(c.text)), c.time);
    }
}

TEST(TimeText, Durations) {
    struct Case {
        qint64 minutes;
        const char *text;
    };
    const Case cases[] = {
        {0, ""},          {1, "0:01"},      {45, "0:45"},   {60, "1:00"},  {480, "8:00"},
        {9675, "161:15"}, {6000, "100:00"}, {-90, "-1:30"}, {-5, "-0:05"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.minutes);
        EXPECT_EQ(durationText(c.minutes), QString::fromUtf8(c.text));
        // Hours always show a number.
        EXPECT_EQ(hoursText(c.minutes), c.minutes == 0 ? "0:00" : QString::fromUtf8(c.text));
    }
    EXPECT_EQ(clockText({9, 0}), "09:00");
    EXPECT_EQ(clockText({0, 5}), "00:05");
}

TEST(TimeText, DurationPartsReadAnyText) {
    struct Case {
        const char *text;
        qint64 hours;
        qint64 minutes;
    };
    const Case cases[] = {
        {"8:00", 8, 0},    {"161:15", 161, 15}, {"0:45", 0, 45}, {"1:5", 1, 0},
        {"-1:30", -1, 30}, {"45", 45, 45},      {"", 0, 0},      {"ab:cd", 0, 0},
        {":30", 0, 30},    {"1:2:3", 1, 0},     {"x", 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(durationHours(QString::fromUtf8(c.text)), c.hours);
        EXPECT_EQ(durationMinutes(QString::fromUtf8(c.text)), c.minutes);
    }
}

TEST(TimeText, NumberValueSaturates) {
    EXPECT_EQ(numberValue(u" 12ab"), 12);
    EXPECT_EQ(numberValue(u"-7"), -7);
    EXPECT_EQ(numberValue(u"+7"), 7);
    EXPECT_EQ(numberValue(u"abc"), 0);
    EXPECT_EQ(numberValue(u"99999999999999999999999"), 999999999);
}
