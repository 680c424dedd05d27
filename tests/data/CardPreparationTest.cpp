#include "data/CardPreparation.h"
#include "data/CardMonth.h"
#include "data/RecordFile.h"
#include "support/TestServices.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kPrepared = QStringLiteral(" 人分のタイムカードを準備しました。");
const QString kAlready = QStringLiteral("タイムカードは既に準備されています。");
const QString kNoPeriod =
    QStringLiteral("給与計算期間が未登録のため、タイムカードの準備はできません。");
const QString kNoMonth = QStringLiteral("年月を指定してください。");
const QString kNoRoster =
    QStringLiteral("従業員名簿が作成されていません。名簿の作成後に、この処理を実行してください。");

QByteArray golden(const QString &name) {
    QFile f(QStringLiteral(KELVANE_TEST_DATA "/cards/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct PrepFixture : ::testing::Test {
    TestServices t;
    CardPreparation prep{t.services};

    void settings(const QString &kind, const QString &attribution = {}, const QString &start = {},
                  const QString &year = "seireki") {
        CalcSettings s;
        s[CalcSettings::PeriodKind] = kind;
        s[CalcSettings::MonthAttribution] = attribution;
        s[CalcSettings::OtherStartDay] = start;
        s[CalcSettings::YearStyle] = year;
        t.put("Kijyun.Dat", records::format(s.toList()));
    }
    void roster(const QList<Employee> &employees) {
        Roster r;
        for (int i = 0; i < employees.size(); ++i)
            r[i] = employees[i];
        t.put("Meibo.Dat", records::format(r.toList()));
    }
    void openFor(const QString &year, const QString &month) {
        ASSERT_TRUE(prep.open());
        prep.leaveYear(year);
        prep.leaveMonth(month);
        t.dialogs.clear();
    }
    QStringList cards(const QString &folder) const {
        return QDir(t.path(folder)).entryList(QDir::Files, QDir::Name);
    }
};

const QList<Employee> kThree = {{"1", "山田　太郎", "月給", ""},
                                {"2", "鈴木　花子", "日給", ""},
                                {"3", "佐藤　一郎", "時給", ""}};

} // namespace

TEST_F(PrepFixture, OpeningCreatesMissingSettingsAndStartsEmpty) {
    ASSERT_TRUE(prep.open());
    EXPECT_EQ(t.bytes("Kijyun.Dat"), QByteArray("\"\"\r\n").repeated(15));
    EXPECT_EQ(prep.year(), 0);
    EXPECT_EQ(prep.month(), 0);
    EXPECT_TRUE(prep.months().isEmpty());
    EXPECT_EQ(prep.latest(), "");
}

TEST_F(PrepFixture, MessagesComeInOrder) {
    struct Case {
        const char *name;
        bool kind, roster, month;
        QString message;
    };
    const Case cases[] = {
        {"nothing at all", false, false, false, kNoPeriod},
        {"no period even with a roster and month", false, true, true, kNoPeriod},
        {"no month", true, true, false, kNoMonth},
        {"no roster", true, false, true, kNoRoster},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestServices t2;
        CalcSettings s;
        s[CalcSettings::OtherStartDay] = "11"; // typed days do not make a period
        s[CalcSettings::OtherEndDay] = "10";
        if (c.kind)
            s[CalcSettings::PeriodKind] = "getumatusime";
        t2.put("Kijyun.Dat", records::format(s.toList()));
        if (c.roster) {
            Roster r;
            r[0] = {"1", "山田", "月給", ""};
            t2.put("Meibo.Dat", records::format(r.toList()));
        }
        CardPreparation p(t2.services);
        ASSERT_TRUE(p.open());
        p.leaveYear("2007");
        if (c.month)
            p.leaveMonth("3");
        EXPECT_EQ(p.prepare(), 0);
        EXPECT_EQ(t2.dialogs.texts(), QStringList{c.message});
        EXPECT_EQ(t2.dialogs.boxes().value(0).title, "お知らせ");
        EXPECT_FALSE(QDir(t2.path("2007年3月")).exists());
    }
}

TEST_F(PrepFixture, RosterWithoutAnyoneInUseIsNoRoster) {
    settings("getumatusime");
    roster({{"", "名前だけ", "月給", ""}, {"5", "", "月給", ""}});
    openFor("2007", "3");
    EXPECT_EQ(prep.prepare(), 0);
    EXPECT_EQ(t.dialogs.texts(), QStringList{kNoRoster});
    EXPECT_FALSE(QDir(t.path("2007年3月")).exists());
}

TEST_F(PrepFixture, PreparesOnceThenAddsOnlyNewcomers) {
    settings("20sime");
    roster(kThree);
    openFor("2007", "3");
    EXPECT_EQ(prep.prepare(), 3);
    EXPECT_EQ(t.dialogs.texts(), QStringList{"3" + kPrepared});
    EXPECT_EQ(cards("2007年3月"), (QStringList{"1.Card", "2.Card", "3.Card"}));
    const cardfile::Read card = cardfile::read(t.fs, "2007年3月", "2");
    EXPECT_EQ(card.table.at(7, CardField::Day), "28");
    for (int r : {8, 9, 10}) {
        EXPECT_EQ(card.table.at(r, CardField::Day), "") << r;
        EXPECT_EQ(card.table.at(r, CardField::Name), "鈴木　花子") << r;
    }
    EXPECT_EQ(card.table.at(11, CardField::Day), "1");
    EXPECT_EQ(card.table.at(30, CardField::PayType), "日給");
    EXPECT_EQ(prep.months(), QStringList{"2007年3月"});
    EXPECT_EQ(prep.latest(), "2007年3月");

    t.dialogs.clear();
    EXPECT_EQ(prep.prepare(), 0);
    EXPECT_EQ(t.dialogs.texts(), QStringList{kAlready});

    QList<Employee> four = kThree;
    four.append({"4", "高橋　四郎", "月給", ""});
    roster(four);
    t.dialogs.clear();
    EXPECT_EQ(prep.prepare(), 1);
    EXPECT_EQ(t.dialogs.texts(), QStringList{"1" + kPrepared});
    EXPECT_EQ(cards("2007年3月").size(), 4);
}

TEST_F(PrepFixture, ExistingCardsAreNeverTouched) {
    settings("getumatusime");
    roster(kThree);
    const QByteArray punched = "\"1\"\r\n\"木\"\r\n\"8:05\"\r\n";
    t.put("2007年3月/2.Card", punched);
    openFor("2007", "3");
    EXPECT_EQ(prep.prepare(), 2);
    EXPECT_EQ(t.bytes("2007年3月/2.Card"), punched);
}

TEST_F(PrepFixture, CardsOfEveryKindMatchTheGoldens) {
    struct Case {
        const char *file;
        const char *kind, *attribution, *start;
        const char *year, *month;
    };
    const Case cases[] = {
        {"getumatusime-2007-2.Card", "getumatusime", "", "", "2007", "2"},
        {"20sime-2007-3.Card", "20sime", "", "", "2007", "3"},
        {"20sime-2008-1.Card", "20sime", "", "", "2008", "1"},
        {"sonota-tougetu-11-2007-5.Card", "sonota", "tougetu", "11", "2007", "5"},
        {"sonota-yokugetu-26-2007-5.Card", "sonota", "yokugetu", "26", "2007", "5"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        TestServices t2;
        CalcSettings s;
        s[CalcSettings::PeriodKind] = c.kind;
        s[CalcSettings::MonthAttribution] = c.attribution;
        s[CalcSettings::OtherStartDay] = c.start;
        t2.put("Kijyun.Dat", records::format(s.toList()));
        Roster r;
        r[0] = {"12", "山田　太郎", "月給", ""};
        t2.put("Meibo.Dat", records::format(r.toList()));
        CardPreparation p(t2.services);
        ASSERT_TRUE(p.open());
        p.leaveYear(c.year);
        p.leaveMonth(c.month);
        EXPECT_EQ(p.prepare(), 1);
        const QByteArray expected = golden(c.file);
        ASSERT_FALSE(expected.isEmpty());
        EXPECT_EQ(t2.bytes(QString("%1年%2月/12.Card").arg(c.year, c.month)), expected);
    }
}

TEST_F(PrepFixture, YearBoxByYearStyle) {
    settings("getumatusime");
    ASSERT_TRUE(prep.open());
    EXPECT_TRUE(prep.leaveYear("2007"));
    struct Case {
        const char *typed;
        bool ok;
    };
    for (const Case &c :
         {Case{"19", false}, Case{"", false}, Case{"207", false}, Case{"0207", true}}) {
        SCOPED_TRACE(c.typed);
        t.dialogs.clear();
        EXPECT_EQ(prep.leaveYear(c.typed), c.ok);
        EXPECT_EQ(t.dialogs.texts(),
                  c.ok ? QStringList() : QStringList{"西暦の年号は４桁で入力してください。"});
    }
    EXPECT_EQ(prep.year(), 207);
    prep.leaveYear("19");
    EXPECT_EQ(prep.year(), 207); // a refused year keeps the previous one

    TestServices t2;
    CalcSettings s;
    s[CalcSettings::YearStyle] = "wareki";
    s[CalcSettings::PeriodKind] = "20sime";
    t2.put("Kijyun.Dat", records::format(s.toList()));
    CardPreparation p(t2.services);
    ASSERT_TRUE(p.open());
    EXPECT_FALSE(p.leaveYear("2007"));
    EXPECT_EQ(t2.dialogs.texts(), QStringList{"年号の桁数が不正です。"});
    EXPECT_EQ(p.year(), 0);
    EXPECT_TRUE(p.leaveYear("")); // an empty era year is "not entered"
    EXPECT_TRUE(p.leaveYear("20"));
    p.leaveMonth("3");
    Roster r;
    r[0] = {"1", "山田", "月給", ""};
    t2.put("Meibo.Dat", records::format(r.toList()));
    EXPECT_EQ(p.prepare(), 1);
    // Era year 20 is 2008, a leap year: only rows 9 and 10 are blank.
    const cardfile::Read card = cardfile::read(t2.fs, "20年3月", "1");
    EXPECT_EQ(card.table.at(8, CardField::Day), "29");
    EXPECT_EQ(card.table.at(9, CardField::Day), "");
    EXPECT_EQ(card.table.at(10, CardField::Day), "");
}

TEST_F(PrepFixture, MonthIsTakenAsTyped) {
    settings("getumatusime");
    roster(kThree);
    openFor("2007", "13");
    EXPECT_EQ(prep.prepare(), 3);
    EXPECT_TRUE(QDir(t.path("2007年13月")).exists());
    prep.leaveMonth("03");
    prep.prepare();
    EXPECT_TRUE(QDir(t.path("2007年3月")).exists());
    prep.leaveMonth("");
    t.dialogs.clear();
    prep.prepare();
    EXPECT_EQ(t.dialogs.texts(), QStringList{kNoMonth});
}

TEST_F(PrepFixture, CodesWithSpacesAndUnsafeCodes) {
    settings("getumatusime");
    roster({{" 7 ", "空白", "月給", ""},
            {"../Kijyun.Dat", "外へ", "月給", ""},
            {"a/b", "区切り", "月給", ""},
            {"8", "普通", "月給", ""}});
    const QByteArray settingsBefore = t.bytes("Kijyun.Dat");
    openFor("2007", "3");
    EXPECT_EQ(prep.prepare(), 2);
    const QStringList texts = t.dialogs.texts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_TRUE(texts[0].contains("../Kijyun.Dat"));
    EXPECT_TRUE(texts[1].contains("a/b"));
    EXPECT_EQ(texts[2], "2" + kPrepared);
    EXPECT_EQ(cards("2007年3月"), (QStringList{"7.Card", "8.Card"}));
    EXPECT_EQ(t.bytes("Kijyun.Dat"), settingsBefore);
    EXPECT_FALSE(QDir(t.path("2007年3月/a")).exists());
    // The card keeps the code as the roster holds it.
    EXPECT_EQ(cardfile::read(t.fs, "2007年3月", "7").table.code(), " 7 ");
}

TEST_F(PrepFixture, DuplicateCodesAreReportedAndTheFirstKeepsTheCard) {
    settings("getumatusime");
    roster({{"5", "先の人", "月給", ""},
            {" 5", "後の人", "日給", ""},
            {"6", "別の人", "月給", ""},
            {"6 ", "三人目", "日給", ""}});
    openFor("2007", "3");
    EXPECT_EQ(prep.prepare(), 2);
    // One box names every duplicated code.
    const QStringList texts = t.dialogs.texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0].contains("・5 後の人"));
    EXPECT_TRUE(texts[0].contains("・6 三人目"));
    EXPECT_EQ(texts[1], "2" + kPrepared);
    EXPECT_EQ(cardfile::read(t.fs, "2007年3月", "5").table.name(), "先の人");
    // Preparing again still tells of it.
    t.dialogs.clear();
    EXPECT_EQ(prep.prepare(), 0);
    EXPECT_EQ(t.dialogs.texts().size(), 2);
}

TEST_F(PrepFixture, OtherKindNeedsAStartDayInTheMonth) {
    for (const char *start : {"", "0", "32"}) {
        SCOPED_TRACE(start);
        TestServices t2;
        CalcSettings s;
        s[CalcSettings::PeriodKind] = "sonota";
        s[CalcSettings::MonthAttribution] = "tougetu";
        s[CalcSettings::OtherStartDay] = start;
        t2.put("Kijyun.Dat", records::format(s.toList()));
        Roster r;
        r[0] = {"1", "山田", "月給", ""};
        t2.put("Meibo.Dat", records::format(r.toList()));
        CardPreparation p(t2.services);
        ASSERT_TRUE(p.open());
        p.leaveYear("2007");
        p.leaveMonth("5");
        EXPECT_EQ(p.prepare(), 0);
        ASSERT_EQ(t2.dialogs.texts().size(), 1);
        EXPECT_TRUE(t2.dialogs.texts()[0].contains("開始日"));
        EXPECT_FALSE(QDir(t2.path("2007年5月")).exists());
    }
}

TEST_F(PrepFixture, FailedWriteEndsTheProgram) {
    settings("getumatusime");
    roster(kThree);
    openFor("2007", "3");
    t.fs.failOn(FaultyFileSystem::Op::Replace, 2, FileError::DiskFull);
    prep.prepare();
    EXPECT_TRUE(t.programEnd.ended());
    EXPECT_EQ(t.dialogs.texts(),
              QStringList{"デイスクにスペースがありません。プログラムを終了します"});
    EXPECT_EQ(cards("2007年3月"), QStringList{"1.Card"});

    TestServices t2;
    t2.put("Kijyun.Dat",
           records::format({"", "", "", "", "", "", "", "", "", "", "", "", "", "getumatusime"}));
    t2.put("Meibo.Dat", t.bytes("Meibo.Dat"));
    CardPreparation p(t2.services);
    ASSERT_TRUE(p.open());
    p.leaveYear("2007");
    p.leaveMonth("3");
    t2.fs.failOn(FaultyFileSystem::Op::Replace, 1, FileError::PathFileAccess);
    p.prepare();
    EXPECT_TRUE(t2.programEnd.ended());
    EXPECT_EQ(t2.dialogs.boxes().value(0).title, "Ｉ／Ｏエラー");
    EXPECT_EQ(t2.dialogs.boxes().value(0).text,
              "デイスクに異常が発生しました。プログラムを終了します。");
}

TEST_F(PrepFixture, FolderThatCannotBeMade) {
    settings("getumatusime");
    roster(kThree);
    t.put("2007年3月", "a file, not a folder");
    openFor("2007", "3");
    EXPECT_EQ(prep.prepare(), 0);
    ASSERT_EQ(t.dialogs.texts().size(), 1);
    EXPECT_TRUE(t.dialogs.texts()[0].contains("2007年3月"));
    EXPECT_FALSE(t.programEnd.ended());
    EXPECT_EQ(t.bytes("2007年3月"), "a file, not a folder");

    TestServices t2;
    t2.put("Kijyun.Dat", t.bytes("Kijyun.Dat"));
    t2.put("Meibo.Dat", t.bytes("Meibo.Dat"));
    CardPreparation p(t2.services);
    ASSERT_TRUE(p.open());
    p.leaveYear("2007");
    p.leaveMonth("3");
    t2.fs.failOn(FaultyFileSystem::Op::MakeFolder, 1, FileError::DeviceIO);
    p.prepare();
    EXPECT_TRUE(t2.programEnd.ended());
}

TEST(NewCard, BytesAreTheRecordFormatOfTheTable) {
    CalcSettings s;
    s[CalcSettings::PeriodKind] = "20sime";
    const auto period = daterules::payPeriod({2007, 3}, s);
    for (const Employee &e :
         {Employee{" 7 ", "山田①　太郎", "月給", ""}, Employee{"12", "ﾔﾏﾀﾞ", "", "*"},
          Employee{"x", "a\\b～", "時給", ""}}) {
        SCOPED_TRACE(e.name.toStdString());
        EXPECT_EQ(newCardBytes(period, e), records::format(newCard(period, e).toList()));
    }
}

TEST(MonthListing, SortedByYearAndTwoDigitMonth) {
    const QStringList names = {"2007年12月", "2007年3月", "2006年10月", "19年3月",
                               "2008年1月",  "19年11月",  "2007年13月"};
    EXPECT_EQ(CardMonth::sorted(names, CardMonth::Order::OldestFirst, CardMonth::Others::First),
              (QStringList{"19年3月", "19年11月", "2006年10月", "2007年3月", "2007年12月",
                           "2007年13月", "2008年1月"}));
    EXPECT_EQ(CardMonth::key("2007年3月"), 200703);
    EXPECT_EQ(CardMonth::key("2007年12月"), 200712);
    EXPECT_EQ(CardMonth::key("19年3月"), 1903);
    EXPECT_EQ(CardMonth::key("メモ月"), 0);
    EXPECT_EQ(CardMonth::key(QString(40, QLatin1Char('9')) + "年1月"), 999999999999999999LL);
}

TEST_F(PrepFixture, ListingTakesFoldersAndFilesWithTheMonthSign) {
    t.put("2007年12月/1.Card", "");
    t.put("2007年3月/1.Card", "");
    t.put("19年3月/1.Card", "");
    t.put("月報.txt", "");
    t.put("Meibo.Dat", "");
    ASSERT_TRUE(prep.open());
    EXPECT_EQ(prep.months(), (QStringList{"月報.txt", "19年3月", "2007年3月", "2007年12月"}));
    EXPECT_EQ(prep.latest(), "2007年12月");
}
