// The punch clock over a card month of 999 cards: a card touched on a reader
// until its card shows on the panel, against a click on the employee's rack
// line until the same card shows. The touch comes from another thread, as the
// PC/SC reader's does, so its way through the event queue is counted; each
// card is returned between two rounds, unmeasured.
#include "BenchMonth.h"
#include "BenchStandIns.h"
#include "RatioRuns.h"
#include "data/CardTies.h"
#include "data/IcOptions.h"
#include "data/RecordFile.h"
#include "platform/CardReader.h"
#include "punchclock/ui/frmrecoder.h"
#include "screen/ScreenHost.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr int kCards = bench::kEmployees;
constexpr int kRounds = 200;

QString idOf(int i) {
    return QStringLiteral("01234567%1").arg(i, 8, 16, QLatin1Char('0')).toUpper();
}

// The month of the other punch-clock benchmarks, every employee with a card
// tied, and cards punching.
bool prepare(FileSystem &fs) {
    CardTies ties;
    for (int i = 0; i < kCards; ++i)
        ties.tie(idOf(i), QString::number(i + 1));
    return bench::prepareMonth(fs, 0) &&
           records::write(fs, QLatin1String(cardties::kFile), ties.toList()) == FileError::None &&
           icoptions::save(fs, {}, {true, false}).error == FileError::None;
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

    std::vector<double> touches, clicks;
    bench::RatioRuns ratios;
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
        ratios.add(touch, click);
    }
    std::printf("cards: %d, messages: %d\n", kCards, quiet.dialogs.shown);
    std::printf("touch -> card shown: %8.1f us (median)\n", bench::median(touches) / 1000.0);
    std::printf("click -> card shown: %8.1f us (median)\n", bench::median(clicks) / 1000.0);
    ratios.print("touch / click", "<= 1.2");
    return 0;
}
