// The whole change history check over five years of fifty employees: 60 card
// months prepared, punched and confirmed through the program's own writes
// (some 300 000 records), then "変更履歴の検査" (every line hashed and
// replayed, every card and data file compared) against reading the same
// history line by line and the same cards plainly.
#include "BenchStandIns.h"
#include "data/CalcSettings.h"
#include "data/HistoryAudit.h"
#include "data/HistoryFile.h"
#include "data/RecordFile.h"
#include "data/Roster.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kMonths = 60;
constexpr int kEmployees = 50;

QString monthName(int m) {
    return QStringLiteral("%1年%2月").arg(2003 + m / 12).arg(m % 12 + 1);
}

QString hm(int minutes) {
    return QStringLiteral("%1:%2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// 22 working days: clock-in and clock-out, a break on every other day.
CardTable punched(CardTable t, int code) {
    for (int r = 0; r < 22; ++r) {
        t.at(r, CardField::ClockIn) = hm(8 * 60 + 40 + (code + r) % 20);
        t.at(r, CardField::ClockOut) = hm(17 * 60 + 30 + (code * r) % 50);
        if (r % 2 == 0) {
            t.at(r, CardField::BreakOut) = QStringLiteral("12:00");
            t.at(r, CardField::BreakReturn) = QStringLiteral("13:00");
        }
    }
    return t;
}

CardTable confirmed(CardTable t) {
    int total = 0;
    for (int r = 0; r < 22; ++r) {
        t.at(r, CardField::Work) = hm(8 * 60 + r % 30);
        total += 8 * 60 + r % 30;
        if (r % 4 == 0)
            t.at(r, CardField::CertBeyond) = QStringLiteral("1:00");
    }
    t.at(CardTable::kTotalsRow, CardField::DaysWorked) = QStringLiteral("22");
    t.at(CardTable::kTotalsRow, CardField::Work) = hm(total);
    t.at(CardTable::kTotalsRow, CardField::CertBeyond) = QStringLiteral("6:00");
    return t;
}

// What any reader of the history and the cards does: every line read and its
// values decoded, every card read.
qint64 readPlainly(FileSystem &fs, qint64 &records) {
    QElapsedTimer t;
    t.start();
    history::LineStream stream(fs, QLatin1String(history::kFileName));
    history::LineStream::Line l;
    QStringList values;
    records = 0;
    while (stream.next(l))
        records += records::parseLine(l.text, values) ? 1 : 0;
    for (int m = 0; m < kMonths; ++m)
        for (int code = 1; code <= kEmployees; ++code)
            (void)cardfile::read(fs, monthName(m), QString::number(code));
    (void)records::read(fs, QLatin1String(kSettingsFile), CalcSettings::kCount);
    (void)records::read(fs, QLatin1String(kRosterFile), Roster::kValues);
    return t.nsecsElapsed();
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    // In memory where the system has it: the writes below are many.
    QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                          ? QStringLiteral("/dev/shm/kvbench-XXXXXX")
                          : QDir::tempPath() + QStringLiteral("/kvbench-XXXXXX"));
    LocalFileSystem fs(dir.path());
    StillClock clock(QDateTime(QDate(2008, 1, 31), QTime(18, 0)));
    MemorySettingsStore store;
    const history::Book book(fs, clock, store);

    QStringList settings(CalcSettings::kCount, QString());
    settings[CalcSettings::YearStyle] = QStringLiteral("seireki");
    settings[CalcSettings::PeriodKind] = QStringLiteral("getumatusime");
    (void)history::saveValues(book, history::word::settei, QLatin1String(kSettingsFile),
                              QStringList(CalcSettings::kCount, QString()), settings);
    Roster roster;
    for (int code = 1; code <= kEmployees; ++code)
        roster[code - 1] = {QString::number(code),
                            QStringLiteral("従業員") + QString::number(code),
                            QStringLiteral("月給"),
                            {}};
    (void)history::saveValues(book, history::word::meibo, QLatin1String(kRosterFile),
                              Roster().toList(), roster.toList());
    for (int m = 0; m < kMonths; ++m) {
        const QString month = monthName(m);
        fs.makeFolder(month);
        QList<history::Entry> entries;
        for (int code = 1; code <= kEmployees; ++code)
            entries += history::cardAsItIs(month, QString::number(code), preparedCard(code));
        if (!history::record(book, history::word::junbi, entries).ok())
            return 1;
        for (int code = 1; code <= kEmployees; ++code)
            (void)cardfile::write(fs, month, QString::number(code), preparedCard(code));
        for (int code = 1; code <= kEmployees; ++code) {
            const CardTable a = preparedCard(code), b = punched(a, code), c = confirmed(b);
            if (!history::saveCard(book, history::word::dakoku, month, QString::number(code), a, b)
                     .ok() ||
                !history::saveCard(book, history::word::kakutei, month, QString::number(code), b, c)
                     .ok())
                return 1;
        }
    }

    qint64 records = 0;
    qint64 plain = std::numeric_limits<qint64>::max(), check = plain;
    int exitCode = -1;
    for (int run = 0; run < 3; ++run) {
        plain = std::min(plain, readPlainly(fs, records));
        QElapsedTimer t;
        t.start();
        const history::Audit a = history::audit(fs, store);
        check = std::min(check, t.nsecsElapsed());
        exitCode = a.exitCode();
    }
    const qint64 bytes = QFileInfo(dir.filePath(QLatin1String(history::kFileName))).size();
    std::printf("history: %lld records, %.1f MB; %d card months of %d cards\n",
                static_cast<long long>(records), double(bytes) / 1e6, kMonths, kEmployees);
    std::printf("plain reading of the history and the cards: %.0f ms\n", double(plain) / 1e6);
    std::printf("the whole check (chain, replay, files):     %.0f ms (exit code %d)\n",
                double(check) / 1e6, exitCode);
    std::printf("ratio check / plain reading: %.2f (at most 2 asked)\n",
                double(check) / double(plain));
    return exitCode == 0 ? 0 : 1;
}
