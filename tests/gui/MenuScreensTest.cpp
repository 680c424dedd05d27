// Settings and roster screens opened from the menu of the real main frame,
// edited with the keyboard, closed, and their files found written.
#include "data/RecordFile.h"
#include "support/ProgramFixture.h"
#include "support/RecordingHost.h"

#include <QAction>
#include <QLineEdit>
#include <QToolBar>
#include <gtest/gtest.h>

TEST(MenuScreens, SettingsFromTheMenuSaveOnClose) {
    ProgramFixture p;
    p.start();
    p.frame->item("menukijyun")->trigger();
    ASSERT_EQ(p.t.session.screenWord, "keisankijyun");
    EXPECT_FALSE(p.frame->item("mynustaff")->isEnabled());
    auto *hour = p.find<QLineEdit>("texkijyun_0");
    ASSERT_NE(hour, nullptr);
    ASSERT_TRUE(ProgramFixture::focus(hour));
    hour->clear();
    typeText(hour, "5");
    QTest::keyClick(hour, Qt::Key_Return);
    p.frame->currentScreen()->findChild<QToolBar *>("Toolbar1")->actions().at(0)->trigger();
    QTest::qWait(20);
    EXPECT_EQ(p.t.session.screenWord, "recorder");
    EXPECT_TRUE(p.frame->item("mynustaff")->isEnabled());
    const records::Read r = records::read(p.t.fs, "Kijyun.Dat", 15);
    EXPECT_EQ(r.found, 15);
    EXPECT_EQ(r.values[0], "5");
    EXPECT_EQ(r.values[3], "seireki");
}

TEST(MenuScreens, RosterSavesWhenTheMainFrameCloses) {
    ProgramFixture p;
    p.start();
    p.frame->item("mynustaff")->trigger();
    ASSERT_EQ(p.t.session.screenWord, "meibo");
    auto *code = p.find<QLineEdit>("texdata_0");
    ASSERT_NE(code, nullptr);
    ASSERT_TRUE(ProgramFixture::focus(code));
    typeText(code, "7");
    QTest::keyClick(code, Qt::Key_Return);
    auto *name = p.find<QLineEdit>("texdata_1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return name->hasFocus(); }, 2000));
    typeText(name, "佐藤　花子");
    // Closing the whole program closes the roster first, which saves.
    EXPECT_TRUE(p.frame->close());
    const records::Read r = records::read(p.t.fs, "Meibo.Dat", 4);
    EXPECT_EQ(r.values[0], "7");
    EXPECT_EQ(r.values[1], "佐藤　花子");
}

TEST(MenuScreens, EndFromTheMenuSavesTheRosterFirst) {
    ProgramFixture p;
    p.start();
    p.frame->item("mynustaff")->trigger();
    auto *code = p.find<QLineEdit>("texdata_0");
    ASSERT_TRUE(ProgramFixture::focus(code));
    typeText(code, "8");
    QTest::keyClick(code, Qt::Key_Return);
    auto *name = p.find<QLineEdit>("texdata_1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return name->hasFocus(); }, 2000));
    const QString longName = "ウィリアムズ・キャサリン・アン"; // 15 characters
    typeText(name, longName);
    // "終了" while the name is still being typed: the screen closes and saves first.
    p.frame->item("menuend")->trigger();
    EXPECT_EQ(p.t.programEnd.calls, 1);
    const records::Read r = records::read(p.t.fs, "Meibo.Dat", 4);
    EXPECT_EQ(r.values[0], "8");
    EXPECT_EQ(r.values[1], longName);
}

TEST(MenuScreens, PinScreenGivesTheFrameItsOwnSize) {
    ProgramFixture p;
    p.start();
    p.frame->item("mynupw")->trigger();
    ASSERT_EQ(p.t.session.screenWord, "pw");
    // 8679 x 5351.25 twips with the themed desktop, the window at 300 twips from the left.
    EXPECT_EQ(p.frame->frameGeometry().size(), QSize(578, 356));
    EXPECT_EQ(p.frame->currentScreen()->parentWidget()->pos(), QPoint(20, 0));
    // With its guide open the window still fits inside.
    p.frame->currentScreen()->findChild<QToolBar *>("Toolbar1")->actions().at(1)->trigger();
    const QRect window = p.frame->currentScreen()->parentWidget()->geometry();
    EXPECT_TRUE(p.frame->centralWidget()->rect().contains(window));
}
