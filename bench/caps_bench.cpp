// The overtime caps over twelve generated card months of 999 confirmed cards:
// choosing the month (every employee's twelve cards read once) against a
// plain read of the same files, and choosing it again in the same tally
// (nothing read again) against the staff list alone.
#include "BenchStandIns.h"
#include "RatioRuns.h"
#include "data/CardTable.h"
#include "screen/Services.h"
#include "tally/CapsMonitor.h"
#include "tally/StaffLists.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

namespace {

constexpr int kCards = 999;

CardTable confirmedCard(int code, int month) {
    CardTable t = preparedCard(code);
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        t.at(r, CardField::ClockIn) = QStringLiteral("8:55");
        t.at(r, CardField::ClockOut) = QStringLiteral("19:10");
        t.at(r, CardField::Work) = QStringLiteral("9:15");
        t.at(r, CardField::CertBeyond) =
            QStringLiteral("1:%1").arg((code + month + r) % 60, 2, 10, QLatin1Char('0'));
    }
    t.at(31, CardField::DaysWorked) = QStringLiteral("31");
    t.at(31, CardField::Work) = QStringLiteral("286:45");
    t.at(31, CardField::CertBeyond) = QStringLiteral("%1:00").arg(30 + (code * month) % 40);
    t.at(31, CardField::CertHoliday) = QStringLiteral("%1:30").arg((code + month) % 30);
    return t;
}

double ms(qint64 ns) {
    return double(ns) / 1e6;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    LocalFileSystem fs(dir.path());
    QStringList folders;
    for (int m = 12; m >= 1; --m) {
        const QString folder = QStringLiteral("2007年%1月").arg(m);
        folders.append(folder);
        fs.makeFolder(folder);
        for (int code = 1; code <= kCards; ++code)
            if (cardfile::write(fs, folder, QString::number(code), confirmedCard(code, m)) !=
                FileError::None) {
                std::fprintf(stderr, "cannot write card %d\n", code);
                return 1;
            }
    }
    const StillClock clock(QDateTime(QDate(2007, 12, 31), QTime(17, 0, 0)));
    QuietServices quiet(fs, clock);

    // Each run reads the twelve months plainly and then through a new tally, so
    // both sides of a run's ratio meet the same load.
    constexpr int kRuns = 5;
    std::vector<double> plainMs, listMs, firstMs, againMs;
    bench::RatioRuns first, again;
    qint64 bytes = 0;
    int flagged = 0, reads = 0;
    QElapsedTimer timer;
    for (int run = 0; run < kRuns; ++run) {
        timer.start();
        bytes = 0;
        for (const QString &folder : folders)
            for (int code = 1; code <= kCards; ++code)
                bytes += fs.readFile(cardfile::path(folder, QString::number(code))).bytes.size();
        const qint64 plainNs = timer.nsecsElapsed();

        StaffLists lists(quiet.services);
        lists.fillMonths();
        timer.restart();
        lists.chooseMonth(folders[0]);
        const qint64 listNs = timer.nsecsElapsed();

        CapsMonitor caps(quiet.services);
        caps.load();
        timer.restart();
        caps.chooseMonth(folders[0], lists.months(), lists.entries());
        const qint64 firstNs = timer.nsecsElapsed();
        timer.restart();
        caps.chooseMonth(folders[0], lists.months(), lists.entries());
        const qint64 againNs = timer.nsecsElapsed();
        flagged = 0;
        for (const EmployeeLine &e : lists.entries())
            flagged += caps.flagged(e.code) ? 1 : 0;
        reads = caps.months().reads();

        plainMs.push_back(ms(plainNs));
        listMs.push_back(ms(listNs));
        firstMs.push_back(ms(firstNs));
        againMs.push_back(ms(againNs));
        first.add(double(firstNs), double(plainNs));
        again.add(double(againNs), double(listNs));
    }

    std::printf("months: 12, cards a month: %d, read: %d, flagged: %d, messages: %d, bytes: %lld\n",
                kCards, reads, flagged, quiet.dialogs.shown, bytes);
    std::printf("plain read of the 12 months:      %8.1f ms\n", bench::median(plainMs));
    std::printf("staff list of the month:          %8.1f ms\n", bench::median(listMs));
    std::printf("caps, first time in the tally:    %8.1f ms\n", bench::median(firstMs));
    std::printf("caps, the month chosen again:     %8.1f ms\n", bench::median(againMs));
    first.print("caps first time / plain read of the 12 months");
    again.print("caps chosen again / the staff list alone");
    return 0;
}
