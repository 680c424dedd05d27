#include "tally/TallyCards.h"
#include "tally/TallyEngine.h"

#include <gtest/gtest.h>

using namespace tallytest;

namespace {

// A card with the same day on rows 0..days-1.
CardTable month(const QString &payType, int days, const QString &in, const QString &leave) {
    CardTable t = card(payType);
    for (int r = 0; r < days; ++r)
        punch(t, r, in, "", "", leave);
    return t;
}

} // namespace

TEST(MonthTally, MonthlyRoundingOfTwentyDaysOf810) {
    struct Case {
        const char *unit;
        const char *method;
        const char *total;
    };
    // 20 days of 8:10: hours 160, minutes 200.
    const Case cases[] = {
        {"30", "切捨て", "163:00"},       {"30", "切上げ", "163:30"},
        {"30", "切上げ切捨て", "163:30"}, {"", "切捨て", "163:20"},
        {"0", "切上げ", "163:20"},        {"15", "", "163:20"},
        {"15", "四捨五入", "163:20"},     {"20", "切捨て", "163:20"},
        {"15", "切捨て", "163:15"},       {"15", "切上げ切捨て", "163:15"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.unit) + " " + c.method);
        CardTable t = month("月給", 20, "9:00", "17:10");
        const tally::TallyResult r = tally::jidousyuukei(
            t, rounding("月給", "", QString::fromUtf8(c.unit), QString::fromUtf8(c.method)));
        EXPECT_EQ(r.monthlyWork, QString::fromUtf8(c.total));
        EXPECT_EQ(t.at(CardTable::kTotalsRow, CardField::Work), QString::fromUtf8(c.total));
        EXPECT_EQ(r.daysWorked, 20);
        EXPECT_EQ(t.at(CardTable::kTotalsRow, CardField::DaysWorked), "20");
    }
}

TEST(MonthTally, RoundingAtAndAroundThresholds) {
    struct Case {
        qint64 minutes, unit;
        const char *method;
        qint64 result;
    };
    const Case cases[] = {
        {30, 15, "切上げ", 30},       {31, 15, "切上げ", 45},       {44, 15, "切上げ", 45},
        {45, 15, "切上げ", 45},       {1, 30, "切上げ", 30},        {0, 30, "切上げ", 0},
        {14, 15, "切捨て", 0},        {29, 15, "切捨て", 15},       {30, 15, "切捨て", 30},
        {14, 30, "切上げ切捨て", 0},  {15, 30, "切上げ切捨て", 30}, {16, 30, "切上げ切捨て", 30},
        {44, 30, "切上げ切捨て", 30}, {45, 30, "切上げ切捨て", 60}, {7, 15, "切上げ切捨て", 0},
        {8, 15, "切上げ切捨て", 15},  {22, 15, "切上げ切捨て", 15}, {23, 15, "切上げ切捨て", 30},
        {2, 5, "切上げ切捨て", 0},    {3, 5, "切上げ切捨て", 5},    {9, 20, "切上げ切捨て", 0},
        {10, 20, "切上げ切捨て", 20}, {40, 20, "切上げ切捨て", 40}, {4, 10, "切上げ切捨て", 0},
        {5, 10, "切上げ切捨て", 10},  {200, 0, "切捨て", 200},      {200, -5, "切上げ", 200},
        {200, 30, "", 200},           {200, 30, "きりあげ", 200},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.minutes) + "/" + std::to_string(c.unit) + " " + c.method);
        EXPECT_EQ(tally::roundMonthlyMinutes(c.minutes, c.unit, QString::fromUtf8(c.method)),
                  c.result);
    }
}

TEST(MonthTally, MinuteSumOfExactlyThirtyStaysWithRoundUp) {
    CardTable t = month("日給", 2, "9:00", "17:15"); // 8:15 twice: minutes 30
    const tally::TallyResult r = tally::jidousyuukei(t, rounding("日給", "", "15", "切上げ"));
    EXPECT_EQ(r.monthlyWork, "16:30");
}

TEST(MonthTally, FullMonthOfNightShifts) {
    CardTable t = month("時給", 31, "22:00", "6:45"); // 8:45, late night 7:00 every day
    const tally::TallyResult r = tally::jidousyuukei(t, rounding("時給", "", "30", "切捨て"));
    EXPECT_EQ(r.daysWorked, 31);
    // 248 hours and 1395 minutes, rounded down to 1380 minutes.
    EXPECT_EQ(r.monthlyWork, "271:00");
    EXPECT_EQ(r.monthlyLateNight, "217:00");
    for (int d = 0; d < CardTable::kDayRows; ++d) {
        EXPECT_EQ(t.at(d, CardField::Work), "8:45");
        EXPECT_EQ(t.at(d, CardField::LateNight), "7:00");
    }
}

TEST(MonthTally, EmptyCard) {
    CardTable t = card();
    t.at(4, CardField::Work) = "9:99"; // left from an earlier tally: recomputed
    t.at(CardTable::kTotalsRow, CardField::Work) = "1:00";
    const tally::TallyResult r = tally::jidousyuukei(t, rounding("月給", "15", "30", "切上げ"));
    EXPECT_EQ(r.daysWorked, 0);
    EXPECT_EQ(t.at(CardTable::kTotalsRow, CardField::DaysWorked), "0");
    EXPECT_EQ(r.monthlyWork, "");
    EXPECT_EQ(r.monthlyLateNight, "");
    EXPECT_EQ(t.at(CardTable::kTotalsRow, CardField::Work), "");
    EXPECT_EQ(t.at(CardTable::kTotalsRow, CardField::LateNight), "");
    for (int d = 0; d < CardTable::kDayRows; ++d) {
        EXPECT_EQ(t.at(d, CardField::Work), "");
        EXPECT_EQ(t.at(d, CardField::LateNight), "");
    }
}

TEST(MonthTally, DaysWorkedCountsOnlyDaysWithWorkingTime) {
    CardTable t = card();
    punch(t, 0, "9:00", "", "", "17:00");
    punch(t, 1, "9:00", "", "", "");      // only clock-in
    punch(t, 2, "9:00", "12:00", "", ""); // no return, no clock-out
    punch(t, 3, "9:00", "", "", "9:00");  // zero working time
    punch(t, 4, "9:00", "", "", "9:01");
    const tally::TallyResult r = tally::jidousyuukei(t, CalcSettings());
    EXPECT_EQ(r.daysWorked, 2);
    EXPECT_EQ(r.monthlyWork, "8:01");
}

TEST(MonthTally, SettingsRowFollowsThePayType) {
    CalcSettings s;
    s[CalcSettings::MonthlyPunchUnit] = "5";
    s[CalcSettings::DailyPunchUnit] = "10";
    s[CalcSettings::HourlyPunchUnit] = "30";
    struct Case {
        const char *payType;
        int unit;
        const char *work;
    };
    const Case cases[] = {
        {"月給", 5, "8:55"},   {"日給", 10, "8:50"}, {"時給", 30, "8:30"},
        {"パート", 1, "9:03"}, {"", 1, "9:03"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.payType);
        CardTable t = month(QString::fromUtf8(c.payType), 1, "8:01", "17:04");
        const tally::TallyResult r = tally::jidousyuukei(t, s);
        EXPECT_EQ(r.punchUnit, c.unit);
        EXPECT_EQ(t.at(0, CardField::Work), QString::fromUtf8(c.work));
    }
}

TEST(MonthTally, PunchUnitTexts) {
    struct Case {
        const char *text;
        int unit;
    };
    const Case cases[] = {{"", 1},   {"0", 1},   {"15", 15}, {" 20", 20}, {"7", 7},
                          {"-5", 1}, {"abc", 1}, {"60", 60}, {"90", 1}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(tally::punchUnitOf(rounding("月給", QString::fromUtf8(c.text)), "月給"), c.unit);
    }
}

TEST(MonthTally, UnknownPayTypeIgnoresTheCardBefore) {
    const CalcSettings s = rounding("時給", "15", "30", "切上げ");
    CardTable hourly = month("時給", 1, "8:52", "17:03");
    const tally::TallyResult first = tally::jidousyuukei(hourly, s);
    EXPECT_EQ(first.punchUnit, 15);
    EXPECT_EQ(first.monthlyWork, "8:00");

    CardTable other = month("アルバイト", 1, "8:52", "17:03");
    const tally::TallyResult second = tally::jidousyuukei(other, s);
    EXPECT_EQ(second.punchUnit, 1);
    EXPECT_EQ(other.at(0, CardField::Work), "8:11");
    EXPECT_EQ(second.monthlyWork, "8:11"); // not rounded up to 8:30
    EXPECT_FALSE(second.noticeShown);
    EXPECT_EQ(second.notice, "");
}

TEST(MonthTally, RoundingNotice) {
    CardTable t = card("月給");
    tally::TallyResult r = tally::jidousyuukei(t, rounding("月給", "", "15", "切上げ"));
    EXPECT_TRUE(r.noticeShown);
    EXPECT_EQ(r.notice, "【月間の合計勤務時間数は15分単位の、切上げ方式で処理しています】");

    r = tally::jidousyuukei(t, rounding("月給", "10", "", "切捨て"));
    EXPECT_FALSE(r.noticeShown);
}

TEST(MonthTally, OnlyTheTallyCellsChange) {
    CardTable t = month("月給", 3, "22:00", "6:00");
    t.at(1, CardField::Weekday) = "火";
    t.at(1, CardField::CertWithin) = "1:00";
    t.at(CardTable::kTotalsRow, CardField::CertWithin) = "7:77";
    t.at(CardTable::kTotalsRow, CardField::Code) = "x";
    CardTable before = t;
    tally::jidousyuukei(t, CalcSettings());
    for (int r = 0; r < CardTable::kRows; ++r)
        for (int f = 0; f < CardTable::kFields; ++f) {
            const bool written =
                (r < CardTable::kDayRows && (f == CardField::Work || f == CardField::LateNight)) ||
                (r == CardTable::kTotalsRow && f >= CardField::DaysWorked &&
                 f <= CardField::LateNight);
            if (!written) {
                EXPECT_EQ(t.at(r, f), before.at(r, f)) << r << "/" << f;
            }
        }
    // A second run over its own results changes nothing.
    before = t;
    tally::jidousyuukei(t, CalcSettings());
    EXPECT_EQ(t.toList(), before.toList());
}
