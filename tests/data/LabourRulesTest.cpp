#include "data/LabourRules.h"

#include <gtest/gtest.h>

namespace {

CalcSettings settings(const QString &kind, const QString &style = "seireki") {
    CalcSettings s;
    s[CalcSettings::PeriodKind] = kind;
    s[CalcSettings::YearStyle] = style;
    return s;
}

} // namespace

TEST(LabourRules, RoundingThatCountsTimeShort) {
    struct Case {
        int index;
        const char *value;
        int unitIndex; // a monthly unit set beside the value, -1 none
        bool shortens;
    };
    const Case cases[] = {
        {CalcSettings::MonthlyPunchUnit, "15", -1, true},
        {CalcSettings::HourlyPunchUnit, "5", -1, true},
        {CalcSettings::DailyPunchUnit, "", -1, false},
        {CalcSettings::MonthlyPunchUnit + 2, "切捨て", CalcSettings::MonthlyPunchUnit + 1, true},
        {CalcSettings::DailyPunchUnit + 2, "切捨て", -1, false}, // no unit: no rounding
        {CalcSettings::DailyPunchUnit + 2, "切上げ切捨て", CalcSettings::DailyPunchUnit + 1, false},
        {CalcSettings::HourlyPunchUnit + 2, "切上げ", CalcSettings::HourlyPunchUnit + 1, false},
        {CalcSettings::HourlyPunchUnit + 1, "30", -1, false}, // a monthly unit alone
    };
    for (const Case &c : cases) {
        CalcSettings s = settings("getumatusime");
        s[c.index] = c.value;
        if (c.unitIndex >= 0)
            s[c.unitIndex] = "30";
        EXPECT_EQ(labourrules::roundingShortensTime(s), c.shortens) << c.index << " " << c.value;
    }
}

TEST(LabourRules, RetentionCountsFromTheEndOfThePayPeriod) {
    struct Case {
        const char *kind;
        const char *style;
        const char *month;
        QDate today;
        bool kept;
    };
    const Case cases[] = {
        {"getumatusime", "seireki", "2007年3月", {2012, 3, 31}, true},
        {"getumatusime", "seireki", "2007年3月", {2012, 4, 1}, false},
        {"getumatusime", "wareki", "19年3月", {2012, 3, 31}, true},
        {"getumatusime", "seireki", "19年3月", {2012, 4, 1}, false}, // an era year in any style
        {"20sime", "seireki", "2007年3月", {2012, 3, 20}, true},
        {"20sime", "seireki", "2007年3月", {2012, 3, 21}, false},
        {"", "seireki", "2008年2月", {2013, 2, 28}, true}, // no period: the calendar month
        {"getumatusime", "seireki", "2006年12月", {2007, 3, 1}, true},
        {"getumatusime", "seireki", "月報.txt", {2007, 3, 1}, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(labourrules::withinRetention(c.month, c.today, settings(c.kind, c.style)), c.kept)
            << c.kind << " " << c.month << " " << c.today.toString().toStdString();
}

TEST(LabourRules, TheLastDayWorkedWithoutClockOut) {
    struct Case {
        QList<std::tuple<int, int, const char *>> punches;
        int row;
        int open;
    };
    const Case cases[] = {
        {{{3, CardField::ClockIn, "9:00"}}, 5, 3},
        {{{3, CardField::ClockIn, "9:00"}, {3, CardField::ClockOut, "18:00"}}, 5, -1},
        // Only the last day worked counts.
        {{{1, CardField::ClockIn, "9:00"},
          {3, CardField::ClockIn, "9:00"},
          {3, CardField::ClockOut, "18:00"}},
         5,
         -1},
        {{{3, CardField::BreakOut, "12:00"}}, 5, -1}, // no clock-in
        {{{5, CardField::ClockIn, "9:00"}}, 5, -1},   // the day itself
        {{}, 0, -1},
        {{{29, CardField::ClockIn, "22:00"}}, 31, 29},
    };
    for (const Case &c : cases) {
        CardTable t;
        for (const auto &[row, field, text] : c.punches)
            t.at(row, field) = text;
        EXPECT_EQ(labourrules::openClockInBefore(t, c.row), c.open) << c.row;
    }
}
