#include "access/ui/frmpw.h"
#include "data/ui/frmjyunbi.h"
#include "data/ui/frmkeisankijyun.h"
#include "data/ui/frmmeibo.h"
#include "maintenance/ui/frmbp.h"
#include "maintenance/ui/frmseiri.h"
#include "screen/ui/Lists.h"
#include "support/RecordingHost.h"
#include "support/TestServices.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QToolBar>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

TEST(ScreenSkeleton, TheGuideWidensTheScreenAndItsCloseNarrowsIt) {
    using Make = std::function<WorkingScreen *(ScreenContext &)>;
    struct Case {
        const char *name;
        Make make;
        int guideAction; // the toolbar's guide button, from 1
        int narrowTwips, wideTwips;
        const char *close;
    };
    const Case cases[] = {
        {"frmjyunbi", [](ScreenContext &c) { return new frmjyunbi(c); }, 2, 6600, 12600,
         "Command1"},
        {"frmkeisankijyun", [](ScreenContext &c) { return new frmkeisankijyun(c); }, 2, 8700, 13500,
         "Command1"},
        {"frmmeibo", [](ScreenContext &c) { return new frmmeibo(c); }, 5, 456 * 15, 756 * 15,
         "Command1"},
        {"frmseiri", [](ScreenContext &c) { return new frmseiri(c); }, 2, 2160, 6150, "Command2"},
        {"frmbp", [](ScreenContext &c) { return new frmbp(c); }, 2, 4410, 8415, "Command2"},
        {"frmpw", [](ScreenContext &c) { return new frmpw(c); }, 2, 3885, 7890, "Command1"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestServices t;
        RecordingHost host;
        ScreenContext ctx{t.services, host};
        const std::unique_ptr<WorkingScreen> screen(c.make(ctx));
        screen->show();
        EXPECT_FALSE(screen->guideOpen());
        EXPECT_EQ(screen->width(), c.narrowTwips / 15);

        auto *toolbar = screen->findChild<QToolBar *>("Toolbar1");
        ASSERT_NE(toolbar, nullptr);
        toolbar->actions().at(c.guideAction - 1)->trigger();
        EXPECT_TRUE(screen->guideOpen());
        EXPECT_EQ(screen->width(), c.wideTwips / 15);

        QPushButton *close = nullptr;
        for (QPushButton *b : screen->findChildren<QPushButton *>(c.close))
            if (b->isVisible() && b->text().startsWith(QStringLiteral("閉")))
                close = b;
        ASSERT_NE(close, nullptr);
        close->click();
        EXPECT_FALSE(screen->guideOpen());
        EXPECT_EQ(screen->width(), c.narrowTwips / 15);
        // Hidden, so the keyboard cannot reach it either.
        EXPECT_FALSE(close->isVisible());
    }
}

TEST(ScreenSkeleton, EnterOrSpaceOnAListLineActsAsAClick) {
    struct Case {
        const char *name;
        int current;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int clicked; // -1: none
    };
    const Case cases[] = {
        {"Return", 1, Qt::Key_Return, Qt::NoModifier, 1},
        {"Enter of the keypad", 2, Qt::Key_Enter, Qt::KeypadModifier, 2},
        {"Space", 0, Qt::Key_Space, Qt::NoModifier, 0},
        {"Ctrl+Return is the screen's", 1, Qt::Key_Return, Qt::ControlModifier, -1},
        {"another key", 1, Qt::Key_A, Qt::NoModifier, -1},
        {"no current line", -1, Qt::Key_Return, Qt::NoModifier, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QListWidget list;
        list.addItems({"1", "2", "3"});
        list.setCurrentRow(c.current);
        int clicked = -1;
        lists::clickOnEnter(&list, [&](int row) { clicked = row; });
        QTest::keyClick(&list, c.key, c.modifiers);
        EXPECT_EQ(clicked, c.clicked);
    }
}
