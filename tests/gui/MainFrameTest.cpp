#include "support/MainFrameFixture.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QStringList kSix = {"menukijyun",  "mynustaff", "menujyunbi",
                          "menusyuukei", "menuseiri", "menubup"};

bool allEnabled(MainFrameFixture &f, bool enabled) {
    for (const QString &name : kSix)
        if (f.frame->item(name)->isEnabled() != enabled)
            return false;
    return true;
}

} // namespace

TEST(MainFrame, MenuCaptionsAndNames) {
    MainFrameFixture f;
    EXPECT_EQ(f.frame->windowTitle(), " ケルベーン");
    const QList<QPair<QString, QString>> items = {
        {"menukijyun", "基本設定(&K)"},
        {"mynustaff", "従業員の登録(&S)"},
        {"mynupw", "暗証番号登録(&P)"},
        {"menuend", "終了(&X)"},
        {"menujyunbi", "タイムカードを準備する(&J)"},
        {"menusyuukei", "集計＆勤務実績表の作成(&C)"},
        {"menuseiri", "タイムカードを整理する(&S)"},
        {"menubup", "データのバックアップ＆復元(&B)"},
        {"menugide", "使い方(&G)"},
        {"menuxp", "画面調整 (&P)"},
        {"menuver", "バージョン情報(&V)"},
    };
    for (const auto &[name, caption] : items) {
        ASSERT_NE(f.frame->item(name), nullptr) << name.toStdString();
        EXPECT_EQ(f.frame->item(name)->text(), caption);
    }
    QStringList menus;
    for (QAction *a : f.frame->menuBar()->actions())
        menus.append(a->menu()->objectName() + "=" + a->text());
    EXPECT_EQ(menus, QStringList({"menufile=ファイル(&F)", "menugetuji=タイムカード(&T)",
                                  "menuhelp=ヘルプ(&H)"}));
}

TEST(MainFrame, SplashThenPunchClock) {
    MainFrameFixture f;
    f.frame->start(platformOsVersion());
    EXPECT_TRUE(f.frame->splashVisible());
    EXPECT_TRUE(f.frame->splashTimer()->isActive());
    EXPECT_EQ(f.frame->splashTimer()->interval(), 500);
    EXPECT_TRUE(f.log.isEmpty());
    f.t.clock.advanceSeconds(2);
    f.tick();
    EXPECT_FALSE(f.frame->splashVisible());
    EXPECT_FALSE(f.frame->splashTimer()->isActive());
    EXPECT_EQ(f.log, QStringList({"open:recorder"}));
    EXPECT_EQ(f.t.session.screenWord, "recorder");
    EXPECT_TRUE(allEnabled(f, true));
}

TEST(MainFrame, SuspendedTallyOpensAtStart) {
    MainFrameFixture f;
    f.t.put("Cyuudanumu.Dat", "\"\"\r\n\"\"\r\n\"soku\"\r\n\"\"\r\n");
    f.frame->start(platformOsVersion());
    EXPECT_FALSE(f.frame->splashVisible());
    EXPECT_FALSE(f.frame->splashTimer()->isActive());
    EXPECT_EQ(f.log, QStringList({"open:syuukei"}));
    EXPECT_EQ(f.t.session.screenWord, "syuukei");
    // Closing the tally screen shows the punch clock for the first time.
    f.frame->currentScreen()->closeScreen();
    EXPECT_EQ(f.log, QStringList({"open:syuukei", "close:syuukei", "open:recorder"}));
}

TEST(MainFrame, ASuspendedTallyAsksForThePinFirst) {
    for (const bool matched : {true, false}) {
        SCOPED_TRACE(matched);
        MainFrameFixture f;
        const QByteArray flags = "\"ari\"\r\n\"2\"\r\n\"soku\"\r\n\"2007年3月\"\r\n";
        f.t.put("Cyuudanumu.Dat", flags);
        f.t.session.storedPin.clear();
        f.t.settings.setValue("Kelvane", "Trdw", "Psno", "QWERTY");
        f.pinAnswer = matched;
        f.startAndPassSplash();
        if (matched) {
            EXPECT_EQ(f.log, QStringList({"pin:syuukei", "open:syuukei"}));
            EXPECT_EQ(f.t.session.screenWord, "syuukei");
        } else {
            // A wrong PIN or a cancel: the punch clock, the suspended tally kept.
            EXPECT_EQ(f.log, QStringList({"pin:syuukei", "open:recorder"}));
            EXPECT_EQ(f.t.session.screenWord, "recorder");
            EXPECT_EQ(f.t.session.suspendFlags.value(0), "ari");
            EXPECT_EQ(f.t.bytes("Cyuudanumu.Dat"), flags);
        }
    }
}

TEST(MainFrame, AReadOnlyDataFolderIsToldAtOnceAndThePunchClockStillOpens) {
    MainFrameFixture f;
    f.t.fs.readOnly = true;
    f.startAndPassSplash();
    ASSERT_EQ(f.t.dialogs.boxes().size(), 1);
    EXPECT_EQ(f.t.dialogs.boxes()[0].title, "エラー");
    EXPECT_TRUE(f.t.dialogs.texts()[0].startsWith("データフォルダに書き込めません"));
    EXPECT_TRUE(f.t.dialogs.texts()[0].contains(f.t.fs.dataFolder()));
    EXPECT_EQ(f.log, QStringList({"open:recorder"}));
}

TEST(MainFrame, WorkingScreenDisablesItemsAndReturnsToPunchClock) {
    MainFrameFixture f;
    f.startAndPassSplash();
    f.trigger("mynustaff");
    EXPECT_EQ(f.t.session.screenWord, "meibo");
    EXPECT_TRUE(allEnabled(f, false));
    EXPECT_EQ(f.log, QStringList({"open:recorder", "close:recorder", "open:meibo"}));
    EXPECT_EQ(f.frame->currentScreen()->objectName(), "fake_meibo");

    // Neither the PIN item nor anything else opens while it is in front.
    f.trigger("mynupw");
    EXPECT_EQ(f.t.session.screenWord, "meibo");
    EXPECT_EQ(f.log.size(), 3);

    f.frame->currentScreen()->closeScreen();
    QApplication::processEvents();
    EXPECT_EQ(f.t.session.screenWord, "recorder");
    EXPECT_TRUE(allEnabled(f, true));
    EXPECT_EQ(f.log.mid(3), QStringList({"close:meibo", "open:recorder"}));
}

TEST(MainFrame, HelpItemsWorkWithAScreenOpen) {
    MainFrameFixture f;
    f.startAndPassSplash();
    f.trigger("menukijyun");
    f.trigger("menugide");
    QWidget *help = f.frame->findChild<QWidget *>("frmhlp");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), " このソフトの使い方");
    // F1 on the working screen brings the same window.
    help->close();
    f.frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.frame.get()));
    f.frame->currentScreen()->setFocus();
    QTest::keyClick(f.frame->currentScreen(), Qt::Key_F1);
    EXPECT_TRUE(help->isVisible());
}

TEST(MainFrame, PunchClockHasNoCloseBoxAndRefusesTheUsersClose) {
    MainFrameFixture f;
    f.startAndPassSplash();
    auto *sub = qobject_cast<QMdiSubWindow *>(f.frame->currentScreen()->parentWidget());
    ASSERT_NE(sub, nullptr);
    EXPECT_FALSE(sub->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(sub->systemMenu(), nullptr);
    f.frame->currentScreen()->closeScreen();
    EXPECT_EQ(f.t.session.screenWord, "recorder");
    EXPECT_EQ(f.log, QStringList({"open:recorder"}));
    // So the menus keep working.
    f.trigger("mynustaff");
    EXPECT_EQ(f.t.session.screenWord, "meibo");
}

TEST(MainFrame, PunchClockThatStaysKeepsEverythingAsItWas) {
    MainFrameFixture f;
    f.startAndPassSplash();
    f.frame->show();
    static_cast<FakeScreen *>(f.frame->currentScreen())->refuseClose = true;
    f.trigger("mynustaff");
    EXPECT_EQ(f.t.session.screenWord, "recorder");
    EXPECT_TRUE(allEnabled(f, true));
    f.trigger("menuend");
    EXPECT_EQ(f.t.programEnd.calls, 0);
    EXPECT_FALSE(f.frame->close());
    EXPECT_EQ(f.log,
              QStringList({"open:recorder", "kept:recorder", "kept:recorder", "kept:recorder"}));
    static_cast<FakeScreen *>(f.frame->currentScreen())->refuseClose = false;
    f.trigger("mynustaff");
    EXPECT_EQ(f.t.session.screenWord, "meibo");
}

TEST(MainFrame, PinGuardsTallyAndOrganizingOnly) {
    MainFrameFixture f;
    f.t.settings.setValue("Kelvane", "Trdw", "Psno", "ABCDEF");
    f.startAndPassSplash();
    f.trigger("menusyuukei");
    f.trigger("menuseiri");
    EXPECT_EQ(f.pinPrompts, 2);
    EXPECT_EQ(f.log, QStringList({"open:recorder", "pin:syuukei", "pin:seiri"}));
    EXPECT_EQ(f.t.session.screenWord, "recorder");
    EXPECT_TRUE(f.t.session.pinRequester.isEmpty());

    f.pinAnswer = true;
    f.trigger("menuseiri");
    EXPECT_EQ(f.t.session.screenWord, "seiri");
    f.frame->currentScreen()->closeScreen();

    for (const char *item : {"menujyunbi", "menukijyun", "mynustaff", "menubup", "mynupw"}) {
        f.trigger(item);
        f.frame->currentScreen()->closeScreen();
    }
    EXPECT_EQ(f.pinPrompts, 3);
}

TEST(MainFrame, ClosingTheFrameClosesEveryScreenFirst) {
    MainFrameFixture f;
    f.startAndPassSplash();
    f.trigger("mynustaff");
    f.frame->show();
    EXPECT_TRUE(f.frame->close());
    EXPECT_EQ(f.log.mid(3), QStringList({"close:meibo"}));
    EXPECT_EQ(f.frame->findChild<QMdiArea *>()->subWindowList().size(), 0);
}

TEST(MainFrame, EndItemClosesTheScreenInFrontFirst) {
    MainFrameFixture f;
    f.startAndPassSplash();
    f.trigger("menukijyun");
    f.trigger("menuend");
    EXPECT_EQ(f.t.programEnd.calls, 1);
    // Closed, so it saved; the punch clock is not opened again on the way out.
    EXPECT_EQ(f.log.mid(3), QStringList({"close:keisankijyun"}));
}

TEST(MainFrame, FrameFitsAroundTheScreenInFront) {
    MainFrameFixture f;
    f.startAndPassSplash();
    auto *sub = f.frame->findChild<QMdiArea *>()->subWindowList().value(0);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->widget()->size(), QSize(400, 300)); // 6000 x 4500 twips
    EXPECT_EQ(f.frame->centralWidget()->size(), sub->size());
}

TEST(MainFrame, FrameIsNeverNarrowerThanItsMenuBar) {
    MainFrameFixture f;
    f.startAndPassSplash();
    auto *sub = f.frame->findChild<QMdiArea *>()->subWindowList().value(0);
    ASSERT_NE(sub, nullptr);
    auto *screen = qobject_cast<WorkingScreen *>(sub->widget());
    ASSERT_NE(screen, nullptr);
    screen->setTwipsSize(3000, 4500); // 200 px, as card organizing's list alone
    EXPECT_EQ(screen->width(), 200);
    EXPECT_GE(f.frame->width(), f.frame->menuBar()->sizeHint().width());
}

TEST(MainFrame, ItemsOfScreensNotThereAreDisabled) {
    MainFrameFixture f({"recorder", "meibo"});
    f.startAndPassSplash();
    EXPECT_TRUE(f.frame->item("mynustaff")->isEnabled());
    EXPECT_FALSE(f.frame->item("menusyuukei")->isEnabled());
    EXPECT_FALSE(f.frame->item("mynupw")->isEnabled());
}

TEST(MainFrame, TheScreenInFrontGetsItsFirstBoxFocused) {
    MainFrameFixture f;
    f.startAndPassSplash();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.frame.get()));
    f.trigger("mynustaff");
    auto *box = f.frame->findChild<QWidget *>("box_meibo");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return box->hasFocus(); }, 2000));
}

TEST(MainFrame, ProgramIconOnTheFrameAndEveryWindow) {
    MainFrameFixture f;
    // The icon comes once the frame is shown, with the splash's first tick.
    f.startAndPassSplash();
    const QIcon icon = QApplication::windowIcon();
    const QList<QSize> sizes = icon.availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(16, 16)));
    EXPECT_TRUE(sizes.contains(QSize(256, 256)));
    EXPECT_EQ(f.frame->windowIcon().cacheKey(), icon.cacheKey());
    f.trigger("mynustaff");
    // A child window and a dialog show the program's icon, not the toolkit's.
    EXPECT_EQ(f.frame->currentScreen()->parentWidget()->windowIcon().cacheKey(), icon.cacheKey());
    QDialog dialog(f.frame.get());
    EXPECT_EQ(dialog.windowIcon().cacheKey(), icon.cacheKey());
}
