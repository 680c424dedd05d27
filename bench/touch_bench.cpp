// The punch clock over a card month of 999 cards: a card touched on a reader
// until its card shows on the panel, against a click on the employee's rack
// line until the same card shows. The touch comes from another thread, as the
// PC/SC reader's does, so its way through the event queue is counted; each
// card is returned between two rounds, unmeasured.
#include "BenchStandIns.h"
#include "data/CalcSettings.h"
#include "data/CardTable.h"
#include "data/CardTies.h"
#include "data/IcOptions.h"
#include "data/RecordFile.h"
#include "data/Roster.h"
#include "platform/CardReader.h"
#include "punchclock/ui/frmrecoder.h"
#include "screen/ScreenHost.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr int kCards = 999;
constexpr int kRounds = 200;
const QString kMonth = QStringLiteral("2009年5月");

QString idOf(int i) {
    return QStringLiteral("01234567%1").arg(i, 8, 16, QLatin1Char('0')).toUpper();
}

bool prepare(FileSystem &fs) {
    CalcSettings s;
    s[CalcSettings::YearStyle] = QStringLiteral("seireki");
    s[CalcSettings::PeriodKind] = QStringLiteral("getumatusime");
    Roster roster;
    CardTies ties;
    if (fs.makeFolder(kMonth) != FileError::None)
        return false;
    for (int i = 0; i < kCards; ++i) {
        const QString code = QString::number(i + 1);
        const QString name = QStringLiteral("従業員%1").arg(i + 1);
        roster[i] = {code, name, QStringLiteral("月給"), {}};
        ties.tie(idOf(i), code);
        CardTable c;
        for (int r = 0; r < CardTable::kDayRows; ++r) {
            c.at(r, CardField::Day) = QString::number(r + 1);
            c.at(r, CardField::Code) = code;
            c.at(r, CardField::Name) = name;
            c.at(r, CardField::PayType) = QStringLiteral("月給");
        }
        if (cardfile::write(fs, kMonth, code, c) != FileError::None)
            return false;
    }
    return records::write(fs, QLatin1String(kSettingsFile), s.toList()) == FileError::None &&
           records::write(fs, QLatin1String(kRosterFile), roster.toList()) == FileError::None &&
           records::write(fs, QLatin1String(cardties::kFile), ties.toList()) == FileError::None &&
           icoptions::write(fs, {true, false}) == FileError::None;
}

// Returning a card writes nothing: the rounds measure setting it.
class NoWrites : public LocalFileSystem {
public:
    using LocalFileSystem::LocalFileSystem;
    FileError replaceFile(const QString &, const QByteArray &) override { return FileError::None; }
    FileError appendFile(const QString &, const QByteArray &) override { return FileError::None; }
};

class QuietHost : public ScreenHost {
public:
    void setWorkingItemsEnabled(bool) override {}
    void showPunchClock() override {}
    void openScreen(const QString &) override {}
    bool askPin(const QString &) override { return true; }
    void showUsageGuide() override {}
};

// Touches from a thread of its own, as the PC/SC reader's come; the time is
// taken there, when the reader tells the touch.
class ThreadReader : public CardReader {
public:
    ThreadReader() : m_thread([this] { run(); }) {}
    ~ThreadReader() override {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    void start() override {}
    QStringList readers() const override { return {QStringLiteral("bench reader")}; }
    void touch(const QString &id) {
        std::lock_guard lock(m_mutex);
        m_id = id;
        m_wake.notify_all();
    }
    std::chrono::steady_clock::time_point toldAt() const { return m_toldAt.load(); }

private:
    void run() {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return m_stop || !m_id.isEmpty(); });
            if (m_stop)
                return;
            const QString id = std::exchange(m_id, QString());
            m_toldAt = std::chrono::steady_clock::now();
            Q_EMIT touched(id);
        }
    }
    std::mutex m_mutex;
    std::condition_variable m_wake;
    QString m_id;
    bool m_stop = false;
    std::atomic<std::chrono::steady_clock::time_point> m_toldAt{};
    std::thread m_thread;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    LocalFileSystem disk(dir.path());
    if (!dir.isValid() || !prepare(disk)) {
        std::fprintf(stderr, "cannot prepare the data folder\n");
        return 1;
    }
    NoWrites fs(dir.path());
    const StillClock clock(QDateTime(QDate(2009, 5, 12), QTime(8, 50, 0)));
    QuietServices quiet(fs, clock);
    ThreadReader reader;
    quiet.services.cardReader = &reader;
    QuietHost host;
    ScreenContext ctx{quiet.services, host};
    frmrecoder screen(ctx);
    screen.show();
    QApplication::processEvents();
    auto *rack = screen.findChild<QListWidget *>(QStringLiteral("List1"));
    QWidget *panel = screen.findChild<QWidget *>(QStringLiteral("Picture2"));
    if (!rack || !panel || rack->count() != kCards) {
        std::fprintf(stderr, "the rack does not hold the cards\n");
        return 1;
    }
    auto returnCard = [&] {
        // The kind a touch chose is dropped, so no question is asked.
        for (int k = 0; k < kKinds; ++k)
            screen.logic().unchooseKind(k);
        screen.logic().returnCard();
        screen.render();
    };

    std::vector<double> touches, clicks, ratios;
    QElapsedTimer timer;
    for (int round = 0; round < kRounds; ++round) {
        const int i = (round * 37) % kCards;
        // The same employee either way; the line is scrolled into view first.
        rack->scrollToItem(rack->item(i));
        QApplication::processEvents();

        reader.touch(idOf(i));
        while (!panel->isVisible())
            QApplication::processEvents();
        const double touch = double(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                        std::chrono::steady_clock::now() - reader.toldAt())
                                        .count());
        returnCard();

        rack->scrollToItem(rack->item(i));
        QApplication::processEvents();
        const QPoint at = rack->visualItemRect(rack->item(i)).center();
        timer.start();
        QMouseEvent press(QEvent::MouseButtonPress, at, rack->viewport()->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(rack->viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, rack->viewport()->mapToGlobal(at),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(rack->viewport(), &release);
        while (!panel->isVisible())
            QApplication::processEvents();
        const double click = double(timer.nsecsElapsed());
        returnCard();

        touches.push_back(touch);
        clicks.push_back(click);
        ratios.push_back(touch / click);
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("cards: %d, rounds: %d, messages: %d\n", kCards, kRounds, quiet.dialogs.shown);
    std::printf("touch -> card shown: %8.1f us (median)\n", median(touches) / 1000.0);
    std::printf("click -> card shown: %8.1f us (median)\n", median(clicks) / 1000.0);
    std::printf("ratio touch / click: %.2f (median of the rounds' ratios; spread %.2f-%.2f "
                "between the 10th and 90th percentile; goal <= 1.2)\n",
                median(ratios), ratios[ratios.size() / 10], ratios[ratios.size() * 9 / 10]);
    return 0;
}
