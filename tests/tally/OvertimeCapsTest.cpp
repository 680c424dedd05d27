#include "punchclock/PunchFixture.h"
#include "support/Printers.h"
#include "tally/CapsMonitor.h"
#include "tally/TallyScreen.h"

using namespace overtimecaps;

namespace {

// A month as "法定外 minutes, 休日 minutes"; unconfirmed when both are -1.
struct M {
    qint64 beyond;
    qint64 holiday = 0;
};
constexpr qint64 h(qint64 hours, qint64 minutes = 0) {
    return hours * 60 + minutes;
}

Window window(std::initializer_list<M> newestFirst) {
    Window w;
    size_t i = 0;
    for (const M &m : newestFirst) {
        if (m.beyond >= 0)
            w[i] = {m.beyond, m.holiday, true};
        ++i;
    }
    return w;
}

} // namespace

TEST(OvertimeCapsRules, EachCapAtAndJustOverItsLimit) {
    const M none{-1, -1};
    const struct {
        const char *what;
        Window months;
        int rules;
        qint64 average; // minutes, rounded up
        int averageMonths;
    } cases[] = {
        // 90, 75, 80 hours, the chosen month last: 81.7 on average over three.
        {"issue", window({{h(40), h(40)}, {h(40), h(35)}, {h(40), h(50)}}), AverageOver, h(81, 40),
         3},
        {"month at 45", window({{h(45)}}), 0, h(22, 30), 2},
        {"month over 45", window({{h(45, 1)}}), MonthOver, h(22, 31), 2},
        {"month total at 100", window({{h(40), h(60)}}), 0, h(50), 2},
        {"month total over 100", window({{h(40), h(60, 1)}}), MonthTotalOver, h(50, 1), 2},
        {"two months at 80", window({{h(40), h(40)}, {h(40), h(40)}}), 0, h(80), 2},
        {"two months just over 80", window({{h(40), h(40, 1)}, {h(40), h(40)}}), AverageOver,
         h(80, 1), 2},
        {"only the sixth month makes it",
         window({{h(40), h(40)},
                 {h(40), h(40)},
                 {h(40), h(40)},
                 {h(40), h(40)},
                 {h(40), h(40)},
                 {h(40), h(41)}}),
         AverageOver, h(80, 10), 6},
        {"a seventh month is no average of 2 to 6",
         window({{0}, {0}, {0}, {0}, {0}, {0}, {h(44), h(500)}}), 0, 0, 2},
        {"year at 720",
         window({{h(30)},
                 {h(30)},
                 {h(30)},
                 {h(30)},
                 {h(30)},
                 {h(30)},
                 {h(90)},
                 {h(90)},
                 {h(90)},
                 {h(90)},
                 {h(90)},
                 {h(90)}}),
         0, h(30), 2},
        {"year just over 720",
         window({{h(30)},
                 {h(30)},
                 {h(30)},
                 {h(30)},
                 {h(30)},
                 {h(30)},
                 {h(90)},
                 {h(90)},
                 {h(90)},
                 {h(90)},
                 {h(90)},
                 {h(90, 1)}}),
         YearOver, h(30), 2},
        {"six months over 45",
         window(
             {{0}, {0}, {0}, {0}, {0}, {0}, {h(46)}, {h(46)}, {h(46)}, {h(46)}, {h(46)}, {h(46)}}),
         0, 0, 2},
        {"seven months over 45",
         window({{0},
                 {0},
                 {0},
                 {0},
                 {0},
                 {h(46)},
                 {h(46)},
                 {h(46)},
                 {h(46)},
                 {h(46)},
                 {h(46)},
                 {h(46)}}),
         TooManyMonths, h(7, 40), 6},
        // The months before have no confirmed card: they count as 0 hours.
        {"missing months", window({{h(40), h(50)}, none, none}), 0, h(45), 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const Result r = check(c.months, CapLimits());
        EXPECT_EQ(r.rules, c.rules);
        EXPECT_EQ(r.averageMinutes(), c.average);
        EXPECT_EQ(r.averageMonths, c.averageMonths);
    }
    const Result missing = check(window({{h(40), h(50)}}), CapLimits());
    EXPECT_EQ(missing.monthsMissing, 11);
    EXPECT_EQ(missing.monthTotal, h(90));
}

TEST(OvertimeCapsRules, LimitsSetLowerAndTheirWords) {
    CapLimits l;
    ASSERT_TRUE(l.set(CapLimits::MonthBeyond, 30));
    ASSERT_TRUE(l.set(CapLimits::MonthsOver, 0));
    const Result r = check(window({{h(31)}}), l);
    EXPECT_EQ(r.rules, MonthOver | TooManyMonths);
    EXPECT_EQ(ruleTexts(r.rules, l), QStringList({"月30時間超（法定外）", "月30時間超が年0回超"}));
    EXPECT_EQ(ruleTexts(AverageOver | YearOver | MonthTotalOver, CapLimits()),
              QStringList({"月100時間超（法定外＋休日）", "2～6か月平均80時間超",
                           "年720時間超（法定外）"}));
}

TEST(OvertimeCapsMonths, TheTwelveMonthsEndingWithTheChosenOne) {
    const QStringList folders = {"2007年4月", "2007年3月", "19年2月",  "2007年2月", "19年1月",
                                 "2006年4月", "2006年3月", "月報.txt", "2006年13月"};
    auto w = CapMonths::window("2007年3月", folders);
    EXPECT_EQ(w[0], "2007年3月");
    EXPECT_EQ(w[1], "2007年2月"); // written like the chosen month, not 19年2月
    EXPECT_EQ(w[2], "19年1月");   // the era year where no western one exists
    EXPECT_EQ(w[11], "2006年4月");
    for (int k : {3, 4, 5, 6, 7, 8, 9, 10})
        EXPECT_TRUE(w[static_cast<size_t>(k)].isEmpty()) << k;
    w = CapMonths::window("19年3月", folders);
    EXPECT_EQ(w[1], "19年2月");
    EXPECT_EQ(w[11], "2006年4月");
    EXPECT_TRUE(CapMonths::window("月報.txt", folders)[0].isEmpty());
}

namespace {

struct CapsData : ::testing::Test {
    TestServices t;

    // A card of code 1 in a month; confirmed with the totals given.
    void card(const QString &folder, const QString &beyond, const QString &holiday,
              bool confirmed = true, const QString &code = "1") {
        CardTable c =
            PunchData::makeCard({code, "山田太郎"}, 2007, 3, PunchData::settingsOf("getumatusime"));
        c.at(31, CardField::DaysWorked) = confirmed ? "20" : "";
        c.at(31, CardField::CertBeyond) = beyond;
        c.at(31, CardField::CertHoliday) = holiday;
        PunchData::writeCard(t, folder, c);
    }
};

} // namespace

TEST_F(CapsData, ConfirmedCardsOnlyReadOncePerSession) {
    card("2007年1月", "50:00", "40:00");
    card("2007年2月", "45:00", "30:00");
    card("2007年3月", "40:00", "40:00");
    card("2006年12月", "99:00", "", false); // never confirmed: 0 hours
    card("2006年11月", "-1:30", "");        // a value taken off
    t.put("2006年10月/1.Card", "\"torn\"\r\n");
    card("2006年9月", "10:00", "");
    // A card with LF line ends is read as the card reader reads it.
    t.put("2006年9月/1.Card", t.bytes("2006年9月/1.Card").replace("\r\n", "\n"));
    CapsMonitor caps(t.services);
    ASSERT_TRUE(caps.load());
    const QStringList folders = {"2007年3月",  "2007年2月",  "2007年1月", "2006年12月",
                                 "2006年11月", "2006年10月", "2006年9月"};
    caps.chooseMonth("2007年3月", folders, {{"1", "山田太郎", true}, {"2", "鈴木花子"}});
    const Result *r = caps.of("1");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->rules, AverageOver);
    EXPECT_EQ(r->averageMinutes(), h(81, 40));
    EXPECT_EQ(r->yearBeyond, h(145) - 90);
    EXPECT_EQ(r->monthsMissing, 7);
    EXPECT_TRUE(caps.flagged("1"));
    EXPECT_FALSE(caps.flagged("2"));
    const int reads = caps.months().reads();
    EXPECT_EQ(reads, 14); // both codes in the seven folders, each card once
    caps.chooseMonth("2007年3月", folders, {{"1", "山田太郎", true}, {"2", "鈴木花子"}});
    EXPECT_EQ(caps.months().reads(), reads);

    // A confirm hands over what it stored, without reading again.
    CardTable c = PunchData::readCard(t, "2007年3月", "1");
    c.at(31, CardField::CertHoliday) = "20:00";
    caps.stored("1", c);
    EXPECT_EQ(caps.of("1")->rules, 0);
    EXPECT_EQ(caps.months().reads(), reads);
    ASSERT_EQ(caps.overHoursList().lines.size(), 0);
    caps.stored("1", PunchData::readCard(t, "2007年3月", "1"));
    ASSERT_EQ(caps.overHoursList().lines.size(), 0); // 80:00 is not over 80
    card("2007年3月", "41:00", "40:00");
    caps.stored("1", PunchData::readCard(t, "2007年3月", "1"));
    const OverHoursData list = caps.overHoursList();
    EXPECT_EQ(list.monthFolder, "2007年3月");
    EXPECT_EQ(list.limitHours, 80);
    ASSERT_EQ(list.lines.size(), 1);
    EXPECT_EQ(list.lines[0].name, "山田太郎");
    EXPECT_EQ(list.lines[0].monthHours, "81:00");
}

TEST_F(CapsData, TheTallyScreenWorksThemOutAgainAfterAConfirm) {
    PunchData::prepareMonth(t, 2007, 3, {{"1", "山田太郎"}});
    card("2007年1月", "40:00", "50:00");
    card("2007年2月", "40:00", "35:00");
    TallyScreen screen(t.services);
    ASSERT_TRUE(screen.open());
    screen.chooseMonth("2007年3月");
    EXPECT_FALSE(screen.caps().flagged("1"));
    screen.chooseEmployee(0);
    for (const auto &[box, text] : {std::pair{1, "40.00"}, std::pair{2, "40.00"}}) {
        screen.boxEntered(box);
        screen.boxLeft(box, text);
    }
    EXPECT_FALSE(screen.caps().flagged("1")); // typed, not yet confirmed
    ASSERT_TRUE(screen.kakutei());
    EXPECT_EQ(screen.caps().of("1")->rules, AverageOver);
    EXPECT_EQ(screen.caps().of("1")->monthTotal, h(80));
}

TEST_F(CapsData, LimitsFileDefaultsRoundTripAndBadValues) {
    caplimits::Load l = caplimits::read(t.fs);
    EXPECT_EQ(l.error, FileError::NotFound);
    EXPECT_EQ(l.limits, CapLimits());
    EXPECT_EQ(l.limits.toList(), QStringList({"45", "100", "80", "720", "6"}));

    CapLimits mine;
    ASSERT_TRUE(mine.set(CapLimits::Average, 70));
    ASSERT_TRUE(mine.set(CapLimits::MonthsOver, 0));
    ASSERT_EQ(caplimits::write(t.fs, mine), FileError::None);
    EXPECT_EQ(t.bytes("Jougen.Dat"),
              QByteArray("\"45\"\r\n\"100\"\r\n\"70\"\r\n\"720\"\r\n\"0\"\r\n"));
    EXPECT_EQ(caplimits::read(t.fs).limits, mine);

    // Each bad value keeps its default; the good ones stand.
    t.put("Jougen.Dat", records::format({"abc", "0", " 60 ", "9999999", "12"}));
    l = caplimits::read(t.fs);
    EXPECT_EQ(l.badValues, 4);
    EXPECT_EQ(l.limits.toList(), QStringList({"45", "100", "60", "720", "6"}));

    const struct {
        QStringList typed;
        int box;
    } typed[] = {
        {{"45", "100", "80", "720", "6"}, -1}, {{"", "100", "80", "720", "6"}, 0},
        {{"45", "1.5", "80", "720", "6"}, 1},  {{"45", "100", "745", "720", "6"}, 2},
        {{"45", "100", "80", "720", "12"}, 4},
    };
    for (const auto &c : typed) {
        const caplimits::Typed r = caplimits::fromTyped(c.typed);
        EXPECT_EQ(r.box, c.box) << c.typed.join(",").toStdString();
        EXPECT_EQ(r.limits.has_value(), c.box < 0);
    }
    EXPECT_EQ(caplimits::fromTyped({"45", "100", "80", "720", "12"}).message,
              "「1か月の法定外が上限を超える月」には 0～11 の整数を入力してください。");

    // A failed save keeps the limits in force and says so.
    CapsMonitor caps(t.services);
    ASSERT_TRUE(caps.load());
    t.fs.failOn(FaultyFileSystem::Op::Replace, t.fs.calls(FaultyFileSystem::Op::Replace) + 1,
                FileError::PathFileAccess);
    CapLimits lower;
    ASSERT_TRUE(lower.set(CapLimits::MonthBeyond, 10));
    EXPECT_FALSE(caps.setLimits(lower));
    EXPECT_EQ(caps.limits()[CapLimits::MonthBeyond], 45);
    EXPECT_EQ(t.dialogs.texts().size(), 1);
    EXPECT_TRUE(caps.setLimits(lower));
    EXPECT_EQ(caplimits::read(t.fs).limits, lower);
}
