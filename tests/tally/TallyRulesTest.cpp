#include "data/CardMonth.h"
#include "tally/CertifiedGrid.h"
#include "tally/EntryText.h"
#include "tally/SuspendFiles.h"
#include "tally/TallyMonth.h"

#include <gtest/gtest.h>

TEST(TallyRules, CertifiedAndPunchTexts) {
    const struct {
        const char *typed, *certified, *punch;
    } cases[] = {
        {"2.5", "2:05", "2:05"},    {"1.30", "1:30", "1:30"},    {"1:5", "1:05", "1:05"},
        {"0:45", "0:45", "0:45"},   {"45", "45", "0:45"},        {"13", "13", "0:13"},
        {"12.0", "12:00", "12:00"}, {"-1.3", "-1:03", "-1:03"},  {"", "", ""},
        {"999", "999", "999"},      {"1.2.3", "1:2.3", "1:2.3"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(entrytext::certified(c.typed), c.certified) << c.typed;
        EXPECT_EQ(entrytext::punch(c.typed), c.punch) << c.typed;
    }
}

TEST(TallyRules, StorablePunchesAndTargetDays) {
    for (const char *ok : {"8:05", "08:05", "0:00", "23:59", "47:59"})
        EXPECT_TRUE(entrytext::isStorablePunch(ok)) << ok;
    for (const char *bad : {"48:00", "8:60", "0:123", "-1:03", "1:2.3", ":30", "8"})
        EXPECT_FALSE(entrytext::isStorablePunch(bad)) << bad;
    const struct {
        const char *text;
        int day;
    } days[] = {{"15", 15}, {" 3", 3}, {"2.6", 3}, {"2.5", 2},
                {"0", 0},   {"-4", 0}, {"abc", 0}, {"31", 31}};
    for (const auto &d : days)
        EXPECT_EQ(entrytext::targetDay(d.text), d.day) << d.text;
}

TEST(TallyRules, StaffEntriesAndTheSuspendRecords) {
    const QString longName = "寿限無寿限無五劫の擦り切れ海砂利水魚の水行末";
    const QList<EmployeeLine> entries = {
        {"12", "山田太郎", true}, {"7", longName}, {"3", "鈴木花子", true}};
    EXPECT_EQ(employeeline::texts(entries).value(0), "◆12  山田太郎");
    const QStringList records = suspendfiles::groupsOf(entries);
    EXPECT_EQ(records, QStringList({"12", "山田太郎", "sumi", "7", longName.left(20), "", "3",
                                    "鈴木花子", "sumi"}));
    EXPECT_EQ(suspendfiles::entriesOf(records, 3),
              QList<EmployeeLine>({entries[0], {"7", longName.left(20)}, entries[2]}));
    // Fewer groups than counted, and a state of another kind, are left out.
    EXPECT_EQ(suspendfiles::entriesOf(records, 9).size(), 3);
    EXPECT_EQ(suspendfiles::entriesOf({"1", "a", "x", "2", "b", ""}, 2),
              QList<EmployeeLine>({{"2", "b"}}));
}

TEST(TallyRules, SafeFolders) {
    for (const char *ok : {"2007年3月", "19年3月", "古い月"})
        EXPECT_TRUE(tallymonth::isSafeFolder(ok)) << ok;
    for (const char *bad : {"", ".", "..", "../2007年3月", "a/b月", "a\\b月"})
        EXPECT_FALSE(tallymonth::isSafeFolder(bad)) << bad;
}

TEST(TallyRules, DayRowsKnowTheirWeekdayAndTheDaysTheMonthLacks) {
    CardTable card;
    for (int r = 0; r < 28; ++r)
        card.at(r, CardField::Day) = QString::number(r + 1);
    card.at(5, CardField::Weekday) = "火"; // as punched; the date says 火 too
    CalcSettings s;
    s[CalcSettings::PeriodKind] = "getumatusime";
    CertifiedGrid grid(card);
    grid.setDates(CardMonth(2007, 2).rowDates(card, s));
    grid.scrollTo(CertifiedGrid::kMaxFirstDay);
    const struct {
        int screenRow;
        bool exists;
        CertifiedGrid::DayKind kind;
        const char *weekdayOfDate;
    } rows[] = {{0, true, CertifiedGrid::DayKind::Saturday, "土"}, // 17 Feb 2007
                {1, true, CertifiedGrid::DayKind::Sunday, "日"},
                {2, true, CertifiedGrid::DayKind::Workday, "月"},
                {12, false, CertifiedGrid::DayKind::Workday, ""}}; // 29 Feb
    for (const auto &r : rows) {
        const CertifiedGrid::Line l = grid.line(r.screenRow);
        EXPECT_EQ(l.exists, r.exists) << r.screenRow;
        EXPECT_EQ(l.kind, r.kind) << r.screenRow;
        EXPECT_EQ(l.weekdayOfDate, r.weekdayOfDate) << r.screenRow;
    }
    grid.scrollTo(0);
    EXPECT_EQ(grid.line(5).weekdayOfDate, "");
}
