#pragma once

#include "app/ui/ScreenRegistry.h"
#include "app/ui/frmmain.h"
#include "support/TestServices.h"

#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// The real main frame with every real screen, over a temporary data folder,
// a fixed clock and scripted dialogs.
struct ProgramFixture {
    TestServices t;
    ScreenRegistry registry;
    std::unique_ptr<frmmain> frame;

    ProgramFixture() {
        registerScreens(registry);
        frame = std::make_unique<frmmain>(t.services, registry);
    }
    ~ProgramFixture() { frame.reset(); }

    // Starts and lets the splash timer run until the punch clock is in front.
    void start() {
        frame->start(platformOsVersion());
        EXPECT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        for (int i = 0; i < 8 && frame->splashVisible(); ++i) {
            t.clock.set(t.clock.now().addMSecs(500));
            frame->splashTick();
        }
        QTest::qWait(20);
    }
    template <typename W> W *find(const QString &name) const { return frame->findChild<W *>(name); }
    // Gives a box the focus and waits until it has it.
    static bool focus(QWidget *w) {
        w->setFocus();
        return QTest::qWaitFor([w] { return w->hasFocus(); }, 2000);
    }
};
