#include "printing/PrintPanel.h"
#include "PrintFixture.h"
#include "support/Printers.h"

#include <QFile>

namespace {

struct FakeTargets : PrintTargets {
    RecordingPrinter office_;
    bool hasOffice = true;
    QString chosenPdf = "/tmp/out.pdf";
    QString askedName;
    QStringList files; // path and title of every PDF printer made
    std::unique_ptr<RecordingPrinter> lastFile;
    bool failEnd = false;
    RecordingPrinter previewPrinter;
    QString previewTitle;

    Printer *office() override { return hasOffice ? &office_ : nullptr; }
    QString askPdfFile(const QString &name) override {
        askedName = name;
        return chosenPdf;
    }
    Printer &pdfFile(const QString &path, const QString &title) override {
        files << path << title;
        lastFile = std::make_unique<RecordingPrinter>();
        if (failEnd)
            lastFile->failOn("endDocument", 1, Printer::kPrinterFault);
        return *lastFile;
    }
    bool printFromPreview = false;
    int previewDraws = 1; // a real window draws again whenever it needs the pages
    bool preview(const QString &title, const std::function<void(Printer &)> &draw) override {
        previewTitle = title;
        for (int n = 0; n < previewDraws; ++n)
            draw(previewPrinter);
        return printFromPreview;
    }
    PrintProgress *progress(int) override { return nullptr; }
};

struct PanelFixture : PrintFixture {
    PrintPanel panel{t.services};
    FakeTargets targets;

    void SetUp() override {
        PrintFixture::SetUp();
        panel.open(job.staff, job.monthFolder, job.settings);
    }
    void type(int box, const QString &text) {
        panel.setBox(box, text);
        panel.leaveBox(box);
    }
};

} // namespace

TEST(PrintPanelKeys, DigitsAndTheControlKeysOnly) {
    const struct {
        char16_t c;
        bool kept;
    } cases[] = {{u'0', true}, {u'9', true},  {13, true},     {8, true},     {16, true},
                 {27, false},  {u'a', false}, {u'５', false}, {u'-', false}, {u' ', false}};
    for (const auto &c : cases)
        EXPECT_EQ(PrintPanel::acceptsChar(QChar(c.c)), c.kept) << int(c.c);
}

TEST_F(PanelFixture, RangeIsCheckedBeforeCopies) {
    const struct {
        bool designated;
        const char *from, *copies;
        QStringList messages;
        int pages;
    } cases[] = {
        {true, "", "", {"印刷範囲が未指定です。"}, 0},
        {true, "", "2", {"印刷範囲が未指定です。"}, 0},
        {true, "1", "", {"印刷部数が未入力です。"}, 0},
        {false, "", "", {"印刷部数が未入力です。"}, 0},
        {false, "", "0", {"印刷部数が未入力です。"}, 0},
        {true, "1", "2", {}, 0}, // to-code empty: nobody
        {false, "", "2", {}, 4},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.from) + "/" + c.copies);
        c.designated ? panel.chooseDesignated() : panel.chooseAll();
        type(PrintPanel::FromBox, c.from);
        type(PrintPanel::ToBox, "");
        type(PrintPanel::CopiesBox, c.copies);
        t.dialogs.clear();
        targets.office_.clear();
        panel.print(targets);
        // Sheets that went to the printer are told, with their count.
        if (c.messages.isEmpty() && c.pages > 0) {
            ASSERT_EQ(t.dialogs.texts().size(), 1);
            EXPECT_TRUE(t.dialogs.texts()[0].contains(QString("（%1 枚）").arg(c.pages)));
        } else {
            EXPECT_EQ(t.dialogs.texts(), c.messages);
        }
        for (const auto &b : t.dialogs.boxes())
            EXPECT_EQ(b.title, "お知らせ");
        EXPECT_EQ(targets.office_.count("endDocument"), c.messages.isEmpty() ? 1 : 0);
        EXPECT_EQ(panel.lastRun().pages, c.messages.isEmpty() ? (c.designated ? 0 : 4) : 0);
    }
}

TEST_F(PanelFixture, SettingsOutliveThePanel) {
    panel.chooseDesignated();
    type(PrintPanel::FromBox, "12");
    type(PrintPanel::ToBox, "99");
    type(PrintPanel::CopiesBox, "3");
    panel.close();
    EXPECT_FALSE(panel.visible());
    panel.open(job.staff, job.monthFolder, job.settings);
    EXPECT_EQ(panel.box(PrintPanel::ToBox), "99");
    panel.print(targets);
    EXPECT_EQ(targets.office_.count("newPage"), 2); // 鈴木 only, three copies
    panel.chooseAll();
    panel.chooseDesignated();
    EXPECT_EQ(panel.settings().fromCode, "");
    EXPECT_EQ(panel.settings().copies, "3");
}

TEST_F(PanelFixture, NoPrinterOffersAPdfFile) {
    targets.hasOffice = false;
    type(PrintPanel::CopiesBox, "1");
    t.dialogs.answer(BoxAnswer::No);
    panel.print(targets);
    EXPECT_TRUE(targets.files.isEmpty());
    ASSERT_EQ(t.dialogs.boxes().size(), 1);
    EXPECT_EQ(t.dialogs.boxes()[0].buttons, BoxButtons::YesNo);

    t.dialogs.clear();
    t.dialogs.answer(BoxAnswer::Yes);
    panel.print(targets);
    EXPECT_EQ(targets.askedName, "2007年3月_勤務実績表.pdf");
    EXPECT_EQ(targets.files, QStringList({"/tmp/out.pdf", "勤務実績表 2007年3月"}));
    ASSERT_NE(targets.lastFile, nullptr);
    EXPECT_EQ(targets.lastFile->count("endDocument"), 1);
    EXPECT_EQ(panel.lastRun().pages, 2);
    EXPECT_EQ(t.dialogs.texts().last(), "勤務実績表をＰＤＦファイルに保存しました。\n/tmp/out.pdf");

    // A file that could not be written is said to be missing.
    targets.failEnd = true;
    panel.pdf(targets);
    EXPECT_EQ(t.dialogs.texts().last(), "ＰＤＦファイルは作成していません。\n/tmp/out.pdf");

    panel.setup(targets);
    EXPECT_EQ(t.dialogs.texts().last(), "使用できるプリンターがありません。");
}

TEST_F(PanelFixture, PdfAndPreviewRunTheSameSelection) {
    type(PrintPanel::CopiesBox, "2");
    targets.chosenPdf.clear(); // the user cancels the file dialog
    panel.pdf(targets);
    EXPECT_TRUE(targets.files.isEmpty());

    // Never into the data folder, where a name with "月" would list as a month.
    targets.chosenPdf = t.path("2007年3月_勤務実績表.pdf");
    panel.pdf(targets);
    EXPECT_TRUE(targets.files.isEmpty());
    EXPECT_TRUE(t.dialogs.texts().last().startsWith("データフォルダには保存できません。"));

    panel.preview(targets);
    EXPECT_EQ(targets.previewTitle, "勤務実績表 2007年3月");
    EXPECT_EQ(targets.previewPrinter.count("newPage"), 3);
    EXPECT_EQ(targets.previewPrinter.count("endDocument"), 1);
    EXPECT_EQ(targets.office_.count("endDocument"), 0);
    targets.printFromPreview = true;
    panel.preview(targets);
    EXPECT_EQ(targets.office_.count("newPage"), 3);
    EXPECT_EQ(targets.office_.count("endDocument"), 1);

    panel.chooseDesignated();
    type(PrintPanel::FromBox, "2");
    type(PrintPanel::ToBox, "2"); // 2 carries no mark
    t.dialogs.clear();
    panel.preview(targets);
    panel.pdf(targets);
    EXPECT_EQ(t.dialogs.texts(), QStringList({"印刷する勤務実績表がありません。",
                                              "印刷する勤務実績表がありません。"}));

    panel.setup(targets);
    EXPECT_EQ(targets.office_.count("setupDialog"), 1);
}

TEST_F(PanelFixture, APreviewDrawnAgainAsksAndTellsOnce) {
    type(PrintPanel::CopiesBox, "1");
    QFile::remove(t.path(kMonth + "/12.Card"));
    targets.previewPrinter.widthMm = 190; // narrow: the run asks whether to go on
    targets.previewDraws = 3;
    panel.preview(targets);
    ASSERT_EQ(t.dialogs.boxes().size(), 2);
    EXPECT_EQ(t.dialogs.boxes()[0].buttons, BoxButtons::YesNo);
    EXPECT_TRUE(t.dialogs.texts()[1].contains("12　鈴木花子"));
    EXPECT_EQ(targets.previewPrinter.count("endDocument"), 3); // every drawing went on

    // The next preview is a preview of its own; a No is kept for its drawings.
    t.dialogs.clear();
    t.dialogs.answer(BoxAnswer::No);
    targets.previewPrinter.clear();
    panel.preview(targets);
    EXPECT_EQ(t.dialogs.boxes().size(), 1);
    EXPECT_EQ(targets.previewPrinter.count("endDocument"), 0);
}
