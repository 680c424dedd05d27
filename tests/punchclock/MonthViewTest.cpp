#include "PunchFixture.h"
#include "punchclock/RecorderScreen.h"

namespace {

struct MonthViewing : ::testing::Test {
    TestServices t;
    RecorderScreen screen{t.services};

    void SetUp() override {
        // February 2009 has 28 days: rows 28-30 are blank.
        PunchData::prepareMonth(t, 2009, 2, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        CardTable c = PunchData::readCard(t, "2009年2月", "1");
        c.at(0, CardField::Weekday) = "日";
        c.at(0, CardField::ClockIn) = "8:55";
        c.at(16, CardField::ClockOut) = "17:30";
        c.at(31, CardField::Work) = "161:15"; // the totals row is never shown
        PunchData::writeCard(t, "2009年2月", c);
        t.clock.set(2009, 2, 10, 9, 0);
        ASSERT_TRUE(screen.open());
        screen.tick();
        screen.activated();
    }
    QString cell(int line, int column) {
        return screen.monthView().label(line * MonthView::kColumns + column);
    }
};

} // namespace

TEST_F(MonthViewing, ChoosingOpensTheCardAndLocksTheRack) {
    screen.toolbarMonthView();
    screen.rackClicked(0);
    const MonthView &v = screen.monthView();
    ASSERT_TRUE(v.isOpen());
    EXPECT_EQ(screen.rack().modeWord(), "");
    EXPECT_FALSE(screen.rack().enabled());
    EXPECT_FALSE(screen.toolbarViewButtonsEnabled());
    EXPECT_EQ(cell(0, 0), "1");
    EXPECT_EQ(cell(0, 1), "日");
    EXPECT_EQ(cell(0, 2), "8:55");
    EXPECT_EQ(cell(14, 0), "15");
    EXPECT_EQ(v.label(90), "2009");
    EXPECT_EQ(v.label(91), "2");
    EXPECT_EQ(v.label(92), "山田太郎");
    // The rack cannot set a card meanwhile, nor can the toolbar change modes.
    screen.rackClicked(1);
    screen.toolbarRemoval();
    EXPECT_FALSE(screen.panel().cardSet());
    EXPECT_EQ(screen.rack().modeWord(), "");
}

TEST_F(MonthViewing, ScrollingShowsRowsUpTo30) {
    screen.toolbarMonthView();
    screen.rackClicked(0);
    screen.monthView().scroll(16);
    EXPECT_EQ(cell(0, 0), "17");
    EXPECT_EQ(cell(0, 5), "17:30");
    EXPECT_EQ(cell(11, 0), "28");
    for (int line = 12; line < 15; ++line)
        for (int j = 0; j < 6; ++j)
            EXPECT_TRUE(cell(line, j).isEmpty()) << line;
    screen.monthView().scroll(17); // out of range: stays
    EXPECT_EQ(screen.monthView().offset(), 16);
}

TEST_F(MonthViewing, ClosingAndOpeningAnotherStartsAtTheTop) {
    screen.toolbarMonthView();
    screen.rackClicked(0);
    screen.monthView().scroll(10);
    screen.closeMonthView();
    EXPECT_FALSE(screen.monthView().isOpen());
    EXPECT_TRUE(screen.rack().enabled());
    EXPECT_EQ(screen.rack().background(), CardRack::kNormal);
    EXPECT_FALSE(screen.rack().cancelVisible());
    EXPECT_TRUE(screen.toolbarViewButtonsEnabled());
    EXPECT_EQ(screen.rack().selected(), -1);
    screen.toolbarMonthView();
    screen.rackClicked(1);
    EXPECT_EQ(screen.monthView().offset(), 0);
    EXPECT_EQ(cell(0, 0), "1");
    EXPECT_EQ(screen.monthView().label(92), "鈴木花子");
    // After closing, a rack click sets a card again.
    screen.closeMonthView();
    screen.rackClicked(1);
    EXPECT_TRUE(screen.panel().cardSet());
}

TEST_F(MonthViewing, MissingCardLeavesAnEmptyView) {
    QFile::remove(t.path("2009年2月/2.Card"));
    screen.toolbarMonthView();
    screen.rackClicked(1);
    EXPECT_EQ(t.dialogs.texts(), QStringList({"タイムカードが見つかりません。"}));
    EXPECT_TRUE(screen.monthView().isOpen());
    for (int i = 0; i < MonthView::kLabels; ++i)
        EXPECT_TRUE(screen.monthView().label(i).isEmpty()) << i;
}

TEST_F(MonthViewing, ASetCardStaysSetAcrossTheView) {
    screen.rackClicked(0);
    ASSERT_TRUE(screen.panel().cardSet());
    screen.toolbarMonthView();
    screen.rackClicked(1);
    screen.closeMonthView();
    screen.rackClicked(0); // its own line: nothing happens
    EXPECT_TRUE(t.dialogs.texts().isEmpty());
    EXPECT_EQ(screen.rack().selected(), 0);
    screen.rackClicked(1);
    EXPECT_EQ(t.dialogs.texts(), QStringList({"タイムカードを戻してから、クリックしてください。"}));
    EXPECT_EQ(screen.rack().selected(), 0);
}
