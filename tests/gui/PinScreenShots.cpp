#include "Shots.h"
#include "access/Henkan.h"
#include "access/ui/frmpw.h"
#include "access/ui/frmpwkakunin.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProcess>
#include <QTest>
#include <QToolBar>

// Pictures of the PIN windows for the documentation, written only when
// KELVANE_SHOT_DIR names a folder (run under a real X server for real fonts).
namespace {
class NoHost : public ScreenHost {
public:
    void setWorkingItemsEnabled(bool) override {}
    void showPunchClock() override {}
    void openScreen(const QString &) override {}
    bool askPin(const QString &) override { return false; }
    void showUsageGuide() override {}
};

// A stand-in for the main frame: menu bar and a child-window area.
struct Frame {
    QMainWindow window;
    QMdiArea *area = new QMdiArea;
    Frame() {
        window.setWindowTitle(" ケルベーン");
        for (const char *m : {"ファイル(&F)", "タイムカード(&T)", "ヘルプ(&H)"})
            window.menuBar()->addMenu(QString::fromUtf8(m));
        window.setCentralWidget(area);
        window.resize(578, 356);
        // Where the main frame stands on a 1280 x 1024 screen.
        window.move((1280 - 578) * 2 / 5, (1024 - 356) / 2);
    }
    void host(WorkingScreen *w) {
        QMdiSubWindow *sub = area->addSubWindow(w);
        sub->setWindowTitle(w->windowTitle());
        auto fit = [sub, w] { sub->resize(sub->sizeHint().expandedTo(w->size() + QSize(12, 34))); };
        QObject::connect(w, &WorkingScreen::sizeChanged, sub, fit);
        fit();
        sub->move(20, 0);
        sub->show();
    }
};

} // namespace

TEST(PinScreenShots, Write) {
    if (shots::folder().isEmpty())
        GTEST_SKIP() << "KELVANE_SHOT_DIR not set";
    NoHost host;
    {
        TestServices t;
        ScreenContext ctx{t.services, host};
        Frame f;
        auto *w = new frmpw(ctx);
        f.host(w);
        f.window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.window));
        QTest::keyClicks(w->findChild<QLineEdit *>("texin_0"), "123456");
        QTest::keyClicks(w->findChild<QLineEdit *>("texin_3"), "1234");
        shots::save(&f.window, "frmpw-new.png", 300);
        w->findChild<QToolBar *>("Toolbar1")->actions()[1]->trigger();
        shots::save(&f.window, "frmpw-guide.png", 300);
    }
    {
        TestServices t;
        t.session.storedPin = pinscramble::henkan("123456");
        ScreenContext ctx{t.services, host};
        Frame f;
        auto *w = new frmpw(ctx);
        f.host(w);
        f.window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.window));
        QTest::keyClicks(w->findChild<QLineEdit *>("texin_1"), "123456");
        QTest::keyClicks(w->findChild<QLineEdit *>("texin_2"), "654321");
        QTest::keyClicks(w->findChild<QLineEdit *>("texin_4"), "65");
        shots::save(&f.window, "frmpw-change.png", 300);

        frmpwkakunin prompt(t.services, &f.window);
        prompt.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&prompt));
        QTest::keyClicks(prompt.findChild<QLineEdit *>("Text1"), "123");
        shots::save(&prompt, "frmpwkakunin.png", 300);
        // The prompt over the frame as the screen shows it.
        QProcess::execute("import", {"-window", "root", "-crop", "600x380+270+324",
                                     shots::path("frmpwkakunin-screen.png")});
    }
}
