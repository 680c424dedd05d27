#include "data/CardUpdate.h"
#include "punchclock/PunchFixture.h"
#include "tally/TallyScreen.h"

#include <memory>

namespace {

const QString kMonth = "2007年3月";

// The tally open on one PC while an employee punches at the door on another.
struct TallyMeanwhile : ::testing::Test {
    TestServices t;
    LocalFileSystem door{t.dir.path()};
    MemorySettingsStore doorStore;
    std::unique_ptr<TallyScreen> screen;

    void SetUp() override {
        PunchData::prepareMonth(t, 2007, 3, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        screen = std::make_unique<TallyScreen>(t.services);
        ASSERT_TRUE(screen->open());
        screen->chooseMonth(kMonth);
        screen->chooseEmployee(0);
    }
    void type(int box, const QString &text) {
        screen->boxEntered(box);
        screen->boxLeft(box, text);
    }
    void punchAtTheDoor(int row, const QString &in, const QString &out) {
        const CardTable seen = card();
        CardTable punched = seen;
        punched.at(row, CardField::ClockIn) = in;
        punched.at(row, CardField::ClockOut) = out;
        ASSERT_TRUE(cardupdate::putPunches({door, t.clock, doorStore}, history::word::dakoku,
                                           kMonth, "1", seen, punched)
                        .ok());
    }
    CardTable card() { return PunchData::readCard(t, kMonth, "1"); }
};

} // namespace

TEST_F(TallyMeanwhile, AConfirmKeepsThePunchMadeMeanwhileAndAsksAgain) {
    type(1, "1:00"); // day 1, 法定外
    punchAtTheDoor(3, "9:00", "18:00");
    const QByteArray before = t.bytes(kMonth + "/1.Card");

    screen->toolConfirm();
    // Nothing written over the new punch; the screen took it and tallied it.
    EXPECT_EQ(t.bytes(kMonth + "/1.Card"), before);
    EXPECT_EQ(screen->card().at(3, CardField::ClockIn), "9:00");
    EXPECT_EQ(screen->card().at(3, CardField::Work), "9:00");
    EXPECT_EQ(screen->card().at(0, CardField::CertBeyond), "1:00");
    ASSERT_EQ(t.dialogs.texts().size(), 1);
    const QString told = t.dialogs.texts().first();
    EXPECT_TRUE(told.contains(QStringLiteral("・4日　出勤　（なし） → 9:00")))
        << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("もう一度「確定」してください")));
    EXPECT_FALSE(screen->lists().staffListEnabled());

    screen->toolConfirm();
    const CardTable stored = card();
    EXPECT_EQ(stored.at(3, CardField::ClockIn), "9:00");
    EXPECT_EQ(stored.at(3, CardField::ClockOut), "18:00");
    EXPECT_EQ(stored.at(0, CardField::CertBeyond), "1:00");
    EXPECT_EQ(stored.at(CardTable::kTotalsRow, CardField::DaysWorked), "1");
    EXPECT_TRUE(screen->lists().staffListEnabled());
    // The door's punch is in the history once, the tally wrote no record of it.
    int punches = 0;
    for (const history::Record &r : history::recordsOf(t.fs, kMonth, "1"))
        punches += r.entry.row < CardTable::kDayRows && r.entry.field >= CardField::ClockIn &&
                   r.entry.field <= CardField::ClockOut;
    EXPECT_EQ(punches, 2);
}

TEST_F(TallyMeanwhile, ACorrectionNeverReplacesAPunchMadeMeanwhile) {
    ASSERT_TRUE(screen->kakutei());
    punchAtTheDoor(4, "9:00", "");
    screen->toolCorrect();
    const QStringList boxes = {"5", "8:30", "", "", "17:30"};
    for (int i = 0; i < 5; ++i)
        type(75 + i, boxes[i]);
    screen->executeCorrection();
    const QString told = t.dialogs.texts().value(0);
    EXPECT_TRUE(told.contains(QStringLiteral("この画面の訂正 8:30 は、新しい打刻を残すため")))
        << told.toStdString();
    EXPECT_EQ(card().at(4, CardField::ClockIn), "9:00");
    EXPECT_TRUE(card().at(4, CardField::ClockOut).isEmpty());

    screen->toolConfirm();
    EXPECT_EQ(card().at(4, CardField::ClockIn), "9:00");
    EXPECT_EQ(card().at(4, CardField::ClockOut), "17:30");
}
