// The program's everyday road through the real main frame and screens:
// prepare a month from the menu, punch clock-in, return the card.
#include "punchclock/PunchFixture.h"
#include "support/ProgramFixture.h"
#include "support/RecordingHost.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(EverydayRun, PrepareFromTheMenuThenPunchClockIn) {
    ProgramFixture p;
    p.t.clock.set(2009, 5, 12, 8, 59, 30);
    PunchData::writeSettings(p.t, "getumatusime");
    PunchData::writeRoster(p.t, {{"1", "山田太郎"}, {"2", "鈴木花子", "時給"}});
    p.start();
    ASSERT_EQ(p.t.session.screenWord, "recorder");

    // Preparation of May 2009 from the menu, with the keyboard.
    p.frame->item("menujyunbi")->trigger();
    ASSERT_EQ(p.t.session.screenWord, "cardjyunbi");
    auto *year = p.find<QLineEdit>("texcard_0");
    ASSERT_NE(year, nullptr);
    year->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return year->hasFocus(); }, 2000));
    typeText(year, "2009");
    QTest::keyClick(year, Qt::Key_Return);
    auto *month = p.find<QLineEdit>("texcard_1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return month->hasFocus(); }, 2000));
    typeText(month, "5");
    QTest::keyClick(month, Qt::Key_Return);
    auto *prepare = p.find<QPushButton>("Command2");
    ASSERT_TRUE(QTest::qWaitFor([&] { return prepare->hasFocus(); }, 2000));
    QTest::keyClick(prepare, Qt::Key_Return);
    // The punch clock told once at start that no card was there yet.
    EXPECT_EQ(p.t.dialogs.texts(), QStringList({"タイムカードが準備されていません。",
                                                "2 人分のタイムカードを準備しました。"}));
    EXPECT_TRUE(p.t.fs.exists("2009年5月/1.Card"));
    EXPECT_TRUE(p.t.fs.exists("2009年5月/2.Card"));
    p.frame->currentScreen()->closeScreen();
    QTest::qWait(50);

    // Back on the punch clock, the rack shows both cards without any click.
    ASSERT_EQ(p.t.session.screenWord, "recorder");
    auto *rack = p.find<QListWidget>("List1");
    ASSERT_NE(rack, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return rack->count() == 2; }, 2000));

    const QRect line = rack->visualItemRect(rack->item(0));
    QTest::mouseClick(rack->viewport(), Qt::LeftButton, {}, line.center());
    QTest::mouseClick(p.find<QWidget>("Image3_0"), Qt::LeftButton);
    QTest::mouseClick(p.find<QPushButton>("Command1"), Qt::LeftButton);
    QTest::mouseClick(p.find<QPushButton>("Command2"), Qt::LeftButton);

    const CardTable c = PunchData::readCard(p.t, "2009年5月", "1");
    const int row = c.dayRowOf(12);
    ASSERT_GE(row, 0);
    EXPECT_EQ(c.at(row, CardField::ClockIn), "8:59");
    EXPECT_EQ(c.at(row, CardField::Weekday), "火");
}
