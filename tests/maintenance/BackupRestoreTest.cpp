#include "maintenance/BackupRestore.h"
#include "maintenance/MaintenanceFixture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Mode = BackupRestore::Mode;

// A data folder and a second real folder as the backup medium.
struct Backup : ::testing::Test {
    TestServices t;
    QTemporaryDir medium;
    BackupRestore bp{t.services};

    void SetUp() override { ASSERT_TRUE(bp.open()); }
    QString onMedium(const QString &name) const { return medium.filePath(name); }
    QByteArray mediumBytes(const QString &name) const {
        QFile f(onMedium(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void putOnMedium(const QString &name, const QByteArray &bytes) const {
        QDir().mkpath(QFileInfo(onMedium(name)).absolutePath());
        QFile f(onMedium(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void selectAll() {
        for (int i = 0; i < bp.list().lines().size(); ++i)
            bp.click(i, true);
    }
};

} // namespace

TEST_F(Backup, TheListResetSwitchEmptiesTheListOnEverySecondModeClick) {
    putMonth(t, "2007年3月", 1, "d");
    QDir(medium.path()).mkpath("2007年4月");
    const QStringList data{"2007年3月"}, onDisk{"2007年4月"};
    struct Step {
        enum { Backup, Restore, Folder } what;
        QString switchAfter;
        QStringList list;
    };
    const Step steps[] = {
        {Step::Backup, "huka", {}}, {Step::Folder, "huka", data},   {Step::Restore, "", {}},
        {Step::Folder, "", onDisk}, {Step::Backup, "huka", onDisk}, {Step::Folder, "huka", data},
        {Step::Restore, "", {}},    {Step::Restore, "huka", {}},
    };
    for (const Step &s : steps) {
        if (s.what == Step::Folder)
            bp.folderChanged(medium.path());
        else
            bp.chooseMode(s.what == Step::Backup ? Mode::Hozon : Mode::Hukugen);
        EXPECT_EQ(bp.resetSwitch(), s.switchAfter);
        EXPECT_EQ(bp.list().lines(), s.list);
    }
    EXPECT_EQ(bp.modeWord(), "hukugen");
    EXPECT_FALSE(bp.createFolderEnabled());
}

TEST_F(Backup, BacksUpTwoMonthsAndRestoresOneKeepingOtherFiles) {
    putMonth(t, "2007年2月", 3, "data");
    putMonth(t, "2007年3月", 2, "data");
    t.put("2007年3月/memo.txt", "memo"); // no card: left out and named
    putOnMedium("2007年2月/1.Card", cardBytes("1", "old"));
    putOnMedium("2007年2月/9.Card", cardBytes("9", "old"));
    putOnMedium("2007年2月/.1.Card.kvtmp-a1B2c3", "left by a copy cut short");
    bp.chooseMode(Mode::Hozon);
    bp.folderChanged(medium.path() + "/");
    EXPECT_EQ(bp.address(), medium.path());
    ASSERT_EQ(bp.list().lines(), (QStringList{"2007年2月", "2007年3月"}));
    EXPECT_FALSE(bp.copyEnabled());
    selectAll();
    EXPECT_TRUE(bp.copyEnabled());
    ASSERT_TRUE(bp.copy());
    ASSERT_EQ(t.dialogs.texts().size(), 3);
    EXPECT_EQ(t.dialogs.texts()[0], "2ケ月分コピーします。");
    EXPECT_EQ(t.dialogs.texts()[1], "1ケ月分コピーしました。");
    EXPECT_TRUE(t.dialogs.texts()[2].contains("2007年3月：1 件のファイルは読み込めないため"));
    EXPECT_EQ(mediumBytes("2007年2月/1.Card"), cardBytes("1", "data"));
    EXPECT_EQ(mediumBytes("2007年2月/9.Card"), cardBytes("9", "old"));
    EXPECT_EQ(allEntries(onMedium("2007年2月")),
              (QStringList{"1.Card", "2.Card", "3.Card", "9.Card"}));
    EXPECT_EQ(allEntries(onMedium("2007年3月")), (QStringList{"1.Card", "2.Card"}));

    // Restore: names with a dash are no months to restore.
    QDir(medium.path()).mkpath("2007年2月-old");
    QDir(medium.path()).mkpath("2007年2月－古");
    putMonth(t, "2007年2月", 1, "changed");
    t.put("2007年2月/extra.Card", cardBytes("extra", "data"));
    bp.chooseMode(Mode::Hukugen);
    bp.folderChanged(medium.path());
    ASSERT_EQ(bp.list().lines(), (QStringList{"2007年2月", "2007年3月"}));
    bp.click(0, true);
    t.dialogs.clear();
    ASSERT_TRUE(bp.copy());
    EXPECT_EQ(
        t.dialogs.texts(),
        (QStringList{"1ケ月分コピーします。",
                     "1ケ月分コピーしました。\n置き換える前のタイムカードは「" + t.dir.path() +
                         "/Taihi/20070301-090000-hukugen」に控えてあります。"}));
    EXPECT_EQ(t.bytes("2007年2月/1.Card"), cardBytes("1", "data"));
    EXPECT_EQ(t.bytes("2007年2月/9.Card"), cardBytes("9", "old"));
    EXPECT_EQ(t.bytes("2007年2月/extra.Card"), cardBytes("extra", "data"));
}

TEST_F(Backup, NewFolderNamesAreCheckedBeforeAnythingIsMade) {
    struct Case {
        QString name;
        QString message; // the start of the first box
        bool made;
    };
    const Case cases[] = {
        {"", "フォルダ名を入力してください。", false},
        {"\\bk", " \\ は不要です。", false},
        {"￥bk", " \\ は不要です。", false},
        {"a/b", "フォルダ名「a/b」は使えません。", false},
        {"..", "フォルダ名「..」は使えません。", false},
        {"x..y", "フォルダ名「x..y」は使えません。", false},
        {".hidden", "フォルダ名「.hidden」は使えません。", false},
        {"a:b", "フォルダ名「a:b」は使えません。", false},
        {QString(90, QChar(u'長')), "フォルダ名が長すぎます。", false},
        {"控え😀", "「控え😀」には保存できない文字", false},
        {"existing", "このディスクは書き込みができないか", false},
        {"タイムカード", "", true},
    };
    QDir(medium.path()).mkdir("existing");
    bp.chooseMode(Mode::Hozon);
    bp.folderChanged(medium.path());
    t.dialogs.clear();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        t.dialogs.clear();
        const auto made = bp.createFolder(c.name);
        EXPECT_EQ(made.has_value(), c.made);
        EXPECT_EQ(bp.createFolderEnabled(), !c.made);
        if (!c.made) {
            ASSERT_FALSE(t.dialogs.texts().isEmpty());
            EXPECT_TRUE(t.dialogs.texts().last().startsWith(c.message));
        }
    }
    EXPECT_EQ(allEntries(medium.path()), (QStringList{"existing", "タイムカード"}));
    // The new folder became the address; with no month in the data folder
    // the folder change and the refill both say so.
    EXPECT_EQ(bp.address(), medium.filePath("タイムカード"));
    EXPECT_EQ(
        t.dialogs.texts(),
        (QStringList{medium.path() + " にバックアップ用フォルダ「 タイムカード 」を作成します。",
                     "バックアップ用フォルダを作成しました。", "データは作成されていません。",
                     "データは作成されていません。"}));
}

TEST(BackupPaths, ARootFolderTakesNoSecondSeparator) {
    struct Case {
        QString base, name, joined;
    };
    const Case cases[] = {
        {"/", "bk", "/bk"}, {"/media/usb", "bk", "/media/usb/bk"}, {"", "2007年3月", "2007年3月"}};
    for (const Case &c : cases)
        EXPECT_EQ(monthfolders::inFolder(c.base, c.name), c.joined);
    TestServices t;
    BackupRestore bp(t.services);
    bp.folderChanged("/");
    EXPECT_EQ(bp.address(), "/");
}

TEST_F(Backup, RestoringOverTheMonthInUseAsksFirst) {
    putSettings(t, "getumatusime");
    ASSERT_TRUE(bp.open());
    t.clock.set(2007, 3, 10, 9, 0);
    putOnMedium("2007年2月/1.Card", cardBytes("1", "backup"));
    putOnMedium("2007年3月/1.Card", cardBytes("1", "backup"));
    putMonth(t, "2007年3月", 1, "today");
    bp.chooseMode(Mode::Hukugen);
    bp.folderChanged(medium.path());
    selectAll();
    t.dialogs.answer(BoxAnswer::Ok);
    t.dialogs.answer(BoxAnswer::Cancel);
    ASSERT_TRUE(bp.copy());
    const QStringList texts = t.dialogs.texts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0], "2ケ月分コピーします。");
    // The question names the month and says that the cards in place are kept.
    EXPECT_TRUE(texts[1].startsWith("2007年3月 は現在使用中です。"));
    EXPECT_TRUE(texts[1].contains("Taihi"));
    EXPECT_TRUE(texts[1].endsWith("復元してもよろしいか。"));
    EXPECT_EQ(texts[2], "1ケ月分コピーしました。");
    EXPECT_EQ(t.bytes("2007年3月/1.Card"), cardBytes("1", "today"));
    EXPECT_EQ(t.bytes("2007年2月/1.Card"), cardBytes("1", "backup"));
}

TEST_F(Backup, SettingsAndRosterGoAlongWhenAskedAndAreReplacedOnlyAfterAQuestion) {
    putMonth(t, "2007年2月", 1, "d");
    t.put("Kijyun.Dat", "\"x\"\r\n");
    t.put("Meibo.Dat", "\"roster\"\r\n");
    bp.setIncludeBasics(true);
    bp.chooseMode(Mode::Hozon);
    bp.folderChanged(medium.path());
    selectAll();
    ASSERT_TRUE(bp.copy());
    EXPECT_EQ(mediumBytes("Kijyun.Dat"), "\"x\"\r\n");
    EXPECT_EQ(mediumBytes("Meibo.Dat"), "\"roster\"\r\n");

    t.put("Meibo.Dat", "\"changed\"\r\n");
    for (BoxAnswer a : {BoxAnswer::Cancel, BoxAnswer::Ok}) {
        bp.chooseMode(Mode::Hukugen);
        bp.folderChanged(medium.path());
        selectAll();
        t.dialogs.clear();
        t.dialogs.answer(BoxAnswer::Ok);
        t.dialogs.answer(a);
        ASSERT_TRUE(bp.copy());
        EXPECT_TRUE(t.dialogs.texts()[1].startsWith("基本設定（Kijyun.Dat）と従業員の名簿"));
        EXPECT_EQ(t.bytes("Meibo.Dat"), a == BoxAnswer::Ok ? "\"roster\"\r\n" : "\"changed\"\r\n");
    }
}

namespace {

// A medium that does not hold what was written to it: reading one file back
// finds it changed.
class ForgetfulMedium : public FaultyFileSystem {
public:
    using FaultyFileSystem::FaultyFileSystem;
    QString spoiled;
    void forgetCached(const QString &path) override {
        if (path.endsWith(spoiled)) {
            QFile f(resolve(path));
            if (f.open(QIODevice::ReadWrite))
                f.write("X");
        }
    }
};

} // namespace

TEST(BackupCheck, AFileReadBackDifferentlyIsNamedAndItsMonthNotCounted) {
    TestServices t;
    QTemporaryDir medium;
    ForgetfulMedium fs(t.dir.path());
    fs.spoiled = "2007年3月/2.Card";
    Services services{fs, t.dialogs, t.clock, t.settings, t.programEnd, t.session};
    putMonth(t, "2007年2月", 2, "d");
    putMonth(t, "2007年3月", 2, "d");
    BackupRestore bp(services);
    ASSERT_TRUE(bp.open());
    bp.chooseMode(Mode::Hozon);
    bp.folderChanged(medium.path());
    bp.click(0, true);
    bp.click(1, true);
    const auto report = bp.copy();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->wholeMonths(), 1);
    EXPECT_EQ(t.dialogs.texts().value(1), "1ケ月分コピーしました。");
    EXPECT_TRUE(t.dialogs.texts().value(2).contains(
        "2007年3月：2.Card は、コピー先で読み直した内容が元と一致しません。"));
}

TEST_F(Backup, ARestoreKeepsTheCardsItReplacesAndSaysWhere) {
    t.clock.set(2007, 3, 10, 9, 30, 15);
    putMonth(t, "2007年2月", 1, "today");
    t.put("2007年2月/5.Card", cardBytes("5", "only here"));
    putOnMedium("2007年2月/1.Card", cardBytes("1", "backup"));
    putOnMedium("2007年2月/2.Card", cardBytes("2", "backup"));
    bp.chooseMode(Mode::Hukugen);
    bp.folderChanged(medium.path());
    selectAll();
    ASSERT_TRUE(bp.copy());
    const QString kept = "Taihi/20070310-093015-hukugen";
    EXPECT_EQ(t.dialogs.texts().value(1),
              "1ケ月分コピーしました。\n置き換える前のタイムカードは「" + t.dir.path() + "/" +
                  kept + "」に控えてあります。");
    EXPECT_EQ(t.bytes("2007年2月/1.Card"), cardBytes("1", "backup"));
    EXPECT_EQ(t.bytes(kept + "/2007年2月/1.Card"), cardBytes("1", "today"));
    // Only what was replaced: a new card and a card the backup lacks stay out.
    EXPECT_EQ(allEntries(t.path(kept + "/2007年2月")), QStringList{"1.Card"});
    EXPECT_EQ(t.bytes("2007年2月/5.Card"), cardBytes("5", "only here"));

    // The dated folder is a backup folder of its own: choosing it brings the
    // replaced cards back, and keeps what that restore replaces in turn.
    t.clock.set(2007, 3, 10, 9, 31, 0);
    bp.folderChanged(t.path(kept));
    ASSERT_EQ(bp.list().lines(), QStringList{"2007年2月"});
    selectAll();
    ASSERT_TRUE(bp.copy());
    EXPECT_EQ(t.bytes("2007年2月/1.Card"), cardBytes("1", "today"));
    EXPECT_EQ(t.bytes("Taihi/20070310-093100-hukugen/2007年2月/1.Card"), cardBytes("1", "backup"));
}

TEST_F(Backup, AMonthWhoseCardsCannotBeKeptIsNotRestored) {
    putMonth(t, "2007年1月", 1, "today");
    putMonth(t, "2007年2月", 1, "today");
    putOnMedium("2007年1月/1.Card", cardBytes("1", "backup"));
    putOnMedium("2007年2月/1.Card", cardBytes("1", "backup"));
    bp.chooseMode(Mode::Hukugen);
    bp.folderChanged(medium.path());
    selectAll();
    t.fs.failOn(FaultyFileSystem::Op::Keep, 1, FileError::PathFileAccess);
    ASSERT_TRUE(bp.copy());
    ASSERT_EQ(t.dialogs.texts().size(), 3);
    EXPECT_TRUE(t.dialogs.texts()[1].startsWith("1ケ月分コピーしました。\n"));
    EXPECT_TRUE(t.dialogs.texts()[2].contains("2007年1月：タイムカードの控えを残せないため、"
                                              "復元しませんでした（"));
    EXPECT_EQ(t.bytes("2007年1月/1.Card"), cardBytes("1", "today"));
    EXPECT_EQ(t.bytes("2007年2月/1.Card"), cardBytes("1", "backup"));
}

TEST_F(Backup, ARestoreCutShortNamesWhatItWrote) {
    for (int i = 1; i <= 20; ++i)
        putOnMedium("2007年2月/" + QString::number(i) + ".Card",
                    cardBytes(QString::number(i), "backup"));
    bp.chooseMode(Mode::Hukugen);
    bp.folderChanged(medium.path());
    selectAll();
    t.fs.failFrom(FaultyFileSystem::Op::Replace, 5, FileError::DiskFull);
    const auto report = bp.copy();
    ASSERT_TRUE(report);
    ASSERT_EQ(t.dialogs.texts().size(), 3);
    EXPECT_EQ(t.dialogs.texts()[1], "0ケ月分コピーしました。");
    EXPECT_TRUE(t.dialogs.texts()[2].contains(
        "2007年2月：20 件のうち 4 件だけ書き込みました（1.Card、10.Card、11.Card ほか）。"
        "残りの 16 件は書き込めませんでした（ディスクの空きが足りません）。"))
        << t.dialogs.texts()[2].toStdString();
    EXPECT_EQ(report->months.value(0).copy.written,
              (QStringList{"1.Card", "10.Card", "11.Card", "12.Card"}));
}

// A name is used exactly as listed, and a month of the data folder that is
// a link is never written through nor read from.
TEST_F(Backup, MonthsAreTakenAsListedAndNeverThroughALink) {
    t.clock.set(2009, 1, 1, 9, 0); // neither month is in use
    QTemporaryDir elsewhere;
    QDir().mkpath(elsewhere.filePath("x"));
    ASSERT_TRUE(QFile::link(elsewhere.filePath("x"), t.path("2007年3月")));
    putMonth(t, "2007年2月", 1, "today");
    putOnMedium(" 2007年2月/1.Card", cardBytes("1", "blank"));
    putOnMedium("2007年3月/1.Card", cardBytes("1", "backup"));
    bp.chooseMode(Mode::Hukugen);
    bp.folderChanged(medium.path());
    ASSERT_EQ(bp.list().lines(), (QStringList{" 2007年2月", "2007年3月"}));
    selectAll();
    ASSERT_TRUE(bp.copy());
    EXPECT_EQ(t.bytes("2007年2月/1.Card"), cardBytes("1", "today"));
    EXPECT_EQ(t.bytes(" 2007年2月/1.Card"), cardBytes("1", "blank"));
    EXPECT_TRUE(QDir(elsewhere.filePath("x")).isEmpty());
    EXPECT_EQ(t.dialogs.texts().value(1), "1ケ月分コピーしました。");
    EXPECT_TRUE(t.dialogs.texts().value(2).contains(
        "2007年3月：別の場所を指すリンクのため、復元しませんでした。"));

    // Backing up: the link is listed as damaged and left out.
    bp.chooseMode(Mode::Hozon);
    bp.chooseMode(Mode::Hozon);
    bp.folderChanged(medium.path());
    const qsizetype link = bp.list().lines().indexOf("2007年3月");
    ASSERT_GE(link, 0);
    EXPECT_TRUE(bp.list().isDamaged(static_cast<int>(link)));
    bp.click(static_cast<int>(link), true);
    t.dialogs.clear();
    ASSERT_TRUE(bp.copy());
    EXPECT_TRUE(t.dialogs.texts().value(2).contains(
        "2007年3月：別の場所を指すリンクのため、バックアップしませんでした。"));
    EXPECT_EQ(mediumBytes("2007年3月/1.Card"), cardBytes("1", "backup"));
}
