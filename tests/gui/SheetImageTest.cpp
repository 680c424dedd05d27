#include "data/RecordFile.h"
#include "platform/ui/PdfFilePrinter.h"
#include "printing/PrintRun.h"
#include "support/TestServices.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

const QString kMonth = "2007年3月";
const QString kReference = QString(KELVANE_TEST_DATA) + "/printing/sheet.png";
constexpr int kDpi = 100;

// The sheet of the known card of employee 12 as a PDF file.
void printKnownSheet(TestServices &t, const QString &pdf) {
    QDir().mkpath(t.path(kMonth));
    ASSERT_TRUE(QFile::copy(QString(KELVANE_TEST_DATA) + "/printing/" + kMonth + "/12.Card",
                            t.path(kMonth + "/12.Card")));
    PrintJob job;
    job.staff = {{"12", "山田　太郎", true}};
    job.monthFolder = kMonth;
    job.settings[CalcSettings::MonthlyPunchUnit + 1] = "15";
    job.settings[CalcSettings::MonthlyPunchUnit + 2] = "切捨て";
    PrintSettings settings{"zenin", "", "", "1"};
    PdfFilePrinter printer(pdf, "勤務実績表 " + kMonth);
    const PrintRun::Result r = PrintRun(t.services, printer).insatu(job, settings);
    ASSERT_EQ(r.end, PrintRun::End::Done);
    ASSERT_EQ(r.pages, 1);
}

// Share of pixels whose grey differs by more than a quarter of the range.
double differingShare(const QImage &a, const QImage &b) {
    long differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar *la = a.constScanLine(y);
        const uchar *lb = b.constScanLine(y);
        for (int x = 0; x < a.width(); ++x)
            if (std::abs(int(la[x]) - int(lb[x])) > 64)
                ++differing;
    }
    return double(differing) / (double(a.width()) * a.height());
}

} // namespace

TEST(SheetImage, KnownCardLooksLikeTheReference) {
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    ASSERT_FALSE(pdftoppm.isEmpty()) << "pdftoppm (poppler-utils) is needed; scripts/test.sh "
                                        "installs it";
    TestServices t;
    const QString pdf = t.path("sheet.pdf");
    printKnownSheet(t, pdf);
    ASSERT_TRUE(QFile::exists(pdf));

    QProcess render;
    render.start(pdftoppm, {"-r", QString::number(kDpi), "-gray", "-png", "-singlefile", pdf,
                            t.path("sheet")});
    ASSERT_TRUE(render.waitForFinished(30000));
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    // A picture of the sheet for the documentation, when asked for.
    const QString shots = qEnvironmentVariable("KELVANE_SHOT_DIR");
    if (!shots.isEmpty())
        QProcess::execute(pdftoppm,
                          {"-r", "150", "-png", "-singlefile", pdf, shots + "/work-record-sheet"});

    const QImage actual = QImage(t.path("sheet.png")).convertToFormat(QImage::Format_Grayscale8);
    ASSERT_FALSE(actual.isNull());
    if (qEnvironmentVariableIsSet("KELVANE_UPDATE_REFERENCE")) {
        ASSERT_TRUE(actual.save(kReference));
        GTEST_SKIP() << "reference written: " << kReference.toStdString();
    }

    const QImage expected = QImage(kReference).convertToFormat(QImage::Format_Grayscale8);
    ASSERT_EQ(actual.size(), expected.size());
    const double share = differingShare(actual, expected);
    if (share > 0.002) {
        const QString kept = QDir::temp().filePath("kelvane-sheet-actual.png");
        actual.save(kept);
        ADD_FAILURE() << share * 100 << "% of the pixels differ; the sheet drawn is in "
                      << kept.toStdString();
    }
}

TEST(PdfFile, AppearsWholeOrNotAtAll) {
    TestServices t;
    const QString pdf = t.path("out.pdf");
    t.put("out.pdf", "old");
    {
        PdfFilePrinter printer(pdf, "勤務実績表");
        printer.setScaleUnit(Printer::Points);
        EXPECT_EQ(printer.line(0, 0, 100, 100), 0);
        EXPECT_EQ(printer.newPage(), 0);
        EXPECT_EQ(printer.abortDocument(), 0); // a run stopped halfway
        EXPECT_EQ(t.bytes("out.pdf"), "old");
        EXPECT_EQ(QDir(t.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

        EXPECT_EQ(printer.print("勤務実績表"), 0);
        EXPECT_EQ(printer.endDocument(), 0);
    }
    EXPECT_TRUE(t.bytes("out.pdf").startsWith("%PDF"));
    EXPECT_EQ(QDir(t.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}
