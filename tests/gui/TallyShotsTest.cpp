// The tally screen in its main states. With KELVANE_SHOT_DIR set, each state
// is saved as a PNG there for a person to look at.
#include "Shots.h"
#include "data/CardMonth.h"
#include "punchclock/PunchFixture.h"
#include "support/ProgramFixture.h"
#include "support/RecordingHost.h"
#include "tally/ui/frmsyuukei.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolBar>

namespace {

// A plain day of work on row r.
void tallytestPunch(CardTable &c, int r) {
    c.at(r, CardField::ClockIn) = "9:00";
    c.at(r, CardField::ClockOut) = "18:00";
}

// The program started and its tally screen on the newest month.
frmsyuukei *openTally(ProgramFixture &p) {
    p.start();
    p.frame->item("menusyuukei")->trigger();
    auto *w = qobject_cast<frmsyuukei *>(p.frame->currentScreen());
    if (w)
        Q_EMIT w->findChild<QComboBox *>("Combo1")->activated(0);
    return w;
}

// Text typed into certified-hours box i, over what it held.
void typeBox(frmsyuukei *w, int i, const QString &text) {
    auto *b = w->findChild<QLineEdit *>(QStringLiteral("texnintei_%1").arg(i));
    ASSERT_TRUE(ProgramFixture::focus(b));
    b->selectAll();
    typeText(b, text);
}

} // namespace

TEST(TallyShots, EmployeeOpenCorrectionAndGuide) {
    shots::ProgramFont font;
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
    for (int r = 0; r < 31; ++r) {
        const QDate d(2007, 3, r + 1);
        if (d.dayOfWeek() >= 6 || r == 20 || r > 25)
            continue;
        c.at(r, CardField::Weekday) = CardMonth::weekdayKanji(d.dayOfWeek());
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
    frmsyuukei *w = openTally(p);
    ASSERT_NE(w, nullptr);
    auto *staff = w->findChild<QListWidget *>("List1");
    ASSERT_EQ(staff->count(), 5);
    clickLine(staff, 1);
    QTest::mouseClick(w->findChild<QToolBar *>("Toolbar1")
                          ->widgetForAction(w->findChild<QAction *>("Toolbar1_1")),
                      Qt::LeftButton);
    clickLine(staff, 0);
    auto type = [&](int box, const QString &text) { typeBox(w, box, text); };
    type(1, "0.3");
    type(6, "1.15");
    type(16, "0.5");
    type(23, "1.5");
    type(29, "5");
    type(30, "1");
    type(45, "0.2");
    ASSERT_TRUE(ProgramFixture::focus(w->findChild<QLineEdit *>("texnintei_46")));

    shots::grab(p.frame.get(), "frmsyuukei.png");

    type(30, "1.0");
    w->findChild<QAction *>("Toolbar1_1")->trigger();
    w->findChild<QAction *>("Toolbar1_2")->trigger();
    type(75, "16");
    type(76, "8.5");
    type(79, "999");
    shots::grab(p.frame.get(), "frmsyuukei-correction.png");
    w->findChild<QAction *>("Toolbar1_6")->trigger();
    shots::grab(p.frame.get(), "frmsyuukei-guide.png");
    w->findChild<QPushButton *>("Command1")->click(); // the guide's "閉じる"
    w->findChild<QPushButton *>("Command4")->click(); // the correction panel's
    w->findChild<QAction *>("Toolbar1_3")->trigger();
    shots::grab(p.frame.get(), "frmsyuukei-print.png");
    EXPECT_EQ(p.t.dialogs.texts(), QStringList());
}

TEST(TallyShots, ValuesToLookAtAndACardChangedAfterItsConfirm) {
    shots::ProgramFont font;
    ProgramFixture p;
    p.t.clock.set(2007, 3, 28, 17, 0, 10);
    PunchData::prepareMonth(p.t, 2007, 3, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
    const QString month = "2007年3月";
    CardTable c = PunchData::readCard(p.t, month, "1");
    for (const int r : {0, 1, 4, 5, 6})
        tallytestPunch(c, r);
    PunchData::writeCard(p.t, month, c);
    frmsyuukei *w = openTally(p);
    ASSERT_NE(w, nullptr);
    clickLine(w->findChild<QListWidget *>("List1"), 0);
    auto type = [&](int box, const QString &text) { typeBox(w, box, text); };
    type(1, "99.99");  // 1st 法定外: minutes of 60 or more
    type(4, "0.10");   // 1st 遅刻早退
    type(9, "-0.30");  // 2nd 遅刻早退: the total below zero
    type(16, "60.00"); // 4th, a Sunday without punches: 法定外
    type(17, "30.00"); //                                  休日
    ASSERT_TRUE(ProgramFixture::focus(w->findChild<QLineEdit *>("texnintei_20")));
    // The line under the totals, whole in its tool tip, once the last box is left.
    auto *noteLine = w->findChild<QLabel *>("lblnocolon");
    EXPECT_TRUE(QTest::qWaitFor([&] { return noteLine->toolTip().contains("（4件）"); }, 2000));
    const QString note = noteLine->toolTip();
    EXPECT_TRUE(
        note.startsWith("※確かめてほしい認定時間（4件）：1日の法定外「99:99」（分が60以上）"))
        << note.toStdString();
    EXPECT_TRUE(note.contains("遅刻早退の合計「-0:20」（マイナス）"));
    EXPECT_TRUE(note.contains("4日の法定外「60:00」（打刻のない日）"));
    shots::grab(p.frame.get(), "frmsyuukei-values-to-look-at.png");

    // Confirmed, then a day punched at the punch clock: the print panel names it.
    w->findChild<QAction *>("Toolbar1_1")->trigger();
    c = PunchData::readCard(p.t, month, "1");
    tallytestPunch(c, 7);
    PunchData::writeCard(p.t, month, c);
    w->findChild<QAction *>("Toolbar1_3")->trigger();
    auto *check = w->findChild<QLabel *>("lblkakunin");
    ASSERT_NE(check, nullptr);
    EXPECT_TRUE(check->isVisible());
    EXPECT_TRUE(check->text().endsWith("\n1　山田太郎")) << check->text().toStdString();
    EXPECT_TRUE(
        check->toolTip().contains("1　山田太郎（確定した後に打刻か基本設定が変わっています"));
    shots::grab(p.frame.get(), "frmsyuukei-print-to-check.png");
    EXPECT_EQ(p.t.dialogs.texts(), QStringList());
}
