#include "data/RecordFile.h"
#include "data/RosterScreen.h"
#include "data/SettingsScreen.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

namespace {

// The roster or the settings open on two PCs at once.
struct SharedEdits : ::testing::Test {
    TestServices t;
    LocalFileSystem otherFs{t.dir.path()};
    ScriptedDialogs otherDialogs;
    Services other{otherFs, otherDialogs, t.clock, t.settings, t.programEnd, t.session};
};

void type(RosterScreen &s, int box, const QString &text) {
    s.enterBox(box);
    s.leaveBox(box, text);
}

} // namespace

TEST_F(SharedEdits, RosterRowsSavedOnBothPcsAreAllKept) {
    RosterScreen here(t.services);
    ASSERT_TRUE(here.open());
    type(here, 0, "1");
    type(here, 1, "山田太郎");
    ASSERT_TRUE(here.close());

    RosterScreen a(t.services);
    RosterScreen b(other);
    ASSERT_TRUE(a.open() && b.open());
    type(b, 2, "2");
    type(b, 3, "鈴木花子");
    ASSERT_TRUE(b.close());
    type(a, 1, "山田太朗");
    ASSERT_TRUE(a.close());

    const Roster saved = Roster::fromList(records::read(t.fs, kRosterFile, Roster::kValues).values);
    EXPECT_EQ(saved[0].name, "山田太朗");
    EXPECT_EQ(saved[1].name, "鈴木花子");
    EXPECT_TRUE(t.dialogs.texts().value(0).contains(QStringLiteral("ほかのパソコンで変更")));
}

TEST_F(SharedEdits, SettingsChangedOnBothPcsAreAllKept) {
    SettingsScreen a(t.services);
    SettingsScreen b(other);
    ASSERT_TRUE(a.open() && b.open());
    b.enterTextBox(0);
    b.leaveTextBox(0, "5");
    ASSERT_TRUE(b.close());
    a.chooseOption(4); // 和暦
    ASSERT_TRUE(a.close());
    const records::Read saved = records::read(t.fs, kSettingsFile, CalcSettings::kCount);
    EXPECT_EQ(saved.values[CalcSettings::DayChangeHour], "5");
    EXPECT_EQ(saved.values[CalcSettings::YearStyle], "wareki");
}

TEST_F(SharedEdits, ARosterSaveHeldOutIsAskedAboutAndNeverHalfWritten) {
    t.fs.setLockWait(30);
    RosterScreen here(t.services);
    ASSERT_TRUE(here.open());
    const QByteArray before = t.bytes(kRosterFile);
    type(here, 0, "1");
    type(here, 1, "山田太郎");
    {
        const FileLock held = otherFs.lockFile(kRosterFile);
        t.dialogs.answer(BoxAnswer::No);
        EXPECT_TRUE(here.close());
    }
    ASSERT_EQ(t.dialogs.boxes().size(), 1);
    EXPECT_TRUE(t.dialogs.texts().first().startsWith(
        QStringLiteral("従業員名簿（Meibo.Dat）を保存できませんでした。\n理由：ほかのパソコン")));
    EXPECT_EQ(t.bytes(kRosterFile), before);
    EXPECT_FALSE(t.programEnd.ended());
}
