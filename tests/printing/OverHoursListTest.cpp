#include "printing/PrintPanel.h"
#include "support/Printers.h"
#include "support/RecordingPrinter.h"
#include "support/RecordingTargets.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

struct OverHoursFixture : ::testing::Test {
    TestServices t;
    PrintPanel panel{t.services};
    RecordingTargets targets;

    void SetUp() override {
        t.clock.set(2007, 4, 2, 9, 30);
        panel.open({{"1", "山田太郎", true}}, "2007年3月", CalcSettings());
    }
};

} // namespace

TEST_F(OverHoursFixture, OnePageWithTheMonthTheDateAndEachEmployee) {
    panel.setOverHours(
        {"2007年3月",
         80,
         {{"1", "山田太郎", "85:00", "81:40", 3}, {"105", "田中健", "100:05", "90:00", 2}}});
    panel.overHoursList(targets, PrintPanel::ListTarget::Office);
    const QList<QStringList> pages = targets.office_.pageTexts();
    ASSERT_EQ(pages.size(), 1);
    const QStringList &p = pages[0];
    EXPECT_EQ(p.value(0), "時間外・休日労働が月80時間を超えた者の一覧");
    EXPECT_TRUE(p.contains("対象月：2007年3月分"));
    EXPECT_TRUE(p.contains("印刷日：2007年4月2日"));
    const qsizetype row = p.indexOf("1");
    ASSERT_GE(row, 0);
    EXPECT_EQ(p.mid(row, 8), QStringList({"1", "山田太郎", "  85:00", "  81:40（3か月）", "105",
                                          "田中健", " 100:05", "  90:00（2か月）"}));
    EXPECT_FALSE(p.contains("該当者なし"));
    EXPECT_EQ(targets.office_.count("endDocument"), 1);
    // The sheet's fonts, and the same page setup as the sheets.
    EXPECT_TRUE(targets.office_.log().join("\n").contains("setFontFace \"ＭＳ ゴシック\""));
    EXPECT_EQ(targets.office_.paper, Printer::A4);
}

TEST_F(OverHoursFixture, NoneOverThePdfThePreviewAndMorePagesThanOne) {
    panel.setOverHours({"2007年3月", 80, {}});
    panel.overHoursList(targets, PrintPanel::ListTarget::Pdf);
    EXPECT_EQ(targets.askedName, "2007年3月_80時間超の一覧.pdf");
    ASSERT_EQ(targets.file.pageTexts().size(), 1);
    EXPECT_TRUE(targets.file.pageTexts()[0].contains("該当者なし"));
    EXPECT_EQ(t.dialogs.texts(),
              QStringList{"一覧をＰＤＦファイルに保存しました。\n/tmp/list.pdf"});

    OverHoursData many{"2007年3月", 70, {}};
    for (int i = 1; i <= OverHoursList::kRowsPerPage + 1; ++i)
        many.lines.append({QString::number(i), "社員", "71:00", "0:00", 2});
    panel.setOverHours(many);
    targets.printFromPreview = true;
    panel.overHoursList(targets, PrintPanel::ListTarget::Preview);
    ASSERT_EQ(targets.shown.pageTexts().size(), 2);
    EXPECT_EQ(targets.shown.pageTexts()[1].value(0), "時間外・休日労働が月70時間を超えた者の一覧");
    EXPECT_TRUE(targets.shown.pageTexts()[1].contains("31"));
    EXPECT_EQ(targets.office_.pageTexts().size(), 2); // printed from the preview

    // No printer: the file is offered instead.
    targets.hasOffice = false;
    t.dialogs.answer(BoxAnswer::Yes);
    targets.made.clear();
    panel.overHoursList(targets, PrintPanel::ListTarget::Office);
    EXPECT_EQ(targets.made.value(1), "時間外・休日労働が月70時間を超えた者の一覧 2007年3月");
}

TEST_F(OverHoursFixture, APreviewDrawnAgainAsksOnce) {
    targets.previewDraws = 3;
    targets.shown.widthMm = 190; // narrow: the run asks whether to go on
    t.dialogs.answer(BoxAnswer::Yes);
    panel.overHoursList(targets, PrintPanel::ListTarget::Preview);
    EXPECT_EQ(t.dialogs.boxes().size(), 1);
    EXPECT_EQ(targets.shown.count("endDocument"), 3);
}
