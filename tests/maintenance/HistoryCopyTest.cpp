// The change history goes with the settings to a backup folder and back, and
// no record of either side is lost.
#include "data/HistoryCheck.h"
#include "maintenance/BackupRestore.h"
#include "maintenance/MaintenanceFixture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Mode = BackupRestore::Mode;
const QString kMonth = QStringLiteral("2007年2月");

// Records in another data folder, as the other side wrote them.
QByteArray historyOf(const QList<std::pair<QString, QString>> &punches) {
    TestServices other;
    for (const auto &[code, reason] : punches)
        EXPECT_TRUE(history::record(other.services, history::word::tuika,
                                    {{kMonth, code, 0, "1", CardField::ClockIn, "", "9:00"}},
                                    reason)
                        .ok());
    return other.bytes(history::kFileName);
}

struct HistoryCopy : ::testing::Test {
    TestServices t;
    QTemporaryDir medium;
    BackupRestore bp{t.services};

    void SetUp() override { ASSERT_TRUE(bp.open()); }
    void putOnMedium(const QString &name, const QByteArray &bytes) const {
        QDir().mkpath(QFileInfo(medium.filePath(name)).absolutePath());
        QFile f(medium.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray onMedium(const QString &name) const {
        QFile f(medium.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void copyAll(Mode mode) {
        bp.setIncludeBasics(true);
        bp.chooseMode(mode);
        bp.folderChanged(medium.path());
        for (int i = 0; i < bp.list().lines().size(); ++i)
            bp.click(i, true);
        ASSERT_TRUE(bp.copy());
    }
};

} // namespace

TEST_F(HistoryCopy, ARestoreTakesTheBackupsHistoryWhereItExtendsTheFoldersOwnAndElseKeepsBoth) {
    const QByteArray shortOne = historyOf({{"1", "出勤打刻忘れ（タイムシート確認済）"}});
    const QByteArray longOne =
        historyOf({{"1", "出勤打刻忘れ（タイムシート確認済）"}, {"2", "休憩出の誤打刻のため削除"}});
    const QByteArray otherOne = historyOf({{"3", "別のパソコン"}});
    struct Case {
        const char *name;
        QByteArray inFolder, onBackup;
        QByteArray kept;   // Rireki.Dat before the restore's own records
        QByteArray beside; // kept under a dated name, or nothing
    };
    const Case cases[] = {
        {"the folder has none", {}, longOne, longOne, {}},
        {"the backup's extends the folder's", shortOne, longOne, longOne, {}},
        {"the folder's extends the backup's", longOne, shortOne, longOne, {}},
        {"the same", longOne, longOne, longOne, {}},
        {"apart", otherOne, longOne, otherOne, longOne},
    };
    putOnMedium(kMonth + "/1.Card", cardBytes("1", "b"));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(t.path(history::kFileName));
        for (const QString &n : QDir(t.dir.path()).entryList({"Rireki-*"}))
            QFile::remove(t.path(n));
        if (!c.inFolder.isEmpty())
            t.put(history::kFileName, c.inFolder);
        putOnMedium(history::kFileName, c.onBackup);
        t.dialogs.clear();
        copyAll(Mode::Hukugen);
        EXPECT_TRUE(t.bytes(history::kFileName).startsWith(c.kept));
        const QStringList beside = QDir(t.dir.path()).entryList({"Rireki-*"});
        EXPECT_EQ(beside,
                  c.beside.isEmpty() ? QStringList() : QStringList{"Rireki-20070301-090000.Dat"});
        if (!c.beside.isEmpty()) {
            EXPECT_EQ(t.bytes(beside.value(0)), c.beside);
            EXPECT_TRUE(t.dialogs.texts().join("\n").contains("両方を残しました"));
        }
        // The restored card's own records keep their reasons.
        EXPECT_TRUE(history::check(t.fs).intact());
        const QList<history::Record> recs = history::recordsOf(t.fs, kMonth, "1");
        EXPECT_EQ(recs.value(0).reason,
                  c.beside.isEmpty() ? "出勤打刻忘れ（タイムシート確認済）" : "");
    }
}

TEST_F(HistoryCopy, ABackupCarriesTheHistoryAndTheLimitsAndKeepsWhatTheMediumHeld) {
    putMonth(t, kMonth, 1, "d");
    t.put(history::kFileName, historyOf({{"1", "理由"}}));
    t.put("Jougen.Dat", "\"45\"\r\n");
    t.put("ICKaado.Dat", "\"0A\",\"1\"\r\n");
    const QByteArray stickOwn = historyOf({{"9", "別のデータ"}});
    putOnMedium(history::kFileName, stickOwn);
    copyAll(Mode::Hozon);
    EXPECT_EQ(onMedium(history::kFileName), t.bytes(history::kFileName));
    EXPECT_EQ(onMedium("Jougen.Dat"), "\"45\"\r\n");
    EXPECT_EQ(onMedium("ICKaado.Dat"), "\"0A\",\"1\"\r\n");
    EXPECT_EQ(onMedium("Rireki-20070301-090000.Dat"), stickOwn);
    EXPECT_TRUE(
        t.dialogs.texts().join("\n").contains("Rireki-20070301-090000.Dat として残しました"));
}

TEST_F(HistoryCopy, ARestoredHistoryThatDoesNotMatchIsNamed) {
    QByteArray changed = historyOf({{"1", "理由"}, {"2", "理由"}});
    changed.replace("9:00", "8:00");
    putOnMedium(history::kFileName, changed);
    putOnMedium(kMonth + "/1.Card", cardBytes("1", "b"));
    copyAll(Mode::Hukugen);
    const QString told = t.dialogs.texts().join("\n");
    EXPECT_TRUE(told.contains("コピーした変更履歴を検査しました"));
    EXPECT_TRUE(told.contains("1 行目"));
    EXPECT_EQ(t.dialogs.boxes().last().icon, BoxIcon::Warning);
}
