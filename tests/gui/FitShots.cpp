// Pictures of what must stay in view: a long list in a message box, a narrow
// screen in the main frame. Written only when KELVANE_SHOT_DIR names a folder
// (run under a real X server, QT_QPA_PLATFORM=xcb).
#include "Shots.h"
#include "punchclock/PunchFixture.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The whole screen: a box may stand beyond the frame's edges.
void saveWholeScreen(const QString &name) {
    QGuiApplication::primaryScreen()->grabWindow(0).save(shots::path(name));
}

} // namespace

TEST(FitShots, Write) {
    if (shots::folder().isEmpty())
        GTEST_SKIP() << "KELVANE_SHOT_DIR not set";
    {
        // Eighty duplicated codes in one box: the list scrolls, OK in view.
        shots::Program p;
        PunchData::prepareMonth(p.t, 2009, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        p.t.clock.set(2009, 5, 12, 8, 30, 5);
        ASSERT_TRUE(p.start());
        QString text = "次の従業員は、従業員コードが他の従業員と重複しているため、タイムカードを"
                       "準備しません（先に登録された従業員が使います）。";
        for (int i = 0; i < 80; ++i)
            text += QString("\n・%1 重複している従業員%2").arg(101 + i).arg(i + 1);
        QTimer::singleShot(700, [] {
            saveWholeScreen("messagebox-list.png");
            shots::answer();
        });
        p.dialogs.notice(text);
    }
    {
        // An office that prepared next month ahead: the month missing is named.
        shots::Program p;
        PunchData::prepareMonth(p.t, 2026, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        p.t.clock.set(2026, 4, 30, 8, 30, 5);
        QTimer::singleShot(1500, [] { shots::answer(); }); // the rack's own notice
        ASSERT_TRUE(p.start());
        QTest::qWait(1800);
        shots::saveScreen(p.frame.get(), "month-not-prepared.png");
    }
    {
        // Card organizing keeps its narrow size; the frame keeps its menus.
        shots::Program p;
        PunchData::prepareMonth(p.t, 2009, 5, {{"1", "山田太郎"}});
        p.t.clock.set(2009, 5, 12, 8, 30, 5);
        ASSERT_TRUE(p.start());
        p.frame->item("menuseiri")->trigger();
        shots::saveScreen(p.frame.get(), "frmseiri-frame.png");
        QTest::qWait(500);
        shots::saveScreen(p.frame.get(), "frmseiri-frame.png");
    }
}
