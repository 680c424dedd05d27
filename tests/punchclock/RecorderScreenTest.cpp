#include "punchclock/RecorderScreen.h"
#include "PunchFixture.h"
#include "punchclock/PunchDay.h"

using P = PunchData::Person;

namespace {

struct Recorder : ::testing::Test {
    TestServices t;
    RecorderScreen screen{t.services};

    void start(int y, int mo, int d, int h, int mi) {
        t.clock.set(y, mo, d, h, mi);
        ASSERT_TRUE(screen.open());
        screen.tick();
        screen.activated();
    }
};

} // namespace

TEST_F(Recorder, LoadCreatesMissingFilesAndTakesTheScreenWord) {
    ASSERT_TRUE(screen.open());
    EXPECT_EQ(t.session.screenWord, "recorder");
    EXPECT_EQ(records::parse(t.bytes(kRosterFile)).size(), Roster::kValues);
    EXPECT_EQ(records::parse(t.bytes(kSettingsFile)).size(), CalcSettings::kCount);
    EXPECT_EQ(screen.settings()[CalcSettings::YearStyle], "seireki");
    EXPECT_TRUE(screen.yearText().isEmpty());
    EXPECT_TRUE(screen.monthText().isEmpty());
    // An empty roster and no month: an empty rack and no message.
    screen.activated();
    EXPECT_TRUE(screen.rack().lines().isEmpty());
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
}

TEST_F(Recorder, AnEmptyRackIsANewInstallationOnlyWithoutAnyCardMonth) {
    const struct {
        int preparedMonth; // 0: none
        bool cards, months;
        const char *missing;
    } cases[] = {
        {0, false, false, "2009年5月"},
        {6, false, true, "2009年5月"}, // next month prepared ahead
        {4, false, true, "2009年5月"}, // the first day of a month not prepared
        {5, true, false, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.preparedMonth);
        TestServices s;
        PunchData::writeSettings(s, "getumatusime");
        PunchData::writeRoster(s, {{"1", "山田太郎"}});
        if (c.preparedMonth)
            PunchData::prepareMonth(s, 2009, c.preparedMonth, {{"1", "山田太郎"}});
        s.clock.set(2009, 5, 1, 9, 0);
        RecorderScreen r(s.services);
        ASSERT_TRUE(r.open());
        r.tick();
        r.activated();
        const RecorderScreen::FirstSteps f = r.firstSteps();
        EXPECT_EQ(f.cards, c.cards);
        EXPECT_EQ(f.months, c.months);
        EXPECT_EQ(f.newInstallation(), !c.cards && !c.months);
        EXPECT_EQ(f.missing, QString(c.missing));
    }
}

TEST_F(Recorder, FatalLoadErrorsEndTheProgram) {
    struct Case {
        FileError error;
        const char *text;
    };
    const Case cases[] = {
        {FileError::DeviceIO,
         "Ｉ／Ｏエラーです。ガイドブックをご覧ください。プログラムを終了します"},
        {FileError::DiskFull, "デイスクにスペースがありません。プログラムを終了します"},
    };
    for (const Case &c : cases) {
        TestServices s;
        s.fs.failOn(FaultyFileSystem::Op::Read, 2, c.error); // Kijyun.Dat
        PunchData::prepareMonth(s, 2009, 5, {{"1", "山田"}});
        RecorderScreen r(s.services);
        EXPECT_FALSE(r.open());
        EXPECT_EQ(s.programEnd.calls, 1);
        ASSERT_EQ(s.dialogs.boxes().size(), 1);
        EXPECT_EQ(s.dialogs.boxes()[0].text, QString::fromUtf8(c.text));
        EXPECT_EQ(s.dialogs.boxes()[0].title, "エラー");
    }
}

TEST_F(Recorder, OtherLoadErrorsAreClearedAndTheStepSkipped) {
    PunchData::prepareMonth(t, 2009, 5, {{"1", "山田"}});
    t.fs.failOn(FaultyFileSystem::Op::Read, 1, FileError::PathFileAccess);
    t.clock.set(2009, 5, 10, 9, 0);
    EXPECT_TRUE(screen.open());
    EXPECT_EQ(t.programEnd.calls, 0);
    EXPECT_EQ(screen.monthFolder(), "2009年5月");
    // The roster was never taken for missing: the file keeps its employee.
    EXPECT_EQ(records::parse(t.bytes(kRosterFile)).value(1), "山田");
}

TEST_F(Recorder, CurrentCardMonth) {
    struct Case {
        const char *name;
        QDate date;
        const char *kind;
        const char *style;
        const char *endDay;
        const char *attribution;
        const char *year;
        const char *month;
    };
    const Case cases[] = {
        {"20sime on 20 December", {2009, 12, 20}, "20sime", "seireki", "", "", "2009", "12"},
        {"20sime on 21 December", {2009, 12, 21}, "20sime", "seireki", "", "", "2010", "1"},
        {"tougetu 10 January", {2009, 1, 10}, "sonota", "seireki", "15", "tougetu", "2008", "12"},
        {"tougetu 16 January", {2009, 1, 16}, "sonota", "seireki", "15", "tougetu", "2009", "1"},
        {"yokugetu 16 December",
         {2009, 12, 16},
         "sonota",
         "seireki",
         "15",
         "yokugetu",
         "2010",
         "1"},
        {"era year 21 for 2009", {2009, 5, 1}, "getumatusime", "wareki", "", "", "21", "5"},
        {"no pay period", {2009, 5, 1}, "", "seireki", "", "", "", ""},
        {"sonota without attribution", {2009, 5, 1}, "sonota", "seireki", "15", "", "2009", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestServices s;
        PunchData::writeSettings(s, c.kind, "", c.style, c.endDay, c.attribution);
        s.clock.set(QDateTime(c.date, QTime(12, 0)));
        RecorderScreen r(s.services);
        ASSERT_TRUE(r.open());
        EXPECT_EQ(r.yearText(), c.year);
        EXPECT_EQ(r.monthText(), c.month);
    }
}

TEST(RecorderCardMonth, FollowsThePunchDayAcrossThePeriodsFirstNight) {
    struct Case {
        const char *name;
        const char *kind, *dayChange;
        QDateTime opened;  // the screen opened and shown
        QDateTime punched; // a clock-out punched, the screen left open meanwhile
        const char *folder;
        int row; // the day row the clock-out lands in
    };
    const QDateTime eve({2026, 3, 31}, {23, 50});
    const QDateTime eve20({2026, 4, 20}, {23, 50});
    // clang-format off
    const Case cases[] = {
        {"month end, day change 5", "getumatusime", "5", {{2026, 4, 1}, {3, 0}}, {{2026, 4, 1}, {3, 0}}, "2026年3月", 30},
        {"month end, day change 0", "getumatusime", "0", {{2026, 4, 1}, {3, 0}}, {{2026, 4, 1}, {3, 0}}, "2026年4月", 0},
        {"month end, open across midnight", "getumatusime", "5", eve, {{2026, 4, 1}, {3, 0}}, "2026年3月", 30},
        {"month end, past the day change hour", "getumatusime", "5", eve, {{2026, 4, 1}, {5, 0}}, "2026年4月", 0},
        {"leap day", "getumatusime", "5", {{2008, 3, 1}, {4, 59}}, {{2008, 3, 1}, {4, 59}}, "2008年2月", 28},
        {"20th, day change 5", "20sime", "5", {{2026, 4, 21}, {4, 30}}, {{2026, 4, 21}, {4, 30}}, "2026年4月", 30},
        {"20th, day change 0", "20sime", "0", {{2026, 4, 21}, {4, 30}}, {{2026, 4, 21}, {4, 30}}, "2026年5月", 0},
        {"20th, open across midnight", "20sime", "5", eve20, {{2026, 4, 21}, {4, 30}}, "2026年4月", 30},
        {"20th, past the day change hour", "20sime", "5", eve20, {{2026, 4, 21}, {5, 0}}, "2026年5月", 0},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestServices s;
        PunchData::writeSettings(s, c.kind, c.dayChange);
        PunchData::writeRoster(s, {{"1", "山田"}});
        const CalcSettings settings = PunchData::settingsOf(c.kind);
        const int year = c.punched.date().year();
        // The cards of the months either side of the boundary.
        QStringList folders;
        for (const int month : {2, 3, 4, 5}) {
            folders << daterules::cardMonthFolder({year, month}, settings);
            PunchData::writeCard(s, folders.last(),
                                 PunchData::makeCard({"1", "山田"}, year, month, settings));
        }
        RecorderScreen r(s.services);
        s.clock.set(c.opened);
        ASSERT_TRUE(r.open());
        r.tick();
        r.activated();
        s.clock.set(c.punched);
        r.tick();
        EXPECT_EQ(r.monthFolder(), c.folder);
        r.rackClicked(0);
        ASSERT_TRUE(r.panel().cardSet());
        r.chooseKind(3);
        r.press();
        ASSERT_TRUE(r.returnCard());
        EXPECT_TRUE(s.dialogs.texts().isEmpty()) << s.dialogs.texts().join("|").toStdString();
        const QString time = punchday::timeText(punchday::clockText(c.punched.time()));
        for (const QString &folder : folders) {
            const CardTable card = PunchData::readCard(s, folder, "1");
            int punched = 0;
            for (int row = 0; row < CardTable::kDayRows; ++row)
                punched += card.at(row, CardField::ClockOut).isEmpty() ? 0 : 1;
            EXPECT_EQ(punched, folder == c.folder ? 1 : 0) << folder.toStdString();
            if (folder == c.folder) {
                EXPECT_EQ(card.at(c.row, CardField::ClockOut), time);
            }
        }
    }
}

TEST_F(Recorder, PunchDayFollowsTheClockWhileNoCardIsSet) {
    struct Case {
        const char *name;
        QDateTime start, later;
        bool cardSet;
        const char *dayBefore, *dayAfter;
    };
    // Day change hour 5 throughout.
    const Case cases[] = {
        {"past midnight",
         {{2009, 5, 12}, {23, 59}},
         {{2009, 5, 13}, {0, 0, 30}},
         false,
         "12",
         "12"},
        {"past the day change hour",
         {{2009, 5, 13}, {4, 59}},
         {{2009, 5, 13}, {5, 0}},
         false,
         "12",
         "13"},
        {"a set card keeps its day",
         {{2009, 5, 13}, {4, 59}},
         {{2009, 5, 13}, {5, 0}},
         true,
         "12",
         "12"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestServices s;
        PunchData::prepareMonth(s, 2009, 5, {{"1", "山田"}}, "5");
        RecorderScreen r(s.services);
        s.clock.set(c.start);
        ASSERT_TRUE(r.open());
        r.tick();
        r.activated();
        EXPECT_EQ(r.punchDay().dayText, c.dayBefore);
        if (c.cardSet)
            r.rackClicked(0);
        const int revision = r.dayRevision();
        s.clock.set(c.later);
        r.tick();
        EXPECT_EQ(r.clockText(), punchday::clockText(c.later.time()));
        EXPECT_EQ(r.punchDay().dayText, c.dayAfter);
        EXPECT_EQ(r.dayRevision() != revision, QString(c.dayBefore) != c.dayAfter);
    }
}

TEST_F(Recorder, NightShiftReturnGivesTheNextEmployeeToday) {
    PunchData::prepareMonth(t, 2009, 5, {{"1", "山田"}, {"2", "鈴木"}}, "5");
    start(2009, 5, 13, 6, 30);
    ASSERT_EQ(screen.punchDay().dayText, "13");
    // Clock-out of yesterday's shift: the day typed back, punched, returned.
    screen.rackClicked(0);
    EXPECT_EQ(screen.leavePunchDay("12", "13"), "12");
    screen.tick();
    EXPECT_EQ(screen.punchDay().dayText, "12");
    screen.chooseKind(3);
    screen.press();
    ASSERT_TRUE(screen.returnCard());
    EXPECT_EQ(screen.punchDay().dayText, "13");
    EXPECT_EQ(screen.weekdayShown(), "水");
    // The next employee's clock-in goes to today's row.
    screen.rackClicked(1);
    screen.chooseKind(0);
    screen.press();
    ASSERT_TRUE(screen.returnCard());
    const CardTable first = PunchData::readCard(t, "2009年5月", "1");
    const CardTable second = PunchData::readCard(t, "2009年5月", "2");
    EXPECT_EQ(first.at(11, CardField::ClockOut), "6:30");
    EXPECT_EQ(second.at(12, CardField::ClockIn), "6:30");
    EXPECT_EQ(second.at(11, CardField::ClockIn), "");
    EXPECT_EQ(second.at(12, CardField::Weekday), "水");
}

TEST_F(Recorder, NewCardMonthAtMidnightFillsTheRack) {
    PunchData::prepareMonth(t, 2009, 5, {{"1", "山田"}});
    PunchData::writeCard(
        t, "2009年6月",
        PunchData::makeCard({"7", "鈴木"}, 2009, 6, PunchData::settingsOf("getumatusime")));
    start(2009, 5, 31, 23, 59);
    EXPECT_EQ(screen.rack().lines(), QStringList({"1   山田"}));
    t.clock.set(2009, 6, 1, 0, 0, 1);
    screen.tick();
    EXPECT_EQ(screen.monthFolder(), "2009年6月");
    EXPECT_EQ(screen.rack().lines(), QStringList({"7   鈴木"}));
}

TEST_F(Recorder, NewCardMonthAtMidnightWithoutCardsEmptiesTheRack) {
    PunchData::prepareMonth(t, 2009, 5, {{"1", "山田"}});
    start(2009, 5, 31, 23, 59);
    EXPECT_EQ(screen.rack().lines(), QStringList({"1   山田"}));
    t.clock.set(2009, 6, 1, 0, 0, 1);
    screen.tick();
    EXPECT_EQ(screen.monthFolder(), "2009年6月");
    EXPECT_TRUE(screen.rack().lines().isEmpty());
    EXPECT_EQ(t.dialogs.texts(), QStringList({"タイムカードが準備されていません。"}));
    // What the empty rack shows: the month missing, not the first steps.
    const RecorderScreen::FirstSteps f = screen.firstSteps();
    EXPECT_FALSE(f.newInstallation());
    EXPECT_EQ(f.missing, "2009年6月");
}

TEST_F(Recorder, RackLinesByCodeNumber) {
    PunchData::prepareMonth(
        t, 2009, 5, {{"10", "山田太郎"}, {"12345", "長い番号"}, {"2", "鈴木"}, {"A1", "英字"}});
    start(2009, 5, 12, 9, 0);
    EXPECT_EQ(screen.rack().lines(),
              QStringList({"2   鈴木", "10  山田太郎", "12345 長い番号", "A1  英字"}));
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
}

TEST_F(Recorder, MissingMonthIsAnnouncedOnceNotOnEveryActivation) {
    PunchData::writeSettings(t, "getumatusime");
    PunchData::writeRoster(t, {{"1", "山田"}});
    t.clock.set(2009, 5, 12, 9, 0);
    ASSERT_TRUE(screen.open());
    // Closing the box activates the screen again, which rebuilds the rack.
    int activations = 0;
    t.dialogs.onBox = [&](const ScriptedDialogs::Box &) {
        if (++activations < 5)
            screen.activated();
    };
    screen.activated();
    screen.activated();
    EXPECT_EQ(t.dialogs.texts(), QStringList({"タイムカードが準備されていません。"}));
    EXPECT_EQ(t.dialogs.boxes()[0].title, "お知らせ");
    EXPECT_EQ(t.dialogs.boxes()[0].icon, BoxIcon::None);

    // Once cards are found the message may come again when they are gone.
    t.dialogs.onBox = nullptr;
    PunchData::writeCard(
        t, "2009年5月",
        PunchData::makeCard({"1", "山田"}, 2009, 5, PunchData::settingsOf("getumatusime")));
    screen.activated();
    EXPECT_EQ(screen.rack().lines(), QStringList({"1   山田"}));
    QFile::remove(t.path("2009年5月/1.Card"));
    screen.activated();
    EXPECT_EQ(t.dialogs.boxes().size(), 2);
    EXPECT_TRUE(screen.rack().lines().isEmpty());
}

TEST_F(Recorder, MissingFolderKeepsTheOldRack) {
    PunchData::prepareMonth(t, 2009, 5, {{"1", "山田"}});
    start(2009, 5, 12, 9, 0);
    ASSERT_EQ(screen.rack().lines().size(), 1);
    QDir(t.path("2009年5月")).removeRecursively();
    screen.activated();
    EXPECT_EQ(screen.rack().lines().size(), 1);
    EXPECT_EQ(t.dialogs.texts(), QStringList({"タイムカードが準備されていません。"}));
}

TEST_F(Recorder, RackModesAndTheirColours) {
    PunchData::prepareMonth(t, 2009, 5, {{"1", "山田"}});
    start(2009, 5, 12, 9, 0);
    struct Step {
        void (RecorderScreen::*action)();
        const char *word;
        quint32 colour;
        bool cancel;
    };
    const Step steps[] = {
        {&RecorderScreen::toolbarMonthView, "itiran", 0xFFFFC0, true},
        {&RecorderScreen::cancelMode, "", 0xFFE0C0, false},
        {&RecorderScreen::toolbarRemoval, "y", 0xE0E0E0, true},
        {&RecorderScreen::cancelMode, "", 0xFFE0C0, false},
    };
    for (const Step &s : steps) {
        (screen.*s.action)();
        EXPECT_EQ(screen.rack().modeWord(), s.word);
        EXPECT_EQ(screen.rack().background(), s.colour);
        EXPECT_EQ(screen.rack().cancelVisible(), s.cancel);
    }
}

TEST_F(Recorder, ClosingEmptiesTheWordOnlyWhenItIsStillOurs) {
    ASSERT_TRUE(screen.open());
    screen.close();
    EXPECT_TRUE(t.session.screenWord.isEmpty());
    ASSERT_TRUE(screen.open());
    t.session.screenWord = "meibo"; // the frame opens another screen, then closes this one
    screen.close();
    EXPECT_EQ(t.session.screenWord, "meibo");
}

TEST_F(Recorder, GuideWidth) {
    ASSERT_TRUE(screen.open());
    EXPECT_EQ(screen.widthTwips(), 6225);
    screen.setGuideOpen(true);
    EXPECT_EQ(screen.widthTwips(), 10740);
    screen.setGuideOpen(false);
    EXPECT_EQ(screen.widthTwips(), 6225);
}
