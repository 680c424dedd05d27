// The tally screen in its main states. With KELVANE_SHOT_DIR set, each state
// is saved as a PNG there for a person to look at.
#include "punchclock/PunchFixture.h"
#include "support/ProgramFixture.h"
#include "support/RecordingHost.h"
#include "tally/ui/frmsyuukei.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolBar>

TEST(TallyShots, EmployeeOpenCorrectionAndGuide) {
    // The program's own face, so the pictures show what users see.
    const QFont before = QApplication::font();
    QFont ui(QStringLiteral("IPAPGothic"));
    ui.setPointSize(10);
    QApplication::setFont(ui);
    ProgramFixture p;
    p.t.clock.set(2007, 3, 28, 17, 0, 10);
    PunchData::prepareMonth(p.t, 2007, 3,
                            {{"1", "山田太郎"},
                             {"2", "鈴木花子"},
                             {"3", "佐藤次郎"},
                             {"12", "高橋美咲", "時給"},
                             {"105", "田中健"}});
    CalcSettings s = PunchData::settingsOf("getumatusime");
    s[CalcSettings::MonthlyPunchUnit] = "15";
    s[CalcSettings::MonthlyPunchUnit + 1] = "30";
    s[CalcSettings::MonthlyPunchUnit + 2] = "切上げ";
    p.t.put(kSettingsFile, records::format(s.toList()));
    const QString month = "2007年3月";
    CardTable c = PunchData::readCard(p.t, month, "1");
    const QString kanji[] = {"月", "火", "水", "木", "金", "土", "日"};
    for (int r = 0; r < 31; ++r) {
        const QDate d(2007, 3, r + 1);
        if (d.dayOfWeek() >= 6 || r == 20 || r > 25)
            continue;
        c.at(r, CardField::Weekday) = kanji[d.dayOfWeek() - 1];
        c.at(r, CardField::ClockIn) = QStringLiteral("8:%1").arg(41 + (r * 7) % 19);
        c.at(r, CardField::BreakOut) = "12:01";
        c.at(r, CardField::BreakReturn) = QStringLiteral("12:%1").arg(55 + r % 5);
        c.at(r, CardField::ClockOut) =
            QStringLiteral("%1:%2").arg(17 + r % 3).arg(5 + (r * 11) % 50, 2, 10, QChar('0'));
    }
    c.at(9, CardField::ClockIn) = "21:58"; // a night shift into Saturday morning
    c.at(9, CardField::BreakOut) = c.at(9, CardField::BreakReturn) = "";
    c.at(9, CardField::ClockOut) = "6:02";
    PunchData::writeCard(p.t, month, c);
    p.start();

    p.frame->item("menusyuukei")->trigger();
    auto *w = qobject_cast<frmsyuukei *>(p.frame->currentScreen());
    ASSERT_NE(w, nullptr);
    Q_EMIT w->findChild<QComboBox *>("Combo1")->activated(0);
    auto *staff = w->findChild<QListWidget *>("List1");
    ASSERT_EQ(staff->count(), 5);
    QTest::mouseClick(staff->viewport(), Qt::LeftButton, {},
                      staff->visualItemRect(staff->item(1)).center());
    QTest::mouseClick(w->findChild<QToolBar *>("Toolbar1")
                          ->widgetForAction(w->findChild<QAction *>("Toolbar1_1")),
                      Qt::LeftButton);
    QTest::mouseClick(staff->viewport(), Qt::LeftButton, {},
                      staff->visualItemRect(staff->item(0)).center());
    auto type = [&](int box, const QString &text) {
        auto *b = w->findChild<QLineEdit *>(QStringLiteral("texnintei_%1").arg(box));
        ASSERT_TRUE(ProgramFixture::focus(b));
        b->selectAll();
        typeText(b, text);
    };
    type(1, "0.3");
    type(6, "1.15");
    type(16, "0.5");
    type(23, "1.5");
    type(29, "5");
    type(30, "1");
    type(45, "0.2");
    ASSERT_TRUE(ProgramFixture::focus(w->findChild<QLineEdit *>("texnintei_46")));

    const QString dir = qEnvironmentVariable("KELVANE_SHOT_DIR");
    auto shot = [&](const char *name) {
        QTest::qWait(50);
        const QPixmap pm = p.frame->grab();
        EXPECT_FALSE(pm.isNull());
        if (!dir.isEmpty())
            pm.save(dir + "/" + name + ".png");
    };
    shot("frmsyuukei");

    type(30, "1.0");
    w->findChild<QAction *>("Toolbar1_1")->trigger();
    w->findChild<QAction *>("Toolbar1_2")->trigger();
    type(75, "16");
    type(76, "8.5");
    type(79, "999");
    shot("frmsyuukei-correction");
    w->findChild<QAction *>("Toolbar1_6")->trigger();
    shot("frmsyuukei-guide");
    w->findChild<QPushButton *>("Command1")->click(); // the guide's "閉じる"
    w->findChild<QPushButton *>("Command4")->click(); // the correction panel's
    w->findChild<QAction *>("Toolbar1_3")->trigger();
    shot("frmsyuukei-print");
    EXPECT_EQ(p.t.dialogs.texts(), QStringList());
    p.frame.reset();
    QApplication::setFont(before);
}
