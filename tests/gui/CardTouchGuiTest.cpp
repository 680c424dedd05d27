#include "RecorderHarness.h"
#include "Shots.h"
#include "data/CardTies.h"
#include "data/IcOptions.h"
#include "data/ui/IcCardDialog.h"
#include "punchclock/PunchFixture.h"
#include "support/ProgramFixture.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

namespace {

const QString kMonth = QStringLiteral("2009年5月");

// A punch clock whose cards punch, with 山田太郎 (1) and 鈴木花子 (2) and a
// card each.
struct TouchClock : RecorderHarness {
    TouchClock() {
        PunchData::prepareMonth(t, 2009, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        CardTies ties;
        ties.tie("0123456789ABCDEF", "1");
        ties.tie("04A1B2C3", "2");
        EXPECT_EQ(cardties::save(t.services, {}, ties).error, FileError::None);
        EXPECT_EQ(icoptions::save(t.fs, {}, {true, false}).error, FileError::None);
        t.clock.set(2009, 5, 12, 8, 52, 10);
    }
    QString text(const QString &label) { return child<QLabel>(label)->text(); }
    bool cardShown() { return child<QWidget>("Picture2")->isVisible(); }
};

// Keys as a keyboard gives them, with the window system's time of each: the
// text, one key every gap ms, then Enter.
void typeAt(const QString &text, ulong gap, ulong &ms) {
    auto send = [&](int key, const QString &t) {
        QWidget *to = QApplication::focusWidget();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, t);
        press.setTimestamp(ms);
        QApplication::sendEvent(to, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, t);
        release.setTimestamp(ms + 2);
        QApplication::sendEvent(to, &release);
        ms += gap;
    };
    for (const QChar c : text)
        send(c.isDigit() ? Qt::Key_0 + (c.unicode() - '0')
                         : Qt::Key_A + (c.toUpper().unicode() - 'A'),
             QString(c));
    send(Qt::Key_Return, QStringLiteral("\r"));
}

} // namespace

TEST(CardTouchGui, ATouchShowsTheCardAndTheSecondRecordsIt) {
    TouchClock h;
    frmrecoder &w = h.open();
    EXPECT_EQ(h.t.cardReader.starts, 1);
    EXPECT_FALSE(h.child<QLabel>("lblic")->isVisible()); // no reader: quiet
    h.t.cardReader.plug({"SONY FeliCa RC-S300/P 00 00"});
    EXPECT_EQ(h.text("lblic"), "ICカードリーダー：SONY FeliCa RC-S300/P 00 00");

    h.t.cardReader.touch("0123456789ABCDEF");
    ASSERT_TRUE(h.cardShown());
    EXPECT_EQ(h.text("lbldata_1"), "山田太郎");
    EXPECT_EQ(h.text("lbldata_3"), "8:52");
    EXPECT_EQ(h.text("lblictouch"), "もう一度タッチすると\n「出勤 8:52」を記録します。");
    shots::grab(&w, "ic-touch.png");

    h.t.clock.set(2009, 5, 12, 8, 52, 14);
    h.t.cardReader.touch("0123456789ABCDEF");
    EXPECT_FALSE(h.cardShown());
    EXPECT_EQ(PunchData::readCard(h.t, kMonth, "1").at(11, CardField::ClockIn), "8:52");
    EXPECT_EQ(h.text("lblictouch"), "山田太郎さん\n出勤 8:52 を記録しました。");
    shots::grab(&w, "ic-touch-recorded.png");

    h.t.cardReader.plug({});
    EXPECT_TRUE(h.text("lblic").startsWith("ICカードリーダーが外れています。"));
}

TEST(CardTouchGui, AReaderThatTypesIsACardAndAPersonTypingIsNot) {
    TouchClock h;
    h.open();
    ulong ms = 100000;
    // A person typing the very number, at a person's pace, is no touch (the
    // rack may find a line by what was typed, as it always did).
    typeAt("04A1B2C3", 140, ms);
    QTest::qWait(120);
    EXPECT_TRUE(h.text("lblictouch").isEmpty());
    EXPECT_NE(h.text("lbldata_1"), "鈴木花子");
    h.screen->logic().returnCard();
    h.screen->render();
    // The same keys from a reader set 鈴木's card.
    ms += 2000;
    typeAt("04a1b2c3", 9, ms);
    ASSERT_TRUE(h.cardShown());
    EXPECT_EQ(h.text("lbldata_1"), "鈴木花子");
    // With the card set a person's 2 chooses 休憩, once no reader follows it.
    ms += 2000;
    QKeyEvent two(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, QStringLiteral("2"));
    two.setTimestamp(ms);
    QApplication::sendEvent(QApplication::focusWidget(), &two);
    EXPECT_TRUE(QTest::qWaitFor([&] { return h.text("lbldata_4") == "8:52"; }, 1000));
    EXPECT_TRUE(h.text("lbldata_3").isEmpty());
    // A burst typed into a box is the box's.
    h.screen->logic().returnCard();
    h.screen->render();
    QWidget *day = h.child<QWidget>("textukihi_1");
    ASSERT_TRUE(ProgramFixture::focus(day));
    ms += 2000;
    typeAt("0123456789ABCDEF", 5, ms);
    EXPECT_FALSE(h.cardShown());
}

TEST(CardTouchGui, TheRegistrationWindowTiesATouchedCard) {
    TestServices t;
    Roster roster;
    roster[0] = {"1", "山田太郎", "月給", {}};
    roster[1] = {"2", "鈴木花子", "月給", {}};
    roster[2] = {"105", "田中健", "時給", {}};
    CardTies before;
    before.tie("04A1B2C3", "1");
    ASSERT_EQ(cardties::save(t.services, {}, before).error, FileError::None);
    shots::ProgramFont font;
    IcCardDialog d(t.services, roster, "2", nullptr);
    ASSERT_TRUE(d.opened());
    d.show();
    EXPECT_EQ(t.cardReader.starts, 1);
    t.cardReader.plug({"ACS ACR1252 Dual Reader [ACR1252 Dual Reader PICC] 00 00"});
    t.cardReader.touch("0123456789ABCDEF");
    auto *cards = d.findChild<QListWidget *>("List2");
    ASSERT_EQ(cards->count(), 1);
    EXPECT_EQ(cards->item(0)->text(), "0123456789ABCDEF");
    EXPECT_EQ(d.findChild<QLabel *>("lblkekka")->text(),
              "カード 0123456789ABCDEF を 2 鈴木花子 に登録しました。");
    EXPECT_EQ(d.findChild<QListWidget *>("List1")->item(1)->text(), "2    鈴木花子　（1枚）");
    EXPECT_EQ(cardties::read(t.fs).ties.codeOf("0123456789ABCDEF"), "2");
    shots::grab(&d, "frmickaado.png");
}

// The option on the settings screen, in the real frame.
TEST(CardShots, Settings) {
    if (shots::folder().isEmpty())
        GTEST_SKIP() << "KELVANE_SHOT_DIR not set";
    shots::Program p;
    PunchData::writeSettings(p.t, "getumatusime", "0");
    ASSERT_TRUE(p.start());
    p.frame->item("menukijyun")->trigger();
    QTest::mouseClick(p.find<QWidget>("chkic"), Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseClick(p.find<QWidget>("chkickanri"), Qt::LeftButton, {}, QPoint(8, 8));
    shots::save(p.frame.get(), "frmkeisankijyun-ic.png", 300);
}
