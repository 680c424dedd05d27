#include "data/RecordFile.h"
#include "data/ui/RosterImportPanel.h"
#include "data/ui/frmmeibo.h"
#include "support/RecordingHost.h"
#include "support/TestServices.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

struct RosterGui : ::testing::Test {
    TestServices t;
    RecordingHost host;
    ScreenContext ctx{t.services, host};
    std::unique_ptr<frmmeibo> w;

    void SetUp() override {
        w = std::make_unique<frmmeibo>(ctx);
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    template <class T> T *child(const QString &name) {
        T *c = w->findChild<T *>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    QLineEdit *box(int i) { return child<QLineEdit>(QStringLiteral("texdata_%1").arg(i)); }
    bool focusIs(QWidget *x) {
        return QTest::qWaitFor([x] { return QApplication::focusWidget() == x; }, 1000);
    }
    void enter(QWidget *x) { QTest::keyClick(x, Qt::Key_Return); }
};

} // namespace

TEST_F(RosterGui, TypeCodeNameAndPayTypeThenCloseWritesRoster) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral(" 従業員の登録"));
    box(0)->setFocus();
    ASSERT_TRUE(focusIs(box(0)));
    QTest::keyClicks(box(0), "12");
    enter(box(0));
    ASSERT_TRUE(focusIs(box(1)));
    typeText(box(1), QStringLiteral("山田太郎"));
    enter(box(1));
    auto *combo = child<QComboBox>(QStringLiteral("Combo1"));
    ASSERT_TRUE(focusIs(combo));
    EXPECT_TRUE(combo->isVisible());
    typeText(combo->lineEdit(), QStringLiteral("時給"));
    enter(combo);
    ASSERT_TRUE(focusIs(box(2)));
    EXPECT_FALSE(combo->isVisible());
    EXPECT_EQ(child<QLabel>(QStringLiteral("lblkubun_0"))->text(), QStringLiteral("時給"));

    w->close();
    EXPECT_EQ(host.punchClockShown, 1);
    const records::Read saved = records::read(t.fs, QStringLiteral("Meibo.Dat"), Roster::kValues);
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.found, Roster::kValues);
    EXPECT_EQ(saved.values.mid(0, 4), (QStringList{"12", "山田太郎", "時給", ""}));
}

TEST_F(RosterGui, ArrowKeyInChooserStartsFromTheRowsOwnPayType) {
    auto *combo = child<QComboBox>(QStringLiteral("Combo1"));
    for (int row = 0; row < 2; ++row) {
        box(2 * row + 1)->setFocus();
        ASSERT_TRUE(focusIs(box(2 * row + 1)));
        enter(box(2 * row + 1));
        ASSERT_TRUE(focusIs(combo));
        QTest::keyClick(combo, Qt::Key_Down);
        EXPECT_EQ(combo->currentText(), QStringLiteral("月給")) << row;
        enter(combo);
        ASSERT_TRUE(focusIs(box(2 * row + 2)));
    }
    box(1)->setFocus();
    ASSERT_TRUE(focusIs(box(1)));
    enter(box(1));
    ASSERT_TRUE(focusIs(combo));
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentText(), QStringLiteral("日給"));
}

TEST_F(RosterGui, UnsafeCodeIsRefusedAndFocusReturns) {
    box(4)->setFocus();
    ASSERT_TRUE(focusIs(box(4)));
    QTest::keyClicks(box(4), "../x");
    enter(box(4));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !t.dialogs.boxes().isEmpty(); }, 1000));
    EXPECT_TRUE(t.dialogs.texts()[0].contains(QStringLiteral("ファイル名に使えない")));
    ASSERT_TRUE(focusIs(box(4)));
    EXPECT_EQ(box(4)->text(), QString());
    EXPECT_EQ(w->logic().roster()[2].code, QString());
    QTest::keyClick(box(4), Qt::Key_Escape);
    EXPECT_EQ(box(4)->text(), QString());
}

TEST_F(RosterGui, MarkScrollAndImport) {
    auto *mark = child<QLabel>(QStringLiteral("imgsitei_1"));
    QTest::mouseClick(mark, Qt::LeftButton);
    EXPECT_TRUE(w->logic().greyed(1));
    EXPECT_EQ(box(2)->palette().color(QPalette::Text), QColor(192, 192, 192));

    auto *scroll = child<QScrollBar>(QStringLiteral("VScroll1"));
    EXPECT_EQ(scroll->maximum(), 984);
    scroll->setValue(984);
    EXPECT_EQ(w->logic().top(), 984);

    // Payroll files to import, then the panel as a user drives it.
    const QString src = QStringLiteral("給与/マルカ");
    t.put(src + "/Tourokusuu.Dat", "0\r\n0\r\n1\r\n");
    QStringList values(61);
    values[0] = "31";
    values[1] = "取込太郎";
    values[46] = "在職";
    values[47] = "日給月給";
    t.put(src + "/Meibo.Dat", records::format(values));

    auto *toolbar = child<QToolBar>(QStringLiteral("Toolbar1"));
    ASSERT_EQ(toolbar->actions().size(), 6);
    toolbar->actions()[2]->trigger();
    auto *panel = child<RosterImportPanel>(QStringLiteral("Picture4"));
    EXPECT_TRUE(panel->isVisible());
    panel->chooseFolder(t.path(src));
    EXPECT_EQ(panel->chosenFolder(), t.path(src));
    QTest::mouseClick(child<QPushButton>(QStringLiteral("Command2")), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(w->logic().top(), 0);
    EXPECT_EQ(box(0)->text(), QStringLiteral("31"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("lblkubun_0"))->text(), QStringLiteral("月給"));
    EXPECT_TRUE(t.bytes("Meibo.Dat").startsWith("\"31\"\r\n"));
}
