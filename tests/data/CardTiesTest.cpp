#include "data/CardTies.h"
#include "data/History.h"
#include "data/HistoryCheck.h"
#include "data/RecordFile.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

TEST(CardTies, StoredPairsTheProgramCannotUseAreLeftOut) {
    struct Case {
        const char *name;
        QStringList values;
        QList<CardTie> ties;
        int skipped;
    };
    const Case cases[] = {
        {"two cards",
         {"0123456789ABCDEF", "12", "04A1B2C3", "7"},
         {{"0123456789ABCDEF", "12"}, {"04A1B2C3", "7"}},
         0},
        {"lower case and blanks kept as the ID is", {" 04a1b2c3 ", " 7 "}, {{"04A1B2C3", "7"}}, 0},
        {"the first of one ID wins", {"04A1B2C3", "7", "04a1b2c3", "8"}, {{"04A1B2C3", "7"}}, 1},
        {"no hex, no code, a path",
         {"XYZ", "1", "0A", "", "0B", "../x", "0C", "3"},
         {{"0C", "3"}},
         3},
        {"a value without its pair", {"0A", "1", "0B"}, {{"0A", "1"}}, 1},
    };
    for (const Case &c : cases) {
        int skipped = -1;
        const CardTies t = CardTies::fromList(c.values, &skipped);
        EXPECT_EQ(t.all(), c.ties) << c.name;
        EXPECT_EQ(skipped, c.skipped) << c.name;
    }
}

TEST(CardTies, ACardBelongsToOneEmployeeAndAnEmployeeMayHaveSeveral) {
    CardTies t;
    EXPECT_TRUE(t.tie("0A", "1"));
    EXPECT_TRUE(t.tie("0B", " 1 "));
    EXPECT_EQ(t.idsOf("1"), QStringList({"0A", "0B"}));
    EXPECT_TRUE(t.tie("0A", "2")); // moved, not copied
    EXPECT_EQ(t.codeOf("0A"), "2");
    EXPECT_EQ(t.idsOf("1"), QStringList({"0B"}));
    EXPECT_TRUE(t.untie("0B"));
    EXPECT_FALSE(t.untie("0B"));
    EXPECT_TRUE(t.codeOf("0B").isEmpty());
    EXPECT_FALSE(t.tie("0a", "1")); // an ID as kept is upper-case
}

TEST(CardTies, AChangeGoesIntoTheHistoryBeforeTheFile) {
    TestServices s;
    CardTies before;
    before.tie("0A", "1");
    ASSERT_EQ(cardties::save(s.services, {}, before).error, FileError::None);
    CardTies after = before;
    after.tie("0A", "2");
    after.tie("FF01", "2");
    ASSERT_EQ(cardties::save(s.services, before, after, "1 山田 から付け替え").error,
              FileError::None);
    EXPECT_EQ(s.bytes(cardties::kFile), records::format({"0A", "2", "FF01", "2"}));
    EXPECT_EQ(cardties::read(s.fs).ties, after);

    const QList<history::Record> one = history::recordsOf(s.fs, cardties::kFile, "1");
    ASSERT_EQ(one.size(), 2);
    EXPECT_EQ(one[0].function, "ickaado");
    EXPECT_EQ(one[0].entry.newText, "0A");
    EXPECT_EQ(one[1].entry.oldText, "0A"); // taken from 1 ...
    EXPECT_TRUE(one[1].entry.newText.isEmpty());
    EXPECT_EQ(one[1].reason, "1 山田 から付け替え");
    const QList<history::Record> two = history::recordsOf(s.fs, cardties::kFile, "2");
    ASSERT_EQ(two.size(), 2); // ... and given to 2 in the same group
    EXPECT_EQ(two[0].entry.newText, "0A");
    EXPECT_EQ(two[1].entry.newText, "FF01");
    EXPECT_EQ(two[0].parts, 3);
    EXPECT_TRUE(history::check(s.fs).intact());
}

TEST(CardTies, AFailedWriteLeavesTheFileAndSaysSoInTheHistory) {
    TestServices s;
    CardTies before;
    before.tie("0A", "1");
    ASSERT_EQ(cardties::save(s.services, {}, before).error, FileError::None);
    const QByteArray file = s.bytes(cardties::kFile);
    CardTies after = before;
    after.untie("0A");

    s.fs.failOn(FaultyFileSystem::Op::Replace, 2, FileError::DiskFull);
    EXPECT_EQ(cardties::save(s.services, before, after).error, FileError::DiskFull);
    EXPECT_EQ(s.bytes(cardties::kFile), file);
    const QList<history::Record> recs = history::recordsOf(s.fs, cardties::kFile, "1");
    ASSERT_EQ(recs.size(), 3);
    EXPECT_EQ(recs[2].function, "torikesi");
    EXPECT_EQ(recs[2].entry.newText, "0A"); // the card stays with 1

    // No history, no change at all.
    s.fs.failOn(FaultyFileSystem::Op::Append, 4, FileError::DeviceIO);
    EXPECT_EQ(cardties::save(s.services, before, after).error, FileError::DeviceIO);
    EXPECT_EQ(s.bytes(cardties::kFile), file);
}

TEST(CardTies, ATieTheHistoryHoldsButTheFileNeverGotIsTakenBackAtTheNextChange) {
    TestServices s;
    CardTies one;
    one.tie("0A", "1");
    // A crash after the history was written, before the file: the group is
    // there, the tie is not.
    CardTies lost = one;
    lost.tie("0B", "2");
    ASSERT_TRUE(history::record(s.services, history::word::ickaado,
                                {{cardties::kFile, "2", -1, {}, -1, {}, "0B"}})
                    .ok());
    ASSERT_EQ(cardties::save(s.services, {}, one).error, FileError::None);
    const QList<history::Record> two = history::recordsOf(s.fs, cardties::kFile, "2");
    ASSERT_EQ(two.size(), 2);
    EXPECT_EQ(two[1].function, "torikesi");
    EXPECT_EQ(two[1].entry.oldText, "0B");
    // A tie that was made is never taken back.
    EXPECT_EQ(history::recordsOf(s.fs, cardties::kFile, "1").size(), 1);
}
