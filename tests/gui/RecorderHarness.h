#pragma once

#include "app/ui/WorkingScreen.h"
#include "punchclock/ui/frmrecoder.h"
#include "support/TestServices.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// What the main frame would give the punch-clock screen, recorded.
class FakeHost : public ScreenHost {
public:
    void setWorkingItemsEnabled(bool enabled) override { itemsEnabled = enabled; }
    void showPunchClock() override { ++punchClockShown; }
    void openScreen(const QString &word) override { opened.append(word); }
    bool askPin(const QString &requester) override {
        asked.append(requester);
        return pinMatches;
    }
    void showUsageGuide() override { ++guideShown; }

    bool itemsEnabled = true;
    int punchClockShown = 0;
    QStringList opened;
    QStringList asked;
    bool pinMatches = true;
    int guideShown = 0;
};

// The punch-clock screen over a temporary data folder, shown and active.
struct RecorderHarness {
    TestServices t;
    FakeHost host;
    ScreenContext ctx{t.services, host};
    std::unique_ptr<frmrecoder> screen;

    frmrecoder &open() {
        screen = std::make_unique<frmrecoder>(ctx);
        screen->show();
        screen->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen.get()));
        // The first clock tick works out the punch day.
        EXPECT_TRUE(QTest::qWaitFor([&] { return screen->logic().dateShown(); }, 2000));
        return *screen;
    }
    template <typename W> W *child(const QString &name) { return screen->findChild<W *>(name); }
};
