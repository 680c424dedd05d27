#include "cups/OwnCups.h"
#include "data/CardTable.h"
#include "platform/ui/CupsPrinter.h"
#include "printing/PrintPanel.h"
#include "printing/ui/QtPrintTargets.h"
#include "support/TestServices.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <cups/cups.h>
#include <gtest/gtest.h>

namespace {

const QString kQueue = "KelvanePDF";
const QString kMonth = "2007年3月";

int activeJobs() {
    cups_job_t *jobs = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, kQueue.toUtf8().constData(), 0,
                               CUPS_WHICHJOBS_ACTIVE);
    cupsFreeJobs(n, jobs);
    return n;
}

// The pages of a PDF file as small grey pictures.
QList<QImage> pages(const QString &file, const QString &folder) {
    QProcess p;
    p.start("pdftoppm", {"-r", "20", "-gray", "-png", file, folder + "/page"});
    p.waitForFinished(20000);
    QList<QImage> images;
    for (const QString &f : QDir(folder).entryList({"page*.png"}, QDir::Files, QDir::Name))
        images << QImage(folder + "/" + f);
    return images;
}

QString pdfinfo(const QString &file) {
    QProcess p;
    p.start("pdfinfo", {file});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

// Two marked employees, three copies, through the print panel, the system's
// default printer and a real print queue: one job of six A4 pages.
TEST(CupsPrint, TwoEmployeesThreeCopiesMakeOneSixPageJob) {
    OwnCups cups;
    QString why;
    if (!cups.start(why))
        GTEST_SKIP() << "no print service of our own can run here: " << why.toStdString();
    // Every use of the print service in this process goes to ours.
    qputenv("CUPS_SERVER", QFile::encodeName(cups.socket()));
    cupsSetServer(QFile::encodeName(cups.socket()).constData());
    ASSERT_TRUE(cups.addPdfQueue(kQueue, why)) << why.toStdString();
    ASSERT_EQ(CupsPrinter::defaultPrinterName(), kQueue);

    TestServices t;
    QDir().mkpath(t.path(kMonth));
    for (const auto &[code, name] : {std::pair{"1", "山田太郎"}, std::pair{"12", "鈴木花子"}}) {
        CardTable c;
        c.at(0, CardField::Name) = name;
        ASSERT_EQ(cardfile::write(t.fs, kMonth, code, c), FileError::None);
    }
    PrintPanel panel(t.services);
    QtPrintTargets targets(nullptr);
    panel.open({{"1", "山田太郎", true}, {"2", "佐藤次郎"}, {"12", "鈴木花子", true}}, kMonth,
               CalcSettings());
    panel.setBox(PrintPanel::CopiesBox, "3");
    panel.leaveBox(PrintPanel::CopiesBox);
    panel.print(targets);
    // Only the notice of what went to which printer.
    ASSERT_EQ(t.dialogs.texts().size(), 1) << t.dialogs.texts().join("\n").toStdString();
    EXPECT_TRUE(t.dialogs.texts()[0].contains(QString("「%1」").arg(kQueue)));
    ASSERT_EQ(panel.lastRun().end, PrintRun::End::Done);
    ASSERT_EQ(panel.lastRun().pages, 6);

    QString pdf;
    const bool done = QTest::qWaitFor(
        [&] {
            const QStringList files = QDir(cups.outFolder()).entryList({"*.pdf"}, QDir::Files);
            if (activeJobs() > 0 || files.isEmpty())
                return false;
            pdf = QDir(cups.outFolder()).filePath(files.first());
            return true;
        },
        60000);
    ASSERT_TRUE(done) << "no PDF from the queue; the service's log:\n" << cups.log().toStdString();
    const QString info = pdfinfo(pdf);
    EXPECT_TRUE(QRegularExpression("Pages:\\s+6\\n").match(info).hasMatch()) << info.toStdString();
    EXPECT_TRUE(info.contains("(A4)")) << info.toStdString();
    EXPECT_EQ(QDir(cups.outFolder()).entryList({"*.pdf"}, QDir::Files).size(), 1);

    // A, A, A, B, B, B: the copies of one employee are the same page.
    const QList<QImage> p = pages(pdf, t.dir.path());
    ASSERT_EQ(p.size(), 6);
    EXPECT_TRUE(p[0] == p[1] && p[1] == p[2]);
    EXPECT_TRUE(p[3] == p[4] && p[4] == p[5]);
    EXPECT_FALSE(p[2] == p[3]);
}
