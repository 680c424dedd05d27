// Tallies every card of a generated 999-card month and sets the time per card
// against the time to read the same cards from their files.

#include "RatioRuns.h"
#include "data/CalcSettings.h"
#include "data/CardTable.h"
#include "platform/FileSystem.h"
#include "tally/TallyEngine.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kCards = 999;
const QString kMonth = QStringLiteral("2007年3月");

QString timeText(int h, int m) {
    return QString::number(h) + QLatin1Char(':') +
           QString::number(m).rightJustified(2, QLatin1Char('0'));
}

CardTable generatedCard(int code, std::mt19937 &rng) {
    static const QString payTypes[] = {QStringLiteral("月給"), QStringLiteral("日給"),
                                       QStringLiteral("時給")};
    std::uniform_int_distribution<int> minute(0, 59), jitter(-1, 1), kind(0, 9);
    CardTable t;
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        t.at(r, CardField::Day) = QString::number(r + 1);
        t.at(r, CardField::Code) = QString::number(code);
        t.at(r, CardField::Name) = QStringLiteral("従業員") + QString::number(code);
        t.at(r, CardField::PayType) = payTypes[code % 3];
        const int k = kind(rng);
        if (k < 2)
            continue; // a day off
        const bool night = k == 9;
        const int start = night ? 22 : 8 + jitter(rng);
        t.at(r, CardField::ClockIn) = timeText(start, minute(rng));
        t.at(r, CardField::ClockOut) = timeText((start + 9) % 24, minute(rng));
        if (k >= 5) {
            t.at(r, CardField::BreakOut) = timeText((start + 4) % 24, minute(rng));
            t.at(r, CardField::BreakReturn) = timeText((start + 5) % 24, minute(rng));
        }
        if (k == 8)
            t.at(r, CardField::CertBeyond) = timeText(1, minute(rng));
    }
    return t;
}

} // namespace

int main() {
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder\n");
        return 1;
    }
    LocalFileSystem fs(dir.path());
    if (fs.makeFolder(kMonth) != FileError::None) {
        std::fprintf(stderr, "cannot make the month folder\n");
        return 1;
    }

    std::mt19937 rng(20070301);
    for (int code = 1; code <= kCards; ++code)
        if (cardfile::write(fs, kMonth, QString::number(code), generatedCard(code, rng)) !=
            FileError::None) {
            std::fprintf(stderr, "cannot write card %d\n", code);
            return 1;
        }

    CalcSettings settings;
    for (int row : {4, 7, 10}) {
        settings[row] = QStringLiteral("15");
        settings[row + 1] = QStringLiteral("30");
        settings[row + 2] = QStringLiteral("切上げ切捨て");
    }

    // Each run reads every card and tallies every card, so the machine's load
    // of the moment weighs on both sides of that run's ratio.
    constexpr int kRuns = 7;
    constexpr int kTallyRounds = 3;
    std::vector<CardTable> cards(kCards);
    std::vector<double> readUs, tallyUs;
    bench::RatioRuns ratios;
    qint64 days = 0;
    QElapsedTimer timer;
    for (int run = 0; run < kRuns; ++run) {
        timer.start();
        for (int code = 1; code <= kCards; ++code) {
            cardfile::Read r = cardfile::read(fs, kMonth, QString::number(code));
            if (!r.ok()) {
                std::fprintf(stderr, "cannot read card %d\n", code);
                return 1;
            }
            cards[static_cast<size_t>(code - 1)] = std::move(r.table);
        }
        readUs.push_back(double(timer.nsecsElapsed()) / kCards / 1000.0);

        days = 0;
        timer.restart();
        for (int round = 0; round < kTallyRounds; ++round)
            for (CardTable &card : cards) {
                days += tally::jidousyuukei(card, settings).daysWorked;
                tally::keisan(card);
            }
        tallyUs.push_back(double(timer.nsecsElapsed()) / (kTallyRounds * kCards) / 1000.0);
        ratios.add(tallyUs.back(), readUs.back());
    }

    std::printf("cards: %d, days worked: %lld\n", kCards, days / kTallyRounds);
    std::printf("read per card:  %9.1f us\n", bench::median(readUs));
    std::printf("tally per card: %9.1f us\n", bench::median(tallyUs));
    ratios.print("tally / read");
    return 0;
}
