// Rack rebuild over a card month of 999 cards against plain reads of the first
// 32 values of the same files, and one set -> punch -> return cycle.
#include "BenchMonth.h"
#include "BenchStandIns.h"
#include "RatioRuns.h"
#include "data/CalcSettings.h"
#include "data/CardTable.h"
#include "data/RecordFile.h"
#include "data/Roster.h"
#include "punchclock/RecorderScreen.h"
#include "screen/Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kCards = bench::kEmployees;

// The plain way: list the folder, read the head of each file with POSIX calls
// and count its first 32 lines, without decoding them.
qsizetype plainReads(const QString &folder) {
    qsizetype total = 0;
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("*.Card")}, QDir::Files, QDir::Name);
    for (const QString &n : names) {
        const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + n);
        const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        char buf[4096];
        const ssize_t got = ::read(fd, buf, sizeof buf);
        ::close(fd);
        int lines = 0;
        for (ssize_t i = 0; i < got && lines < 32; ++i) {
            if (buf[i] == '\n')
                ++lines;
            ++total;
        }
    }
    return total;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    {
        LocalFileSystem disk(dir.path());
        if (!bench::prepareMonth(disk, 11)) {
            std::fprintf(stderr, "cannot prepare the data folder\n");
            return 1;
        }
    }

    LocalFileSystem fs(dir.path());
    const StillClock clock(QDateTime(QDate(2009, 5, 12), QTime(9, 0, 0)));
    QuietServices quiet(fs, clock);
    RecorderScreen screen(quiet.services);
    if (!screen.open()) {
        std::fprintf(stderr, "load failed\n");
        return 1;
    }
    screen.tick();

    const int rounds = 9;
    std::vector<double> rack, plain;
    bench::RatioRuns ratios;
    qsizetype sink = 0;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        screen.activated();
        rack.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        t.restart();
        sink += plainReads(dir.filePath(QStringLiteral("2009年5月")));
        plain.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        ratios.add(rack.back(), plain.back());
    }
    if (screen.rack().lines().size() != kCards) {
        std::fprintf(stderr, "rack has %lld lines\n",
                     static_cast<long long>(screen.rack().lines().size()));
        return 1;
    }
    std::printf("rack rebuild, %d cards: %.2f ms (median of %d)\n", kCards, bench::median(rack),
                rounds);
    std::printf("plain reads of 32 values: %.2f ms (%lld bytes)\n", bench::median(plain),
                static_cast<long long>(sink / rounds));
    ratios.print("rack rebuild / plain reads", "<= 1.3");

    std::vector<double> cycle;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        screen.rackClicked(i * 100);
        screen.chooseKind(0);
        screen.press();
        const bool ok = screen.returnCard();
        cycle.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        if (!ok || quiet.dialogs.shown != 0) {
            std::fprintf(stderr, "cycle failed\n");
            return 1;
        }
    }
    std::printf("set -> punch -> return: %.2f ms (median of %d)\n", bench::median(cycle), rounds);
    return 0;
}
