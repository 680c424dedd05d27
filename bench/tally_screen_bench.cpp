// The tally screen's work over a generated month of 999 cards: opening one
// employee (read, tally, the 15 day lines and the totals drawn) and one box
// left with the certified totals and the card area refreshed, each against a
// plain read of the same card; and opening every card of the month through
// the screen against reading them all. Confirms write for real: the first
// stores a card's tallied values, one of a card opened again changes nothing.
#include "BenchStandIns.h"
#include "RatioRuns.h"
#include "data/CalcSettings.h"
#include "data/CardTable.h"
#include "data/RecordFile.h"
#include "screen/Services.h"
#include "tally/TallyScreen.h"
#include "tally/ui/CertifiedGridWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kCards = 999;
const QString kMonth = QStringLiteral("2007年3月");

QString timeText(int h, int m) {
    return QString::number(h) + QLatin1Char(':') +
           QString::number(m).rightJustified(2, QLatin1Char('0'));
}

CardTable generatedCard(int code) {
    CardTable t = preparedCard(code);
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        if ((r + code) % 7 < 2)
            continue;
        t.at(r, CardField::ClockIn) = timeText(8, (r * 7 + code) % 60);
        t.at(r, CardField::BreakOut) = timeText(12, r % 10);
        t.at(r, CardField::BreakReturn) = timeText(13, r % 10);
        t.at(r, CardField::ClockOut) = timeText(17 + r % 3, (r * 11 + code) % 60);
        if (r % 5 == 0)
            t.at(r, CardField::CertBeyond) = timeText(1, r % 60);
    }
    return t;
}

double perCall(qint64 ns, int n) {
    return double(ns) / n / 1000.0;
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    LocalFileSystem disk(dir.path());
    LocalFileSystem &fs = disk;
    CalcSettings settings;
    settings[CalcSettings::YearStyle] = QStringLiteral("seireki");
    settings[CalcSettings::PeriodKind] = QStringLiteral("getumatusime");
    settings[CalcSettings::MonthlyPunchUnit] = QStringLiteral("15");
    settings[CalcSettings::MonthlyPunchUnit + 1] = QStringLiteral("30");
    settings[CalcSettings::MonthlyPunchUnit + 2] = QStringLiteral("切上げ");
    if (!dir.isValid() ||
        records::write(disk, QLatin1String(kSettingsFile), settings.toList()) != FileError::None ||
        disk.makeFolder(kMonth) != FileError::None) {
        std::fprintf(stderr, "cannot prepare the data folder\n");
        return 1;
    }
    for (int code = 1; code <= kCards; ++code)
        if (cardfile::write(disk, kMonth, QString::number(code), generatedCard(code)) !=
            FileError::None) {
            std::fprintf(stderr, "cannot write card %d\n", code);
            return 1;
        }

    const StillClock clock(QDateTime(QDate(2007, 3, 31), QTime(17, 0, 0)));
    QuietServices quiet(fs, clock);
    CertifiedGridWidget area(nullptr);
    constexpr int kRuns = 5;
    constexpr int kRounds = 100;
    bench::RatioRuns openAll, reopen, leave;
    std::vector<double> readUs, reopenUs, leaveUs, openAllMs;
    int n = 0;
    QElapsedTimer timer;
    for (int run = 0; run < kRuns; ++run) {
        // A new tally each run: every card of the month is opened for the first time.
        TallyScreen screen(quiet.services);
        if (!screen.open())
            return 1;
        screen.chooseMonth(kMonth);
        n = screen.lists().count();

        // Every card of the month opened once through the screen, as a month's
        // tally goes: each confirm stores the tallied values (history first,
        // synced). A plain read of the same card is timed beside each opening,
        // first on every other one, so that what a confirm leaves behind (a
        // processor that waited for the disk) weighs on both sides alike.
        qint64 openNs = 0;
        qint64 readAllNs = 0;
        for (int i = 0; i < n; ++i) {
            const auto plainRead = [&] {
                timer.start();
                (void)cardfile::read(fs, kMonth, QString::number(i + 1));
                readAllNs += timer.nsecsElapsed();
            };
            if (i % 2)
                plainRead();
            timer.start();
            screen.chooseEmployee(i);
            area.render(screen.grid(), -1, true);
            openNs += timer.nsecsElapsed();
            if (i % 2 == 0)
                plainRead();
            screen.kakutei();
        }
        openAll.add(double(openNs), double(readAllNs));
        openAllMs.push_back(double(openNs) / 1e6);

        // One employee opened again and again (marked already).
        qint64 reopenNs = 0;
        for (int r = 0; r < kRounds; ++r) {
            timer.start();
            screen.chooseEmployee(r % n);
            area.render(screen.grid(), -1, true);
            reopenNs += timer.nsecsElapsed();
            screen.kakutei();
        }
        timer.start();
        for (int r = 0; r < kRounds; ++r)
            (void)cardfile::read(fs, kMonth, QString::number(r % n + 1));
        const qint64 readNs = timer.nsecsElapsed();
        reopen.add(double(reopenNs), double(readNs));
        readUs.push_back(perCall(readNs, kRounds));
        reopenUs.push_back(perCall(reopenNs, kRounds));

        // One box left with a new value: keisan and the card area drawn again.
        screen.chooseEmployee(0);
        timer.start();
        for (int r = 0; r < kRounds; ++r) {
            screen.boxEntered(7);
            screen.boxLeft(7, r % 2 ? QStringLiteral("1:30") : QStringLiteral("0:45"));
            area.render(screen.grid(), -1, true);
        }
        const qint64 leaveNs = timer.nsecsElapsed();
        leave.add(double(leaveNs), double(readNs));
        leaveUs.push_back(perCall(leaveNs, kRounds));
        screen.kakutei();
    }

    std::printf("cards: %d, messages: %d\n", n, quiet.dialogs.shown);
    std::printf("read one card:                  %9.1f us\n", bench::median(readUs));
    std::printf("open a marked employee:         %9.1f us\n", bench::median(reopenUs));
    std::printf("leave a box, keisan, refresh:   %9.1f us\n", bench::median(leaveUs));
    std::printf("open all %d for the first time: %9.1f ms\n", n, bench::median(openAllMs));
    reopen.print("open a marked employee / read its card", "<= 1.3");
    leave.print("leave a box / read a card");
    openAll.print("open all for the first time / read them all", "<= 2");
    return 0;
}
