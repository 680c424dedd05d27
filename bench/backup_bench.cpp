// Backing up 12 card months of 999 cards each into an empty backup folder,
// against `cp -r` of the same month folders in the same run. The read-back
// check after the backup is timed on its own. Prints the ratios.
#include "RatioRuns.h"
#include "data/CardPreparation.h"
#include "data/DateRules.h"
#include "data/RecordFile.h"
#include "maintenance/BackupCopy.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

namespace {

constexpr int kMonths = 12;
constexpr int kCards = 999;
constexpr int kRuns = 7;

double msSince(const QElapsedTimer &t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// A month of cards with a clock-in and a clock-out on most days, as a card
// looks at the end of its month.
void makeMonth(FileSystem &fs, const QString &folder, int month) {
    CalcSettings s;
    s[CalcSettings::PeriodKind] = QStringLiteral("getumatusime");
    const daterules::PayPeriod period = daterules::payPeriod({2008, month}, s);
    fs.makeFolder(folder);
    QList<std::pair<QString, QByteArray>> files;
    for (int i = 1; i <= kCards; ++i) {
        const Employee e{QString::number(i), QStringLiteral("従業員　") + QString::number(i),
                         QStringLiteral("月給"), QString()};
        CardTable card = newCard(period, e);
        for (int r = 0; r < 22; ++r) {
            card.at(r, CardField::Weekday) = QStringLiteral("月");
            card.at(r, CardField::ClockIn) = QStringLiteral("8:5%1").arg(r % 10);
            card.at(r, CardField::ClockOut) = QStringLiteral("17:%1").arg(10 + r);
        }
        files.append({cardfile::fileName(e.code), records::format(card.toList())});
    }
    fs.replaceFiles(folder, files);
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    // On the disk the program's data lives on, not a memory file system.
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/backup-bench-XXXXXX"));
    const QString data = dir.filePath(QStringLiteral("data"));
    QDir().mkpath(data);
    LocalFileSystem fs(data);
    QStringList months;
    for (int m = 1; m <= kMonths; ++m) {
        months.append(QStringLiteral("2008年%1月").arg(m));
        makeMonth(fs, months.last(), m);
    }

    std::vector<double> ours, checks, copies;
    bench::RatioRuns ratios, withCheck;
    for (int run = 0; run < kRuns; ++run) {
        const QString target = dir.filePath(QStringLiteral("backup%1").arg(run));
        const QString plain = dir.filePath(QStringLiteral("plain%1").arg(run));
        QDir().mkpath(target);
        QDir().mkpath(plain);

        // The disk is shared: which of the two goes first changes from run to run.
        auto plainCopy = [&]() -> bool {
            QStringList args{QStringLiteral("-r")};
            for (const QString &m : months)
                args.append(fs.resolve(m));
            args.append(plain);
            QElapsedTimer t;
            t.start();
            if (QProcess::execute(QStringLiteral("cp"), args) != 0)
                return false;
            copies.push_back(msSince(t));
            return true;
        };
        if (run % 2 == 1 && !plainCopy())
            return 1;
        QElapsedTimer t;
        t.start();
        backupcopy::Report report;
        report.months = backupcopy::copyMonths(fs, QString(), target, months, false);
        ours.push_back(msSince(t));
        if (report.wholeMonths() != kMonths) {
            std::fprintf(stderr, "backup copied %d months whole\n", report.wholeMonths());
            return 1;
        }

        t.restart();
        int differing = 0;
        for (const backupcopy::MonthResult &m : report.months)
            differing += static_cast<int>(
                monthfolders::verifyMonth(fs, m.month, target + QLatin1Char('/') + m.month,
                                          m.copy.written)
                    .size());
        checks.push_back(msSince(t));
        if (differing != 0) {
            std::fprintf(stderr, "%d files read back differently\n", differing);
            return 1;
        }

        if (run % 2 == 0 && !plainCopy())
            return 1;
        ratios.add(ours.back(), copies.back());
        withCheck.add(ours.back() + checks.back(), copies.back());
    }
    std::printf("backup of %d months x %d cards: %.0f ms (median of %d runs; synced to the "
                "disk)\n",
                kMonths, kCards, bench::median(ours), kRuns);
    std::printf("read-back check of the same files: %.0f ms\n", bench::median(checks));
    std::printf("cp -r of the same folders: %.0f ms (no flush)\n", bench::median(copies));
    ratios.print("backup / cp -r", "<= 1.5");
    withCheck.print("backup with the read-back check / cp -r");
    return 0;
}
