#include "data/CardUpdate.h"
#include "data/HistoryCheck.h"
#include "data/HistoryFile.h"
#include "support/Fakes.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kMonth = QStringLiteral("2007年3月");

// Two PCs on one data folder.
struct TwoPcs : ::testing::Test {
    QTemporaryDir dir;
    LocalFileSystem front{dir.path()};
    LocalFileSystem office{dir.path()};
    FixedClock clock;
    MemorySettingsStore frontStore, officeStore;
    history::Book frontBook{front, clock, frontStore};
    history::Book officeBook{office, clock, officeStore};

    void SetUp() override {
        front.setLockWait(30);
        office.setLockWait(30);
        QDir(dir.path()).mkdir(kMonth);
        CardTable c;
        for (int r = 0; r < CardTable::kDayRows; ++r) {
            c.at(r, CardField::Day) = QString::number(r + 1);
            c.at(r, CardField::Code) = "1";
        }
        ASSERT_TRUE(isSaved(cardfile::write(front, kMonth, "1", c)));
    }
    CardTable card() { return cardfile::read(front, kMonth, "1").table; }
    // The records of punches (a baseline of the card and the like left out).
    QList<history::Record> punches() {
        QList<history::Record> out;
        for (const history::Record &r : history::recordsOf(front, kMonth, "1"))
            if (r.function == history::word::dakoku || r.function == history::word::tuika)
                out.append(r);
        return out;
    }
    static CardTable with(CardTable t, int row, int field, const QString &text) {
        t.at(row, field) = text;
        return t;
    }
};

} // namespace

TEST_F(TwoPcs, PunchesOfBothPcsOnOneCardAreKept) {
    // Both set the card before either returned it.
    const CardTable seenByFront = card();
    const CardTable seenByOffice = card();
    const cardupdate::Punched a =
        cardupdate::putPunches(frontBook, history::word::dakoku, kMonth, "1", seenByFront,
                               with(seenByFront, 2, CardField::ClockIn, "8:58"));
    const cardupdate::Punched b =
        cardupdate::putPunches(officeBook, history::word::tuika, kMonth, "1", seenByOffice,
                               with(seenByOffice, 1, CardField::ClockOut, "18:00"), "忘れ");
    ASSERT_TRUE(a.ok() && b.ok());
    EXPECT_TRUE(b.clashes.isEmpty());
    EXPECT_EQ(card().at(2, CardField::ClockIn), "8:58");
    EXPECT_EQ(card().at(1, CardField::ClockOut), "18:00");
    EXPECT_EQ(b.now.toList(), card().toList());
    // One chain: each group records exactly its own punch.
    EXPECT_TRUE(history::check(front).intact());
    EXPECT_EQ(punches().size(), 2);
}

TEST_F(TwoPcs, APunchAlreadyMadeElsewhereIsKeptAndTheOtherTold) {
    const CardTable seen = card();
    ASSERT_TRUE(cardupdate::putPunches(officeBook, history::word::dakoku, kMonth, "1", seen,
                                       with(seen, 2, CardField::ClockIn, "8:58"))
                    .ok());
    const cardupdate::Punched late = cardupdate::putPunches(
        frontBook, history::word::dakoku, kMonth, "1", seen,
        with(with(seen, 2, CardField::ClockIn, "9:01"), 2, CardField::BreakOut, "12:00"));
    ASSERT_TRUE(late.ok());
    ASSERT_EQ(late.clashes.size(), 1);
    EXPECT_EQ(card().at(2, CardField::ClockIn), "8:58");
    EXPECT_EQ(card().at(2, CardField::BreakOut), "12:00");
    EXPECT_EQ(cardupdate::clashText(late.now, late.clashes),
              QStringLiteral("3日の出勤は、ほかのパソコンで既に 8:58 と打刻されていたため、9:01 "
                             "を記録していません。"));
    // The history holds what the card holds.
    const QList<history::Record> records = punches();
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records.last().entry.newText, "12:00");
}

TEST_F(TwoPcs, TheTallyWritesOnlyOverTheCardItRead) {
    const CardTable opened = card();
    ASSERT_TRUE(cardupdate::putPunches(officeBook, history::word::dakoku, kMonth, "1", opened,
                                       with(opened, 5, CardField::ClockIn, "9:00"))
                    .ok());
    const CardTable confirmed = with(opened, 5, CardField::CertBeyond, "1:00");
    const cardupdate::Stored s = cardupdate::storeIfUnchanged(frontBook, history::word::teisei,
                                                              kMonth, "1", opened, confirmed, {});
    EXPECT_TRUE(s.changedMeanwhile);
    EXPECT_FALSE(s.ok());
    EXPECT_EQ(s.now.at(5, CardField::ClockIn), "9:00");
    EXPECT_EQ(card().at(5, CardField::ClockIn), "9:00");
    EXPECT_TRUE(card().at(5, CardField::CertBeyond).isEmpty());
    // Confirmed again over the card as it is now, it is written.
    EXPECT_TRUE(cardupdate::storeIfUnchanged(frontBook, history::word::teisei, kMonth, "1", s.now,
                                             with(s.now, 5, CardField::CertBeyond, "1:00"), {})
                    .ok());
    EXPECT_EQ(card().at(5, CardField::CertBeyond), "1:00");
}

TEST_F(TwoPcs, ACardHeldElsewhereIsNotWrittenAndNothingGoesIntoTheHistory) {
    const CardTable seen = card();
    const QByteArray before = front.readFile(cardfile::path(kMonth, "1")).bytes;
    struct Case {
        const char *what;
        FileLock (*hold)(LocalFileSystem &);
    };
    const Case cases[] = {
        {"the card", [](LocalFileSystem &fs) { return fs.lockFile(cardfile::path(kMonth, "1")); }},
        {"its month", [](LocalFileSystem &fs) { return fs.lockFolders({kMonth}); }},
        {"the history",
         [](LocalFileSystem &fs) { return fs.lockFile(QLatin1String(history::kFileName)); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const FileLock held = c.hold(office);
        const cardupdate::Punched p =
            cardupdate::putPunches(frontBook, history::word::dakoku, kMonth, "1", seen,
                                   with(seen, 2, CardField::ClockIn, "9:00"));
        EXPECT_EQ(p.saved.error, FileError::Locked);
        EXPECT_TRUE(cardupdate::mayRetry(p.saved.error));
        EXPECT_EQ(front.readFile(cardfile::path(kMonth, "1")).bytes, before);
        EXPECT_FALSE(front.exists(QLatin1String(history::kFileName)));
    }
}
