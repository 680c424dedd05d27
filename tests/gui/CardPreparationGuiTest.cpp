#include "data/RecordFile.h"
#include "data/Roster.h"
#include "data/ui/frmjyunbi.h"
#include "support/RecordingHost.h"
#include "support/TestServices.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

bool focusOn(QWidget *w) {
    return QTest::qWaitFor([w] { return w->hasFocus(); }, 2000);
}

} // namespace

TEST(CardPreparationGui, PrepareAMonthFromTheKeyboard) {
    TestServices t;
    CalcSettings s;
    s[CalcSettings::PeriodKind] = "20sime";
    t.put("Kijyun.Dat", records::format(s.toList()));
    Roster r;
    r[0] = {"1", "山田　太郎", "月給", ""};
    r[1] = {"2", "鈴木　花子", "時給", ""};
    t.put("Meibo.Dat", records::format(r.toList()));
    t.put("2006年12月/1.Card", "");

    RecordingHost host;
    ScreenContext ctx{t.services, host};
    auto *w = new frmjyunbi(ctx);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    auto *list = w->findChild<QListWidget *>("List1");
    ASSERT_EQ(list->count(), 1);

    auto *year = w->findChild<QLineEdit *>("texcard_0");
    auto *month = w->findChild<QLineEdit *>("texcard_1");
    year->setFocus();
    ASSERT_TRUE(focusOn(year));
    QTest::keyClicks(year, "2007");
    QTest::keyClick(year, Qt::Key_Return);
    ASSERT_TRUE(focusOn(month));
    QTest::keyClicks(month, "3-");
    EXPECT_EQ(month->text(), "3");
    QTest::keyClick(month, Qt::Key_Return);
    auto *prepare = w->findChild<QPushButton *>("Command2");
    ASSERT_TRUE(focusOn(prepare));
    QTest::keyClick(prepare, Qt::Key_Return);

    EXPECT_EQ(t.dialogs.texts(), QStringList{"2 人分のタイムカードを準備しました。"});
    EXPECT_EQ(t.bytes("2007年3月/2.Card").count("\r\n"), 512);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "2007年3月");
    EXPECT_EQ(w->findChild<QLabel *>("lblcard_0")->text(), "2007年3月");

    w->findChild<QToolBar *>("Toolbar1")->actions().at(0)->trigger();
    EXPECT_EQ(host.punchClockShown, 1);
}
