#include "data/CardRegistration.h"
#include "data/RecordFile.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

using O = CardRegistration::Outcome;

struct Registration : ::testing::Test {
    TestServices t;
    Roster roster;
    CardRegistration reg{t.services};

    Registration() {
        roster[0] = {"1", "山田　太郎", "月給", {}};
        roster[2] = {"2", "鈴木　花子", "月給", {}};
        roster[3] = {"3", "", "月給", {}}; // not in use: no name
    }
    QString tiedTo(const QString &id) { return cardties::read(t.fs).ties.codeOf(id); }
};

} // namespace

TEST_F(Registration, ListsTheEmployeesInUseWithTheOneTypedInChosen) {
    ASSERT_TRUE(reg.open(roster, " 2 "));
    ASSERT_EQ(reg.people().size(), 2);
    EXPECT_EQ(reg.people()[1].name, "鈴木　花子");
    EXPECT_EQ(reg.selected(), 1);
    ASSERT_TRUE(reg.open(roster, "99"));
    EXPECT_EQ(reg.selected(), 0);
}

TEST_F(Registration, TouchesTieMoveAndRemoveCards) {
    ASSERT_TRUE(reg.open(roster, "1"));
    struct Step {
        const char *name;
        int select;
        const char *id;
        BoxAnswer answer; // to a question, where one is asked
        O outcome;
        const char *owner; // of the card afterwards, in the file
    };
    const Step steps[] = {
        {"a new card", 0, "0123456789ABCDEF", BoxAnswer::Ok, O::Tied, "1"},
        {"the same card again", 0, "0123456789ABCDEF", BoxAnswer::Ok, O::AlreadyTied, "1"},
        {"a second card", 0, "04A1B2C3", BoxAnswer::Ok, O::Tied, "1"},
        {"to another, refused", 1, "04A1B2C3", BoxAnswer::Cancel, O::NotMoved, "1"},
        {"to another, moved", 1, "04A1B2C3", BoxAnswer::Ok, O::Moved, "2"},
        {"unreadable card", 1, "", BoxAnswer::Ok, O::Refused, ""},
    };
    for (const Step &s : steps) {
        reg.select(s.select);
        t.dialogs.clear();
        // Only a card of another employee is asked about, naming both.
        const bool asked = s.outcome == O::Moved || s.outcome == O::NotMoved;
        if (asked)
            t.dialogs.answer(s.answer);
        reg.touched(QString::fromLatin1(s.id));
        EXPECT_EQ(reg.outcome(), s.outcome) << s.name;
        EXPECT_EQ(tiedTo(QString::fromLatin1(s.id)), QString::fromLatin1(s.owner)) << s.name;
        ASSERT_EQ(t.dialogs.boxes().size(), asked ? 1 : 0) << s.name;
        if (asked) {
            EXPECT_EQ(t.dialogs.boxes()[0].text,
                      "カード 04A1B2C3 は 1 山田　太郎 に登録されています。\n"
                      "2 鈴木　花子 に付け替えますか？");
        }
    }
    reg.select(0);
    EXPECT_EQ(reg.cards(), QStringList({"0123456789ABCDEF"}));
    reg.selectCard(0);
    t.dialogs.answer(BoxAnswer::Ok);
    reg.removeCard();
    EXPECT_EQ(reg.outcome(), O::Removed);
    EXPECT_TRUE(tiedTo("0123456789ABCDEF").isEmpty());
    EXPECT_TRUE(reg.cards().isEmpty());
}

TEST_F(Registration, AFileThatCannotBeReadIsNeverWrittenOver) {
    t.put(cardties::kFile, QByteArray(3 << 20, 'x')); // far larger than any ties file
    ASSERT_TRUE(reg.open(roster, "1"));
    EXPECT_TRUE(reg.readOnly());
    ASSERT_EQ(t.dialogs.boxes().size(), 1);
    reg.touched("0A");
    EXPECT_EQ(reg.outcome(), O::Refused);
    EXPECT_EQ(t.bytes(cardties::kFile).size(), 3 << 20);
}

TEST_F(Registration, AFailedWriteEndsTheProgramWithTheTieAsItWas) {
    ASSERT_TRUE(reg.open(roster, "1"));
    t.fs.failOn(FaultyFileSystem::Op::Replace, 1, FileError::DiskFull);
    reg.touched("0A");
    EXPECT_EQ(t.programEnd.calls, 1);
    EXPECT_TRUE(reg.cards().isEmpty());
    EXPECT_FALSE(t.fs.exists(cardties::kFile));
}
