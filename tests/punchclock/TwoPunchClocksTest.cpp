#include "PunchFixture.h"
#include "data/CardUpdate.h"
#include "punchclock/RecorderScreen.h"

namespace {

const QString kFolder = "2009年5月";

// Two entrances: two punch clocks on one data folder.
struct TwoPunchClocks : ::testing::Test {
    TestServices t;
    // The second PC: its own file system and dialogs on the same folder.
    LocalFileSystem backFs{t.dir.path()};
    ScriptedDialogs backDialogs;
    Services back{backFs, backDialogs, t.clock, t.settings, t.programEnd, t.session};
    RecorderScreen front{t.services};
    RecorderScreen rear{back};

    void SetUp() override {
        PunchData::prepareMonth(t, 2009, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        t.clock.set(2009, 5, 12, 8, 59, 40);
        for (RecorderScreen *s : {&front, &rear}) {
            ASSERT_TRUE(s->open());
            s->tick();
            s->activated();
        }
    }
    CardTable card() { return PunchData::readCard(t, kFolder, "1"); }
};

} // namespace

TEST_F(TwoPunchClocks, PunchesOnOneCardAtBothEntrancesAreBothKept) {
    front.rackClicked(0);
    rear.rackClicked(0);
    front.chooseKind(0);
    front.press();
    t.clock.set(2009, 5, 12, 9, 2);
    rear.tick();
    rear.chooseKind(1);
    rear.press();
    ASSERT_TRUE(front.returnCard());
    ASSERT_TRUE(rear.returnCard());
    EXPECT_EQ(card().at(11, CardField::ClockIn), "8:59");
    EXPECT_EQ(card().at(11, CardField::BreakOut), "9:02");
    EXPECT_TRUE(t.dialogs.texts().isEmpty());
    EXPECT_TRUE(backDialogs.texts().isEmpty());
}

TEST_F(TwoPunchClocks, TheSamePunchAtBothEntrancesKeepsTheFirstAndTellsTheSecond) {
    front.rackClicked(0);
    rear.rackClicked(0);
    front.chooseKind(0);
    front.press();
    t.clock.set(2009, 5, 12, 9, 0, 30);
    rear.tick();
    rear.chooseKind(0);
    rear.press();
    ASSERT_TRUE(front.returnCard());
    ASSERT_TRUE(rear.returnCard());
    EXPECT_EQ(card().at(11, CardField::ClockIn), "8:59");
    EXPECT_EQ(backDialogs.texts(),
              QStringList{QStringLiteral("山田太郎 さん：12日の出勤は、ほかのパソコンで既に 8:59 "
                                         "と打刻されていたため、9:00 を記録していません。")});
}

TEST_F(TwoPunchClocks, CardsPreparedElsewhereShowInTheRackAfterTheWatchersEvent) {
    ASSERT_TRUE(front.watchesByEvents()); // a disk of this PC
    const int revision = front.changeRevision();
    const CalcSettings s = PunchData::settingsOf("getumatusime");
    PunchData::writeCard(t, kFolder, PunchData::makeCard({"3", "佐藤次郎"}, 2009, 5, s));
    t.clock.set(t.clock.now().addSecs(2));
    front.tick();
    EXPECT_EQ(front.rack().lines().size(), 2); // not yet: no event came
    front.filesChanged();
    front.tick();
    EXPECT_EQ(front.rack().lines().size(), 3);
    EXPECT_GT(front.changeRevision(), revision);
}

TEST_F(TwoPunchClocks, APunchElsewhereShowsOnTheSetCardAndOutranksOneNotReturned) {
    front.rackClicked(0);
    front.chooseKind(0);
    front.press(); // 8:59 pressed here, not yet returned
    front.chooseKind(3);
    rear.rackClicked(0);
    t.clock.set(2009, 5, 12, 8, 58);
    rear.tick();
    rear.chooseKind(0);
    rear.press();
    ASSERT_TRUE(rear.returnCard());
    t.clock.set(2009, 5, 12, 9, 1);
    front.tick();
    const TimeLabel &in = front.panel().timeLabel(0);
    EXPECT_EQ(in.text, "8:58");
    EXPECT_TRUE(in.pressed());
    EXPECT_TRUE(front.panel().timeLabel(3).pending()); // the kind chosen here stays chosen
    EXPECT_EQ(t.dialogs.texts(),
              QStringList{QStringLiteral("山田太郎 さん：12日の出勤は、ほかのパソコンで既に 8:58 "
                                         "と打刻されていたため、8:59 を記録していません。")});
}

TEST_F(TwoPunchClocks, APunchDeletedElsewhereNoLongerShowsOnTheSetCard) {
    rear.rackClicked(0);
    rear.chooseKind(0);
    rear.press();
    ASSERT_TRUE(rear.returnCard());
    front.rackClicked(0);
    ASSERT_EQ(front.panel().timeLabel(0).text, "8:59");
    const CardTable stored = card();
    CardTable deleted = stored;
    deleted.at(11, CardField::ClockIn).clear();
    ASSERT_TRUE(
        cardupdate::putPunches(back, history::word::teisei, kFolder, "1", stored, deleted).ok());
    front.filesChanged();
    front.tick();
    EXPECT_TRUE(front.panel().timeLabel(0).text.isEmpty());
    EXPECT_TRUE(t.dialogs.texts().isEmpty());
}
