#pragma once

#include "punchclock/ui/frmrecoder.h"
#include "screen/ui/WorkingScreen.h"
#include "support/RecordingHost.h"
#include "support/TestServices.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// What the main frame would give the punch-clock screen, recorded.

// The punch-clock screen over a temporary data folder, shown and active.
struct RecorderHarness {
    TestServices t;
    RecordingHost host;
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
