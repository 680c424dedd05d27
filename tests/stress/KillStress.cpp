// Saves killed at random moments. A child process saves one kind of file in a
// loop, alternating two complete contents; the parent kills it with SIGKILL
// after a random delay, then checks that the file is byte for byte one of the
// two contents and that the start-up cleaning leaves no temporary file. Then
// the change history, added to by groups: after each kill it checks intact and
// holds whole groups only. Then a restore with its safety copy: after each
// kill every card is whole, and every card the restore replaced is kept,
// byte for byte, in the safety folder. Then punches: after each kill the
// history and the card agree, or the history names the punch that was not
// made.
//
//   kelvane_stress [kills per kind]   (or KELVANE_STRESS_KILLS; 300 by default)
//
// Prints one line per kind and "N passed, N failed" at the end; exits non-zero
// on any torn file or temporary file left behind.

#include "data/CalcSettings.h"
#include "data/CardTable.h"
#include "data/HistoryAudit.h"
#include "data/MonthFolders.h"
#include "data/RecordFile.h"
#include "data/Roster.h"
#include "data/SafetyFolder.h"
#include "platform/FileSystem.h"
#include "platform/SafeSave.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kMonth = QStringLiteral("2009年5月");
constexpr int kMonthCards = 5;

QStringList rosterValues(const QString &mark) {
    Roster r;
    for (int i = 0; i < Roster::kSlots; i += 3)
        r[i] = {QString::number(i + 1),
                QStringLiteral("従業員") + mark + QString::number(i),
                QStringLiteral("月給"),
                {}};
    return r.toList();
}

CardTable cardOf(const QString &code, const QString &mark) {
    CardTable t;
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        t.at(r, CardField::Day) = QString::number(r + 1);
        t.at(r, CardField::ClockIn) =
            mark.size() > 1 ? QStringLiteral("8:%1").arg(r + 10) : QString();
        t.at(r, CardField::Code) = code;
        t.at(r, CardField::Name) = QStringLiteral("山田　") + mark;
        t.at(r, CardField::PayType) = QStringLiteral("時給");
    }
    return t;
}

QStringList settingsValues(const QString &mark) {
    CalcSettings s;
    s[CalcSettings::YearStyle] = QStringLiteral("seireki");
    s[CalcSettings::PeriodKind] = mark.size() > 1 ? QStringLiteral("20sime") : QString();
    s[CalcSettings::DayChangeHour] = mark;
    return s.toList();
}

// One kind of save: the files it writes and their two complete contents.
struct Kind {
    const char *name;
    QStringList files;                                // below the data folder
    QList<QByteArray> first, second;                  // per file
    std::function<void(LocalFileSystem &, int)> save; // content 0 or 1
};

QList<Kind> kinds() {
    QList<Kind> list;
    list.append({"card",
                 {kMonth + QStringLiteral("/1.Card")},
                 {records::format(cardOf(QStringLiteral("1"), QStringLiteral("a")).toList())},
                 {records::format(cardOf(QStringLiteral("1"), QStringLiteral("bb")).toList())},
                 [](LocalFileSystem &fs, int n) {
                     (void)cardfile::write(fs, kMonth, QStringLiteral("1"),
                                           cardOf(QStringLiteral("1"),
                                                  n ? QStringLiteral("bb") : QStringLiteral("a")));
                 }});
    list.append({"roster",
                 {QLatin1String(kRosterFile)},
                 {records::format(rosterValues(QStringLiteral("a")))},
                 {records::format(rosterValues(QStringLiteral("bb")))},
                 [](LocalFileSystem &fs, int n) {
                     (void)records::write(
                         fs, QLatin1String(kRosterFile),
                         rosterValues(n ? QStringLiteral("bb") : QStringLiteral("a")));
                 }});
    list.append({"settings",
                 {QLatin1String(kSettingsFile)},
                 {records::format(settingsValues(QStringLiteral("a")))},
                 {records::format(settingsValues(QStringLiteral("bb")))},
                 [](LocalFileSystem &fs, int n) {
                     (void)records::write(
                         fs, QLatin1String(kSettingsFile),
                         settingsValues(n ? QStringLiteral("bb") : QStringLiteral("a")));
                 }});
    // A month restored from one of two backups, as a batch of cards.
    Kind month{"month copy", {}, {}, {}, [](LocalFileSystem &fs, int n) {
                   (void)monthfolders::copyMonth(
                       fs, (n ? QStringLiteral("backup-b/") : QStringLiteral("backup-a/")) + kMonth,
                       kMonth);
               }};
    for (int c = 1; c <= kMonthCards; ++c) {
        const QString code = QString::number(c);
        month.files.append(kMonth + QLatin1Char('/') + code + QStringLiteral(".Card"));
        month.first.append(records::format(cardOf(code, QStringLiteral("a")).toList()));
        month.second.append(records::format(cardOf(code, QStringLiteral("bb")).toList()));
    }
    list.append(month);
    return list;
}

QByteArray contents(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Names left by an interrupted save anywhere in the data folder or its
// month folders; any name with the marker counts, not only the exact pattern.
QStringList tempsIn(const QString &root) {
    QStringList found;
    const QDir top(root);
    QStringList folders{QString()};
    for (const QString &sub : top.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        folders.append(sub);
    for (const QString &folder : folders) {
        const QDir dir(top.filePath(folder));
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
            if (name.contains(QLatin1String(kTempMarker)))
                found.append(dir.filePath(name));
    }
    return found;
}

struct Figures {
    int kills = 0;
    int torn = 0;
    int tempsCleaned = 0;
    int tempsLeft = 0;
    int first = 0, second = 0; // kills after which the files held either content
};

// Runs child in a process of its own and kills it with SIGKILL after a
// random delay of less than windowUs microseconds.
void killAtRandom(const std::function<void()> &child, qint64 windowUs) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        child();
        std::_Exit(0);
    }
    if (pid < 0) {
        std::perror("fork");
        std::exit(2);
    }
    ::usleep(static_cast<useconds_t>(QRandomGenerator::global()->bounded(windowUs)));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
}

// The save loop of the child: never returns.
[[noreturn]] void saveForever(const Kind &kind, const QString &root) {
    LocalFileSystem fs(root);
    for (int n = 1;; n ^= 1)
        kind.save(fs, n);
}

Figures run(const Kind &kind, int kills) {
    Figures f;
    QTemporaryDir dir;
    const QString root = dir.path();
    LocalFileSystem fs(root);
    QDir(root).mkpath(kMonth);
    QDir(root).mkpath(QStringLiteral("backup-a/") + kMonth);
    QDir(root).mkpath(QStringLiteral("backup-b/") + kMonth);
    if (QLatin1String(kind.name) == QLatin1String("month copy")) {
        for (int c = 0; c < kind.files.size(); ++c) {
            const QString name = QFileInfo(kind.files[c]).fileName();
            (void)fs.replaceFile(QStringLiteral("backup-a/") + kMonth + QLatin1Char('/') + name,
                                 kind.first[c]);
            (void)fs.replaceFile(QStringLiteral("backup-b/") + kMonth + QLatin1Char('/') + name,
                                 kind.second[c]);
        }
    }
    // One save measured, so the kills fall anywhere within a few saves.
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 5; ++i)
        kind.save(fs, 0);
    const qint64 window = std::max<qint64>(200, timer.nsecsElapsed() / 1000 / 5 * 3);

    for (int k = 0; k < kills; ++k) {
        killAtRandom([&] { saveForever(kind, root); }, window);
        ++f.kills;

        bool allFirst = true, allSecond = true;
        for (int c = 0; c < kind.files.size(); ++c) {
            const QByteArray now = contents(fs.resolve(kind.files[c]));
            const bool isFirst = now == kind.first[c];
            const bool isSecond = now == kind.second[c];
            allFirst = allFirst && isFirst;
            allSecond = allSecond && isSecond;
            if (!isFirst && !isSecond) {
                ++f.torn;
                std::fprintf(stderr, "torn: %s after kill %d (%lld bytes)\n",
                             qPrintable(kind.files[c]), k, static_cast<long long>(now.size()));
            }
        }
        f.first += allFirst;
        f.second += allSecond;
        // What start-up does: the leftovers of the killed save go.
        f.tempsCleaned += removeStaleTemps(root);
        f.tempsLeft += static_cast<int>(tempsIn(root).size());
    }
    return f;
}

// The change history: a child adds groups of records in a loop and is
// killed; afterwards the history must check intact (an unfinished group cut
// off) and hold whole groups only.
constexpr int kGroup = 300; // records of a group: a write large enough to be cut

class StillClock : public Clock {
public:
    QDateTime now() const override { return QDateTime(QDate(2009, 5, 12), QTime(9, 0)); }
};

[[noreturn]] void appendForever(const QString &root) {
    LocalFileSystem fs(root);
    const StillClock clock;
    MemorySettingsStore store;
    QList<history::Entry> group;
    for (int i = 0; i < kGroup; ++i)
        group.append({kMonth,
                      QString::number(i),
                      i % 31,
                      QString::number(i % 31 + 1),
                      2,
                      {},
                      QStringLiteral("9:%1").arg(i % 60, 2, 10, QLatin1Char('0'))});
    for (;;)
        (void)history::record({fs, clock, store}, history::word::seiri, group);
}

Figures runHistory(int kills) {
    Figures f;
    QTemporaryDir dir;
    const QString root = dir.path();
    LocalFileSystem fs(root);
    const QString file = fs.resolve(QLatin1String(history::kFileName));
    for (int k = 0; k < kills; ++k) {
        // Kept small enough to check quickly.
        if (QFileInfo(file).size() > (8 << 20))
            QFile::remove(file);
        killAtRandom([&] { appendForever(root); }, 20000);
        ++f.kills;
        const history::CheckResult r = history::check(fs);
        f.tempsCleaned += r.unfinished > 0; // here: unfinished groups found
        // Killed before its first group was written: no history yet is whole too.
        const bool whole = r.intact() || (r.error == FileError::NotFound && r.lines == 0);
        if (!whole || (r.lines - r.unfinished) % kGroup != 0) {
            ++f.torn;
            std::fprintf(stderr, "history after kill %d: %s\n", k,
                         qPrintable(history::checkText(r)));
        }
        f.first += r.unfinished == 0;
    }
    return f;
}

// Punches killed: a child punches and confirms one card in a loop (the
// history first, then the card); after each kill the whole check must find every value of the card
// as the history's last record for it says, or name that record's change as
// not made.
[[noreturn]] void punchForever(const QString &root) {
    LocalFileSystem fs(root);
    const StillClock clock;
    MemorySettingsStore store;
    for (int n = 0;; ++n) {
        const cardfile::Read now = cardfile::read(fs, kMonth, QStringLiteral("1"));
        CardTable next = now.table;
        const int row = n % CardTable::kDayRows;
        // Every fourth write a confirm: the day's time, its certified hours and
        // the month's days worked.
        const bool confirm = n % 4 == 3;
        if (confirm) {
            next.at(row, CardField::Work) = QStringLiteral("%1:00").arg(n % 9);
            next.at(row, CardField::CertBeyond) = QStringLiteral("0:%1").arg(n % 50 + 10);
            next.at(CardTable::kTotalsRow, CardField::DaysWorked) = QString::number(n % 31);
        } else {
            next.at(row, CardField::ClockIn) =
                QStringLiteral("8:%1").arg(n % 60, 2, 10, QLatin1Char('0'));
        }
        if (!confirm && n % 3 == 0)
            next.at(row, CardField::ClockOut) =
                next.at(row, CardField::ClockOut).isEmpty() ? QStringLiteral("17:00") : QString();
        (void)history::saveCard({fs, clock, store},
                                confirm ? history::word::kakutei : history::word::dakoku, kMonth,
                                QStringLiteral("1"), now.table, next);
    }
}

Figures runPunches(int kills) {
    Figures f;
    QTemporaryDir dir;
    const QString root = dir.path();
    LocalFileSystem fs(root);
    QDir(root).mkpath(kMonth);
    (void)cardfile::write(fs, kMonth, QStringLiteral("1"), cardOf(QStringLiteral("1"), {}));
    for (int k = 0; k < kills; ++k) {
        killAtRandom([&] { punchForever(root); }, 20000);
        ++f.kills;
        // The whole check: the chain, and the card replayed from the history.
        MemorySettingsStore store;
        const history::Audit a = history::audit(fs, store);
        if (a.exitCode() != 0) {
            ++f.torn;
            std::fprintf(stderr, "punch after kill %d:\n%s\n", k,
                         qPrintable(history::auditLines(a).join(QLatin1Char('\n'))));
        }
        f.first += !a.chain.notMade.isEmpty(); // here: punches named as not made
        f.tempsCleaned += removeStaleTemps(root);
    }
    return f;
}

// A restore with its safety copy: the child keeps the data folder's cards of
// the month in the safety folder, then restores the month from the backup
// whose content it does not hold, once; the parent kills it at a random moment
// and checks that every card is whole and that each card the restore replaced
// is kept as it was.
void restoreOnce(const QString &root, const QString &backup) {
    LocalFileSystem fs(root);
    const StillClock clock;
    SafetyFolder safety(fs, clock, QStringLiteral("hukugen"));
    if (isSaved(safety.keep(kMonth, monthfolders::cardNames(fs, kMonth))))
        (void)monthfolders::copyMonth(fs, backup + QLatin1Char('/') + kMonth, kMonth);
}

// Every file below a folder, by its path there, with its bytes.
QMap<QString, QByteArray> filesBelow(const QString &root) {
    QMap<QString, QByteArray> files;
    QDir dir(root);
    for (const QFileInfo &e :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (e.isDir())
            for (auto [k, v] : filesBelow(e.filePath()).asKeyValueRange())
                files[e.fileName() + QLatin1Char('/') + k] = v;
        else
            files[e.fileName()] = contents(e.filePath());
    }
    return files;
}

Figures runRestore(const Kind &month, int kills, int &lost) {
    Figures f;
    QTemporaryDir dir;
    const QString root = dir.path();
    LocalFileSystem fs(root);
    for (const char *side : {"backup-a/", "backup-b/"})
        QDir(root).mkpath(QLatin1String(side) + kMonth);
    for (int c = 0; c < month.files.size(); ++c) {
        const QString name = QFileInfo(month.files[c]).fileName();
        (void)fs.replaceFile(month.files[c], month.first[c]);
        (void)fs.replaceFile(QStringLiteral("backup-a/") + kMonth + QLatin1Char('/') + name,
                             month.first[c]);
        (void)fs.replaceFile(QStringLiteral("backup-b/") + kMonth + QLatin1Char('/') + name,
                             month.second[c]);
    }
    const QString safetyRoot = fs.resolve(QLatin1String(SafetyFolder::kName));
    // One restore measured, so the kills fall anywhere within it.
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 5; ++i) {
        restoreOnce(root, QStringLiteral("backup-a"));
        (void)SafetyFolder::empty(fs);
    }
    const qint64 window = std::max<qint64>(200, timer.nsecsElapsed() / 1000 / 5 * 3 / 2);

    for (int k = 0; k < kills; ++k) {
        QList<QByteArray> before;
        for (const QString &file : month.files)
            before.append(contents(fs.resolve(file)));
        const QString backup = before.value(0) == month.first.value(0) ? QStringLiteral("backup-b")
                                                                       : QStringLiteral("backup-a");
        killAtRandom([&] { restoreOnce(root, backup); }, window);
        ++f.kills;

        const QMap<QString, QByteArray> kept = filesBelow(safetyRoot);
        bool allFirst = true, allSecond = true;
        for (int c = 0; c < month.files.size(); ++c) {
            const QString name = QFileInfo(month.files[c]).fileName();
            const QByteArray now = contents(fs.resolve(month.files[c]));
            const bool isFirst = now == month.first[c];
            const bool isSecond = now == month.second[c];
            allFirst = allFirst && isFirst;
            allSecond = allSecond && isSecond;
            if (!isFirst && !isSecond) {
                ++f.torn;
                std::fprintf(stderr, "torn: %s after kill %d\n", qPrintable(name), k);
            }
            // A card replaced must be in the safety folder as it was.
            if (now != before[c]) {
                bool found = false;
                for (auto [path, bytes] : kept.asKeyValueRange())
                    found = found ||
                            (path.endsWith(kMonth + QLatin1Char('/') + name) && bytes == before[c]);
                if (!found) {
                    ++lost;
                    std::fprintf(stderr, "replaced, not kept: %s after kill %d\n", qPrintable(name),
                                 k);
                }
            }
        }
        // What is kept is whole, and nothing of a save is left anywhere.
        for (auto [path, bytes] : kept.asKeyValueRange()) {
            if (path.contains(QLatin1String(kTempMarker))) {
                ++f.tempsLeft;
                std::fprintf(stderr, "temporary file left: %s\n", qPrintable(path));
            } else if (!month.first.contains(bytes) && !month.second.contains(bytes)) {
                ++f.torn;
                std::fprintf(stderr, "torn safety copy: %s after kill %d\n", qPrintable(path), k);
            }
        }
        f.first += allFirst;
        f.second += allSecond;
        f.tempsCleaned += removeStaleTemps(root);
        f.tempsLeft += static_cast<int>(tempsIn(root).size());
        (void)SafetyFolder::empty(fs);
    }
    return f;
}

} // namespace

int main(int argc, char **argv) {
    int kills = 300;
    if (const char *env = std::getenv("KELVANE_STRESS_KILLS"))
        kills = std::atoi(env);
    if (argc > 1)
        kills = std::atoi(argv[1]);
    int passed = 0, failed = 0;
    for (const Kind &kind : kinds()) {
        const Figures f = run(kind, kills);
        const bool ok = f.torn == 0 && f.tempsLeft == 0;
        std::printf("%-10s kills %d, torn files %d, temporary files cleaned %d, left %d; "
                    "content A %d, content B %d, files of both %d\n",
                    kind.name, f.kills, f.torn, f.tempsCleaned, f.tempsLeft, f.first, f.second,
                    f.kills - f.first - f.second);
        ok ? ++passed : ++failed;
    }
    int lost = 0;
    const Figures r = runRestore(kinds().last(), kills, lost);
    std::printf("%-10s kills %d, torn files %d, replaced cards not kept %d, temporary files "
                "cleaned %d, left %d; content A %d, content B %d, files of both %d\n",
                "restore", r.kills, r.torn, lost, r.tempsCleaned, r.tempsLeft, r.first, r.second,
                r.kills - r.first - r.second);
    r.torn == 0 && lost == 0 && r.tempsLeft == 0 ? ++passed : ++failed;
    const Figures h = runHistory(kills);
    std::printf("%-10s kills %d, histories not whole %d, unfinished groups cut off %d\n", "history",
                h.kills, h.torn, h.tempsCleaned);
    h.torn == 0 ? ++passed : ++failed;
    const Figures p = runPunches(kills);
    std::printf("%-10s kills %d, history and card apart %d, punches named as not made %d\n",
                "punch", p.kills, p.torn, p.first);
    p.torn == 0 ? ++passed : ++failed;
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
