// Preparing 999 cards into an empty card month folder, against writing the
// same bytes with plain writes in the same run. Prints the ratio; and against
// the same plain writes with the change history's bytes of the preparation
// appended and everything flushed once, the least a preparation that records
// every value first and that a power cut cannot undo takes.
#include "BenchStandIns.h"
#include "RatioRuns.h"
#include "data/CardPreparation.h"
#include "data/History.h"
#include "data/RecordFile.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/ProgramEnd.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    // On the disk the program's data lives on, not a memory file system.
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/prepare-bench-XXXXXX"));
    LocalFileSystem fs(dir.path());
    const SystemClock clock;
    QuietServices quiet(fs, clock);

    CalcSettings s;
    s[CalcSettings::PeriodKind] = QStringLiteral("20sime");
    s[CalcSettings::YearStyle] = QStringLiteral("seireki");
    records::write(fs, QLatin1String(kSettingsFile), s.toList());
    Roster roster;
    for (int i = 0; i < Roster::kSlots; ++i)
        roster[i] = {QString::number(i + 1), QStringLiteral("従業員　") + QString::number(i + 1),
                     QStringLiteral("月給"), QString()};
    records::write(fs, QLatin1String(kRosterFile), roster.toList());

    constexpr int kRuns = 7;
    std::vector<double> prepared, plain, flushed, recorded;
    const QString historyPath = dir.filePath(QLatin1String(history::kFileName));
    for (int run = 0; run < kRuns; ++run) {
        const qint64 historyBefore = QFileInfo(historyPath).size();
        CardPreparation prep(quiet.services);
        prep.open();
        prep.leaveYear(QString::number(2001 + run));
        prep.leaveMonth(QStringLiteral("3"));
        QElapsedTimer t;
        t.start();
        const int made = prep.prepare();
        prepared.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        if (made != Roster::kSlots || quiet.end.ended()) {
            std::fprintf(stderr, "preparation made %d cards\n", made);
            return 1;
        }

        QFile historyFile(historyPath);
        if (!historyFile.open(QIODevice::ReadOnly) || !historyFile.seek(historyBefore))
            return 1;
        const QByteArray historyBytes = historyFile.readAll();
        const QString folder = QString::number(2001 + run) + QStringLiteral("年3月");
        std::vector<QByteArray> bytes;
        for (int i = 0; i < Roster::kSlots; ++i)
            bytes.push_back(fs.readFile(cardfile::path(folder, roster[i].code)).bytes);
        const QString plainFolder = dir.filePath(QStringLiteral("plain%1").arg(run));
        // The same bytes as plain files of a new folder.
        const auto writeCards = [&](const QString &to) {
            QDir().mkdir(to);
            for (int i = 0; i < Roster::kSlots; ++i) {
                QFile f(to + QLatin1Char('/') + cardfile::fileName(roster[i].code));
                if (!f.open(QIODevice::WriteOnly) || f.write(bytes[static_cast<size_t>(i)]) < 0)
                    return false;
            }
            return true;
        };
        // Everything written flushed to the disk once, as the preparation
        // flushes its cards.
        const auto flush = [](const QString &folder) {
            const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
            const bool ok = fd >= 0 && ::syncfs(fd) == 0;
            if (fd >= 0)
                ::close(fd);
            return ok;
        };
        t.restart();
        if (!writeCards(plainFolder))
            return 1;
        plain.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        // The floor of a preparation that a power cut cannot undo.
        if (!flush(plainFolder))
            return 1;
        flushed.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        // The preparation's history group appended to a file of its own
        // before the cards, synced, then the cards as above.
        const QString plainHistory = dir.filePath(QStringLiteral("plainhistory%1").arg(run));
        const QString recordedFolder = dir.filePath(QStringLiteral("recorded%1").arg(run));
        t.restart();
        const int hfd = ::open(QFile::encodeName(plainHistory).constData(),
                               O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (hfd < 0 ||
            ::write(hfd, historyBytes.constData(), size_t(historyBytes.size())) !=
                historyBytes.size() ||
            ::fdatasync(hfd) != 0)
            return 1;
        ::close(hfd);
        if (!writeCards(recordedFolder) || !flush(recordedFolder))
            return 1;
        recorded.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        if (run == 0)
            std::printf("history of one preparation: %lld bytes\n",
                        static_cast<long long>(historyBytes.size()));
    }
    // The machine's load moves both numbers; the ratio of each run's pair is
    // steadier than the ratio of the medians.
    bench::RatioRuns ratios, flushedRatios, recordedRatios;
    for (size_t i = 0; i < prepared.size(); ++i) {
        ratios.add(prepared[i], plain[i]);
        flushedRatios.add(prepared[i], flushed[i]);
        recordedRatios.add(prepared[i], recorded[i]);
    }
    std::printf("prepare 999 cards: %.1f ms (median of %d runs)\n", bench::median(prepared), kRuns);
    std::printf("plain writes of the same bytes: %.1f ms\n", bench::median(plain));
    std::printf("the same plain writes and one flush: %.1f ms\n", bench::median(flushed));
    ratios.print("prepare / plain writes", "<= 1.5");
    std::printf("the history's bytes appended and synced first, then as above: %.1f ms\n",
                bench::median(recorded));
    flushedRatios.print("prepare / plain writes and one flush");
    recordedRatios.print("prepare / history appended and synced, plain writes, one flush");
    return 0;
}
