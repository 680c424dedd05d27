// The check's report printed or saved as PDF: wrapped to the page, the
// history's head at the foot of every page.
#include "printing/CheckReport.h"
#include "data/HistoryCover.h"
#include "printing/CheckWindow.h"
#include "support/HistoryFiles.h"
#include "support/RecordingTargets.h"

#include <gtest/gtest.h>

TEST(CheckReport, LinesAreWrappedToThePageAndPagedOn) {
    const QString longItem = QStringLiteral("・") + QString(70, QChar(u'長'));
    struct Case {
        const char *name;
        QStringList lines;
        QList<QStringList> pages;
    };
    const Case cases[] = {
        {"a listed item carried over keeps its indent",
         {longItem},
         {{QStringLiteral("・") + QString(49, QChar(u'長')),
           QStringLiteral("　") + QString(21, QChar(u'長'))}}},
        {"half-width text fills the line twice",
         {QString(150, 'x')},
         {{QString(100, 'x'), QString(50, 'x')}}},
        {"an empty line stays", {"a", "", "b"}, {{"a", "", "b"}}},
        {"more lines than a page",
         QStringList(CheckReport::kLinesPerPage + 1, "x"),
         {QStringList(CheckReport::kLinesPerPage, "x"), {"x"}}},
        {"nothing is one page", {}, {{}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CheckReport::pages(c.lines), c.pages);
    }
}

TEST(CheckReport, TheWindowPrintsTheReportAndSavesItAsPdf) {
    TestServices t;
    CardTable c;
    c.at(0, CardField::Code) = "1";
    prepared(t, "2007年3月", {c});
    recordMade(t, history::word::dakoku, {{"2007年3月", "1", 0, "", 2, "", "9:00"}});
    c = cardfile::read(t.fs, "2007年3月", "1").table;
    c.at(0, CardField::ClockIn) = "8:00";
    ASSERT_EQ(cardfile::write(t.fs, "2007年3月", "1", c), FileError::None);

    CheckWindow window(t.services);
    EXPECT_FALSE(window.fine());
    EXPECT_EQ(window.summary(), "変更履歴で説明できない値が 1 件あります。");
    RecordingTargets targets;
    window.print(targets);
    const QList<QStringList> pages = targets.office_.pageTexts();
    ASSERT_EQ(pages.size(), 1);
    const QStringList &page = pages[0];
    EXPECT_EQ(page.value(0), "変更履歴の検査結果");
    EXPECT_EQ(page.value(1), "データフォルダ：" + t.dir.path() + "　検査日時：2007/03/01 09:00:00");
    EXPECT_TRUE(
        page.contains("・2007年3月　1　（1行目）　出勤：ファイル「8:00」／変更履歴「9:00」"))
        << page.join('\n').toStdString();
    EXPECT_EQ(page.last(), "変更履歴の末尾：" + history::tailHead(t.fs).shortForm());

    window.pdf(targets);
    EXPECT_EQ(targets.askedName, "変更履歴の検査結果_20070301.pdf");
    EXPECT_EQ(targets.file.pageTexts(), pages);
    EXPECT_EQ(t.dialogs.texts().last(),
              "検査の結果をＰＤＦファイルに保存しました。\n/tmp/list.pdf");
}
