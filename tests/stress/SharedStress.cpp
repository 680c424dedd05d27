// Several PCs on one data folder, all at once: four punch clocks punch into
// the cards of 50 employees at random (two of them often on one card at the
// same moment), one tally confirms cards while they are punched, one appends
// additional punches, and a fifth punch clock is killed with SIGKILL while it
// holds a card's lock and the history's. At the end every punch is in its
// card, the history is one unbroken chain whose records, replayed in order,
// give every card's punches, and no temporary file is left.
//
//   kelvane_shared_stress [punches per punch clock]
//                         (or KELVANE_SHARED_PUNCHES; 100 by default)
//
// Each punch clock owns one punch kind (clock-in .. clock-out) on days 1-26 of
// every card, the additional punch days 27-29 and the killed one days 30-31,
// so that no punch is refused as taken and each one's last time per day is
// known; the collisions are of cards, which is where a stale copy would lose a
// punch. Exits non-zero on any punch missing, a punch that failed, a broken
// chain, a replay that differs from a card, a lock left held or a temporary
// file left behind.

#include "data/CalcSettings.h"
#include "data/CardUpdate.h"
#include "data/HistoryAudit.h"
#include "platform/FileSystem.h"
#include "platform/SettingsStore.h"
#include "stress/TempFiles.h"
#include "tally/TallyEngine.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kMonth = QStringLiteral("2009年5月");
constexpr int kCards = 50;
constexpr int kPunchClocks = 4;
constexpr int kPunchDays = 26;    // days 1-26: the punch clocks'
constexpr int kAddedFirst = 26;   // days 27-29: the additional punches'
constexpr int kKilledFirst = 29;  // days 30-31: the killed punch clock's
constexpr int kTries = 20;        // of one punch refused for a lock held too long
constexpr int kLockWaitMs = 3000; // the wait of a lock held by another program

QString codeOf(int card) {
    return QString::number(card + 1);
}

CardTable emptyCard(int card) {
    CardTable t;
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        t.at(r, CardField::Day) = QString::number(r + 1);
        t.at(r, CardField::Code) = codeOf(card);
        t.at(r, CardField::Name) = QStringLiteral("従業員") + codeOf(card);
        t.at(r, CardField::PayType) = QStringLiteral("時給");
    }
    return t;
}

// The n-th time a punch clock punches, as the card holds it.
QString timeOf(int n) {
    return QStringLiteral("%1:%2").arg((n / 60) % 24).arg(n % 60, 2, 10, QLatin1Char('0'));
}

// One punch as a terminal makes it.
struct Punch {
    int card;
    int row;
    int field;
    QString time;
};

// The punches of a terminal, the same in the child that makes them and in the
// parent that checks them: first is its first day row, days how many it owns,
// field its punch kind (-1: any kind).
QList<Punch> punchesOf(unsigned seed, int count, int first, int days, int field) {
    std::mt19937 random(seed);
    QList<Punch> list;
    for (int n = 0; n < count; ++n) {
        const int card = static_cast<int>(random() % kCards);
        const int row = first + static_cast<int>(random() % unsigned(days));
        const int kind = field >= 0 ? field : CardField::ClockIn + static_cast<int>(random() % 4);
        list.append({card, row, kind, timeOf(n + 1)});
    }
    return list;
}

struct Terminal {
    const char *name;
    QLatin1String function;
    unsigned seed;
    int first;
    int days;
    int field;
};

QList<Terminal> terminals() {
    QList<Terminal> list;
    for (int p = 0; p < kPunchClocks; ++p)
        list.append({"punch clock", history::word::dakoku, 11u + unsigned(p), 0, kPunchDays,
                     CardField::ClockIn + p});
    list.append({"additional punch", history::word::tuika, 29u, kAddedFirst, 3, -1});
    return list;
}

// What a punch clock does: reads the card, puts the time in and writes it
// under the card's lock onto the card as it is then. A lock held too long is
// tried again, as the employee would press again.
bool punch(history::Book book, QLatin1String function, const Punch &p) {
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const cardfile::Read read = cardfile::read(book.fs, kMonth, codeOf(p.card));
        if (!read.ok()) {
            std::fprintf(stderr, "card %d unreadable\n", p.card + 1);
            return false;
        }
        CardTable mine = read.table;
        mine.at(p.row, p.field) = p.time;
        const cardupdate::Punched done = cardupdate::putPunches(
            book, function, kMonth, codeOf(p.card), read.table, mine,
            function == history::word::tuika ? QStringLiteral("打ち忘れ") : QString());
        if (done.ok() && done.clashes.isEmpty())
            return true;
        if (!done.clashes.isEmpty() || !cardupdate::mayRetry(done.saved.error)) {
            std::fprintf(stderr, "punch on card %d day %d not written (%d)\n", p.card + 1,
                         p.row + 1, errorNumber(done.saved.error));
            return false;
        }
    }
    std::fprintf(stderr, "punch on card %d day %d: locked %d times\n", p.card + 1, p.row + 1,
                 kTries);
    return false;
}

int runTerminal(const QString &root, const Terminal &t, int count) {
    LocalFileSystem fs(root);
    fs.setLockWait(kLockWaitMs);
    const SystemClock clock;
    MemorySettingsStore store; // each PC's own
    for (const Punch &p : punchesOf(t.seed, count, t.first, t.days, t.field))
        if (!punch({fs, clock, store}, t.function, p))
            return 1;
    return 0;
}

// The tally: confirms card after card until told to stop. A card punched
// since it was read is read again, tallied again and confirmed again, never
// written from the old copy.
int runTally(const QString &root, const QString &stopFile) {
    LocalFileSystem fs(root);
    fs.setLockWait(kLockWaitMs);
    const SystemClock clock;
    MemorySettingsStore store;
    const CalcSettings settings;
    int confirmed = 0, again = 0;
    for (int card = 0; !QFile::exists(stopFile) || card % kCards != 0; ++card) {
        cardfile::Read read = cardfile::read(fs, kMonth, codeOf(card % kCards));
        for (int attempt = 0; read.ok() && attempt < kTries; ++attempt) {
            CardTable mine = read.table;
            tally::jidousyuukei(mine, settings);
            tally::keisan(mine);
            const cardupdate::Stored s =
                cardupdate::storeIfUnchanged({fs, clock, store}, history::word::kakutei, kMonth,
                                             codeOf(card % kCards), read.table, mine, {});
            if (s.ok()) {
                ++confirmed;
                // A person confirms a card now and then, not in a tight loop.
                ::usleep(2000);
                break;
            }
            if (!s.changedMeanwhile && !cardupdate::mayRetry(s.saved.error)) {
                std::fprintf(stderr, "confirm of card %d failed (%d)\n", card % kCards + 1,
                             errorNumber(s.saved.error));
                return 1;
            }
            if (s.changedMeanwhile) {
                ++again;
                read.table = s.now;
            }
        }
    }
    std::printf("tally: %d confirms, %d asked again after a punch meanwhile\n", confirmed, again);
    return 0;
}

// The terminal that is killed: punches until its pipe tells it to hold a
// card's lock and the history's, says so and waits there for its end.
[[noreturn]] void runKilled(const QString &root, int toldFd, int holdingFd) {
    LocalFileSystem fs(root);
    fs.setLockWait(kLockWaitMs);
    const SystemClock clock;
    MemorySettingsStore store;
    const QList<Punch> punches =
        punchesOf(97u, 100000, kKilledFirst, CardTable::kDayRows - kKilledFirst, -1);
    char c = 0;
    for (int n = 0; ::read(toldFd, &c, 1) != 1; ++n)
        (void)punch({fs, clock, store}, history::word::dakoku, punches[n]);
    const cardupdate::Locks held = cardupdate::lock(fs, kMonth, codeOf(0));
    c = held.error() == FileError::None ? 'y' : 'n';
    (void)::write(holdingFd, &c, 1);
    for (;;)
        ::pause();
}

pid_t start(const std::function<int()> &child) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0)
        std::_Exit(child());
    if (pid < 0) {
        std::perror("fork");
        std::exit(2);
    }
    return pid;
}

bool exitedWell(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

int main(int argc, char **argv) {
    int count = 100;
    if (const char *env = std::getenv("KELVANE_SHARED_PUNCHES"))
        count = std::atoi(env);
    if (argc > 1)
        count = std::atoi(argv[1]);
    QTemporaryDir dir;
    const QString root = dir.path();
    LocalFileSystem fs(root);
    QDir(root).mkpath(kMonth);
    for (int card = 0; card < kCards; ++card)
        (void)cardfile::write(fs, kMonth, codeOf(card), emptyCard(card));
    const QString stopFile = dir.filePath(QStringLiteral("stop"));

    QElapsedTimer timer;
    timer.start();
    int tell[2], holding[2];
    if (::pipe(tell) != 0 || ::pipe(holding) != 0 || ::fcntl(tell[0], F_SETFL, O_NONBLOCK) != 0)
        return 2;
    const pid_t killed = start([&] {
        runKilled(root, tell[0], holding[1]);
        return 1;
    });
    QList<pid_t> running;
    for (const Terminal &t : terminals())
        running.append(start([&] { return runTerminal(root, t, count); }));
    const pid_t tallying = start([&] { return runTally(root, stopFile); });

    // In the middle of it all the killed terminal holds its locks; the others
    // wait for them until it is gone.
    ::usleep(300000);
    char c = 'k';
    (void)::write(tell[1], &c, 1);
    const bool held = ::read(holding[0], &c, 1) == 1 && c == 'y';
    ::usleep(200000);
    ::kill(killed, SIGKILL);
    (void)exitedWell(killed);
    fs.setLockWait(kLockWaitMs);
    const bool broken = cardupdate::lock(fs, kMonth, codeOf(0)).error() == FileError::None;
    std::printf("killed terminal: held the locks %s, taken by another after its end %s\n",
                held ? "yes" : "no", broken ? "yes" : "no");

    int failed = 0;
    for (pid_t pid : running)
        failed += !exitedWell(pid);
    QFile(stopFile).open(QIODevice::WriteOnly);
    failed += !exitedWell(tallying);
    const qint64 ms = timer.elapsed();

    // Every terminal's last time of each day and kind is on the card.
    int missing = 0;
    QHash<QString, QString> expected; // "card row field" -> time
    for (const Terminal &t : terminals())
        for (const Punch &p : punchesOf(t.seed, count, t.first, t.days, t.field))
            expected[QStringLiteral("%1 %2 %3").arg(p.card).arg(p.row).arg(p.field)] = p.time;
    for (auto [key, time] : expected.asKeyValueRange()) {
        const QStringList k = key.split(QLatin1Char(' '));
        const CardTable card = cardfile::read(fs, kMonth, codeOf(k[0].toInt())).table;
        if (card.at(k[1].toInt(), k[2].toInt()) != time && ++missing <= 5)
            std::fprintf(stderr, "card %d day %d: %s, punched %s\n", k[0].toInt() + 1,
                         k[1].toInt() + 1, qPrintable(card.at(k[1].toInt(), k[2].toInt())),
                         qPrintable(time));
    }
    // The history replayed against every card: each value accounted for.
    MemorySettingsStore store;
    const history::Audit audit = history::audit(fs, store);
    const history::CheckResult &chain = audit.chain;
    const int differs = static_cast<int>(audit.findings.size());
    for (const QString &line : history::auditLines(audit).mid(0, 8))
        if (differs > 0)
            std::fprintf(stderr, "%s\n", qPrintable(line));
    const QStringList temps = tempsIn(root);
    for (const QString &t : temps)
        std::fprintf(stderr, "temporary file left: %s\n", qPrintable(t));

    std::printf("%d punch clocks x %d punches, %d additional punches, on %d cards in %lld ms: "
                "terminals failed %d, punches missing %d, history lines %lld (%s), replay "
                "differences %d, temporary files left %lld\n",
                kPunchClocks, count, count, kCards, static_cast<long long>(ms), failed, missing,
                static_cast<long long>(chain.lines),
                chain.intact() && chain.unfinished == 0 ? "one chain" : "broken", differs,
                static_cast<long long>(temps.size()));
    const bool ok = held && broken && failed == 0 && missing == 0 && chain.intact() &&
                    chain.unfinished == 0 && differs == 0 && !audit.unexplained() &&
                    temps.isEmpty();
    std::printf("%s\n", ok ? "passed" : "FAILED");
    return ok ? 0 : 1;
}
