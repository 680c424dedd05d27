#include "maintenance/CardOrganizing.h"
#include "maintenance/MaintenanceFixture.h"

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
    EXPECT_EQ(t.dialogs.texts(), (QStringList{"2ケ月分を削除します。", "2ケ月分を削除しました。"}));
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
    EXPECT_EQ(t.dialogs.texts()[1], "1ケ月分を削除しました。");
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
