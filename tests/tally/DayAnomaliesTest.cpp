#include "tally/DayAnomalies.h"
#include "tally/TallyCards.h"
#include "tally/TallyEngine.h"

#include <gtest/gtest.h>

using namespace dayanomaly;

TEST(DayAnomalies, PunchesThatMakeNoOrTooMuchWorkingTime) {
    const struct {
        const char *in, *out, *back, *leave;
        unsigned kinds;
        unsigned fields; // bits of the card fields at fault
    } cases[] = {
        {"8:00", "12:00", "13:00", "17:00", 0, 0},
        {"", "", "", "", 0, 0},
        {"22:00", "", "", "6:00", 0, 0},         // a night shift into the morning
        {"21:58", "", "", "30:02", 0, 0},        // the same written on past 24:00
        {"20:00", "1:00", "1:45", "5:30", 0, 0}, // a night shift with its break
        {"8:00", "", "", "7:59", 0, 0},          // 23:59: long, but within a day
        {"", "", "", "17:00", OutWithoutIn, 1u << 2},
        {"8:00", "", "", "", InWithoutOut, 1u << 5},
        {"8:00", "12:00", "", "17:00", BreakWithoutReturn, 1u << 4},
        {"8:00", "", "13:00", "17:00", ReturnWithoutBreak, 1u << 3},
        {"", "12:00", "13:00", "", BreakOnly, 1u << 2 | 1u << 5},
        {"8:00", "12:00", "", "", InWithoutOut | BreakWithoutReturn, 1u << 4 | 1u << 5},
        {"8:00", "", "", "33:00", OverADay, 1u << 6},        // 25 hours written on
        {"8:00", "7:00", "8:00", "7:00", OverADay, 1u << 6}, // two parts out of order
        {"8:00", "", "", "25:99", Unreadable, 1u << 5},
        {"8:o0", "", "", "17:00", Unreadable, 1u << 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.in) + " " + c.out + " " + c.back + " " + c.leave);
        CardTable t = tallytest::card();
        tallytest::punch(t, 3, c.in, c.out, c.back, c.leave);
        tally::jidousyuukei(t, CalcSettings());
        const Month m = check(t);
        EXPECT_EQ(m[3].kinds, c.kinds);
        EXPECT_EQ(m[3].fields, c.fields);
        EXPECT_EQ(count(m), c.kinds ? 1 : 0);
        EXPECT_EQ(describe(m[3]).isEmpty(), c.kinds == 0);
    }
}

TEST(DayAnomalies, AClockOutInTheNextRowIsASplitShift) {
    CardTable t = tallytest::card();
    tallytest::punch(t, 9, "22:00", "", "", "");
    tallytest::punch(t, 10, "", "", "", "6:00");
    tallytest::punch(t, 20, "", "", "", "17:00"); // alone: no shift before it
    tally::jidousyuukei(t, CalcSettings());
    const Month m = check(t);
    EXPECT_EQ(m[9].kinds, InWithoutOut | SplitShift);
    EXPECT_EQ(m[10].kinds, OutWithoutIn | SplitShift);
    EXPECT_EQ(m[20].kinds, unsigned(OutWithoutIn));
    EXPECT_TRUE(listing(m, t).startsWith("10日：退勤の打刻がありません。翌日の行"));
}

TEST(DayAnomalies, TheSummaryNamesTheDays) {
    const CardTable t = tallytest::card();
    const auto marked = [](std::initializer_list<int> rows) {
        Month m;
        for (const int r : rows)
            m[static_cast<size_t>(r)].kinds = InWithoutOut;
        return m;
    };
    const struct {
        Month m;
        QString expected;
    } cases[] = {
        {Month(), ""},
        {marked({2, 4}), "※打刻の確認が必要な日：3日・5日（赤い日付）"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(summary(c.m, t), c.expected);
    // Past the days named, how many more.
    const QString many = summary(marked({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}), t);
    EXPECT_EQ(many.count("・"), kNamedDays - 1);
    EXPECT_TRUE(many.contains("ほか3日分")) << many.toStdString();
}
