// The change history pages after each work record sheet.
#include "printing/HistoryPage.h"
#include "PrintFixture.h"
#include "data/History.h"
#include "data/HistoryCheck.h"
#include "data/HistoryCover.h"
#include "support/HistoryFiles.h"

namespace {

struct HistoryPages : PrintFixture {
    // n corrections of employee 1's clock-in, the last with a long reason.
    void corrections(int n) {
        CardTable before, after;
        QList<history::Entry> entries;
        for (int i = 0; i < n; ++i)
            entries.append({kMonth,
                            "1",
                            i % 31,
                            QString::number(i % 31 + 1),
                            CardField::ClockIn,
                            "8:00",
                            QStringLiteral("8:%1").arg(i % 50 + 10),
                            {}});
        recordMade(t, history::word::teisei, entries);
        entries = {{kMonth, "1", 0, "1", CardField::ClockOut, "", "17:00", {}}};
        recordMade(t, history::word::tuika, entries, QString(25, QChar(u'長')));
        // The first punch of employee 12 is no change; another month is not this one.
        entries = {{kMonth, "12", 0, "1", CardField::ClockIn, "", "9:00", {}}};
        recordMade(t, history::word::dakoku, entries);
        entries = {{"2007年2月", "12", 0, "1", CardField::ClockIn, "9:00", "9:30", {}}};
        recordMade(t, history::word::teisei, entries);
    }
    // The first text of each page: the sheet's title or the history's.
    QStringList titles() const {
        QStringList out;
        for (const QStringList &page : printer.pageTexts())
            out << page.value(page.first().isEmpty() ? 1 : 0);
        return out;
    }
};

} // namespace

TEST_F(HistoryPages, FollowEachSheetInTheSheetsFontsAndGoOnOverPages) {
    corrections(50);
    settings.copies = "2";
    job.withHistory = true;
    const PrintRun::Result r = run();
    EXPECT_EQ(r.end, PrintRun::End::Done);
    // Employee 1: 50 + 1 records, the long reason on two lines: 53 lines, two
    // pages. Employee 12: no change, a page that says so. Each copy is whole.
    EXPECT_EQ(titles(),
              QStringList({"勤務実績表", "変更履歴", "変更履歴", "勤務実績表", "変更履歴",
                           "変更履歴", "勤務実績表", "変更履歴", "勤務実績表", "変更履歴"}));
    EXPECT_EQ(r.pages, 10);
    const QList<QStringList> pages = printer.pageTexts();
    const QStringList &first = pages[1];
    // The history's head under the frame: a printed page anchors it.
    EXPECT_EQ(first.mid(0, 12),
              QStringList({"変更履歴", "( 2007年3月 ) ", "氏名： 山田太郎", "1 / 2",
                           "変更履歴の末尾：" + history::tailHead(t.fs).shortForm(), "日時", "処理",
                           "日", "項目", "変更前", "変更後", "理由"}));
    EXPECT_TRUE(first[4].contains(QString::number(history::check(t.fs).lines) + " 行・"));
    EXPECT_EQ(first.mid(12, 6),
              QStringList({"2007/03/01 09:00:00", "訂正", "1", "出勤", "8:00", "8:10"}));
    const QStringList &second = pages[2];
    EXPECT_EQ(second[3], "2 / 2");
    // The long reason: 20 full-width characters on its line, the rest below.
    EXPECT_EQ(second.mid(second.size() - 7),
              QStringList({"2007/03/01 09:00:00", "追加打刻", "1", "退勤", "17:00",
                           QString(20, QChar(u'長')), QString(5, QChar(u'長'))}));
    EXPECT_EQ(pages[9].last(), "この月の打刻の変更はありません。");
    EXPECT_EQ(pages[9][2], "氏名： 鈴木花子");

    // Every history page in the sheet's fonts: gothic 12 for the title, mincho 9.
    QStringList fonts;
    for (const QString &l : printer.log())
        if (l.startsWith("setFont"))
            fonts << l;
    fonts.removeDuplicates();
    EXPECT_EQ(fonts, QStringList({"setFontFace \"ＭＳ ゴシック\"", "setFontSize 12.00",
                                  "setFontFace \"ＭＳ 明朝\"", "setFontSize 9.00"}));
}

TEST_F(HistoryPages, OffByDefaultAndNeverNoneForAHistoryThatCannotBeRead) {
    corrections(1);
    EXPECT_EQ(run().pages, 2);
    EXPECT_EQ(titles(), QStringList({"勤務実績表", "勤務実績表"}));

    printer.clear();
    job.withHistory = true;
    t.fs.failFrom(FaultyFileSystem::Op::ReadPart, 1, FileError::PathFileAccess);
    EXPECT_EQ(run().pages, 4);
    for (const int p : {1, 3})
        EXPECT_EQ(printer.pageTexts()[p].last(),
                  "変更履歴（Rireki.Dat）を最後まで読めませんでした。");
}

TEST(HistoryPageLines, LongTextsWrapByWidth) {
    EXPECT_EQ(HistoryPage::wrap("ab長cd", 3), QStringList({"ab", "長c", "d"}));
    EXPECT_EQ(HistoryPage::wrap("ｱｲｳ", 2), QStringList({"ｱｲ", "ｳ"}));
    EXPECT_TRUE(HistoryPage::wrap("", 4).isEmpty());
    EXPECT_EQ(HistoryPage::pages({}, {}).size(), 1);
    const QList<history::Row> rows(HistoryPage::kLinesPerPage, history::Row{});
    EXPECT_EQ(HistoryPage::pages(rows, {}).size(), 1);
    EXPECT_EQ(HistoryPage::pages(rows, "note").size(), 2);
}
