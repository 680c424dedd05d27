// Pictures of the tally screen's day marks and of the payroll export for the
// documentation, written only when KELVANE_SHOT_DIR names a folder (run under
// a real X server, QT_QPA_PLATFORM=xcb, for real fonts and message boxes).
#include "Shots.h"
#include "data/CardMonth.h"
#include "punchclock/PunchFixture.h"
#include "tally/ui/frmsyuukei.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

const QString kMonth = "2007年3月";

struct Chooser : ExportChooser {
    QString folder;
    QString askCsvFile(const QString &name) override { return folder + "/" + name; }
};

// A month of four employees: 山田 with a few days to look at, 佐藤 marked in
// a suspended tally and never confirmed.
void prepare(TestServices &t) {
    PunchData::prepareMonth(
        t, 2007, 3,
        {{"1", "山田太郎"}, {"2", "鈴木花子"}, {"3", "佐藤次郎"}, {"12", "高橋美咲", "時給"}});
    // The rounding notice at its longest, beside the count of the days marked.
    CalcSettings s = PunchData::settingsOf("getumatusime");
    s[CalcSettings::MonthlyPunchUnit] = "15";
    s[CalcSettings::MonthlyPunchUnit + 1] = "30";
    s[CalcSettings::MonthlyPunchUnit + 2] = "切上げ切捨て";
    t.put(kSettingsFile, records::format(s.toList()));
    for (const QString code : {"1", "2", "12"}) {
        CardTable c = PunchData::readCard(t, kMonth, code);
        for (int r = 0; r < 26; ++r) {
            const QDate d(2007, 3, r + 1);
            if (d.dayOfWeek() >= 6)
                continue;
            c.at(r, CardField::Weekday) = CardMonth::weekdayKanji(d.dayOfWeek());
            c.at(r, CardField::ClockIn) = QStringLiteral("8:%1").arg(41 + (r * 7) % 19);
            c.at(r, CardField::BreakOut) = "12:01";
            c.at(r, CardField::BreakReturn) = QStringLiteral("12:%1").arg(55 + r % 5);
            c.at(r, CardField::ClockOut) =
                QStringLiteral("%1:%2").arg(17 + r % 3).arg(5 + (r * 11) % 50, 2, 10, QChar('0'));
        }
        if (code == "1") {
            c.at(4, CardField::ClockOut) = "";     // the 5th: no clock-out
            c.at(7, CardField::BreakReturn) = "";  // the 8th: out for a break, never back
            c.at(8, CardField::ClockIn) = "21:58"; // the 9th: a night shift into Saturday,
            c.at(8, CardField::BreakOut) = c.at(8, CardField::BreakReturn) = "";
            c.at(8, CardField::ClockOut) = "6:02"; // on its own row: no mark
            c.at(12, CardField::ClockOut) = "";    // the 13th: its clock-out in the 14th's row
            c.at(13, CardField::ClockIn) = c.at(13, CardField::BreakOut) = "";
            c.at(13, CardField::BreakReturn) = "";
            c.at(13, CardField::ClockOut) = "6:10";
        }
        PunchData::writeCard(t, kMonth, c);
    }
    t.put("Cyuudanumu.Dat", records::format({"ari", "4", "", kMonth}));
    t.put("Cyuudan.Dat", records::format({"1", "山田太郎", "", "2", "鈴木花子", "", "3", "佐藤次郎",
                                          "sumi", "12", "高橋美咲", ""}));
}

} // namespace

TEST(ExportShots, Write) {
    if (shots::folder().isEmpty())
        GTEST_SKIP() << "KELVANE_SHOT_DIR not set";
    shots::ProgramFont font;
    shots::Program p;
    p.t.clock.set(2007, 3, 28, 17, 0, 10);
    prepare(p.t);
    ASSERT_TRUE(p.start());
    p.frame->item("menusyuukei")->trigger();
    auto *w = qobject_cast<frmsyuukei *>(p.frame->currentScreen());
    ASSERT_NE(w, nullptr);
    QTemporaryDir out;
    Chooser chooser;
    chooser.folder = out.path();
    w->setExportChooser(&chooser);
    auto *staff = w->findChild<QListWidget *>("List1");
    clickLine(staff, 1);
    w->findChild<QAction *>("Toolbar1_1")->trigger();
    clickLine(staff, 0);
    QTest::qWait(300);
    // The tool tip of the 13th, whose clock-out went into the next row.
    auto *day = w->findChild<QLabel *>("lblcard_96");
    QToolTip::showText(day->mapToGlobal(day->rect().center()), day->toolTip(), day);
    QTest::qWait(400);
    shots::saveScreen(p.frame.get(), "frmsyuukei-marks.png");
    QToolTip::hideText();

    w->findChild<QAction *>("Toolbar1_1")->trigger();
    QTimer::singleShot(600, [&] {
        shots::saveScreen(p.frame.get(), "frmsyuukei-export.png");
        QTimer::singleShot(600, [&] {
            shots::saveScreen(p.frame.get(), "frmsyuukei-export-done.png");
            shots::answer("OK");
        });
        shots::answer("161:15");
    });
    auto *bar = w->findChild<QToolBar *>("Toolbar1");
    QTest::mouseClick(bar->widgetForAction(w->findChild<QAction *>("Toolbar1_7")), Qt::LeftButton);
    QTest::qWait(200);
    EXPECT_TRUE(QFile::exists(out.filePath(kMonth + "_勤怠.csv")));
    p.frame.reset(); // before the chooser it was given
}
