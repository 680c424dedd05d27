#include "PrintFixture.h"
#include "support/Printers.h"

namespace {

const QString kPrinterError = "印刷の中止、またはプリンターのエラーです";
const QString kNoInfo =
    "プリンターの情報を正しく受け取れません。プリンターの設定を確認してください。";
const QString kNarrow =
    "使用するプリンターの印刷可能範囲が狭いため、正常に印刷されないことがあります。"
    "よろしいですか？";

struct Stopper : PrintProgress {
    int stopAt = -1;
    QStringList seen;
    bool finished = false;
    bool next(int done, int total, const QString &who) override {
        seen << QString("%1/%2 %3").arg(done).arg(total).arg(who);
        return done != stopAt;
    }
    void finish() override { finished = true; }
};

} // namespace

TEST(PrintSelection, MarkedEntriesInTheRange) {
    const QList<EmployeeLine> staff{{"1", "一", true},  {"5", "五", false},  {"5", "五'", true},
                                    {"10", "十", true}, {"003", "三", true}, {"abc", "英", true}};
    const struct {
        const char *mode, *from, *to;
        QStringList codes;
    } cases[] = {
        {"zenin", "", "", {"1", "5", "10", "003", "abc"}},
        {"zenin", "5", "5", {"1", "5", "10", "003", "abc"}},
        {"sitei", "5", "5", {"5"}},
        {"sitei", "10", "3", {}},
        {"sitei", "1", "", {}},
        {"sitei", "0", "3", {"1", "003", "abc"}},
        {"sitei", "2", "999", {"5", "10", "003"}},
        {"", "", "", {}},
    };
    for (const auto &c : cases) {
        PrintSettings s{c.mode, c.from, c.to, "1"};
        QStringList codes;
        for (const PrintEmployee &e : PrintRun::select(staff, s))
            codes << e.code;
        EXPECT_EQ(codes, c.codes) << c.mode << " " << c.from << "-" << c.to;
    }
    EXPECT_EQ(PrintRun::select(staff, {}).first().name, "一");
}

TEST_F(PrintFixture, TwoEmployeesThreeCopiesInListOrder) {
    settings.copies = "3";
    printer.caps[2] = 124; // offsets of 124 and 236 pixels of 4960 x 7016
    printer.caps[3] = 236;
    const PrintRun::Result r = run();
    EXPECT_EQ(r.end, PrintRun::End::Done);
    EXPECT_EQ(r.employees, 2);
    EXPECT_EQ(r.pages, 6);
    EXPECT_EQ(pageNames(), QStringList({"山田太郎", "山田太郎", "山田太郎", "鈴木花子", "鈴木花子",
                                        "鈴木花子"}));
    EXPECT_EQ(printer.count("newPage"), 5);
    EXPECT_EQ(printer.count("endDocument"), 1);
    EXPECT_EQ(printer.log().last(), "endDocument");
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());

    // Page setup, the checks, then points for the sheets.
    EXPECT_EQ(printer.log().mid(0, 10),
              QStringList({"setPaperSize 9.00", "setScaleUnit 6.00", "deviceCaps 110.00",
                           "deviceCaps 111.00", "deviceCaps 112.00", "deviceCaps 113.00",
                           "printableWidth", "paperSize", "setScaleUnit 2.00",
                           "setScaleOrigin 0.00 0.00"}));
    // Every page opens with the empty text at (10, 10) mm, shifted by the offsets.
    const double offX = 124.0 / 4960 * 210 * 720 / 254, offY = 236.0 / 7016 * 297 * 720 / 254;
    EXPECT_EQ(printer.log().mid(10, 4),
              QStringList({"setFontFace \"ＭＳ ゴシック\"", "setFontSize 12.00",
                           "setPosition " + QString::number(28 - offX, 'f', 2) + " " +
                               QString::number(28 - offY, 'f', 2),
                           "print \"\""}));
}

TEST_F(PrintFixture, EmptyCopiesBecomeOneAndNobodySelectedPrintsNothing) {
    settings.copies = "";
    EXPECT_EQ(run().pages, 2);
    EXPECT_EQ(settings.copies, "1");

    printer.clear();
    settings = {"sitei", "10", "3", "2"};
    const PrintRun::Result r = run();
    EXPECT_EQ(r.pages, 0);
    EXPECT_EQ(printer.count("endDocument"), 1); // the empty document is ended too
    EXPECT_EQ(printer.count("print"), 0);
}

TEST_F(PrintFixture, NarrowPrintableAreaAsksFirst) {
    const struct {
        double width;
        BoxAnswer answer;
        bool asked;
        int pages;
    } cases[] = {{195, BoxAnswer::No, true, 0},
                 {195, BoxAnswer::Yes, true, 2},
                 {195.1, BoxAnswer::No, false, 2},
                 {180, BoxAnswer::Yes, true, 2}};
    for (const auto &c : cases) {
        RecordingPrinter p;
        p.widthMm = c.width;
        t.dialogs.clear();
        if (c.asked)
            t.dialogs.answer(c.answer);
        const PrintRun::Result r = PrintRun(t.services, p).insatu(job, settings);
        EXPECT_EQ(r.pages, c.pages) << c.width;
        EXPECT_EQ(!t.dialogs.boxes().isEmpty(), c.asked) << c.width;
        if (c.asked) {
            EXPECT_EQ(t.dialogs.boxes()[0].text, kNarrow);
            EXPECT_EQ(t.dialogs.boxes()[0].buttons, BoxButtons::YesNo);
        }
        EXPECT_EQ(p.count("endDocument"), c.pages ? 1 : 0);
    }
}

TEST_F(PrintFixture, PaperOtherThanA4EndsTheRun) {
    printer.keepsPaper = true;
    printer.paper = 1;
    EXPECT_EQ(run().end, PrintRun::End::Declined);
    ASSERT_EQ(t.dialogs.boxes().size(), 1);
    EXPECT_EQ(t.dialogs.boxes()[0].title, "用紙サイズ不正");
    EXPECT_EQ(t.dialogs.boxes()[0].text, "プリンターの「用紙サイズ」をＡ４に設定してください。");
    EXPECT_EQ(printer.count("print"), 0);
}

TEST_F(PrintFixture, ErrorsByNumber) {
    const QString t501 = "エラー番号 = T-501\rエラー原因 = ";
    const struct {
        const char *op;
        int nth, error;
        PrintRun::End end;
        QString message; // the start of the only box
        int pages;
    } cases[] = {
        {"newPage", 1, 482, PrintRun::End::Aborted, kPrinterError, 1},
        {"line", 40, 484, PrintRun::End::Aborted, kNoInfo, 0},
        {"printableWidth", 1, 482, PrintRun::End::Aborted, kPrinterError, 0},
        {"endDocument", 1, 482, PrintRun::End::Aborted, kPrinterError, 2},
        {"line", 1, 483, PrintRun::End::Done, "", 2},
        {"print", 3, 62, PrintRun::End::Done, "", 2},
        {"setScaleOrigin", 1, 5, PrintRun::End::Done, "", 2},
        {"paperSize", 1, 483, PrintRun::End::Done, "", 2},
        {"setPosition", 5, 57, PrintRun::End::Ended,
         "Ｉ／Ｏエラーです。ガイドブックをご覧ください。プログラムを終了します", 0},
        {"line", 1, 61, PrintRun::End::Ended,
         "デイスクにスペースがありません。プログラムを終了します", 0},
        {"rectangle", 1, 7, PrintRun::End::Ended, t501, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.op) + " " + std::to_string(c.error));
        RecordingPrinter p;
        p.failOn(c.op, c.nth, c.error);
        t.dialogs.clear();
        t.programEnd.calls = 0;
        const PrintRun::Result r = PrintRun(t.services, p).insatu(job, settings);
        EXPECT_EQ(r.end, c.end);
        EXPECT_EQ(r.pages, c.pages);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(t.dialogs.boxes().isEmpty());
            EXPECT_EQ(p.count("endDocument"), 1);
        } else {
            ASSERT_EQ(t.dialogs.boxes().size(), 1);
            EXPECT_TRUE(t.dialogs.boxes()[0].text.startsWith(c.message));
            EXPECT_EQ(p.count("abortDocument"), 1);
        }
        EXPECT_EQ(t.programEnd.ended(), c.end == PrintRun::End::Ended);
    }
}

TEST_F(PrintFixture, AnUnreadableCardCostsOnlyItsOwnSheet) {
    job.staff.append({"7", "欠番一郎", true});
    job.staff.append({"8", "空白三郎", true});
    t.put(kMonth + "/8.Card", QByteArray()); // there, but empty
    // A short card prints what it holds: row 0 and the name.
    t.put(kMonth + "/12.Card", records::format(QStringList(14, "") << "鈴木花子"));
    settings.copies = "2";
    const PrintRun::Result r = run();
    EXPECT_EQ(r.end, PrintRun::End::Done);
    EXPECT_EQ(r.pages, 4);
    EXPECT_EQ(pageNames(), QStringList({"山田太郎", "山田太郎", "鈴木花子", "鈴木花子"}));
    EXPECT_EQ(r.unreadable, QStringList({"7　欠番一郎", "8　空白三郎"}));
    ASSERT_EQ(t.dialogs.boxes().size(), 1);
    EXPECT_EQ(t.dialogs.boxes()[0].title, "お知らせ");
    EXPECT_TRUE(t.dialogs.boxes()[0].text.startsWith("2名分の勤務実績表を印刷しました。"));
    EXPECT_TRUE(t.dialogs.boxes()[0].text.endsWith("　7　欠番一郎\n　8　空白三郎"));
    EXPECT_FALSE(t.programEnd.ended());
}

TEST_F(PrintFixture, ADeviceErrorOnACardEndsTheProgram) {
    t.fs.failOn(FaultyFileSystem::Op::Read, 2, FileError::DeviceIO);
    EXPECT_EQ(run().end, PrintRun::End::Ended);
    EXPECT_TRUE(t.programEnd.ended());
    EXPECT_EQ(printer.count("abortDocument"), 1);
}

TEST_F(PrintFixture, StoppedBetweenEmployeesDropsTheJob) {
    Stopper progress;
    progress.stopAt = 1;
    const PrintRun::Result r = PrintRun(t.services, printer).insatu(job, settings, &progress);
    EXPECT_EQ(r.end, PrintRun::End::Cancelled);
    EXPECT_EQ(progress.seen, QStringList({"0/2 1　山田太郎", "1/2 12　鈴木花子"}));
    EXPECT_TRUE(progress.finished);
    EXPECT_EQ(printer.count("abortDocument"), 1);
    EXPECT_EQ(printer.count("endDocument"), 0);
}
