// Pictures of the everyday screens inside the real main frame, for the
// documentation: written only when KELVANE_SHOT_DIR names a folder (run under
// a real X server, QT_QPA_PLATFORM=xcb, for real fonts and message boxes).
#include "Shots.h"
#include "punchclock/PunchFixture.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <gtest/gtest.h>

namespace {

void saveFrame(shots::Program &p, const QString &name) {
    shots::save(p.frame.get(), name, 300);
}

void clickRack(shots::Program &p, int row) {
    clickLine(p.find<QListWidget>("List1"), row);
}

} // namespace

TEST(EverydayShots, Write) {
    if (shots::folder().isEmpty())
        GTEST_SKIP() << "KELVANE_SHOT_DIR not set";

    {
        // A new user's first start: an empty data folder.
        shots::Program p;
        p.t.clock.set(2009, 5, 12, 8, 30, 5);
        ASSERT_TRUE(p.start());
        saveFrame(p, "first-start.png");
    }
    {
        // A night shift: clock-out of yesterday, then the next employee.
        shots::Program p;
        PunchData::prepareMonth(p.t, 2009, 5,
                                {{"1", "山田太郎"}, {"2", "鈴木花子"}, {"3", "佐藤一郎"}}, "5");
        p.t.clock.set(2009, 5, 13, 6, 2, 41);
        ASSERT_TRUE(p.start());
        clickRack(p, 0);
        p.type("textukihi_1", "12");
        p.click("Image3_3");
        p.click("Command1");
        saveFrame(p, "nightshift-1-day-typed-back.png");
        p.click("Command2");
        clickRack(p, 1);
        p.click("Image3_0");
        saveFrame(p, "nightshift-2-next-employee.png");

        // A chosen time not pressed, asked about on returning.
        shots::withBox(p.frame.get(), "messagebox-unpressed.png", [&] { p.click("Command2"); });
    }
    {
        // A long message: a day the card has no row for.
        shots::Program p;
        PunchData::prepareMonth(p.t, 2009, 6, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        p.t.clock.set(2009, 6, 10, 17, 31, 8);
        ASSERT_TRUE(p.start());
        clickRack(p, 0);
        shots::withBox(p.frame.get(), "messagebox-long.png", [&] { p.type("textukihi_1", "31"); });
    }
    {
        // Long names in the rack and on the card.
        shots::Program p;
        PunchData::prepareMonth(p.t, 2009, 5,
                                {{"1", "ウィリアムズ・キャサリン・アン"},
                                 {"2", "勅使河原　三郎左衛門之丞"},
                                 {"10", "グエン・ヴァン・タイン・ロン"},
                                 {"3", "山田太郎"},
                                 {"12", "長谷川　由紀子"}});
        p.t.clock.set(2009, 5, 12, 8, 47, 3);
        ASSERT_TRUE(p.start());
        clickRack(p, 0);
        saveFrame(p, "rack-long-names.png");
        p.click("Command2");
        p.frame->item("mynustaff")->trigger();
        saveFrame(p, "frmmeibo-long-names.png");
    }
    {
        // The additional punch panel on a card month of a 20th closing.
        shots::Program p;
        PunchData::writeSettings(p.t, "20sime");
        PunchData::writeRoster(p.t, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        for (const PunchData::Person &person :
             {PunchData::Person{"1", "山田太郎"}, PunchData::Person{"2", "鈴木花子"}})
            PunchData::writeCard(
                p.t, "2007年4月",
                PunchData::makeCard(person, 2007, 4, PunchData::settingsOf("20sime")));
        p.t.clock.set(2007, 4, 2, 9, 0, 0);
        ASSERT_TRUE(p.start());
        p.openAdditionalPunch();
        p.enterAdditionalPunch({"04", "22", "17", "30"}, 3);
        saveFrame(p, "additional-punch-date.png");
        // Another weekday than the date's is refused: the row of the 22nd is 22
        // March 2007, a Thursday.
        shots::withBox(p.frame.get(), "additional-punch-weekday.png",
                       [&] { p.find<QComboBox>("Combo2")->setCurrentIndex(5); });
        EXPECT_EQ(p.find<QComboBox>("Combo2")->currentIndex(), 3);
    }
    {
        // A card full of garbage keeps its line and says it is damaged.
        shots::Program p;
        PunchData::prepareMonth(p.t, 2009, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        QByteArray garbage;
        for (int i = 0; i < 600; ++i)
            garbage += "\"\x93\xe0" + QByteArray::number(i % 97) + "\"\r\n";
        p.t.put("2009年5月/2.Card", garbage);
        p.t.clock.set(2009, 5, 12, 8, 47, 3);
        ASSERT_TRUE(p.start());
        shots::withBox(p.frame.get(), "rack-damaged-card.png", [&] { clickRack(p, 1); });
    }
    {
        // The PIN screen in the frame sized for it.
        shots::Program p;
        p.t.clock.set(2009, 5, 12, 8, 30, 5);
        ASSERT_TRUE(p.start());
        p.frame->item("mynupw")->trigger();
        saveFrame(p, "frmpw-frame.png");
    }
}
