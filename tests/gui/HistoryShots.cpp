// Pictures of the change history and the labour checks for the
// documentation, written only when KELVANE_SHOT_DIR names a folder (run under
// a real X server, QT_QPA_PLATFORM=xcb, for real fonts and message boxes).
#include "Shots.h"
#include "data/History.h"
#include "punchclock/PunchFixture.h"
#include "support/HistoryFiles.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The check's window, then closed.
void checkShot(shots::Program &p, const QString &name) {
    QTimer::singleShot(600, [name] {
        if (auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            shots::saveScreen(d, name);
            d->reject();
        }
    });
    p.frame->item("menurireki")->trigger();
    QTest::qWait(100);
}

} // namespace

TEST(HistoryShots, Write) {
    if (shots::folder().isEmpty())
        GTEST_SKIP() << "KELVANE_SHOT_DIR not set";
    {
        // The settings with a punch rounding unit and the monthly "切捨て".
        shots::Program p;
        PunchData::writeSettings(p.t, "getumatusime", "0");
        ASSERT_TRUE(p.start());
        p.frame->item("menukijyun")->trigger();
        shots::save(p.frame.get(), "frmkeisankijyun.png", 300);
        for (const auto &[box, text] :
             {std::pair{"cmbhasuu_0", "15"}, std::pair{"cmbhasuu_4", "30"},
              std::pair{"cmbhasuu_5", "切捨て"}}) {
            auto *combo = p.find<QComboBox>(QLatin1String(box));
            combo->setFocus();
            EXPECT_TRUE(QTest::qWaitFor([combo] { return combo->hasFocus(); }, 1000));
            QTest::qWait(50); // the box shows its stored setting on entry first
            combo->setCurrentText(QString::fromUtf8(text));
            QTest::keyClick(combo, Qt::Key_Return);
            QTest::qWait(30);
        }
        shots::save(p.frame.get(), "frmkeisankijyun-notice.png", 300);
    }
    {
        // A clock-out left out the day before, said when the card is set;
        // then the additional punch with its reason, and the history check.
        shots::Program p;
        PunchData::prepareMonth(p.t, 2009, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        CardTable c = PunchData::readCard(p.t, "2009年5月", "1");
        c.at(10, CardField::ClockIn) = "8:52";
        c.at(10, CardField::Weekday) = "月";
        PunchData::writeCard(p.t, "2009年5月", c);
        // Earlier punches of the other employee, already in the history.
        p.t.clock.set(2009, 5, 11, 8, 41, 12);
        for (const auto &[field, time] : {std::pair{2, "8:41"}, {3, "12:02"}, {4, "12:58"}})
            recordMade(p.t, history::word::dakoku, {{"2009年5月", "2", 10, "11", field, "", time}});
        p.t.clock.set(2009, 5, 12, 8, 47, 3);
        ASSERT_TRUE(p.start());
        shots::withBox(p.frame.get(), "punch-missing-clockout.png",
                       [&] { clickLine(p.find<QListWidget>("List1"), 0); });
        p.click("Command2");
        p.openAdditionalPunch();
        p.type("textukihi_2", "5");
        p.type("textukihi_3", "11");
        p.type("textukihi_4", "18");
        p.type("textukihi_5", "10");
        p.type("texriyuu", "退勤の打刻忘れ（本人申告）");
        p.click("optuika_3");
        shots::save(p.frame.get(), "additional-punch-reason.png", 300);
        p.click("Command7");
        p.click("Command8");
        checkShot(p, "history-check.png");

        // One time changed by hand in Rireki.Dat.
        const QByteArray history = p.t.bytes(history::kFileName);
        QByteArray bytes = history;
        bytes.replace("18:10", "17:10");
        p.t.put(history::kFileName, bytes);
        checkShot(p, "history-check-changed.png");

        // The clock-out typed into the card file by hand instead.
        p.t.put(history::kFileName, history);
        QByteArray card = p.t.bytes("2009年5月/1.Card");
        card.replace("\"18:10\"", "\"19:40\"");
        p.t.put("2009年5月/1.Card", card);
        checkShot(p, "history-check-card-edited.png");
    }
}
