#include "data/ChangeMerge.h"

#include <gtest/gtest.h>

namespace {

CardTable cardWith(const QString &clockIn, const QString &weekday = {},
                   const QString &certified = {}) {
    CardTable t;
    t.at(4, CardField::ClockIn) = clockIn;
    t.at(4, CardField::Weekday) = weekday;
    t.at(4, CardField::CertBeyond) = certified;
    return t;
}

} // namespace

TEST(ChangeMerge, CardFieldsGoOntoTheCardAsItIsNow) {
    struct Case {
        const char *what;
        CardTable base, mine, now;
        QList<int> fields;
        CardTable want;
        int clashes;
    };
    const QList<int> punch = changemerge::kPunchFields;
    const QList<int> tally = changemerge::kTallyFields;
    const Case cases[] = {
        {"mine alone", cardWith(""), cardWith("9:00", "火"), cardWith(""), punch,
         cardWith("9:00", "火"), 0},
        {"theirs alone stays", cardWith(""), cardWith(""), cardWith("8:58", "火"), punch,
         cardWith("8:58", "火"), 0},
        {"the same punch on both", cardWith(""), cardWith("9:00"), cardWith("9:00"), punch,
         cardWith("9:00"), 0},
        {"a punch both made: the card's stays", cardWith(""), cardWith("9:01", "火"),
         cardWith("8:58", "水"), punch, cardWith("8:58", "火"), 1},
        {"a correction against a new punch: the punch stays", cardWith("9:00"), cardWith("9:05"),
         cardWith(""), tally, cardWith(""), 1},
        {"certified hours both changed: the screen's", cardWith("9:00", "", "1:00"),
         cardWith("9:00", "", "2:00"), cardWith("9:00", "", "0:30"), tally,
         cardWith("9:00", "", "2:00"), 0},
        {"fields outside the rule stay the card's", cardWith(""), cardWith("", "", "2:00"),
         cardWith(""), punch, cardWith(""), 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const changemerge::Card m = changemerge::card(c.base, c.mine, c.now, c.fields);
        EXPECT_EQ(m.table.toList(), c.want.toList());
        EXPECT_EQ(m.clashes.size(), c.clashes);
    }
    const changemerge::Card clash =
        changemerge::card(cardWith(""), cardWith("9:01"), cardWith("8:58"), punch);
    EXPECT_EQ(clash.clashes.value(0), (changemerge::Clash{4, CardField::ClockIn, "9:01", "8:58"}));
}

TEST(ChangeMerge, SettingsKeepTheValuesEachSideChanged) {
    const QStringList base = {"0", "", "seireki"};
    EXPECT_EQ(changemerge::values(base, {"5", "", "seireki"}, {"0", "", "wareki"}),
              QStringList({"5", "", "wareki"}));
    EXPECT_EQ(changemerge::values(base, {"5", "", "seireki"}, {"3", "", "seireki"}),
              QStringList({"5", "", "seireki"}));
}

TEST(ChangeMerge, RosterRowsOfBothSidesStay) {
    const Employee yamada{"1", "山田太郎", "月給", {}};
    const Employee suzuki{"2", "鈴木花子", "日給", {}};
    const Employee sato{"3", "佐藤次郎", "時給", {}};
    Roster base;
    base[0] = yamada;
    // Here a name is changed and an employee entered in slot 1; there another
    // one was entered in slot 1 meanwhile, and one in slot 5.
    Roster mine = base;
    mine[0].name = "山田太朗";
    mine[1] = suzuki;
    Roster now = base;
    now[1] = sato;
    now[5] = {"6", "田中誠", "月給", {}};
    const changemerge::RosterMerge m = changemerge::roster(base, mine, now);
    EXPECT_EQ(m.roster[0].name, "山田太朗");
    EXPECT_EQ(m.roster[1].name, "鈴木花子");
    EXPECT_EQ(m.roster[2].name, "佐藤次郎"); // the first free slot
    EXPECT_EQ(m.roster[5].name, "田中誠");
    EXPECT_TRUE(m.dropped.isEmpty());

    // A full roster has no slot to keep it in: it is named.
    Roster full;
    for (int i = 0; i < Roster::kSlots; ++i)
        full[i] = {QString::number(i + 10), QStringLiteral("社員"), "月給", {}};
    Roster fullMine = full;
    fullMine[3] = suzuki;
    Roster fullNow = full;
    fullNow[3] = sato;
    EXPECT_EQ(changemerge::roster(full, fullMine, fullNow).dropped,
              QStringList{QStringLiteral("3 佐藤次郎")});
}
