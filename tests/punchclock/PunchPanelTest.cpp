#include "PunchFixture.h"
#include "punchclock/RecorderScreen.h"

namespace {

const QString kFolder = "2009年5月";

struct Punching : ::testing::Test {
    TestServices t;
    RecorderScreen screen{t.services};

    void SetUp() override {
        PunchData::prepareMonth(t, 2009, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        t.clock.set(2009, 5, 12, 8, 59, 40); // a Tuesday
        ASSERT_TRUE(screen.open());
        screen.tick();
        screen.activated();
        ASSERT_EQ(screen.rack().lines().size(), 2);
    }
    void at(int h, int m, int s = 0) {
        t.clock.set(2009, 5, 12, h, m, s);
        screen.tick();
    }
    CardTable card(const QString &code = "1") { return PunchData::readCard(t, kFolder, code); }
    const TimeLabel &label(int k) { return screen.panel().timeLabel(k); }
};

} // namespace

TEST_F(Punching, TimeIsTakenWhenTheKindIsChosen) {
    screen.rackClicked(0);
    ASSERT_TRUE(screen.panel().cardSet());
    EXPECT_EQ(screen.panel().codeLabel(), "1");
    EXPECT_EQ(screen.panel().nameLabel(), "山田太郎");
    screen.chooseKind(0);
    EXPECT_EQ(label(0).text, "8:59");
    EXPECT_TRUE(label(0).pending());
    EXPECT_TRUE(screen.panel().kindPressed(0));
    at(9, 10);
    screen.press();
    EXPECT_TRUE(label(0).pressed());
    EXPECT_FALSE(screen.panel().kindPressed(0));
    // Pressing does not write the file.
    EXPECT_TRUE(card().at(11, CardField::ClockIn).isEmpty());
    ASSERT_TRUE(screen.returnCard());
    const CardTable c = card();
    EXPECT_EQ(c.at(11, CardField::Day), "12");
    EXPECT_EQ(c.at(11, CardField::ClockIn), "8:59");
    EXPECT_EQ(c.at(11, CardField::Weekday), "火");
    EXPECT_FALSE(screen.panel().cardSet());
    EXPECT_EQ(screen.panel().lastSetIndex(), -1);
    EXPECT_EQ(screen.rack().selected(), -1);
}

TEST_F(Punching, ChoosingAnotherKindEmptiesThePendingOne) {
    screen.rackClicked(0);
    screen.chooseKind(0);
    at(9, 1);
    screen.chooseKind(3);
    EXPECT_TRUE(label(0).text.isEmpty());
    EXPECT_EQ(label(3).text, "9:01");
    EXPECT_FALSE(screen.panel().kindPressed(0));
    EXPECT_TRUE(screen.panel().kindPressed(3));
    // Un-choosing empties it again; choosing anew takes the new time.
    screen.unchooseKind(3);
    EXPECT_TRUE(label(3).text.isEmpty());
    EXPECT_FALSE(screen.panel().kindPressed(3));
    screen.press();
    ASSERT_TRUE(screen.returnCard());
    EXPECT_TRUE(card().at(11, CardField::ClockOut).isEmpty());
}

TEST_F(Punching, KindsAlreadyOnTheCardCannotBeChanged) {
    CardTable c = card();
    c.at(11, CardField::ClockIn) = "8:30";
    PunchData::writeCard(t, kFolder, c);
    screen.rackClicked(0);
    EXPECT_EQ(label(0).text, "8:30");
    EXPECT_TRUE(label(0).pressed());
    screen.chooseKind(0);
    EXPECT_FALSE(screen.panel().kindPressed(0));
    screen.press();
    screen.unchooseKind(0);
    EXPECT_EQ(label(0).text, "8:30");
    // Choosing another kind leaves the pressed one.
    screen.chooseKind(1);
    EXPECT_EQ(label(0).text, "8:30");
    screen.press();
    ASSERT_TRUE(screen.returnCard());
    EXPECT_EQ(card().at(11, CardField::ClockIn), "8:30");
    EXPECT_EQ(card().at(11, CardField::BreakOut), "8:59");
}

TEST_F(Punching, ReturningWithoutPunchStillWritesTheWeekday) {
    screen.rackClicked(1);
    ASSERT_TRUE(screen.returnCard());
    EXPECT_EQ(card("2").at(11, CardField::Weekday), "火");
    EXPECT_EQ(card("2").at(10, CardField::Weekday), "");
}

TEST_F(Punching, RackClicksWhileACardIsSet) {
    screen.rackClicked(0);
    screen.rackClicked(0); // the line of the set card: nothing
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
    screen.rackClicked(1);
    EXPECT_EQ(t.dialogs.texts(), QStringList({"タイムカードを戻してから、クリックしてください。"}));
    EXPECT_EQ(screen.rack().selected(), 0);
    EXPECT_EQ(screen.panel().codeLabel(), "1");
    // Without a card the kind buttons do nothing.
    ASSERT_TRUE(screen.returnCard());
    screen.chooseKind(0);
    screen.press();
    EXPECT_TRUE(label(0).text.isEmpty());
}

TEST_F(Punching, CardThatCannotBeOpened) {
    QFile::remove(t.path(kFolder + "/2.Card"));
    screen.rackClicked(1);
    EXPECT_EQ(t.dialogs.texts(),
              QStringList({"2   鈴木花子 のタイムカードは準備されていません。"}));
    EXPECT_FALSE(screen.panel().cardSet());
    screen.chooseKind(0);
    EXPECT_TRUE(label(0).text.isEmpty());
    // Another click on the same line tries again.
    screen.rackClicked(1);
    EXPECT_EQ(t.dialogs.boxes().size(), 2);
}

TEST_F(Punching, PunchDayBoxes) {
    // Without a card the day cannot change.
    EXPECT_EQ(screen.leavePunchDay("11", "12"), "12");
    EXPECT_EQ(t.dialogs.texts().last(),
              "タイムカードがセットされていないと、日付の変更はできません。");
    struct Bad {
        bool month;
        const char *text;
        const char *message;
    };
    const Bad bad[] = {
        {true, "", "正しい月を入力してください。"},    {true, "13", "正しい月を入力してください。"},
        {true, "0", "正しい月を入力してください。"},   {false, "", "正しい日を入力してください。"},
        {false, "32", "正しい日を入力してください。"},
    };
    for (const Bad &b : bad) {
        SCOPED_TRACE(b.text);
        const QString shown =
            b.month ? screen.leavePunchMonth(b.text, "05") : screen.leavePunchDay(b.text, "12");
        // The box shows its day again: the refused text would come back on
        // every leaving, and without a card it could not be corrected.
        EXPECT_EQ(shown, b.month ? "05" : "12");
        EXPECT_EQ(screen.punchDay().dayText, "12");
        EXPECT_EQ(t.dialogs.texts().last(), QString::fromUtf8(b.message));
    }
}

TEST_F(Punching, ChangingTheDayRetargetsTheSetCard) {
    CardTable c = card();
    c.at(10, CardField::Weekday) = "月";
    c.at(10, CardField::ClockIn) = "22:00";
    PunchData::writeCard(t, kFolder, c);
    screen.rackClicked(0);
    screen.chooseKind(0);
    EXPECT_EQ(screen.leavePunchDay("11", "12"), "11");
    EXPECT_TRUE(label(0).pressed());
    EXPECT_EQ(label(0).text, "22:00");
    EXPECT_EQ(screen.weekdayShown(), "月");
    screen.chooseKind(3);
    at(9, 20);
    screen.press();
    // A day whose row is empty can take all four kinds; its weekday comes
    // from the calendar when the row has none.
    EXPECT_EQ(screen.leavePunchDay("09", "11"), "09");
    EXPECT_EQ(screen.weekdayShown(), "土");
    EXPECT_EQ(screen.punchDay().dayNumber, "9");
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(label(k).text.isEmpty());
    screen.chooseKind(2);
    screen.press();
    ASSERT_TRUE(screen.returnCard());
    const CardTable after = card();
    EXPECT_EQ(after.at(10, CardField::ClockOut), "8:59");
    EXPECT_EQ(after.at(8, CardField::BreakReturn), "9:20");
    EXPECT_EQ(after.at(8, CardField::Weekday), "土");
}

TEST_F(Punching, DayWithoutARowIsRefusedAndNothingReachesRow31) {
    // June has no 31st: a June card and punch day 31 find no row.
    PunchData::writeCard(
        t, "2009年6月",
        PunchData::makeCard({"1", "山田太郎"}, 2009, 6, PunchData::settingsOf("getumatusime")));
    t.clock.set(2009, 6, 10, 9, 0);
    RecorderScreen june(t.services);
    ASSERT_TRUE(june.open());
    june.tick();
    june.activated();
    june.rackClicked(0);
    ASSERT_TRUE(june.panel().cardSet());
    t.dialogs.clear();
    EXPECT_EQ(june.leavePunchDay("31", "10"), "31");
    EXPECT_EQ(t.dialogs.boxes().size(), 1);
    EXPECT_TRUE(t.dialogs.texts()[0].contains("6月31日の欄がこのタイムカードにありません。"));
    june.chooseKind(0);
    june.press();
    EXPECT_TRUE(june.panel().timeLabel(0).text.isEmpty());
    ASSERT_TRUE(june.returnCard());
    const CardTable c = PunchData::readCard(t, "2009年6月", "1");
    for (int f = 0; f < CardTable::kFields; ++f)
        EXPECT_TRUE(c.at(31, f).isEmpty()) << f;
}

TEST_F(Punching, ADayTypedIntoAnotherCardMonthIsNotWrittenIntoThisOne) {
    // 2 March's card set, 29 typed for February: row "29" is 29 March.
    TestServices s;
    PunchData::prepareMonth(s, 2008, 3, {{"1", "山田"}});
    s.clock.set(2008, 3, 2, 9, 0);
    RecorderScreen r(s.services);
    ASSERT_TRUE(r.open());
    r.tick();
    r.activated();
    r.rackClicked(0);
    ASSERT_TRUE(r.panel().cardSet());
    r.leavePunchDay("29", "02");
    r.leavePunchMonth("02", "03");
    ASSERT_EQ(s.dialogs.boxes().size(), 1);
    EXPECT_TRUE(s.dialogs.texts()[0].contains("2月29日"));
    r.chooseKind(3);
    r.press();
    ASSERT_TRUE(r.returnCard());
    const CardTable c = PunchData::readCard(s, "2008年3月", "1");
    EXPECT_EQ(c.at(28, CardField::Day), "29");
    EXPECT_TRUE(c.at(28, CardField::ClockOut).isEmpty());
    EXPECT_TRUE(c.at(28, CardField::Weekday).isEmpty());
}

TEST_F(Punching, RackRebuiltWhileACardIsSetKeepsItsLine) {
    screen.rackClicked(1); // 2 鈴木花子
    PunchData::writeCard(
        t, kFolder,
        PunchData::makeCard({"01", "青木"}, 2009, 5, PunchData::settingsOf("getumatusime")));
    screen.activated();
    ASSERT_EQ(screen.rack().lines().value(2), "2   鈴木花子");
    EXPECT_EQ(screen.rack().selected(), 2);
    screen.rackClicked(2); // still the set card's line: nothing
    screen.rackClicked(1);
    EXPECT_EQ(t.dialogs.texts(), QStringList({"タイムカードを戻してから、クリックしてください。"}));
    EXPECT_EQ(screen.rack().selected(), 2);
}

TEST(PunchReturn, ChosenTimeNotPressedIsAskedAbout) {
    struct Case {
        const char *name;
        bool byClosing; // the screen closes (another screen opens, the program ends)
        BoxAnswer answer;
        const char *stored;
        bool returned;
    };
    const Case cases[] = {
        {"yes presses and returns", false, BoxAnswer::Yes, "8:59", true},
        {"no returns without it", false, BoxAnswer::No, "", true},
        {"cancel keeps the card set", false, BoxAnswer::Cancel, "", false},
        {"closing, yes", true, BoxAnswer::Yes, "8:59", true},
        {"closing, cancel keeps the screen open", true, BoxAnswer::Cancel, "", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestServices t;
        PunchData::prepareMonth(t, 2009, 5, {{"1", "山田太郎"}});
        t.clock.set(2009, 5, 12, 8, 59, 40);
        RecorderScreen screen(t.services);
        ASSERT_TRUE(screen.open());
        screen.tick();
        screen.activated();
        screen.rackClicked(0);
        screen.chooseKind(0);
        t.dialogs.answer(c.answer);
        EXPECT_EQ(c.byClosing ? screen.mayClose() : screen.returnCard(), c.returned);
        ASSERT_EQ(t.dialogs.boxes().size(), 1);
        const ScriptedDialogs::Box &box = t.dialogs.boxes()[0];
        EXPECT_TRUE(box.text.startsWith("出勤 8:59 がまだ記録されていません。"));
        EXPECT_EQ(box.title, "確認");
        EXPECT_EQ(box.buttons, BoxButtons::YesNoCancel);
        EXPECT_EQ(screen.panel().cardSet(), !c.returned);
        EXPECT_EQ(PunchData::readCard(t, kFolder, "1").at(11, CardField::ClockIn), c.stored);
        // A kept card still holds its chosen time.
        EXPECT_EQ(screen.panel().timeLabel(0).pending(), !c.returned);
    }
}

TEST_F(Punching, ADayTypedBackGetsItsDatesWeekdayNotAWrongOneStored) {
    CardTable c = card();
    c.at(10, CardField::Weekday) = "土"; // 11 May 2009 is a Monday
    PunchData::writeCard(t, kFolder, c);
    screen.rackClicked(0);
    EXPECT_EQ(screen.leavePunchDay("11", "12"), "11");
    EXPECT_EQ(screen.weekdayShown(), "月");
    screen.chooseKind(3);
    screen.press();
    ASSERT_TRUE(screen.returnCard());
    EXPECT_EQ(card().at(10, CardField::Weekday), "月");
}
