// Pictures of what the program says when a file or a typed text cannot be
// kept: written only when KELVANE_SHOT_DIR names a folder (run under a real X
// server, QT_QPA_PLATFORM=xcb, for real fonts and message boxes).
#include "Shots.h"
#include "punchclock/PunchFixture.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(FailureShots, Write) {
    if (shots::folder().isEmpty())
        GTEST_SKIP() << "KELVANE_SHOT_DIR not set";
    {
        // A data folder that cannot be written, told at start.
        shots::Program p;
        p.t.fs.readOnly = true;
        p.t.clock.set(2009, 5, 12, 8, 30, 5);
        QTimer::singleShot(800, [&p] {
            shots::saveScreen(p.frame.get(), "start-read-only.png");
            shots::answer();
        });
        ASSERT_TRUE(p.start());
    }
    {
        // A roster cut short: named with its reason on the roster screen.
        shots::Program p;
        PunchData::prepareMonth(p.t, 2009, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        p.t.put("Meibo.Dat", p.t.bytes("Meibo.Dat").left(60));
        p.t.clock.set(2009, 5, 12, 8, 30, 5);
        QTimer::singleShot(800, [] { shots::answer(); }); // the punch clock says it too
        ASSERT_TRUE(p.start());
        shots::withBox(p.frame.get(), "roster-damaged.png",
                       [&] { p.frame->item("mynustaff")->trigger(); });
    }
    {
        // A reason the history cannot keep as typed.
        shots::Program p;
        PunchData::prepareMonth(p.t, 2009, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        p.t.clock.set(2009, 5, 12, 9, 0, 0);
        ASSERT_TRUE(p.start());
        p.openAdditionalPunch();
        p.enterAdditionalPunch({"5", "11", "18", "5"}, 3);
        auto *reason = p.find<QLineEdit>("texriyuu");
        reason->setFocus();
        typeText(reason, QStringLiteral("出勤〜退勤の打刻忘れ😀"));
        shots::withBox(p.frame.get(), "reason-refused.png", [&] { p.click("Command7"); });
    }
}
