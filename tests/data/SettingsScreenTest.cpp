#include "data/SettingsScreen.h"
#include "data/RecordFile.h"
#include "screen/EntryKeys.h"
#include "support/TestServices.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray golden(const QString &name) {
    QFile f(QStringLiteral(KELVANE_TEST_DATA "/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray quoted(const QStringList &values) {
    return records::format(values);
}

struct SettingsFixture : ::testing::Test {
    TestServices t;
    SettingsScreen screen{t.services};
    void openWith(const QStringList &values) {
        t.put("Kijyun.Dat", quoted(values));
        ASSERT_TRUE(screen.open());
    }
};

} // namespace

TEST_F(SettingsFixture, NoFileIsCreatedAndShownAsWestern) {
    ASSERT_TRUE(screen.open());
    EXPECT_EQ(t.bytes("Kijyun.Dat"), QByteArray("\"\"\r\n").repeated(15));
    EXPECT_EQ(screen.settings()[CalcSettings::YearStyle], "seireki");
    EXPECT_TRUE(screen.option(3));
    for (int n : {1, 2, 4, 5, 6})
        EXPECT_FALSE(screen.option(n)) << n;
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
    // Leaving the empty day change hour stores "0".
    const auto leave = screen.leaveTextBox(0, "");
    EXPECT_EQ(leave.boxText, "0");
    EXPECT_FALSE(leave.keepFocus);
    EXPECT_EQ(t.dialogs.texts(), QStringList{SettingsScreen::hourEmptyText()});
    ASSERT_TRUE(screen.dhozon());
    EXPECT_TRUE(t.bytes("Kijyun.Dat").startsWith("\"0\"\r\n\"\"\r\n\"\"\r\n\"seireki\"\r\n"));
}

TEST_F(SettingsFixture, DayChangeHourChecks) {
    ASSERT_TRUE(screen.open());
    struct Case {
        const char *typed;
        const char *box;
        bool keepFocus;
        QString message;
    };
    const Case cases[] = {
        {"24", "0", true, SettingsScreen::hour24Text()},
        {"25", "", true, SettingsScreen::hourRangeText()},
        {"30", "", true, SettingsScreen::hourRangeText()},
        {"99", "", true, SettingsScreen::hourRangeText()},
        {"", "0", false, SettingsScreen::hourEmptyText()},
        {"23", "23", false, QString()},
        {"0", "0", false, QString()},
        {"5", "5", false, QString()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        t.dialogs.clear();
        const auto leave = screen.leaveTextBox(0, c.typed);
        EXPECT_EQ(leave.boxText, c.box);
        EXPECT_EQ(leave.keepFocus, c.keepFocus);
        EXPECT_EQ(screen.settings()[0], c.box);
        EXPECT_EQ(t.dialogs.texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        if (!c.message.isEmpty()) {
            EXPECT_EQ(t.dialogs.boxes().first().title, "お知らせ");
            // A notice like every other: no icon.
            EXPECT_EQ(t.dialogs.boxes().first().icon, BoxIcon::None);
        }
    }
}

TEST_F(SettingsFixture, StartAndEndDaysAreStoredAsTyped) {
    ASSERT_TRUE(screen.open());
    EXPECT_EQ(screen.leaveTextBox(1, "45").boxText, "45");
    EXPECT_EQ(screen.leaveTextBox(2, "").boxText, "");
    EXPECT_EQ(screen.settings()[1], "45");
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
}

TEST_F(SettingsFixture, UnitBoxesRefuseMoreThanThirtyMinutes) {
    openWith({"", "", "", "seireki", "15"});
    struct Case {
        const char *typed;
        bool refused;
    };
    const Case cases[] = {{"45", true}, {"31", true}, {"30.5", true}, {"30", false},
                          {"5", false}, {"", false},  {"abc", false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        t.dialogs.clear();
        const QString before = screen.settings()[4];
        const auto leave = screen.leaveRoundingBox(0, c.typed);
        EXPECT_EQ(leave.boxText, c.refused ? QString() : QString(c.typed));
        EXPECT_EQ(screen.settings()[4], c.refused ? before : QString(c.typed));
        EXPECT_EQ(t.dialogs.texts(),
                  c.refused ? QStringList{SettingsScreen::unitOverText()} : QStringList());
        screen.leaveRoundingBox(0, "15");
    }
    // The refused box shows the kept value when it next gets the focus.
    screen.leaveRoundingBox(4, "45");
    EXPECT_EQ(screen.roundingBox(4), "");
    EXPECT_EQ(screen.enterRoundingBox(4), "");
    screen.leaveRoundingBox(4, "10");
    screen.leaveRoundingBox(4, "60");
    EXPECT_EQ(screen.enterRoundingBox(4), "10");
    EXPECT_EQ(screen.settings()[8], "10");
}

TEST_F(SettingsFixture, MethodNeedsTheMonthlyUnitOfItsRow) {
    ASSERT_TRUE(screen.open());
    for (int k : {2, 5, 8}) {
        SCOPED_TRACE(k);
        t.dialogs.clear();
        EXPECT_EQ(screen.leaveRoundingBox(k, "切上げ").boxText, "");
        EXPECT_EQ(screen.settings()[k + 4], "");
        EXPECT_EQ(t.dialogs.texts(), QStringList{SettingsScreen::methodWithoutUnitText()});
        // The punch unit of the row does not count.
        screen.leaveRoundingBox(k - 2, "5");
        t.dialogs.clear();
        EXPECT_EQ(screen.leaveRoundingBox(k, "切上げ").boxText, "");
        screen.leaveRoundingBox(k - 1, "15");
        t.dialogs.clear();
        EXPECT_EQ(screen.leaveRoundingBox(k, "切上げ切捨て").boxText, "切上げ切捨て");
        EXPECT_TRUE(t.dialogs.boxes().isEmpty());
        // Emptying the unit afterwards leaves the method stored.
        screen.leaveRoundingBox(k - 1, "");
        EXPECT_EQ(screen.settings()[k + 4], "切上げ切捨て");
        EXPECT_EQ(screen.settings()[k + 3], "");
        // An empty method is always taken.
        EXPECT_EQ(screen.leaveRoundingBox(k, "").boxText, "");
        EXPECT_EQ(screen.settings()[k + 4], "");
    }
}

TEST_F(SettingsFixture, RefusedUnitMakesTheMethodRefusedToo) {
    openWith({"", "", "", "", "", "15"});
    screen.enterRoundingBox(1);
    screen.leaveRoundingBox(1, "45"); // box emptied, setting keeps 15
    t.dialogs.clear();
    EXPECT_EQ(screen.leaveRoundingBox(2, "切捨て").boxText, "");
    EXPECT_EQ(t.dialogs.texts(), QStringList{SettingsScreen::methodWithoutUnitText()});
    EXPECT_EQ(screen.settings()[5], "15");
}

TEST_F(SettingsFixture, RoundingNoticeFollowsTheBoxesAndRefusesNothing) {
    ASSERT_TRUE(screen.open());
    EXPECT_FALSE(screen.roundingNoticeShown());
    EXPECT_TRUE(screen.roundingNoticeShownWith(3, "10")); // shown while typed
    EXPECT_FALSE(screen.roundingNoticeShown());
    screen.leaveRoundingBox(3, "10");
    EXPECT_TRUE(screen.roundingNoticeShown());
    EXPECT_EQ(screen.settings()[7], "10"); // stored all the same
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
    screen.leaveRoundingBox(3, "");
    screen.leaveRoundingBox(4, "30");
    screen.leaveRoundingBox(5, "切上げ切捨て");
    EXPECT_FALSE(screen.roundingNoticeShown());
    EXPECT_TRUE(screen.roundingNoticeShownWith(5, "切捨て"));
}

TEST_F(SettingsFixture, OptionsSetAndClearEachOther) {
    openWith({"", "11", "10", "", "", "", "", "", "", "", "", "", "", "sonota", "tougetu"});
    EXPECT_TRUE(screen.option(5));
    EXPECT_FALSE(screen.option(1));
    EXPECT_EQ(screen.textBox(1), "11");

    screen.chooseOption(1);
    EXPECT_EQ(screen.settings()[13], "getumatusime");
    EXPECT_EQ(screen.settings()[1], "");
    EXPECT_EQ(screen.settings()[2], "");
    EXPECT_EQ(screen.settings()[14], "");
    EXPECT_EQ(screen.textBox(1), "");
    EXPECT_EQ(screen.textBox(2), "");
    EXPECT_TRUE(screen.option(1));
    EXPECT_FALSE(screen.option(5));

    screen.chooseOption(2);
    EXPECT_EQ(screen.settings()[13], "20sime");
    EXPECT_FALSE(screen.option(1));
    EXPECT_TRUE(screen.option(2));

    screen.leaveTextBox(1, "26");
    screen.chooseOption(6);
    EXPECT_EQ(screen.settings()[13], "sonota");
    EXPECT_EQ(screen.settings()[14], "yokugetu");
    EXPECT_EQ(screen.settings()[1], "26");
    EXPECT_FALSE(screen.option(1));
    EXPECT_FALSE(screen.option(2));
    EXPECT_TRUE(screen.option(6));
    screen.chooseOption(5);
    EXPECT_EQ(screen.settings()[14], "tougetu");
    EXPECT_FALSE(screen.option(6));

    screen.chooseOption(4);
    EXPECT_EQ(screen.settings()[3], "wareki");
    EXPECT_TRUE(screen.option(4));
    EXPECT_FALSE(screen.option(3));
    EXPECT_TRUE(screen.option(5)); // the year style touches no other option
    screen.chooseOption(3);
    EXPECT_EQ(screen.settings()[3], "seireki");
}

TEST_F(SettingsFixture, ShowsWhatTheFileHolds) {
    struct Case {
        QStringList file;
        std::array<bool, 6> options;
    };
    const Case cases[] = {
        {{"", "", "", "wareki", "", "", "", "", "", "", "", "", "", "20sime"},
         {false, true, false, true, false, false}},
        {{"", "", "", "seireki", "", "", "", "", "", "", "", "", "", "getumatusime"},
         {true, false, true, false, false, false}},
        {{"", "", "", "", "", "", "", "", "", "", "", "", "", "sonota", "yokugetu"},
         {false, false, true, false, false, true}},
        {{"", "", "", "odd", "", "", "", "", "", "", "", "", "", "odd", "odd"},
         {false, false, false, false, false, false}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file.join(',').toStdString());
        TestServices t2;
        t2.put("Kijyun.Dat", quoted(c.file));
        SettingsScreen s(t2.services);
        ASSERT_TRUE(s.open());
        for (int n = 1; n <= 6; ++n)
            EXPECT_EQ(s.option(n), c.options[static_cast<size_t>(n - 1)]) << n;
    }
    openWith({"3", "", "", "", "5", "10", "切上げ", "15", "20", "切捨て", "30", "", ""});
    EXPECT_EQ(screen.textBox(0), "3");
    const char *boxes[] = {"5", "10", "切上げ", "15", "20", "切捨て", "30", "", ""};
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(screen.roundingBox(k), QString(boxes[k])) << k;
}

TEST_F(SettingsFixture, ShortFileReadInOrderAndWrittenWhole) {
    t.put("Kijyun.Dat", "\"5\"\r\n\"11\"\r\n\"10\"\r\n");
    ASSERT_TRUE(screen.open());
    EXPECT_EQ(screen.settings()[0], "5");
    EXPECT_EQ(screen.settings()[2], "10");
    EXPECT_EQ(screen.settings()[3], "seireki");
    ASSERT_TRUE(screen.dhozon());
    EXPECT_EQ(t.bytes("Kijyun.Dat").count("\r\n"), 15);
}

TEST_F(SettingsFixture, SavedFileMatchesTheGolden) {
    ASSERT_TRUE(screen.open());
    screen.leaveTextBox(0, "5");
    screen.chooseOption(4);
    screen.chooseOption(2);
    const char *boxes[] = {"15", "30", "切上げ", "10", "", "", "5", "15", "切上げ切捨て"};
    for (int k = 0; k < 9; ++k)
        screen.leaveRoundingBox(k, boxes[k]);
    ASSERT_TRUE(screen.dhozon());
    const QByteArray expected = golden("settings/Kijyun.Dat");
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(t.bytes("Kijyun.Dat"), expected);
    // And reading it back shows the same.
    SettingsScreen again(t.services);
    ASSERT_TRUE(again.open());
    EXPECT_EQ(again.settings().toList(), screen.settings().toList());
}

TEST_F(SettingsFixture, QuietLeaveOnCloseKeepsTheLastValidValue) {
    openWith({"4", "", "", "", "15"});
    EXPECT_EQ(screen.leaveTextBox(0, "30", true).boxText, "4");
    EXPECT_EQ(screen.leaveTextBox(0, "24", true).boxText, "0");
    EXPECT_EQ(screen.leaveRoundingBox(0, "45", true).boxText, "");
    EXPECT_EQ(screen.settings()[4], "15");
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
}

TEST_F(SettingsFixture, FatalErrorsOnOpenEndTheProgram) {
    struct Case {
        FileError error;
        const char *title;
    };
    for (const Case &c :
         {Case{FileError::DeviceIO, "Ｉ／Ｏエラー"}, Case{FileError::DiskFull, "エラー"}}) {
        TestServices t2;
        t2.fs.failOn(FaultyFileSystem::Op::Read, 1, c.error);
        SettingsScreen s(t2.services);
        EXPECT_FALSE(s.open());
        EXPECT_TRUE(t2.programEnd.ended());
        ASSERT_EQ(t2.dialogs.boxes().size(), 1);
        EXPECT_EQ(t2.dialogs.boxes().first().title, c.title);
    }
    // Any other error is cleared and the screen opens empty.
    TestServices t3;
    t3.fs.failOn(FaultyFileSystem::Op::Read, 1, FileError::PathFileAccess);
    SettingsScreen s(t3.services);
    EXPECT_TRUE(s.open());
    EXPECT_FALSE(t3.programEnd.ended());
}

TEST_F(SettingsFixture, UnreadableFileIsNeverOverwrittenByEmptySettings) {
    t.put("Kijyun.Dat", quoted({"5", "", "", "wareki"}));
    const QByteArray before = t.bytes("Kijyun.Dat");
    t.fs.failOn(FaultyFileSystem::Op::Read, 1, FileError::PathFileAccess);
    ASSERT_TRUE(screen.open());
    ASSERT_EQ(t.dialogs.boxes().size(), 1);
    screen.leaveTextBox(0, "3");
    EXPECT_TRUE(screen.dhozon());
    EXPECT_FALSE(t.programEnd.ended());
    EXPECT_EQ(t.bytes("Kijyun.Dat"), before);
}

TEST_F(SettingsFixture, FailedSaveEndsTheProgramAndKeepsTheOldFile) {
    openWith({"7"});
    const QByteArray before = t.bytes("Kijyun.Dat");
    screen.leaveTextBox(0, "8");
    t.fs.failOn(FaultyFileSystem::Op::Replace, 1, FileError::DiskFull);
    EXPECT_FALSE(screen.dhozon());
    EXPECT_TRUE(t.programEnd.ended());
    EXPECT_EQ(t.dialogs.texts(),
              QStringList{"デイスクにスペースがありません。プログラムを終了します"});
    EXPECT_EQ(t.bytes("Kijyun.Dat"), before);

    TestServices t2;
    SettingsScreen s(t2.services);
    ASSERT_TRUE(s.open());
    // The first save made the missing file.
    t2.fs.failOn(FaultyFileSystem::Op::Replace, 2, FileError::PathFileAccess);
    EXPECT_FALSE(s.dhozon());
    EXPECT_EQ(t2.dialogs.boxes().value(0).title, "Ｉ／Ｏエラー");
}

TEST(SettingsKeys, EnterMovesOn) {
    struct Case {
        const char *from, *to;
    };
    const Case cases[] = {{"texkijyun_0", "Option3"},   {"texkijyun_1", "texkijyun_2"},
                          {"texkijyun_2", "Option5"},   {"cmbhasuu_0", "cmbhasuu_1"},
                          {"cmbhasuu_7", "cmbhasuu_8"}, {"cmbhasuu_8", "texkijyun_0"}};
    for (const Case &c : cases)
        EXPECT_EQ(SettingsScreen::enterTarget(c.from), QString(c.to)) << c.from;
}

TEST(SettingsKeys, NumberBoxesTakeDigitsOnly) {
    EXPECT_TRUE(keyAccepted(KeyFilter::Digits, Qt::Key_5, "5"));
    EXPECT_TRUE(keyAccepted(KeyFilter::Digits, Qt::Key_Backspace, "\b"));
    EXPECT_TRUE(keyAccepted(KeyFilter::Digits, Qt::Key_Escape, "\x1b"));
    EXPECT_TRUE(keyAccepted(KeyFilter::Digits, Qt::Key_Return, "\r"));
    EXPECT_FALSE(keyAccepted(KeyFilter::Digits, Qt::Key_A, "a"));
    EXPECT_FALSE(keyAccepted(KeyFilter::Digits, Qt::Key_Minus, "-"));
    EXPECT_FALSE(keyAccepted(KeyFilter::Digits, Qt::Key_unknown, "５")); // full-width digit
    EXPECT_FALSE(keyAccepted(KeyFilter::Digits, Qt::Key_V, "\x16"));     // Ctrl+V
    // Select all and copy type nothing: a number box takes them too.
    EXPECT_TRUE(keyAccepted(KeyFilter::Digits, Qt::Key_A, "\x01"));
    EXPECT_TRUE(keyAccepted(KeyFilter::Digits, Qt::Key_C, "\x03"));
    // The window system gives Tab and Delete a text: they still move the
    // focus on and delete.
    EXPECT_TRUE(keyAccepted(KeyFilter::Digits, Qt::Key_Tab, "\t"));
    EXPECT_TRUE(keyAccepted(KeyFilter::Digits, Qt::Key_Backtab, "\t"));
    EXPECT_TRUE(keyAccepted(KeyFilter::Digits, Qt::Key_Delete, "\x7f"));
}
