#include "data/CardRegistration.h"
#include "data/CardTies.h"
#include "data/HistoryCheck.h"
#include "data/RecordFile.h"
#include "data/RosterScreen.h"
#include "data/SettingsScreen.h"
#include "support/TestServices.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Two PCs on one data folder, each with its own view of the files and its
// own settings store.
struct TwoPcs {
    TestServices t;
    LocalFileSystem otherFs{t.dir.path()};
    ScriptedDialogs otherDialogs;
    MemorySettingsStore otherSettings;
    Services other{otherFs, otherDialogs, t.clock, otherSettings, t.programEnd, t.session};
};

// The roster or the settings open on two PCs at once.
struct SharedEdits : ::testing::Test, TwoPcs {};

void type(RosterScreen &s, int box, const QString &text) {
    s.enterBox(box);
    s.leaveBox(box, text);
}

// This PC's files, with a moment just before a file is replaced in which
// another PC may act.
struct GapFileSystem : LocalFileSystem {
    using LocalFileSystem::LocalFileSystem;
    std::function<void(const QString &)> beforeReplace;
    FileError replaceFile(const QString &path, const QByteArray &bytes) override {
        if (beforeReplace)
            beforeReplace(path);
        return LocalFileSystem::replaceFile(path, bytes);
    }
};

} // namespace

TEST(SharedEditsGap, HistoryOfAnotherPcNeverFallsBetweenARecordAndItsFile) {
    struct Row {
        const char *file;
        std::function<bool(Services &)> save;
    };
    const Row rows[] = {
        {kRosterFile,
         [](Services &s) {
             RosterScreen r(s);
             if (!r.open())
                 return false;
             type(r, 0, "1");
             type(r, 1, "山田太郎");
             return r.close();
         }},
        {kSettingsFile,
         [](Services &s) {
             SettingsScreen r(s);
             if (!r.open())
                 return false;
             r.enterTextBox(0);
             r.leaveTextBox(0, "5");
             return r.close();
         }},
    };
    for (const Row &r : rows) {
        TwoPcs pcs;
        GapFileSystem hereFs{pcs.t.dir.path()};
        Services here{hereFs,         pcs.t.dialogs,    pcs.t.clock,
                      pcs.t.settings, pcs.t.programEnd, pcs.t.session};
        pcs.otherFs.setLockWait(30);
        bool tried = false;
        hereFs.beforeReplace = [&](const QString &path) {
            // Between this PC's history group and the file it describes.
            if (path != QLatin1String(r.file) || tried ||
                !hereFs.exists(QLatin1String(history::kFileName)))
                return;
            tried = true;
            // The other PC ties a card meanwhile: it waits for the history.
            cardties::save(pcs.other, {}, CardTies::fromList({"0A", "1"}));
        };
        ASSERT_TRUE(r.save(here)) << r.file;
        EXPECT_TRUE(tried) << r.file;
        EXPECT_TRUE(history::check(pcs.t.fs).intact()) << r.file;
        EXPECT_FALSE(pcs.t.bytes(history::kFileName).contains("torikesi")) << r.file;
    }
}

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
    b.setClickNeedsPin(true);
    ASSERT_TRUE(b.close());
    a.chooseOption(4); // 和暦
    a.setPunchByCard(true);
    ASSERT_TRUE(a.close());
    const records::Read saved = records::read(t.fs, kSettingsFile, CalcSettings::kCount);
    EXPECT_EQ(saved.values[CalcSettings::DayChangeHour], "5");
    EXPECT_EQ(saved.values[CalcSettings::YearStyle], "wareki");
    EXPECT_EQ(icoptions::read(t.fs).options, (IcOptions{true, true}));
}

TEST(SharedCardTies, TiesChangedOnTwoPcsEndSound) {
    using O = CardRegistration::Outcome;
    struct Step {
        int pc;
        int employee; // chosen in the window: 0 is code 1, 1 is code 2
        const char *id;
        bool remove; // else touched
    };
    struct Row {
        const char *name;
        QStringList before; // the file when both windows open
        QList<Step> steps;
        QStringList after;
        O last; // the outcome of the last step
    };
    const Row rows[] = {
        {"each PC ties a card",
         {},
         {{0, 0, "0A", false}, {1, 1, "0B", false}},
         {"0A", "1", "0B", "2"},
         O::Tied},
        {"removed there, then moved here",
         {"0A", "1"},
         {{1, 0, "0A", true}, {0, 1, "0A", false}},
         {},
         O::Refused},
        {"moved here, then removed there",
         {"0A", "1"},
         {{0, 1, "0A", false}, {1, 0, "0A", true}},
         {"0A", "2"},
         O::Refused},
        {"one card tied on both",
         {},
         {{0, 0, "0A", false}, {1, 1, "0A", false}},
         {"0A", "1"},
         O::Refused},
        {"both remove the same card",
         {"0A", "1", "0B", "1"},
         {{0, 0, "0A", true}, {1, 0, "0A", true}},
         {"0B", "1"},
         O::Removed},
    };
    Roster roster;
    roster[0] = {"1", "山田　太郎", "月給", {}};
    roster[1] = {"2", "鈴木　花子", "月給", {}};
    for (const Row &r : rows) {
        TwoPcs pcs;
        ASSERT_TRUE(cardties::save(pcs.t.services, {}, CardTies::fromList(r.before)).ok());
        CardRegistration a(pcs.t.services);
        CardRegistration b(pcs.other);
        CardRegistration *reg[] = {&a, &b};
        ASSERT_TRUE(a.open(roster, "1") && b.open(roster, "1"));
        for (const Step &s : r.steps) {
            CardRegistration &w = *reg[s.pc];
            w.select(s.employee);
            if (s.remove) {
                w.selectCard(int(w.cards().indexOf(QString::fromLatin1(s.id))));
                w.removeCard();
            } else {
                w.touched(QString::fromLatin1(s.id));
            }
        }
        EXPECT_EQ(cardties::read(pcs.t.fs).ties.toList(), r.after) << r.name;
        EXPECT_EQ(reg[r.steps.last().pc]->outcome(), r.last) << r.name;
        // Every change the history holds was made: none taken back.
        EXPECT_TRUE(history::check(pcs.t.fs).intact()) << r.name;
        EXPECT_FALSE(pcs.t.bytes(history::kFileName).contains("torikesi")) << r.name;
    }
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
