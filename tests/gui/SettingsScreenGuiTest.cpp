#include "data/RecordFile.h"
#include "data/ui/frmkeisankijyun.h"
#include "support/RecordingHost.h"
#include "support/TestServices.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

bool focusOn(QWidget *w) {
    return QTest::qWaitFor([w] { return w->hasFocus(); }, 2000);
}

} // namespace

TEST(SettingsScreenGui, EditWithTheKeyboardAndSaveOnClose) {
    TestServices t;
    RecordingHost host;
    ScreenContext ctx{t.services, host};
    auto *w = new frmkeisankijyun(ctx);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    EXPECT_EQ(w->windowTitle(), QStringLiteral(" 基本設定"));
    EXPECT_TRUE(w->findChild<QRadioButton *>("Option3")->isChecked());

    auto *hour = w->findChild<QLineEdit *>("texkijyun_0");
    ASSERT_NE(hour, nullptr);
    hour->setFocus();
    ASSERT_TRUE(focusOn(hour));
    QTest::keyClicks(hour, "2x4"); // the letter is ignored
    QTest::sendKeyEvent(QTest::Click, hour, Qt::Key_unknown, QStringLiteral("５"), Qt::NoModifier);
    hour->insert("a"); // as a paste would
    EXPECT_EQ(hour->text(), "24");
    QTest::keyClick(hour, Qt::Key_Return);
    // 24 o'clock becomes 0 and the focus comes back to the box.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !t.dialogs.boxes().isEmpty(); }, 2000));
    EXPECT_EQ(t.dialogs.texts(), QStringList{"「24時」は無効です。「0時」に変更します。"});
    ASSERT_TRUE(focusOn(hour));
    EXPECT_EQ(hour->text(), "0");

    QTest::keyClick(hour, Qt::Key_Escape);
    EXPECT_EQ(hour->text(), "");
    QTest::keyClicks(hour, "5");
    QTest::keyClick(hour, Qt::Key_Return);
    ASSERT_TRUE(focusOn(w->findChild<QRadioButton *>("Option3")));

    // A unit over thirty minutes is refused where it was typed.
    auto *unit = w->findChild<QComboBox *>("cmbhasuu_0");
    unit->setFocus();
    ASSERT_TRUE(focusOn(unit));
    QTest::keyClicks(unit, "45");
    QTest::keyClick(unit, Qt::Key_Return);
    ASSERT_TRUE(focusOn(w->findChild<QComboBox *>("cmbhasuu_1")));
    EXPECT_EQ(t.dialogs.texts().last(), "３０分を超える端数処理は無効です。");
    EXPECT_EQ(unit->currentText(), "");
    // A punch unit chosen: the notice beside the boxes, and no refusal.
    auto *notice = w->findChild<QLabel *>("lblhasuutyuui");
    EXPECT_FALSE(notice->isVisible());
    const qsizetype boxes = t.dialogs.boxes().size();
    w->findChild<QComboBox *>("cmbhasuu_3")->setCurrentText("10");
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(t.dialogs.boxes().size(), boxes);
    w->findChild<QComboBox *>("cmbhasuu_3")->setCurrentText("");
    EXPECT_FALSE(notice->isVisible());

    // Typed into the second unit box and closed without leaving it.
    QTest::keyClicks(w->findChild<QComboBox *>("cmbhasuu_1"), "15");
    w->findChild<QRadioButton *>("Option2")->click();

    // The guide widens the window and its button narrows it again.
    const int narrow = w->width();
    w->findChild<QToolBar *>("Toolbar1")->actions().at(1)->trigger();
    EXPECT_GT(w->width(), narrow);
    auto *guideClose = w->findChild<QPushButton *>("Command1");
    EXPECT_TRUE(guideClose->isVisible());
    guideClose->click();
    EXPECT_EQ(w->width(), narrow);

    w->findChild<QToolBar *>("Toolbar1")->actions().at(0)->trigger();
    EXPECT_EQ(host.punchClockShown, 1);
    const records::Read saved = records::read(t.fs, "Kijyun.Dat", 15);
    EXPECT_EQ(saved.found, 15);
    EXPECT_EQ(saved.values[0], "5");
    EXPECT_EQ(saved.values[3], "seireki");
    EXPECT_EQ(saved.values[4], "");
    EXPECT_EQ(saved.values[5], "15");
    EXPECT_EQ(saved.values[13], "20sime");
}

TEST(SettingsScreenGui, SavesOnceWhenItsChildWindowCloses) {
    TestServices t;
    RecordingHost host;
    ScreenContext ctx{t.services, host};
    QMdiArea area;
    auto *w = new frmkeisankijyun(ctx);
    QMdiSubWindow *sub = area.addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    area.show();
    sub->show();
    w->findChild<QRadioButton *>("Option4")->click();
    // The main frame closing closes every child window.
    area.closeAllSubWindows();
    EXPECT_EQ(host.punchClockShown, 1);
    EXPECT_EQ(records::read(t.fs, "Kijyun.Dat", 15).values[3], "wareki");
}

TEST(SettingsScreenGui, NothingIsSavedAfterAFatalRead) {
    TestServices t;
    t.put("Kijyun.Dat", "\"7\"\r\n");
    t.fs.failOn(FaultyFileSystem::Op::Read, 1, FileError::DeviceIO);
    RecordingHost host;
    ScreenContext ctx{t.services, host};
    auto *w = new frmkeisankijyun(ctx);
    EXPECT_TRUE(t.programEnd.ended());
    w->close();
    delete w;
    EXPECT_EQ(t.bytes("Kijyun.Dat"), "\"7\"\r\n");
    EXPECT_EQ(host.punchClockShown, 0);
}
