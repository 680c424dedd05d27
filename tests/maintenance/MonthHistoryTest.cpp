// The change history of deleting and restoring card months, and the second
// question before deleting months still within the retention period.
#include "data/HistoryCheck.h"
#include "data/LabourRules.h"
#include "maintenance/BackupRestore.h"
#include "maintenance/CardOrganizing.h"
#include "maintenance/MaintenanceFixture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray punched(const QString &code, const QList<std::tuple<int, int, QString>> &punches) {
    CardTable t = CardTable::fromList(records::parse(cardBytes(code, "a")));
    for (const auto &[row, field, text] : punches)
        t.at(row, field) = text;
    return records::format(t.toList());
}

QStringList described(const QList<history::Record> &recs) {
    QStringList out;
    for (const history::Record &r : recs)
        out.append(r.function + " " + QString::number(r.entry.row) + " " +
                   QString::number(r.entry.field) + " " + r.entry.oldText + ">" + r.entry.newText);
    return out;
}

struct Organizing : ::testing::Test {
    TestServices t;
    CardOrganizing org{t.services};

    void SetUp() override {
        putMonth(t, "2007年1月", 2, "a");
        t.put("2007年1月/1.Card", punched("1", {{0, 2, "9:00"}, {0, 5, "18:00"}}));
        putMonth(t, "2007年2月", 1, "a");
        t.clock.set(2013, 1, 1, 9, 0);
        ASSERT_TRUE(org.open());
        org.click(0, true);
    }
};

} // namespace

TEST_F(Organizing, ADeletedMonthKeepsItsPunchesInTheHistory) {
    ASSERT_TRUE(org.deleteSelected());
    EXPECT_FALSE(t.fs.exists("2007年1月"));
    EXPECT_EQ(described(history::recordsOf(t.fs, "2007年1月", "1")),
              (QStringList{"seiri 0 2 9:00>", "seiri 0 5 18:00>", "seiri -1 -1 あり>"}));
    EXPECT_EQ(described(history::recordsOf(t.fs, "2007年1月", "2")),
              (QStringList{"seiri -1 -1 あり>"}));
}

TEST_F(Organizing, AMonthWhoseHistoryCannotBeWrittenIsNotDeleted) {
    t.fs.failFrom(FaultyFileSystem::Op::Append, 1, FileError::DiskFull);
    EXPECT_TRUE(org.deleteSelected());
    EXPECT_EQ(allEntries(t.path("2007年1月")), (QStringList{"1.Card", "2.Card"}));
    EXPECT_EQ(t.dialogs.texts()[1], "0ケ月分を削除しました。");
    EXPECT_TRUE(t.dialogs.texts()[2].contains("2007年1月：変更履歴に書き込めないため"));
}

TEST_F(Organizing, ACardThatStaysIsRecordedAsNotDeleted) {
    t.fs.failOn(FaultyFileSystem::Op::RemoveFile, 1, FileError::PathFileAccess);
    EXPECT_TRUE(org.deleteSelected());
    EXPECT_EQ(described(history::recordsOf(t.fs, "2007年1月", "1")),
              (QStringList{"seiri 0 2 9:00>", "seiri 0 5 18:00>", "seiri -1 -1 あり>",
                           "torikesi 0 2 >9:00", "torikesi 0 5 >18:00", "torikesi -1 -1 >あり"}));
    EXPECT_EQ(history::recordsOf(t.fs, "2007年1月", "2").size(), 1);
}

TEST_F(Organizing, MonthsStillToBeKeptAreAskedAboutASecondTime) {
    org.click(1, true);
    t.clock.set(2012, 2, 1, 9, 0); // January 2007 is past five years, February not
    t.dialogs.answer(BoxAnswer::Ok);
    t.dialogs.answer(BoxAnswer::Cancel);
    EXPECT_FALSE(org.deleteSelected());
    EXPECT_EQ(t.dialogs.texts(), (QStringList{"2ケ月分を削除します。",
                                              labourrules::retentionQuestion({"2007年2月"})}));
    EXPECT_EQ(t.dialogs.boxes()[1].buttons, BoxButtons::OkCancel);
    EXPECT_TRUE(t.fs.exists("2007年1月/1.Card"));
    EXPECT_TRUE(t.fs.exists("2007年2月/1.Card"));
    EXPECT_FALSE(t.fs.exists(history::kFileName));
}

TEST(RestoreHistory, AMonthNotYetCoveredGetsABaselineThenOnlyWhatTheRestoreChanges) {
    TestServices t;
    QTemporaryDir medium;
    BackupRestore bp{t.services};
    ASSERT_TRUE(bp.open());
    auto onMedium = [&](const QString &name, const QByteArray &bytes) {
        QDir().mkpath(QFileInfo(medium.filePath(name)).absolutePath());
        QFile f(medium.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    t.put("2007年1月/1.Card", punched("1", {{0, 2, "9:00"}, {1, 2, "9:10"}}));
    onMedium("2007年1月/1.Card", punched("1", {{0, 2, "9:00"}, {1, 2, "8:10"}, {1, 5, "17:00"}}));
    onMedium("2007年1月/2.Card", punched("2", {{3, 3, "12:00"}}));
    onMedium("2007年1月/3.Card", "torn"); // not copied: not recorded
    bp.chooseMode(BackupRestore::Mode::Hukugen);
    bp.folderChanged(medium.path());
    bp.click(0, true);
    ASSERT_TRUE(bp.copy());
    EXPECT_EQ(described(history::recordsOf(t.fs, "2007年1月", "1")),
              (QStringList{"kiten -1 -1 >あり", "kiten 0 2 >9:00", "kiten 0 14 >a",
                           "kiten 1 2 >9:10", "hukugen 1 2 9:10>8:10", "hukugen 1 5 >17:00"}));
    // A card the folder did not have: the card itself, its name, its punch.
    EXPECT_EQ(described(history::recordsOf(t.fs, "2007年1月", "2")),
              (QStringList{"hukugen -1 -1 >あり", "hukugen 0 14 >a", "hukugen 3 3 >12:00"}));

    // A restore whose cards cannot be written: its records are taken back.
    onMedium("2007年1月/2.Card", punched("2", {{3, 3, "12:30"}}));
    t.fs.failFrom(FaultyFileSystem::Op::Replace, 1, FileError::DiskFull);
    t.dialogs.clear();
    ASSERT_TRUE(bp.copy());
    EXPECT_EQ(described(history::recordsOf(t.fs, "2007年1月", "2")),
              (QStringList{"hukugen -1 -1 >あり", "hukugen 0 14 >a", "hukugen 3 3 >12:00",
                           "hukugen 3 3 12:00>12:30", "torikesi 3 3 12:30>12:00"}));
    EXPECT_TRUE(history::check(t.fs).intact());

    // A history that cannot be written: nothing is restored.
    t.fs.failFrom(FaultyFileSystem::Op::Append, 1, FileError::DiskFull);
    t.dialogs.clear();
    EXPECT_FALSE(bp.copy());
    EXPECT_TRUE(
        t.dialogs.texts().last().startsWith("変更履歴に書き込めないため、復元しませんでした"));
}
