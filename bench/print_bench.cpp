// Prints the work record sheets of a generated 999-employee month to a PDF
// file through the print run, and sets the time against a plain PDF writer
// that draws the same lines and texts from the same cards; then one sheet.

#include "BenchStandIns.h"
#include "RatioRuns.h"
#include "data/CardTable.h"
#include "data/RecordFile.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/ui/PdfFilePrinter.h"
#include "printing/PrintRun.h"
#include "printing/WorkRecordSheet.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

const QString kMonth = QStringLiteral("2007年3月");
constexpr double kF = 720.0 / 254.0;

QString hm(int minutes) {
    return QString::number(minutes / 60) + QLatin1Char(':') +
           QString::number(minutes % 60).rightJustified(2, QLatin1Char('0'));
}

CardTable tallied(int code) {
    CardTable t;
    static const QString days = QStringLiteral("日月火水木金土");
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        t.at(r, CardField::Day) = QString::number(r + 1);
        t.at(r, CardField::Code) = QString::number(code);
        t.at(r, CardField::Name) = QStringLiteral("従業員") + QString::number(code);
        t.at(r, CardField::PayType) = QStringLiteral("月給");
        if ((r + code) % 7 < 2)
            continue;
        t.at(r, CardField::Weekday) = days.mid((r + code) % 7, 1);
        t.at(r, CardField::ClockIn) = hm(8 * 60 + 45 + (r * 7 + code) % 20);
        t.at(r, CardField::BreakOut) = QStringLiteral("12:00");
        t.at(r, CardField::BreakReturn) = QStringLiteral("13:00");
        t.at(r, CardField::ClockOut) = hm(17 * 60 + 30 + (r * 13 + code) % 90);
        t.at(r, CardField::Work) = hm(8 * 60 + (r % 4) * 15);
        if (r % 9 == 0)
            t.at(r, CardField::CertBeyond) = hm(60 + r);
    }
    const int t31 = CardTable::kTotalsRow;
    t.at(t31, CardField::DaysWorked) = QStringLiteral("22");
    t.at(t31, CardField::Work) = QStringLiteral("176:30");
    t.at(t31, CardField::CertBeyond) = QStringLiteral("12:15");
    return t;
}

// The sheet drawn straight with a painter: the same lines and texts, no
// printer seam, no error handling, no run.
struct PlainSheet {
    QPainter &p;
    double dots; // device pixels per point
    double ascentGothic, ascentMincho;

    QPointF at(double xPt, double yPt) const { return {xPt * dots, yPt * dots}; }
    void line(double x1, double y1, double x2, double y2) {
        p.drawLine(at(x1 * kF, y1 * kF), at(x2 * kF, y2 * kF));
    }
    void text(const QString &t, double x, double y, double ascent) {
        if (!t.isEmpty())
            p.drawText(at(std::nearbyint(x * kF), std::nearbyint(y * kF)) + QPointF(0, ascent), t);
    }
    void draw(const CardTable &c, const QFont &gothic, const QFont &mincho, const QPen &frame,
              const QPen &rule) {
        p.setPen(frame);
        p.drawRect(QRectF(at(20 * kF, 30 * kF), at(201.5 * kF, 272 * kF)));
        p.setPen(rule);
        line(20, 35, 201.5, 35);
        line(49, 40, 79, 40);
        line(126.5, 40, 171.5, 40);
        line(20, 45, 201.5, 45);
        for (int i = 0; i < 32; ++i)
            line(20, 46 + 7 * i, 201.5, 46 + 7 * i);
        line(20, 264, 201.5, 264);
        const double vs[][3] = {{27, 46, 263},    {33.5, 35, 263},  {34, 35, 263},
                                {49, 35, 263},    {64, 40, 263},    {79, 35, 263},
                                {94, 35, 272},    {94.5, 35, 272},  {111, 35, 272},
                                {126, 30, 272},   {126.5, 30, 272}, {141.5, 40, 272},
                                {156.5, 40, 272}, {171.5, 35, 272}, {186.5, 35, 272}};
        for (const auto &v : vs)
            line(v[0], v[1], v[0], v[2]);
        p.setPen(Qt::black);
        p.setFont(gothic);
        text(QStringLiteral("勤務実績表"), 25, 24, ascentGothic);
        p.setFont(mincho);
        const std::tuple<const char16_t *, double, double> fixed[] = {
            {u"ケ ル ベ ー ン の 記 録 及 び 集 計", 38, 31},
            {u"日(曜)", 23, 38.5},
            {u"出  勤", 36, 38.5},
            {u"休     憩", 57, 36},
            {u"出", 54.5, 41},
            {u"戻", 69.5, 41},
            {u"退  勤", 81, 38.5},
            {u"勤\u3000務", 97.5, 37},
            {u"時間数", 97.5, 41},
            {u"左のうち", 112, 37},
            {u"深\u3000\u3000夜", 112, 41},
            {u"認\u3000  定  \u3000時\u3000  間\u3000  数", 142, 31},
            {u"所 定 勤 務 時 間 外", 132, 36},
            {u"(法内)", 129, 41},
            {u"残\u3000業", 143.5, 41},
            {u"休\u3000日", 158.5, 41},
            {u"深\u3000夜", 173.5, 38.5},
            {u"遅\u3000刻", 188.5, 37},
            {u"早\u3000退", 188.5, 41},
            {u"合\u3000計（出勤日数", 35, 266.5},
            {u"日)", 73, 266.5}};
        for (const auto &[t, x, y] : fixed)
            text(QString::fromUtf16(t), x, y, ascentMincho);
        text(QStringLiteral("( ") + kMonth + QStringLiteral(" ) "), 57, 24.5, ascentMincho);
        text(QStringLiteral("氏名： ") + c.at(0, CardField::Name), 83, 24.5, ascentMincho);
        text(QStringLiteral("【月間の合計勤務時間数は 15分単位、切捨て方式で処理しています】"), 25,
             273.5, ascentMincho);
        const double xs[] = {38, 53, 68, 83, 98.5, 114, 130.5, 145.5, 160.5, 175.5, 190.5};
        for (int a = 0; a < 31; ++a) {
            text(c.at(a, CardField::Day), 22, 48 + 7 * a, ascentMincho);
            text(c.at(a, CardField::Weekday), 28.75, 48 + 7 * a, ascentMincho);
            for (int f = 2; f <= 12; ++f)
                if (!c.at(a, f).isEmpty())
                    text(WorkRecordSheet::rightAligned(c.at(a, f), 5), xs[f - 2], 48 + 7 * a,
                         ascentMincho);
        }
        text(WorkRecordSheet::rightAligned(c.at(31, 5), 2), 68, 266.5, ascentMincho);
        const double ts[] = {96.5, 113, 128.5, 143.5, 158.5, 173.5, 188.5};
        for (int f = 6; f <= 12; ++f)
            text(WorkRecordSheet::rightAligned(c.at(31, f), 6), ts[f - 6], 266.5, ascentMincho);
    }
};

double plainRun(FileSystem &fs, int cards, const QString &path) {
    QElapsedTimer timer;
    timer.start();
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    QPdfWriter writer(&file);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter p(&writer);
    const double dots = writer.resolution() / 72.0;
    QFont gothic(QStringLiteral("ＭＳ ゴシック"));
    gothic.setPointSizeF(12);
    QFont mincho(QStringLiteral("ＭＳ 明朝"));
    mincho.setPointSizeF(9);
    PlainSheet sheet{p, dots, QFontMetricsF(gothic, &writer).ascent(),
                     QFontMetricsF(mincho, &writer).ascent()};
    const QPen frame(Qt::black, 5 * writer.resolution() / 600.0);
    const QPen rule(Qt::black, 2 * writer.resolution() / 600.0);
    for (int i = 1; i <= cards; ++i) {
        if (i > 1)
            writer.newPage();
        sheet.draw(cardfile::read(fs, kMonth, QString::number(i)).table, gothic, mincho, frame,
                   rule);
    }
    p.end();
    file.close();
    return timer.nsecsElapsed() / 1e9;
}

double programRun(Services &s, int cards, const QString &path, int *pages) {
    QElapsedTimer timer;
    timer.start();
    PrintJob job;
    job.monthFolder = kMonth;
    job.settings[CalcSettings::MonthlyPunchUnit + 1] = QStringLiteral("15");
    job.settings[CalcSettings::MonthlyPunchUnit + 2] = QStringLiteral("切捨て");
    for (int i = 1; i <= cards; ++i)
        job.staff.append({QString::number(i), QStringLiteral("従業員") + QString::number(i), true});
    PrintSettings settings{PrintSettings::kAll, {}, {}, QStringLiteral("1")};
    PdfFilePrinter printer(path, QStringLiteral("勤務実績表"));
    *pages = PrintRun(s, printer).insatu(job, settings).pages;
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtPrinter::mapSheetFaces();
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    LocalFileSystem fs(dir.path());
    fs.makeFolder(kMonth);
    constexpr int kCards = 999;
    QList<std::pair<QString, QByteArray>> files;
    for (int i = 1; i <= kCards; ++i)
        files.append(
            {cardfile::fileName(QString::number(i)), records::format(tallied(i).toList())});
    if (fs.replaceFiles(kMonth, files) != FileError::None)
        return 1;
    const SystemClock clock;
    QuietServices quiet(fs, clock);

    int pages = 0;
    // One warm-up sheet each, so font loading is not counted.
    plainRun(fs, 1, dir.filePath(QStringLiteral("warm.pdf")));
    programRun(quiet.services, 1, dir.filePath(QStringLiteral("warm2.pdf")), &pages);

    // Each run draws with both, one after the other, so the machine's load of
    // the moment weighs on both sides of that run's ratio.
    constexpr int kOneRuns = 9, kAllRuns = 3;
    std::vector<double> oneMs, plainOneMs, allS, plainAllS;
    bench::RatioRuns one, all;
    for (int run = 0; run < kOneRuns; ++run) {
        plainOneMs.push_back(plainRun(fs, 1, dir.filePath(QStringLiteral("plain1.pdf"))) * 1e3);
        oneMs.push_back(
            programRun(quiet.services, 1, dir.filePath(QStringLiteral("one.pdf")), &pages) * 1e3);
        one.add(oneMs.back(), plainOneMs.back());
    }
    for (int run = 0; run < kAllRuns; ++run) {
        plainAllS.push_back(plainRun(fs, kCards, dir.filePath(QStringLiteral("plain.pdf"))));
        allS.push_back(
            programRun(quiet.services, kCards, dir.filePath(QStringLiteral("all.pdf")), &pages));
        all.add(allS.back(), plainAllS.back());
    }

    // The program's file is synced to the disk before it replaces the old one.
    std::printf("one sheet to PDF:        %8.1f ms (plain writer %6.1f ms)\n", bench::median(oneMs),
                bench::median(plainOneMs));
    std::printf("%d sheets to PDF:       %8.2f s  (plain writer %6.2f s)\n", pages,
                bench::median(allS), bench::median(plainAllS));
    one.print("one sheet / plain writer");
    all.print("999 sheets / plain writer", "<= 1.5 and < 30 s");
    std::printf("PDF sizes: %lld bytes, plain %lld bytes; boxes met: %d\n",
                static_cast<long long>(QFile(dir.filePath(QStringLiteral("all.pdf"))).size()),
                static_cast<long long>(QFile(dir.filePath(QStringLiteral("plain.pdf"))).size()),
                quiet.dialogs.shown);
    return pages == kCards ? 0 : 1;
}
