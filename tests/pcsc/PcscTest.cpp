#include "data/CardTies.h"
#include "data/IcOptions.h"
#include "data/ui/IcCardDialog.h"
#include "pcsc/OwnPcscd.h"
#include "pcsc/VirtualCard.h"
#include "platform/pcsc/PcscCardReader.h"
#include "punchclock/PunchFixture.h"
#include "punchclock/ui/frmrecoder.h"
#include "support/RecordingHost.h"

#include <QLabel>
#include <QListWidget>

namespace {

const QByteArray kYamada = QByteArray::fromHex("0123456789ABCDEF"); // a FeliCa IDm
const QByteArray kSuzuki = QByteArray::fromHex("04A1B2C3D4E5F6");   // a 7-byte MIFARE UID
const QByteArray kStranger = QByteArray::fromHex("DEADBEEF");

// Waits until what returns the text of a label holds part.
testing::AssertionResult shows(const std::function<QString()> &text, const QString &part,
                               int ms = 8000) {
    if (QTest::qWaitFor([&] { return text().contains(part); }, ms))
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "waited for \"" << part.toStdString() << "\", saw \"" << text().toStdString() << "\"";
}

} // namespace

// The real readers' code against pcscd and the virtual reader: two cards
// registered in the roster's window, each touched twice at the punch clock
// and found in its own card file; a card no one has; the service gone and back.
TEST(PcscCards, RegisterTouchAndPunchThroughARealPcscStack) {
    OwnPcscd pcscd;
    QString why;
    if (!pcscd.start(why))
        GTEST_SKIP() << "no PC/SC service for the test: " << why.toStdString();

    TestServices t;
    PcscCardReader reader;
    Services services{t.fs, t.dialogs, t.clock, t.settings, t.programEnd, t.session, &reader};
    PunchData::prepareMonth(t, 2009, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
    ASSERT_EQ(icoptions::save(t.fs, {}, {true, false}).error, FileError::None);
    t.clock.set(2009, 5, 12, 8, 50);
    VirtualCard card(pcscd.port());

    // Registering: 山田 is chosen, his card touched; then 鈴木 and hers.
    {
        Roster roster;
        roster[0] = {"1", "山田太郎", "月給", {}};
        roster[1] = {"2", "鈴木花子", "月給", {}};
        IcCardDialog d(services, roster, "1", nullptr);
        ASSERT_TRUE(d.opened());
        d.show();
        auto *readerLine = d.findChild<QLabel *>("lblreader");
        ASSERT_TRUE(shows([&] { return readerLine->text(); }, "Virtual PCD"))
            << pcscd.log().toStdString();
        auto *result = d.findChild<QLabel *>("lblkekka");
        ASSERT_TRUE(card.touch(kYamada, why)) << why.toStdString();
        EXPECT_TRUE(shows([&] { return result->text(); }, "0123456789ABCDEF を 1 山田太郎"));
        card.lift();
        d.findChild<QListWidget *>("List1")->setCurrentRow(1);
        ASSERT_TRUE(card.touch(kSuzuki, why)) << why.toStdString();
        EXPECT_TRUE(shows([&] { return result->text(); }, "04A1B2C3D4E5F6 を 2 鈴木花子"));
        card.lift();
    }
    const CardTies ties = cardties::read(t.fs).ties;
    EXPECT_EQ(ties.codeOf("0123456789ABCDEF"), "1");
    EXPECT_EQ(ties.codeOf("04A1B2C3D4E5F6"), "2");

    // Punching: each card touched, then touched again.
    RecordingHost host;
    ScreenContext ctx{services, host};
    frmrecoder w(ctx);
    w.show();
    auto *status = w.findChild<QLabel *>("lblic");
    auto *notice = w.findChild<QLabel *>("lblictouch");
    auto noticeText = [&] { return notice->isVisible() ? notice->text() : QString(); };
    // The punch clock takes a punch's time from the clock it shows.
    auto *clock = w.findChild<QLabel *>("lbltimer");
    auto setClock = [&](int h, int m, int s = 0) {
        t.clock.set(2009, 5, 12, h, m, s);
        return shows([&] { return clock->text(); }, QTime(h, m, s).toString("H:mm:ss"));
    };
    ASSERT_TRUE(shows([&] { return status->text(); }, "Virtual PCD"));
    struct Punch {
        QByteArray id;
        const char *code;
        const char *name;
        int minute;
    };
    for (const Punch &p :
         {Punch{kYamada, "1", "山田太郎", 50}, Punch{kSuzuki, "2", "鈴木花子", 53}}) {
        ASSERT_TRUE(setClock(8, p.minute));
        ASSERT_TRUE(card.touch(p.id, why)) << why.toStdString();
        EXPECT_TRUE(shows(noticeText, "「出勤 8:" + QString::number(p.minute)));
        EXPECT_EQ(w.findChild<QLabel *>("lbldata_1")->text(), p.name);
        card.lift();
        ASSERT_TRUE(setClock(8, p.minute, 5));
        ASSERT_TRUE(card.touch(p.id, why)) << why.toStdString();
        EXPECT_TRUE(shows(noticeText, QString::fromUtf8(p.name) + "さん\n出勤"));
        card.lift();
        EXPECT_EQ(PunchData::readCard(t, "2009年5月", p.code).at(11, CardField::ClockIn),
                  "8:" + QString::number(p.minute));
    }

    ASSERT_TRUE(setClock(9, 0));
    ASSERT_TRUE(card.touch(kStranger, why)) << why.toStdString();
    EXPECT_TRUE(shows(noticeText, "このカードは登録されていません。"));
    card.lift();
    EXPECT_FALSE(w.findChild<QWidget *>("Picture2")->isVisible());

    if (!pcscd.own())
        return; // a service of the machine's is never stopped by a test
    pcscd.stop();
    EXPECT_TRUE(shows([&] { return status->text(); }, "が外れています"));
    ASSERT_TRUE(pcscd.restart(why)) << why.toStdString();
    EXPECT_TRUE(shows([&] { return status->text(); }, "ICカードリーダー：Virtual PCD"));
    ASSERT_TRUE(setClock(12, 0));
    ASSERT_TRUE(card.touch(kYamada, why)) << why.toStdString();
    EXPECT_TRUE(shows(noticeText, "「退勤 12:00」"));
    card.lift();
}
