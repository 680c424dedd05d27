#include "tally/DayTally.h"
#include "tally/TallyCards.h"
#include "tally/TallyEngine.h"

#include <gtest/gtest.h>

using namespace tallytest;

namespace {

struct DayCase {
    const char *name;
    int unit;
    const char *in, *out, *back, *leave;
    const char *work, *late;
};

// One day tallied through the whole engine with the given punch unit.
std::pair<QString, QString> tallyDay(const DayCase &c) {
    CardTable t = card("時給");
    punch(t, 3, QString::fromUtf8(c.in), QString::fromUtf8(c.out), QString::fromUtf8(c.back),
          QString::fromUtf8(c.leave));
    tally::jidousyuukei(t, rounding("時給", QString::number(c.unit)));
    return {t.at(3, CardField::Work), t.at(3, CardField::LateNight)};
}

} // namespace

TEST(DayTally, WorkingAndLateNightTime) {
    const DayCase cases[] = {
        {"no break, unit 15", 15, "8:52", "", "", "17:03", "8:00", ""},
        {"clock-in 23:50 rounds to midnight", 15, "23:50", "", "", "8:00", "8:00", "5:00"},
        {"overnight 22-6", 1, "22:00", "", "", "6:00", "8:00", "7:00"},
        {"overnight 20-2:30", 1, "20:00", "", "", "2:30", "6:30", "4:30"},
        {"break within the unit of clock-in", 15, "8:55", "8:58", "12:00", "17:00", "5:00", ""},
        {"only clock-in", 1, "8:00", "", "", "", "", ""},
        {"no break-return", 1, "8:00", "12:00", "", "17:00", "", ""},
        {"no break-out", 1, "8:00", "", "13:00", "17:00", "", ""},
        {"only clock-out", 1, "", "", "", "17:00", "", ""},
        {"one unit in one hour", 15, "10:00", "", "", "10:15", "0:15", ""},
        {"day shift with break", 1, "9:00", "12:00", "13:00", "18:00", "8:00", ""},
        {"break across midnight", 1, "21:00", "23:30", "0:30", "6:00", "8:00", "6:00"},
        {"overnight, break before midnight", 1, "18:00", "20:00", "21:00", "3:00", "8:00", "5:00"},
        {"overnight, break after midnight", 1, "22:00", "2:00", "3:00", "7:00", "8:00", "6:00"},
        {"late night ends at 5", 1, "4:00", "", "", "6:00", "2:00", "1:00"},
        {"late night starts at 22", 1, "21:30", "", "", "22:30", "1:00", "0:30"},
        {"late night inside one hour", 1, "23:10", "", "", "23:40", "0:30", "0:30"},
        {"unit 1 keeps minutes", 1, "8:01", "", "", "17:29", "9:28", ""},
        {"unit 5", 5, "8:01", "", "", "17:29", "9:20", ""},
        {"unit 10", 10, "8:01", "", "", "17:29", "9:10", ""},
        {"unit 15", 15, "8:01", "", "", "17:29", "9:00", ""},
        {"unit 20", 20, "8:01", "", "", "17:29", "9:00", ""},
        {"unit 30", 30, "8:01", "", "", "17:29", "8:30", ""},
        {"punches on the unit stay", 15, "8:15", "", "", "17:45", "9:30", ""},
        {"round-up carries the hour", 5, "9:58", "", "", "12:00", "2:00", ""},
        {"clock-out within the unit of break-return", 15, "9:00", "12:00", "12:50", "12:58", "3:00",
         ""},
        {"clock-out within the unit of clock-in", 15, "10:02", "", "", "10:10", "", ""},
        {"clock-out just before clock-in, same hour", 1, "10:30", "", "", "10:15", "", ""},
        {"two-digit hour, out before in, same hour", 1, "8:30", "", "", "08:15", "", ""},
        {"two-digit hour break within the unit", 15, "8:55", "08:58", "12:00", "17:00", "5:00", ""},
        {"24:00 as clock-out", 1, "16:00", "", "", "24:00", "8:00", "2:00"},
        {"25:30 as clock-out", 1, "16:00", "", "", "25:30", "9:30", "3:30"},
        {"equal punches", 1, "9:00", "", "", "9:00", "", ""},
        {"25:99 is no time", 1, "8:00", "", "", "25:99", "", ""},
        {"letters are no time", 1, "ab:cd", "", "", "17:00", "", ""},
        {"empty parts are no time", 1, "8:00", "", "", ":", "", ""},
        {"unreadable break-out stops the day", 1, "8:00", "x", "", "17:00", "", ""},
        {"minute 60 is no time", 15, "8:60", "", "", "17:00", "", ""},
        {"blank-only cells are not punched", 1, "8:00", " ", " ", "17:00", "9:00", ""},
    };
    for (const DayCase &c : cases) {
        SCOPED_TRACE(c.name);
        const auto [work, late] = tallyDay(c);
        EXPECT_EQ(work, QString::fromUtf8(c.work));
        EXPECT_EQ(late, QString::fromUtf8(c.late));
    }
}

TEST(DayTally, RoundedPunches) {
    struct Case {
        const char *name;
        int unit;
        const char *in, *out, *back, *leave;
        const char *ri, *ro, *rr, *rc;
    };
    const Case cases[] = {
        {"clock-in up, clock-out down", 15, "8:52", "", "", "17:03", "09:00", "", "", "17:00"},
        {"hour 24 becomes 0", 15, "23:50", "", "", "", "00:00", "", "", ""},
        {"break-out takes clock-in", 15, "8:55", "8:58", "", "", "09:00", "09:00", "", ""},
        {"break-return up, break-out down", 10, "8:00", "12:07", "12:51", "17:00", "08:00", "12:00",
         "13:00", "17:00"},
        {"clock-out takes break-return", 15, "8:00", "12:00", "12:50", "12:58", "08:00", "12:00",
         "13:00", "13:00"},
        {"clock-out takes clock-in", 15, "10:02", "", "", "10:10", "10:15", "", "", "10:15"},
        {"other hour: no same-hour rule", 15, "8:58", "9:05", "", "", "09:00", "09:00", "", ""},
    };
    const auto text = [](const tally::Punch &p) { return p ? timetext::clockText(*p) : QString(); };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CardTable t = card();
        punch(t, 0, QString::fromUtf8(c.in), QString::fromUtf8(c.out), QString::fromUtf8(c.back),
              QString::fromUtf8(c.leave));
        const tally::RoundedPunches r = tally::roundPunches(t, 0, c.unit);
        EXPECT_EQ(text(r.clockIn), QString::fromUtf8(c.ri));
        EXPECT_EQ(text(r.breakOut), QString::fromUtf8(c.ro));
        EXPECT_EQ(text(r.breakReturn), QString::fromUtf8(c.rr));
        EXPECT_EQ(text(r.clockOut), QString::fromUtf8(c.rc));
    }
}

TEST(DayTally, SegmentEndingBeforeItsStartInTheHourCountsNothing) {
    const tally::DayMinutes d = tally::walkSegment({10, 30}, {10, 15});
    EXPECT_EQ(d.work, 0);
    EXPECT_EQ(d.lateNight, 0);
    const tally::DayMinutes late = tally::walkSegment({23, 40}, {23, 10});
    EXPECT_EQ(late.work, 0);
    EXPECT_EQ(late.lateNight, 0);
}

TEST(DayTally, SegmentAcrossMidnightWalksHourSlots) {
    const tally::DayMinutes d = tally::walkSegment({21, 45}, {5, 15});
    EXPECT_EQ(d.work, 7 * 60 + 30);
    EXPECT_EQ(d.lateNight, 7 * 60); // 22:00-5:00 exactly
}
