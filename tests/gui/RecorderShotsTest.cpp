#include "RecorderHarness.h"
#include "Shots.h"
#include "data/CardMonth.h"
#include "punchclock/PunchFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QToolBar>

// The screen in its everyday states. With KELVANE_SHOT_DIR set, each state is
// saved as a PNG there for a person to look at.
TEST(RecorderShots, EverydayStates) {
    RecorderHarness h;
    PunchData::prepareMonth(h.t, 2009, 5,
                            {{"1", "山田太郎"},
                             {"2", "鈴木花子"},
                             {"3", "佐藤一郎"},
                             {"12", "高橋美咲"},
                             {"105", "田中健"},
                             {"7", "伊藤さくら"}});
    CardTable c = PunchData::readCard(h.t, "2009年5月", "1");
    for (int r = 0; r < 11; ++r) {
        c.at(r, CardField::Weekday) = CardMonth::weekdayKanji(QDate(2009, 5, r + 1).dayOfWeek());
        c.at(r, CardField::ClockIn) = QStringLiteral("8:%1").arg(50 + r % 9);
        c.at(r, CardField::ClockOut) = QStringLiteral("17:%1").arg(10 + r * 2);
    }
    c.at(11, CardField::ClockIn) = "8:47";
    h.t.put("2009年5月/1.Card", records::format(c.toList()));
    h.t.put("2009年4月/x.Card", "");
    h.t.put("2009年3月/x.Card", "");
    h.t.clock.set(2009, 5, 12, 12, 3, 27);
    frmrecoder &w = h.open();
    auto tool = [&](int n) {
        auto *bar = h.child<QToolBar>("Toolbar1");
        QAction *a = bar->findChild<QAction *>(QStringLiteral("Toolbar1_%1").arg(n));
        QTest::mouseClick(bar->widgetForAction(a), Qt::LeftButton);
    };
    shots::grab(&w, "1-idle.png");

    clickLine(h.child<QListWidget>("List1"), 0);
    QTest::mouseClick(h.child<QWidget>("Image3_1"), Qt::LeftButton);
    EXPECT_EQ(h.child<QLabel>("lbldata_3")->text(), "8:47");
    EXPECT_EQ(h.child<QLabel>("lbldata_4")->text(), "12:03");
    shots::grab(&w, "2-card-set.png");
    QTest::mouseClick(h.child<QWidget>("Image4_1"), Qt::LeftButton);
    QTest::mouseClick(h.child<QWidget>("Command2"), Qt::LeftButton);

    tool(1);
    clickLine(h.child<QListWidget>("List1"), 0);
    shots::grab(&w, "3-month-view.png");
    QTest::mouseClick(h.child<QWidget>("Command3"), Qt::LeftButton);

    tool(3);
    auto *months = h.child<QComboBox>("Combo1");
    months->setFocus();
    QTest::keyClick(months, Qt::Key_Down);
    clickLine(h.child<QListWidget>("List2"), 0);
    h.child<QWidget>("textukihi_2")->setFocus();
    for (const char *s : {"5", "12", "18", "5"}) {
        for (const char ch : std::string(s))
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                                QString(QChar(ch)), Qt::NoModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::qWait(10);
    }
    QTest::mouseClick(h.child<QRadioButton>("optuika_3"), Qt::LeftButton);
    shots::grab(&w, "4-additional-punch.png");
    QTest::mouseClick(h.child<QWidget>("Command8"), Qt::LeftButton);

    tool(2);
    shots::grab(&w, "5-removal.png");
    tool(4);
    shots::grab(&w, "6-guide.png");
    EXPECT_EQ(h.t.dialogs.texts(), QStringList());
}
