// The change history of the punch clock's writes, and the notice of a
// clock-out left out the day before.
#include "PunchFixture.h"
#include "data/History.h"
#include "data/StorableText.h"
#include "punchclock/RecorderScreen.h"

namespace {

using Box = AddPunchPanel::Box;
const QString kFolder = "2009年5月";

struct PunchHistory : ::testing::Test {
    TestServices t;
    RecorderScreen screen{t.services};

    void SetUp() override {
        PunchData::prepareMonth(t, 2009, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        t.clock.set(2009, 5, 12, 8, 59, 40); // a Tuesday, row 11
        ASSERT_TRUE(screen.open());
        screen.tick();
        screen.activated();
    }
    // The card's records after the baseline the first write gives the month
    // (its cards were written outside the program).
    QList<history::Record> records(const QString &code = "1") {
        QList<history::Record> recs = history::recordsOf(t.fs, kFolder, code);
        recs.removeIf([](const history::Record &r) { return r.function == history::word::kiten; });
        return recs;
    }
    void punchClockIn() {
        screen.rackClicked(0);
        screen.chooseKind(0);
        screen.press();
    }
    void put(int row, int field, const QString &text) {
        CardTable c = PunchData::readCard(t, kFolder, "1");
        c.at(row, field) = text;
        PunchData::writeCard(t, kFolder, c);
    }
};

} // namespace

TEST_F(PunchHistory, EachWriteOfThePunchClockIsRecordedFirst) {
    // A punch.
    punchClockIn();
    ASSERT_TRUE(screen.returnCard());
    // A card returned without a new punch changes no punch: nothing recorded.
    screen.rackClicked(0);
    ASSERT_TRUE(screen.returnCard());
    // An additional punch with its reason.
    ASSERT_TRUE(screen.openAddPanel());
    AddPunchPanel &add = screen.addPanel();
    add.chooseMonth(kFolder);
    add.chooseEmployee(0);
    add.setBox(Box::MonthBox, "5");
    add.setBox(Box::DayBox, "11");
    add.leaveDayBox();
    add.setBox(Box::HourBox, "18");
    add.setBox(Box::MinuteBox, "5");
    add.chooseKind(3);
    // A reason the history could not keep as typed is refused where typed.
    const QByteArray before = t.bytes(kFolder + "/1.Card");
    for (const char *why : {"打刻😀忘れ", "打刻〜忘れ", "打刻\"忘れ"}) {
        t.dialogs.clear();
        add.setReason(QString::fromUtf8(why));
        EXPECT_FALSE(add.add());
        EXPECT_EQ(t.dialogs.texts(), QStringList{storable::refusalText(QString::fromUtf8(why))});
    }
    EXPECT_EQ(t.bytes(kFolder + "/1.Card"), before);
    add.setReason("打刻忘れ");
    ASSERT_TRUE(add.add());
    add.close();
    // The card removed: each punch it held.
    screen.toolbarRemoval();
    screen.rackClicked(0);

    const QList<history::Record> recs = records();
    ASSERT_EQ(recs.size(), 5);
    const char *kKept = "控え：Taihi/20090512-085940-kaadosakujo";
    const struct {
        const char *function;
        history::Entry entry;
        const char *reason;
    } expected[] = {
        {"dakoku", {kFolder, "1", 11, "12", 2, "", "8:59"}, ""},
        {"tuika", {kFolder, "1", 10, "11", 5, "", "18:05"}, "打刻忘れ"},
        // Each says where the card is kept.
        {"kaadosakujo", {kFolder, "1", 10, "11", 5, "18:05", ""}, kKept},
        {"kaadosakujo", {kFolder, "1", 11, "12", 2, "8:59", ""}, kKept},
        {"kaadosakujo", {kFolder, "1", -1, "", -1, "あり", ""}, kKept},
    };
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(recs[i].function, expected[i].function);
        EXPECT_EQ(recs[i].entry, expected[i].entry);
        EXPECT_EQ(recs[i].reason, expected[i].reason);
        EXPECT_EQ(recs[i].when, "2009/05/12 08:59:40");
    }
    // A removed card that held no punch: the card itself.
    screen.toolbarRemoval();
    screen.rackClicked(0);
    const QList<history::Record> other = records("2");
    ASSERT_EQ(other.size(), 1);
    EXPECT_EQ(other[0].entry, (history::Entry{kFolder, "2", -1, "", -1, "あり", ""}));
    // The month's baseline came first, once: each card as it was.
    EXPECT_EQ(history::recordsOf(t.fs, kFolder, "2").value(0).function, "kiten");
}

TEST_F(PunchHistory, APunchThatCannotBeWrittenIsSaidNotRecordedAndTheNextOneIs) {
    using Op = FaultyFileSystem::Op;
    const struct {
        const char *cause;
        Op op; // the history is appended first, then the card replaced
        FileError error;
        QString why;
    } cases[] = {
        {"disk full", Op::Append, FileError::DiskFull, "ディスクの空きがありません"},
        {"data folder read-only", Op::Append, FileError::PathFileAccess,
         "データフォルダに書き込めません（読み取り専用か、書き込みが許可されていません）"},
        {"month folder missing", Op::Replace, FileError::PathNotFound,
         "タイムカードのフォルダ「2009年5月」が見つかりません"},
        {"month folder made unwritable", Op::Replace, FileError::PathFileAccess,
         "タイムカードのフォルダ「2009年5月」に書き込めません"},
        {"card hit a full disk", Op::Replace, FileError::DiskFull, "ディスクの空きがありません"},
        {"device error", Op::Replace, FileError::DeviceIO, "ディスクの読み書きに異常があります"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.cause);
        PunchData::prepareMonth(t, 2009, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        screen.activated();
        const QByteArray card = t.bytes(kFolder + "/1.Card");
        t.fs.failOn(c.op, t.fs.calls(c.op) + 1, c.error);
        t.dialogs.clear();
        punchClockIn();
        EXPECT_FALSE(screen.returnCard());
        ASSERT_EQ(t.dialogs.boxes().size(), 1);
        EXPECT_EQ(t.dialogs.boxes()[0].title, "エラー");
        EXPECT_TRUE(t.dialogs.texts()[0].startsWith("山田太郎 さんの打刻は記録されていません。\n"
                                                    "（出勤 8:59）\n理由：" +
                                                    c.why))
            << t.dialogs.texts()[0].toStdString();
        EXPECT_EQ(t.bytes(kFolder + "/1.Card"), card);
        EXPECT_EQ(t.programEnd.calls, 0);
        EXPECT_FALSE(screen.panel().cardSet()); // the punch clock goes on
        EXPECT_EQ(screen.rack().selected(), -1);

        // The cause gone, the next punch is written.
        punchClockIn();
        EXPECT_TRUE(screen.returnCard());
        EXPECT_EQ(PunchData::readCard(t, kFolder, "1").at(11, CardField::ClockIn), "8:59");
    }
}

TEST_F(PunchHistory, AHistoryThatCannotBeWrittenLeavesTheCardAsItWas) {
    t.fs.failFrom(FaultyFileSystem::Op::Append, 1, FileError::DiskFull);
    punchClockIn();
    EXPECT_FALSE(screen.returnCard());
    EXPECT_EQ(PunchData::readCard(t, kFolder, "1").at(11, CardField::ClockIn), "");

    // Removal: the card stays and the notice says why.
    t.dialogs.clear();
    RecorderScreen other{t.services};
    ASSERT_TRUE(other.open());
    other.tick();
    other.activated();
    other.toolbarRemoval();
    other.rackClicked(1);
    EXPECT_TRUE(t.fs.exists(kFolder + "/2.Card"));
    EXPECT_TRUE(
        t.dialogs.texts().value(1).contains("変更履歴に書き込めないため削除しませんでした"));
}

TEST_F(PunchHistory, ACardThatCannotBeWrittenIsRecordedAsNotMade) {
    t.fs.failOn(FaultyFileSystem::Op::Replace, t.fs.calls(FaultyFileSystem::Op::Replace) + 1,
                FileError::DeviceIO);
    punchClockIn();
    EXPECT_FALSE(screen.returnCard());
    const QList<history::Record> recs = records();
    ASSERT_EQ(recs.size(), 2);
    EXPECT_EQ(recs[1].function, "torikesi");
    EXPECT_EQ(recs[1].entry.oldText, "8:59");
    EXPECT_EQ(recs[1].entry.newText, "");
}

TEST_F(PunchHistory, AClockOutLeftOutIsNamedWhenTheCardIsSet) {
    struct Case {
        const char *name;
        QList<std::tuple<int, int, QString>> punches;
        QString notice; // empty: none
    };
    const Case cases[] = {
        {"the last day worked has no clock-out",
         {{6, CardField::ClockIn, "9:00"}, {6, CardField::BreakOut, "12:00"}},
         "前回の出勤日、5月7日（木）の退勤が打刻されていません。"},
        {"the last day worked is complete",
         {{6, CardField::ClockIn, "9:00"}, {6, CardField::ClockOut, "18:00"}},
         ""},
        {"today already punched",
         {{6, CardField::ClockIn, "9:00"}, {11, CardField::ClockIn, "8:50"}},
         ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        PunchData::prepareMonth(t, 2009, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        for (const auto &[row, field, text] : c.punches)
            put(row, field, text);
        t.dialogs.clear();
        screen.rackClicked(0);
        ASSERT_TRUE(screen.panel().cardSet());
        if (c.notice.isEmpty())
            EXPECT_TRUE(t.dialogs.texts().isEmpty());
        else
            EXPECT_TRUE(t.dialogs.texts().value(0).startsWith(c.notice))
                << t.dialogs.texts().value(0).toStdString();
        ASSERT_TRUE(screen.returnCard());
    }
}

TEST(PunchPreviousPeriod, AClockOutLeftOutInThePeriodBeforeIsNamed) {
    struct Case {
        const char *name;
        const char *kind;
        QDateTime now;
        int previousRow;       // clock-in without clock-out on the previous card; -1 none
        bool previousComplete; // that day has its clock-out
        int workedRow;         // a whole day already worked on this card; -1 none
        QString notice;        // empty: none
    };
    // clang-format off
    const Case cases[] = {
        {"20th closing, first day", "20sime", {{2026, 4, 21}, {9, 0}}, 30, false, -1,
         "前回の出勤日、4月20日（月）の退勤が打刻されていません。\n前の期間（2026年4月）"},
        {"month end, first day", "getumatusime", {{2026, 4, 1}, {9, 0}}, 30, false, -1,
         "前回の出勤日、3月31日（火）の退勤が打刻されていません。\n前の期間（2026年3月）"},
        {"days off since, nothing worked yet", "getumatusime", {{2026, 4, 3}, {9, 0}}, 27, false, -1,
         "前回の出勤日、3月28日（土）の退勤が打刻されていません。"},
        {"the day before has its clock-out", "getumatusime", {{2026, 4, 1}, {9, 0}}, 30, true, -1, ""},
        {"a day of this period worked since", "getumatusime", {{2026, 4, 3}, {9, 0}}, 30, false, 0, ""},
        {"no card of the period before", "getumatusime", {{2026, 4, 1}, {9, 0}}, -1, false, -1, ""},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestServices t;
        PunchData::writeSettings(t, c.kind);
        PunchData::writeRoster(t, {{"1", "山田太郎"}});
        const CalcSettings s = PunchData::settingsOf(c.kind);
        const daterules::YearMonth now = daterules::currentCardMonth(c.now.date(), s);
        const daterules::YearMonth before{now.westernYear, now.month - 1};
        CardTable card = PunchData::makeCard({"1", "山田太郎"}, now.westernYear, now.month, s);
        if (c.workedRow >= 0) {
            card.at(c.workedRow, CardField::ClockIn) = "9:00";
            card.at(c.workedRow, CardField::ClockOut) = "18:00";
        }
        PunchData::writeCard(t, daterules::cardMonthFolder(now, s), card);
        if (c.previousRow >= 0) {
            CardTable prev =
                PunchData::makeCard({"1", "山田太郎"}, before.westernYear, before.month, s);
            prev.at(c.previousRow, CardField::ClockIn) = "21:58";
            if (c.previousComplete)
                prev.at(c.previousRow, CardField::ClockOut) = "6:00";
            PunchData::writeCard(t, daterules::cardMonthFolder(before, s), prev);
        }
        RecorderScreen screen(t.services);
        t.clock.set(c.now);
        ASSERT_TRUE(screen.open());
        screen.tick();
        screen.activated();
        screen.rackClicked(0);
        ASSERT_TRUE(screen.panel().cardSet());
        if (c.notice.isEmpty())
            EXPECT_TRUE(t.dialogs.texts().isEmpty()) << t.dialogs.texts().value(0).toStdString();
        else
            EXPECT_TRUE(t.dialogs.texts().value(0).startsWith(c.notice))
                << t.dialogs.texts().value(0).toStdString();
    }
}
