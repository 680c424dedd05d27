#include "maintenance/CardOrganizing.h"
#include "data/History.h"
#include "maintenance/MaintenanceFixture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CardOrganizing, ListsEveryEntryWithTheMonthSignOldestFirst) {
    struct Case {
        QStringList folders;
        QStringList files;
        QStringList expected;
    };
    const Case cases[] = {
        {{"2007年3月", "2006年12月", "2007年1月"}, {}, {"2006年12月", "2007年1月", "2007年3月"}},
        // Era years sort by their own digits; equal keys keep the listing order.
        {{"19年3月", "2007年03月", "2007年3月", "2007年10月"},
         {},
         {"19年3月", "2007年03月", "2007年3月", "2007年10月"}},
        // Other names with "月" go last; names without it are not listed.
        {{"2007年2月", "backup", "月次"},
         {"月報.txt", "Kijyun.Dat"},
         {"2007年2月", "月報.txt", "月次"}},
        {{}, {"Kijyun.Dat"}, {}},
    };
    for (const Case &c : cases) {
        TestServices t;
        for (const QString &f : c.folders)
            QDir(t.dir.path()).mkdir(f);
        for (const QString &f : c.files)
            t.put(f, "x");
        CardOrganizing org(t.services);
        ASSERT_TRUE(org.open());
        EXPECT_EQ(org.list().lines(), c.expected) << c.folders.join(",").toStdString();
        EXPECT_EQ(org.list().selectedCount(), 0);
    }
}

TEST(CardOrganizing, SelectingTheMonthInUseAsksFirst) {
    struct Case {
        QString kind, style;
        QDate today;
        QString inUse;
        BoxAnswer answer;
    };
    const Case cases[] = {
        {"getumatusime", "", {2007, 3, 31}, "2007年3月", BoxAnswer::Cancel},
        {"getumatusime", "", {2007, 3, 31}, "2007年3月", BoxAnswer::Ok},
        {"20sime", "", {2006, 12, 21}, "2007年1月", BoxAnswer::Cancel},
        {"20sime", "wareki", {2007, 3, 20}, "19年3月", BoxAnswer::Ok},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.inUse.toStdString());
        TestServices t;
        putSettings(t, c.kind, c.style);
        for (const char *m : {"2007年1月", "2007年3月", "19年3月", "2006年12月"})
            QDir(t.dir.path()).mkdir(m);
        t.clock.set(QDateTime(c.today, QTime(9, 0)));
        CardOrganizing org(t.services);
        ASSERT_TRUE(org.open());
        const int inUse = static_cast<int>(org.list().lines().indexOf(c.inUse));
        const int other = inUse == 0 ? 1 : 0;
        // Another month: no question.
        EXPECT_TRUE(org.click(other, true));
        EXPECT_TRUE(t.dialogs.boxes().isEmpty());
        t.dialogs.answer(c.answer);
        const bool kept = org.click(inUse, true);
        ASSERT_EQ(t.dialogs.texts(),
                  QStringList{c.inUse + " は現在使用中です。削除してもよろしいか。"});
        EXPECT_EQ(t.dialogs.boxes()[0].buttons, BoxButtons::OkCancel);
        EXPECT_EQ(t.dialogs.boxes()[0].title, "確認");
        EXPECT_EQ(kept, c.answer == BoxAnswer::Ok);
        EXPECT_EQ(org.list().selectedCount(), kept ? 2 : 1);
        // Deselecting it asks nothing.
        if (kept) {
            EXPECT_FALSE(org.click(inUse, false));
            EXPECT_EQ(t.dialogs.boxes().size(), 1);
        }
    }
}

TEST(CardOrganizing, DeletesTheCardsOfTheSelectedMonthsAndKeepsOtherFiles) {
    TestServices t;
    t.clock.set(2013, 1, 1, 9, 0); // past the retention period of every month
    putMonth(t, "2006年12月", 3, "a");
    putMonth(t, "2007年1月", 2, "a");
    t.put("2007年1月/memo.txt", "keep");
    putMonth(t, "2007年2月", 2, "a");
    CardOrganizing org(t.services);
    ASSERT_TRUE(org.open());

    // Nothing selected; a question answered Cancel.
    EXPECT_FALSE(org.deleteSelected());
    org.click(0, true);
    org.click(1, true);
    t.dialogs.answer(BoxAnswer::Cancel);
    EXPECT_FALSE(org.deleteSelected());
    EXPECT_EQ(t.dialogs.texts(),
              (QStringList{"削除対象が選択されていません。", "2ケ月分を削除します。"}));
    EXPECT_EQ(allEntries(t.path("2006年12月")).size(), 3);

    t.dialogs.clear();
    EXPECT_TRUE(org.deleteSelected());
    EXPECT_EQ(t.dialogs.texts(),
              (QStringList{"2ケ月分を削除します。",
                           "2ケ月分を削除しました。\n削除したタイムカードは「" + t.dir.path() +
                               "/Taihi/20130101-090000-seiri」に控えてあります。"}));
    EXPECT_FALSE(QDir(t.path("2006年12月")).exists());
    EXPECT_EQ(allEntries(t.path("2007年1月")), QStringList{"memo.txt"});
    EXPECT_EQ(org.list().lines(), (QStringList{"2007年1月", "2007年2月"}));

    // An empty list.
    TestServices empty;
    CardOrganizing none(empty.services);
    ASSERT_TRUE(none.open());
    EXPECT_FALSE(none.deleteSelected());
    EXPECT_EQ(empty.dialogs.texts(), QStringList{"タイムカードが見つかりません。"});
}

TEST(CardOrganizing, WhatWasNotDeletedIsNotCountedAndIsNamed) {
    TestServices t;
    t.clock.set(2013, 1, 1, 9, 0); // past the retention period of every month
    putMonth(t, "2007年1月", 2, "a");
    putMonth(t, "2007年2月", 3, "a");
    t.put("月報.txt", "x");
    CardOrganizing org(t.services);
    ASSERT_TRUE(org.open());
    for (int i = 0; i < 3; ++i)
        org.click(i, true);
    t.fs.failOn(FaultyFileSystem::Op::RemoveFile, 4, FileError::PathFileAccess);
    EXPECT_TRUE(org.deleteSelected());
    ASSERT_EQ(t.dialogs.texts().size(), 3);
    EXPECT_TRUE(t.dialogs.texts()[1].startsWith("1ケ月分を削除しました。\n"));
    EXPECT_TRUE(
        t.dialogs.texts()[2].contains("2007年2月：1 件のタイムカードを削除できませんでした"));
    EXPECT_TRUE(t.dialogs.texts()[2].contains("月報.txt：タイムカードのフォルダではありません。"));
    EXPECT_EQ(org.list().lines(), (QStringList{"2007年2月", "月報.txt"}));
}

TEST(CardOrganizing, SettingsLoadErrorsUseTheDiskWording) {
    struct Case {
        FileError error;
        QString text;
        bool ends;
    };
    const Case cases[] = {
        {FileError::DeviceIO, "デイスクに異常が発生しました。プログラムを終了します。", true},
        {FileError::DiskFull, "デイスクにスペースがありません。プログラムを終了します", true},
        {FileError::PathFileAccess, "", false},
    };
    for (const Case &c : cases) {
        TestServices t;
        putSettings(t, "20sime");
        t.fs.failOn(FaultyFileSystem::Op::Read, 1, c.error);
        CardOrganizing org(t.services);
        EXPECT_EQ(org.open(), !c.ends);
        EXPECT_EQ(t.programEnd.ended(), c.ends);
        EXPECT_EQ(t.dialogs.texts(), c.text.isEmpty() ? QStringList{} : QStringList{c.text});
    }
    // A missing file is created with 15 empty values.
    TestServices t;
    CardOrganizing org(t.services);
    ASSERT_TRUE(org.open());
    EXPECT_EQ(t.bytes("Kijyun.Dat"), QByteArray("\"\"\r\n").repeated(15));
}

TEST(CardOrganizing, DeletedCardsAreKeptOnceTheQuestionsAreAnswered) {
    struct Case {
        BoxAnswer retention; // the second question, for a month still to be kept
        bool deleted;
    };
    const Case cases[] = {{BoxAnswer::Cancel, false}, {BoxAnswer::Ok, true}};
    for (const Case &c : cases) {
        TestServices t;
        t.clock.set(2007, 6, 1, 9, 30, 15);
        putMonth(t, "2007年1月", 2, "a");
        t.put("2007年1月/memo.txt", "memo");
        CardOrganizing org(t.services);
        ASSERT_TRUE(org.open());
        org.click(0, true);
        t.dialogs.answer(BoxAnswer::Ok);
        t.dialogs.answer(c.retention);
        EXPECT_EQ(org.deleteSelected(), c.deleted);
        const QString kept = "Taihi/20070601-093015-seiri/2007年1月/";
        EXPECT_EQ(t.fs.exists("Taihi"), c.deleted);
        if (!c.deleted)
            continue;
        EXPECT_EQ(t.bytes(kept + "1.Card"), cardBytes("1", "a"));
        EXPECT_EQ(t.bytes(kept + "2.Card"), cardBytes("2", "a"));
        EXPECT_FALSE(t.fs.exists(kept + "memo.txt")); // it stays where it was
        EXPECT_EQ(t.fs.list("2007年1月", "*", ListKind::Files), QStringList{"memo.txt"});
        EXPECT_EQ(t.dialogs.texts().last(), "1ケ月分を削除しました。\n削除したタイムカードは「" +
                                                t.dir.path() +
                                                "/Taihi/20070601-093015-seiri」に控えてあります。");
    }
}

TEST(CardOrganizing, AMonthWhoseCardsCannotBeKeptIsNotDeleted) {
    TestServices t;
    t.clock.set(2013, 1, 1, 9, 0);
    putMonth(t, "2007年1月", 2, "a");
    putMonth(t, "2007年2月", 2, "a");
    CardOrganizing org(t.services);
    ASSERT_TRUE(org.open());
    org.click(0, true);
    org.click(1, true);
    t.fs.failOn(FaultyFileSystem::Op::Keep, 1, FileError::DiskFull);
    EXPECT_TRUE(org.deleteSelected());
    ASSERT_EQ(t.dialogs.texts().size(), 3);
    EXPECT_TRUE(t.dialogs.texts()[1].startsWith("1ケ月分を削除しました。"));
    EXPECT_TRUE(
        t.dialogs.texts()[2].contains("2007年1月：タイムカードの控えを残せないため、"
                                      "削除しませんでした（ディスクの空きが足りません）。"));
    EXPECT_EQ(t.bytes("2007年1月/1.Card"), cardBytes("1", "a"));
    EXPECT_FALSE(t.fs.exists("2007年2月"));
}

// A name is used exactly as listed: blanks make another folder, and a link
// is listed as damaged and never followed.
TEST(CardOrganizing, DeletesExactlyTheListedFolderAndNeverThroughALink) {
    TestServices t;
    QTemporaryDir elsewhere;
    t.clock.set(2030, 1, 1, 9, 0);
    putMonth(t, "2026年1月", 1, "real");
    putMonth(t, " 2026年1月", 1, "blank before");
    putMonth(t, "2026年1月 ", 1, "blank after");
    QDir().mkpath(elsewhere.filePath("x"));
    QFile card(elsewhere.filePath("x/1.Card"));
    ASSERT_TRUE(card.open(QIODevice::WriteOnly));
    card.write(cardBytes("1", "outside"));
    card.close();
    ASSERT_TRUE(QFile::link(elsewhere.filePath("x"), t.path("2026年2月")));
    CardOrganizing org(t.services);
    ASSERT_TRUE(org.open());
    // Names with blanks are no card months: they go last.
    ASSERT_EQ(org.list().lines(),
              (QStringList{"2026年1月", "2026年2月", " 2026年1月", "2026年1月 "}));
    EXPECT_FALSE(org.list().isDamaged(0));
    EXPECT_TRUE(org.list().isDamaged(1));
    org.click(1, true);
    org.click(2, true);
    EXPECT_TRUE(org.deleteSelected());
    EXPECT_FALSE(t.fs.exists(" 2026年1月"));
    EXPECT_EQ(t.bytes("2026年1月/1.Card"), cardBytes("1", "real"));
    EXPECT_EQ(t.bytes("2026年1月 /1.Card"), cardBytes("1", "blank after"));
    EXPECT_EQ(t.bytes("Taihi/20300101-090000-seiri/ 2026年1月/1.Card"),
              cardBytes("1", "blank before"));
    EXPECT_TRUE(QFileInfo(t.path("2026年2月")).isSymLink());
    EXPECT_TRUE(QFile::exists(elsewhere.filePath("x/1.Card")));
    ASSERT_EQ(t.dialogs.texts().size(), 3);
    EXPECT_TRUE(t.dialogs.texts()[1].startsWith("1ケ月分を削除しました。"));
    EXPECT_TRUE(t.dialogs.texts()[2].contains(
        "2026年2月：別の場所を指すリンクのため、削除しませんでした。"));
}

TEST(CardOrganizing, TheSafetyFolderShowsItsSizeAndIsEmptiedAfterAQuestion) {
    TestServices t;
    CardOrganizing empty(t.services);
    ASSERT_TRUE(empty.open());
    EXPECT_EQ(empty.safetyText(), "控え：なし");
    EXPECT_FALSE(empty.emptySafety());
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());

    t.put("Taihi/20070301-090000-seiri/2007年1月/1.Card", QByteArray(2048, 'x'));
    t.put("Taihi/20070302-090000-hukugen/2007年2月/1.Card", QByteArray(1024, 'x'));
    CardOrganizing org(t.services);
    ASSERT_TRUE(org.open());
    EXPECT_EQ(org.safetyText(), "控え：2 回分　3 KB");
    t.dialogs.answer(BoxAnswer::Cancel);
    EXPECT_FALSE(org.emptySafety());
    EXPECT_EQ(t.dialogs.texts(), QStringList{"削除・復元の前に控えたタイムカード（2 回分、3 KB）を"
                                             "すべて削除します。削除した控えは元に戻せません。"});
    EXPECT_TRUE(t.fs.exists("Taihi"));
    t.fs.failOn(FaultyFileSystem::Op::RemoveTree, 1, FileError::PathFileAccess);
    EXPECT_FALSE(org.emptySafety());
    EXPECT_TRUE(t.dialogs.texts().last().startsWith("控えを削除できませんでした（"));
    EXPECT_TRUE(org.emptySafety());
    EXPECT_EQ(t.dialogs.texts().last(), "控えを削除しました。");
    EXPECT_FALSE(t.fs.exists("Taihi"));
    EXPECT_EQ(org.safetyText(), "控え：なし");
    // The history names the keepings that went, each time it was asked.
    const QList<history::Record> gone = history::recordsOf(t.fs, "Taihi", "20070301-090000-seiri");
    ASSERT_EQ(gone.size(), 3); // tried, taken back, done
    EXPECT_EQ(gone[0].function, "hikaesakujo");
    EXPECT_EQ(gone[1].function, "torikesi");
    EXPECT_EQ(gone[2].reason, "3 KB");
}
