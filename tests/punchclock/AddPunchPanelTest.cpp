#include "PunchFixture.h"
#include "data/CardMonth.h"
#include "punchclock/RecorderScreen.h"

namespace {

using Box = AddPunchPanel::Box;

struct AddingPunches : ::testing::Test {
    TestServices t;
    RecorderScreen screen{t.services};
    AddPunchPanel &panel = screen.addPanel();

    void SetUp() override {
        PunchData::prepareMonth(t, 2009, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        t.clock.set(2009, 5, 12, 9, 0);
        ASSERT_TRUE(screen.open());
        screen.tick();
        screen.activated();
    }
    void loadDay(const QString &month, const QString &day, int employee = 0) {
        ASSERT_TRUE(screen.openAddPanel());
        panel.chooseMonth("2009年5月");
        panel.chooseEmployee(employee);
        panel.setBox(Box::MonthBox, month);
        panel.setBox(Box::DayBox, day);
        panel.leaveDayBox();
    }
    void time(const QString &hour, const QString &minute) {
        panel.setBox(Box::HourBox, hour);
        panel.leaveTimeBox();
        panel.setBox(Box::MinuteBox, minute);
        panel.leaveTimeBox();
    }
    CardTable card(const QString &code = "1") { return PunchData::readCard(t, "2009年5月", code); }
};

} // namespace

TEST(AddPunchRules, MonthsNewestFirst) {
    EXPECT_EQ(
        CardMonth::sorted({"2008年12月", "2009年1月", "2009年11月"}, CardMonth::Order::NewestFirst),
        QStringList({"2009年11月", "2009年1月", "2008年12月"}));
    EXPECT_EQ(CardMonth::sorted({"20年5月", "21年10月", "21年2月"}, CardMonth::Order::NewestFirst),
              QStringList({"21年10月", "21年2月", "20年5月"}));
}

TEST(AddPunchRules, TimeText) {
    const struct {
        const char *hour, *minute, *text;
    } cases[] = {{"7", "5", "7:05"}, {"7", "05", "7:05"}, {"18", "30", "18:30"},
                 {"0", "0", "0:00"}, {"9", "9", "9:09"},  {"9", "10", "9:10"}};
    for (const auto &c : cases)
        EXPECT_EQ(AddPunchPanel::timeText(c.hour, c.minute), c.text) << c.hour << c.minute;
}

TEST_F(AddingPunches, ListsMonthsAndEmployees) {
    t.put("2008年12月/x.txt", "");
    t.put("2009年11月/x.txt", "");
    ASSERT_TRUE(screen.openAddPanel());
    EXPECT_TRUE(panel.visible());
    EXPECT_EQ(panel.months(), QStringList({"2009年11月", "2009年5月", "2008年12月"}));
    panel.chooseMonth("2009年11月");
    EXPECT_EQ(t.dialogs.texts(), QStringList({"タイムカードがありません。"}));
    // A month is the folder of exactly that name: blanks name another one.
    panel.chooseMonth("2009年5月 ");
    EXPECT_TRUE(panel.employees().isEmpty());
    panel.chooseMonth("2009年5月");
    EXPECT_EQ(panel.employees(), QStringList({"1   山田太郎", "2   鈴木花子"}));
    panel.chooseEmployee(1);
    EXPECT_EQ(panel.codeLabel(), "2");
    EXPECT_EQ(panel.nameLabel(), "鈴木花子");
    EXPECT_TRUE(panel.boxesEnabled());
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(panel.optionEnabled(k));
}

TEST_F(AddingPunches, AddsAMissingPunch) {
    CardTable c = card();
    c.at(9, CardField::ClockIn) = "8:50";
    PunchData::writeCard(t, "2009年5月", c);
    loadDay("5", "10");
    ASSERT_TRUE(panel.dayLoaded());
    EXPECT_TRUE(panel.timeLabel(0).pressed());
    EXPECT_FALSE(panel.optionEnabled(0));
    panel.chooseKind(0); // disabled: no effect
    EXPECT_FALSE(panel.optionChecked(0));
    time("17", "5");
    panel.chooseKind(1);
    EXPECT_EQ(panel.timeLabel(1).text, "17:05");
    panel.chooseKind(3);
    EXPECT_TRUE(panel.timeLabel(1).text.isEmpty());
    EXPECT_EQ(panel.timeLabel(3).text, "17:05");
    EXPECT_TRUE(panel.timeLabel(3).pending());
    EXPECT_EQ(panel.timeLabel(0).text, "8:50");
    panel.setWeekday(6); // 日曜
    ASSERT_TRUE(panel.add());
    EXPECT_TRUE(panel.timeLabel(3).pressed());
    EXPECT_FALSE(panel.optionEnabled(3));
    EXPECT_FALSE(panel.optionChecked(3));
    const CardTable after = card();
    EXPECT_EQ(after.at(9, CardField::ClockIn), "8:50");
    EXPECT_EQ(after.at(9, CardField::ClockOut), "17:05");
    EXPECT_EQ(after.at(9, CardField::Weekday), "日");
    // A further kind for the same day.
    panel.chooseKind(1);
    ASSERT_TRUE(panel.add());
    EXPECT_EQ(card().at(9, CardField::BreakOut), "17:05");
    EXPECT_EQ(card().at(9, CardField::Weekday), "日");
}

TEST_F(AddingPunches, TheWeekdayWrittenIsThatOfTheRowsDate) {
    // 10 May 2009 is a Sunday (index 6). A card laid out under other settings
    // (its row of the 10th on another row) has no known date.
    const struct {
        const char *name;
        bool dateKnown;
        int chosen;
        const char *written;
        bool refused;
    } cases[] = {
        {"the date's own weekday", true, 6, "日", false},
        {"another weekday chosen by hand", true, 5, "日", true},
        {"none chosen", true, -1, "日", false},
        {"a card without known dates: the choice", false, 5, "土", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CardTable fresh =
            PunchData::makeCard({"1", "山田太郎"}, 2009, 5, PunchData::settingsOf("getumatusime"));
        if (!c.dateKnown)
            std::swap(fresh.at(9, CardField::Day), fresh.at(10, CardField::Day));
        PunchData::writeCard(t, "2009年5月", fresh);
        loadDay("5", "10");
        ASSERT_TRUE(panel.dayLoaded());
        time("9", "0");
        panel.chooseKind(0);
        t.dialogs.clear();
        panel.setWeekday(c.chosen);
        EXPECT_EQ(t.dialogs.texts().size(), c.refused ? 1 : 0);
        if (c.refused) {
            EXPECT_EQ(t.dialogs.texts().value(0),
                      "2009年5月10日は日曜日です。曜日は日付のとおりに記録します。");
            EXPECT_EQ(panel.weekday(), 6);
        }
        ASSERT_TRUE(panel.add());
        EXPECT_EQ(card().at(panel.dayRow(), CardField::Weekday), c.written);
        panel.close();
    }
}

TEST_F(AddingPunches, APunchIntoAConfirmedCardAsksForAConfirmAgainOnce) {
    for (const bool confirmed : {false, true}) {
        SCOPED_TRACE(confirmed);
        CardTable c = card();
        c.at(CardTable::kTotalsRow, CardField::DaysWorked) = confirmed ? "0" : "";
        PunchData::writeCard(t, "2009年5月", c);
        loadDay("5", confirmed ? "11" : "10");
        time("9", "0");
        t.dialogs.clear();
        for (const int kind : {0, 3}) {
            panel.chooseKind(kind);
            ASSERT_TRUE(panel.add());
        }
        EXPECT_EQ(t.dialogs.texts().size(), confirmed ? 1 : 0);
        EXPECT_EQ(t.dialogs.texts().value(0).contains("もう一度確定してください"), confirmed);
        panel.close();
    }
}

TEST_F(AddingPunches, HourAndMinuteChecks) {
    loadDay("5", "10");
    panel.chooseKind(0);
    time("24", "00");
    EXPECT_EQ(t.dialogs.texts(), QStringList({"時刻は「0～23」で入力してください。"}));
    EXPECT_TRUE(panel.box(Box::HourBox).isEmpty());
    EXPECT_TRUE(panel.timeLabel(0).text.isEmpty());
    time("0", "07");
    EXPECT_EQ(panel.timeLabel(0).text, "0:07");
    time("6", "75");
    EXPECT_TRUE(panel.box(Box::MinuteBox).isEmpty());
    EXPECT_FALSE(panel.add()); // a box is empty
}

TEST_F(AddingPunches, NothingIsWrittenWithoutALoadedDay) {
    const QByteArray before = t.bytes("2009年5月/1.Card");
    // The card of the typed month does not exist.
    loadDay("6", "10");
    EXPECT_EQ(t.dialogs.texts(), QStringList({"山田太郎 のタイムカードは見つかりません。"}));
    panel.chooseKind(0);
    time("9", "00");
    EXPECT_FALSE(panel.add());
    // A day the card lacks (day 0 reads as the blank rows' day).
    for (const char *day : {"0", "32", "x"}) {
        panel.setBox(Box::MonthBox, "5");
        panel.setBox(Box::DayBox, day);
        panel.leaveDayBox();
        EXPECT_FALSE(panel.dayLoaded()) << day;
        EXPECT_FALSE(panel.add()) << day;
    }
    // The day typed after loading, without leaving the box.
    panel.setBox(Box::DayBox, "10");
    panel.leaveDayBox();
    ASSERT_TRUE(panel.dayLoaded());
    panel.setBox(Box::DayBox, "11");
    EXPECT_FALSE(panel.add());
    EXPECT_EQ(t.bytes("2009年5月/1.Card"), before);
}

TEST_F(AddingPunches, RefusedWhileACardIsSetSoItsPunchesStay) {
    screen.rackClicked(1);
    screen.chooseKind(0);
    screen.press();
    EXPECT_FALSE(screen.openAddPanel());
    EXPECT_EQ(t.dialogs.texts(),
              QStringList({"タイムカードを戻してから、追加打刻をしてください。"}));
    EXPECT_FALSE(panel.visible());
    ASSERT_TRUE(screen.returnCard());
    EXPECT_EQ(card("2").at(11, CardField::ClockIn), "9:00");
    EXPECT_EQ(card("1").at(11, CardField::ClockIn), "");
    EXPECT_TRUE(screen.openAddPanel());
}

TEST_F(AddingPunches, ClosingEmptiesThePanel) {
    loadDay("5", "10");
    time("9", "0");
    panel.close();
    EXPECT_FALSE(panel.visible());
    EXPECT_TRUE(panel.employees().isEmpty());
    EXPECT_TRUE(panel.codeLabel().isEmpty());
    EXPECT_TRUE(panel.box(Box::HourBox).isEmpty());
    EXPECT_FALSE(panel.dayLoaded());
}

TEST_F(AddingPunches, RemovalAsksAndRebuildsFromTheRoster) {
    screen.toolbarRemoval();
    t.dialogs.answer(BoxAnswer::Cancel);
    screen.rackClicked(0);
    ASSERT_EQ(t.dialogs.boxes().size(), 1);
    EXPECT_EQ(t.dialogs.boxes()[0].text,
              "1   山田太郎 "
              "を削除します。\n削除するカードは、データフォルダの「Taihi」に控えとして残します。");
    EXPECT_EQ(t.dialogs.boxes()[0].title, "確認");
    EXPECT_EQ(t.dialogs.boxes()[0].icon, BoxIcon::Warning);
    EXPECT_EQ(t.dialogs.boxes()[0].buttons, BoxButtons::OkCancel);
    EXPECT_EQ(screen.rack().modeWord(), "");
    EXPECT_TRUE(QFile::exists(t.path("2009年5月/1.Card")));

    screen.toolbarRemoval();
    screen.rackClicked(0);
    EXPECT_FALSE(QFile::exists(t.path("2009年5月/1.Card")));
    EXPECT_EQ(screen.rack().lines(), QStringList({"2   鈴木花子"}));
    EXPECT_EQ(screen.rack().modeWord(), "");
    EXPECT_EQ(screen.rack().background(), CardRack::kNormal);
    EXPECT_FALSE(screen.rack().cancelVisible());

    // The last card: the rack stays grey until "キャンセル".
    screen.toolbarRemoval();
    t.dialogs.clear();
    screen.rackClicked(0);
    EXPECT_EQ(
        t.dialogs.texts(),
        QStringList(
            {"2   鈴木花子 "
             "を削除します。\n削除するカードは、データフォルダの「Taihi」に控えとして残します。",
             "タイムカードは全て削除されました。"}));
    EXPECT_TRUE(screen.rack().lines().isEmpty());
    EXPECT_EQ(screen.rack().modeWord(), "y");
    EXPECT_EQ(screen.rack().background(), CardRack::kRemoval);
    screen.cancelMode();
    EXPECT_EQ(screen.rack().background(), CardRack::kNormal);
}

TEST_F(AddingPunches, ARemovedCardIsKeptFirstAndStaysWhenItCannotBe) {
    const QByteArray before = t.bytes("2009年5月/1.Card");
    t.fs.failOn(FaultyFileSystem::Op::Keep, 1, FileError::DiskFull);
    screen.toolbarRemoval();
    screen.rackClicked(0);
    EXPECT_EQ(t.dialogs.texts().last(), "1   山田太郎 のタイムカードは、控えを残せないため削除"
                                        "しませんでした（ディスクの空きが足りません）。");
    EXPECT_EQ(t.bytes("2009年5月/1.Card"), before);
    EXPECT_FALSE(t.fs.exists("Taihi"));

    screen.toolbarRemoval();
    screen.rackClicked(0);
    EXPECT_FALSE(t.fs.exists("2009年5月/1.Card"));
    EXPECT_EQ(t.bytes("Taihi/20090512-090000-kaadosakujo/2009年5月/1.Card"), before);
}

TEST_F(AddingPunches, RemovalSkipsCardsOfCodesNotInTheRoster) {
    PunchData::writeCard(
        t, "2009年5月",
        PunchData::makeCard({"77", "退職者"}, 2009, 5, PunchData::settingsOf("getumatusime")));
    screen.activated();
    ASSERT_EQ(screen.rack().lines().size(), 3);
    screen.toolbarRemoval();
    screen.rackClicked(0);
    EXPECT_EQ(screen.rack().lines(), QStringList({"2   鈴木花子"}));
}

TEST_F(AddingPunches, NoRemovalWhileACardIsSet) {
    screen.rackClicked(0);
    screen.toolbarRemoval();
    screen.rackClicked(0);
    EXPECT_EQ(t.dialogs.texts(), QStringList({"タイムカードを戻してから、クリックしてください。"}));
    EXPECT_TRUE(QFile::exists(t.path("2009年5月/1.Card")));
    EXPECT_EQ(screen.rack().modeWord(), "y");
    ASSERT_TRUE(screen.returnCard());
    screen.rackClicked(0);
    EXPECT_FALSE(QFile::exists(t.path("2009年5月/1.Card")));
}

TEST_F(AddingPunches, AnotherMonthForgetsTheEmployee) {
    t.put("2009年4月/x.txt", "");
    loadDay("5", "10");
    ASSERT_TRUE(panel.dayLoaded());
    panel.chooseMonth("2009年4月");
    EXPECT_TRUE(panel.codeLabel().isEmpty());
    EXPECT_FALSE(panel.dayLoaded());
    EXPECT_FALSE(panel.boxesEnabled());
    EXPECT_FALSE(panel.add());
}

TEST_F(AddingPunches, RackUnderTheOpenPanelSetsNoCard) {
    // The rack is covered by the panel, but a keyboard can still reach it.
    loadDay("5", "10");
    screen.rackClicked(0);
    EXPECT_FALSE(screen.panel().cardSet());
    time("9", "0");
    panel.chooseKind(0);
    ASSERT_TRUE(panel.add());
    panel.close();
    screen.rackClicked(0);
    ASSERT_TRUE(screen.panel().cardSet());
    ASSERT_TRUE(screen.returnCard());
    EXPECT_EQ(card().at(9, CardField::ClockIn), "9:00");
}

TEST_F(AddingPunches, LastCardRemovedIsNotFollowedByNotPrepared) {
    for (int n = 0; n < 2; ++n) {
        screen.toolbarRemoval();
        screen.rackClicked(0);
    }
    t.dialogs.clear();
    screen.activated(); // closing the last box activates the screen
    EXPECT_TRUE(t.dialogs.texts().isEmpty());
}

TEST(AddPunchDates, TypedMonthIsANumberAndEachDayGetsItsOwnWeekday) {
    TestServices t;
    PunchData::writeSettings(t, "20sime");
    PunchData::writeRoster(t, {{"1", "山田太郎"}});
    // Card month April 2007 of a 20th closing: 21 March to 20 April.
    PunchData::writeCard(
        t, "2007年4月",
        PunchData::makeCard({"1", "山田太郎"}, 2007, 4, PunchData::settingsOf("20sime")));
    t.clock.set(2007, 4, 2, 9, 0);
    RecorderScreen screen(t.services);
    ASSERT_TRUE(screen.open());
    AddPunchPanel &panel = screen.addPanel();
    ASSERT_TRUE(screen.openAddPanel());
    panel.chooseMonth("2007年4月");
    panel.chooseEmployee(0);

    struct Case {
        const char *month, *day, *date;
        int weekday; // 0 月曜 .. 6 日曜
    };
    const Case cases[] = {
        {"4", "23", "2007年3月23日（金）", 4},
        {"04", "22", "2007年3月22日（木）", 3},
        {"04", "05", "2007年4月5日（木）", 3},
        {"4", "20", "2007年4月20日（金）", 4},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.month) + "/" + c.day);
        panel.setBox(Box::MonthBox, c.month);
        panel.setBox(Box::DayBox, c.day);
        panel.leaveDayBox();
        ASSERT_TRUE(panel.dayLoaded());
        EXPECT_EQ(panel.dateText(), c.date);
        EXPECT_EQ(panel.weekday(), c.weekday);
        panel.setBox(Box::HourBox, "9");
        panel.setBox(Box::MinuteBox, "0");
        panel.chooseKind(0);
        ASSERT_TRUE(panel.add());
        const CardTable card = PunchData::readCard(t, "2007年4月", "1");
        EXPECT_EQ(card.at(panel.dayRow(), CardField::Weekday),
                  AddPunchPanel::weekdayChoices()[c.weekday].left(1));
    }
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
    // The date shows only while the boxes name the loaded day.
    panel.setBox(Box::DayBox, "21");
    EXPECT_TRUE(panel.dateText().isEmpty());
}
