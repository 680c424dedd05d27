// The change history on the tally screen through the real windows: a
// correction with its reason, confirmed, then the history list of button 8.
// With KELVANE_SHOT_DIR set, the correction panel and the list are saved as
// pictures there.
#include "Shots.h"
#include "data/CardMonth.h"
#include "data/History.h"
#include "punchclock/PunchFixture.h"
#include "support/HistoryFiles.h"
#include "support/ProgramFixture.h"
#include "support/RecordingHost.h"
#include "tally/ui/frmsyuukei.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace {

const QString kMonth = "2007年3月";

// A month of punches, each written at the punch clock with its history, and
// one additional punch with its reason.
void prepare(ProgramFixture &p) {
    PunchData::prepareMonth(p.t, 2007, 3, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
    const CardTable empty = PunchData::readCard(p.t, kMonth, "1");
    CardTable c = empty;
    for (int r = 0; r < 20; ++r) {
        const QDate d(2007, 3, r + 1);
        if (d.dayOfWeek() >= 6)
            continue;
        c.at(r, CardField::Weekday) = CardMonth::weekdayKanji(d.dayOfWeek());
        c.at(r, CardField::ClockIn) = QStringLiteral("8:%1").arg(41 + (r * 7) % 19);
        if (r != 13)
            c.at(r, CardField::ClockOut) = QStringLiteral("17:%1").arg(10 + r * 2);
    }
    p.t.clock.set(2007, 3, 1, 8, 45, 12);
    QList<history::Entry> punches = history::cardChanges(kMonth, "1", empty, c);
    for (const history::Entry &e : punches) {
        p.t.clock.set(QDateTime(QDate(2007, 3, e.day.toInt()),
                                QTime::fromString(e.newText, "H:mm").addSecs(17)));
        recordMade(p.t, history::word::dakoku, {e});
    }
    CardTable added = c;
    added.at(13, CardField::ClockOut) = "18:30";
    p.t.clock.set(2007, 3, 15, 9, 2, 40);
    ASSERT_TRUE(history::saveCard(p.t.services, history::word::tuika, kMonth, "1", c, added,
                                  "退勤の打刻忘れ（本人申告）")
                    .ok());
    p.t.clock.set(2007, 3, 31, 17, 20, 5);
}

} // namespace

TEST(TallyHistoryGui, ACorrectionWithItsReasonIsInTheHistoryList) {
    shots::ProgramFont font;
    {
        ProgramFixture p;
        prepare(p);
        p.start();
        p.t.clock.set(2007, 3, 31, 17, 20, 5);
        p.frame->item("menusyuukei")->trigger();
        auto *w = qobject_cast<frmsyuukei *>(p.frame->currentScreen());
        ASSERT_NE(w, nullptr);
        Q_EMIT w->findChild<QComboBox *>("Combo1")->activated(0);
        auto *staff = w->findChild<QListWidget *>("List1");
        clickLine(staff, 0);
        auto *history = w->findChild<QAction *>("Toolbar1_8");
        ASSERT_NE(history, nullptr);
        EXPECT_EQ(history->toolTip(), "この人の打刻の変更履歴を表示します");
        EXPECT_TRUE(history->isEnabled());

        w->findChild<QAction *>("Toolbar1_1")->trigger(); // confirmed: corrections may follow
        w->findChild<QAction *>("Toolbar1_2")->trigger();
        EXPECT_FALSE(history->isEnabled());
        auto type = [&](const QString &name, const QString &text) {
            auto *b = w->findChild<QLineEdit *>(name);
            ASSERT_TRUE(ProgramFixture::focus(b));
            b->selectAll();
            typeText(b, text);
        };
        type("texnintei_75", "16");
        type("texnintei_76", "8.3");
        type("texriyuu", "電車遅延のため（遅延証明あり）");
        shots::grab(p.frame.get(), "frmsyuukei-correction-reason.png");
        QTest::mouseClick(w->findChild<QPushButton *>("Command3"), Qt::LeftButton);
        EXPECT_EQ(PunchData::readCard(p.t, kMonth, "1").at(15, CardField::ClockIn), "8:03");
        EXPECT_TRUE(p.t.dialogs.texts().isEmpty());

        history->trigger();
        auto *panel = w->findChild<QWidget *>("Picture8");
        ASSERT_TRUE(panel->isVisible());
        EXPECT_FALSE(staff->isEnabled());
        auto *table = panel->findChild<QTableWidget *>("grdrireki");
        ASSERT_EQ(table->rowCount(), 2); // the additional punch and the correction
        QStringList last;
        for (int c = 0; c < table->columnCount(); ++c)
            last << table->item(1, c)->text();
        EXPECT_EQ(last, QStringList({"2007/03/31 17:20:05", "訂正", "16", "出勤", "8:51", "8:03",
                                     "電車遅延のため（遅延証明あり）"}));
        shots::grab(p.frame.get(), "frmsyuukei-history.png");
        panel->findChild<QCheckBox *>("chkdakoku")->click();
        EXPECT_GT(table->rowCount(), 20);
        shots::grab(p.frame.get(), "frmsyuukei-history-punches.png");
        panel->findChild<QCheckBox *>("chkdakoku")->click();
        QTest::mouseClick(panel->findChild<QPushButton *>("cmdrireki"), Qt::LeftButton);
        EXPECT_FALSE(panel->isVisible());
        EXPECT_TRUE(staff->isEnabled());
    }
}

TEST(TallyHistoryGui, AValueOfTheCardEditedByHandIsRedInTheList) {
    shots::ProgramFont font;
    ProgramFixture p;
    prepare(p);
    // The clock-out of the 6th turned from 17:20 into 19:20 in the file by hand.
    CardTable c = PunchData::readCard(p.t, kMonth, "1");
    ASSERT_EQ(c.at(5, CardField::ClockOut), "17:20");
    c.at(5, CardField::ClockOut) = "19:20";
    PunchData::writeCard(p.t, kMonth, c);
    p.start();
    p.frame->item("menusyuukei")->trigger();
    auto *w = qobject_cast<frmsyuukei *>(p.frame->currentScreen());
    ASSERT_NE(w, nullptr);
    Q_EMIT w->findChild<QComboBox *>("Combo1")->activated(0);
    clickLine(w->findChild<QListWidget *>("List1"), 0);
    w->findChild<QAction *>("Toolbar1_8")->trigger();
    auto *table = w->findChild<QTableWidget *>("grdrireki");
    ASSERT_GE(table->rowCount(), 1);
    QStringList first;
    for (int col = 0; col < table->columnCount(); ++col)
        first << table->item(0, col)->text();
    EXPECT_EQ(first, QStringList({"", "不明な変更", "6", "退勤", "17:20", "19:20",
                                  "変更履歴にない変更です"}));
    EXPECT_EQ(table->item(0, 5)->foreground().color(), QColor(0xc0, 0, 0));
    EXPECT_NE(table->item(1, 5)->foreground().color(), QColor(0xc0, 0, 0));
    shots::grab(p.frame.get(), "frmsyuukei-history-unexplained.png");
}
