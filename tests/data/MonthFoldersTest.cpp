#include "data/MonthFolders.h"
#include "support/CardBytes.h"
#include "support/TestServices.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// A source month of three cards and a target month that already holds an
// older copy of one of them, a card the source lacks and a file of another kind.
struct MonthCopy : ::testing::Test {
    TestServices t;
    const QString source = "2009年5月";
    const QString target = "backup/2009年5月";
    QMap<QString, QByteArray> before, after;

    void SetUp() override {
        for (const char *code : {"1", "2", "3"}) {
            after[QString(code) + ".Card"] = cardBytes(code, "new");
            t.put(source + "/" + code + ".Card", after[QString(code) + ".Card"]);
        }
        before["2.Card"] = cardBytes("2", "old");
        before["9.Card"] = cardBytes("9", "old");
        before["memo.txt"] = "memo";
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            t.put(target + "/" + it.key(), it.value());
    }
    // Each file of the target is as it was or complete with its new content.
    void expectEachOldOrNew() {
        for (const QString &name : t.fs.list(target, "*", ListKind::Files)) {
            const QByteArray now = t.bytes(target + "/" + name);
            EXPECT_TRUE(now == before.value(name, "<none>") || now == after.value(name, "<none>"))
                << name.toStdString();
        }
    }
};

} // namespace

TEST_F(MonthCopy, ReplacesSameNamesKeepsOthersAndSkipsWhatIsNoCard) {
    t.put(source + "/torn.Card", cardBytes("4", "x").left(100));
    t.put(target + "/torn.Card", cardBytes("4", "old"));
    t.put(source + "/.hidden", "x");
    QDir(t.path(source)).mkdir("sub");
    const monthfolders::CopyResult r = monthfolders::copyMonth(t.fs, source, target);
    EXPECT_EQ(r.error, FileError::None);
    EXPECT_EQ(r.copied, 3);
    EXPECT_EQ(r.skipped, QStringList{"torn.Card"});
    EXPECT_EQ(t.bytes(target + "/2.Card"), after["2.Card"]);
    EXPECT_EQ(t.bytes(target + "/9.Card"), before["9.Card"]);
    EXPECT_EQ(t.bytes(target + "/torn.Card"), cardBytes("4", "old"));
    EXPECT_EQ(
        QDir(t.path(target)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        (QStringList{"1.Card", "2.Card", "3.Card", "9.Card", "memo.txt", "torn.Card"}));
    // Into a month folder that does not exist yet; from one that is gone.
    EXPECT_EQ(monthfolders::copyMonth(t.fs, source, "2009年5月コピー").copied, 4 - 1);
    EXPECT_EQ(monthfolders::copyMonth(t.fs, "none", "2009年6月").error, FileError::PathNotFound);
    EXPECT_FALSE(t.fs.exists("2009年6月"));
}

TEST_F(MonthCopy, EveryTargetFileEndsOldOrNewWhateverFails) {
    struct Case {
        FaultyFileSystem::Op op;
        int nth;
        FileError error;
        bool ok;
    };
    const Case cases[] = {
        {FaultyFileSystem::Op::Replace, 1, FileError::DiskFull, false},
        {FaultyFileSystem::Op::Replace, 2, FileError::DeviceIO, false},
        {FaultyFileSystem::Op::Replace, 3, FileError::DiskFull, false},
        {FaultyFileSystem::Op::Replace, 2, FileError::Unconfirmed, true},
        {FaultyFileSystem::Op::Read, 2, FileError::DeviceIO, true},
        {FaultyFileSystem::Op::MakeFolder, 1, FileError::PathFileAccess, true}, // it exists
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(c.op) << " " << c.nth);
        QDir(t.path(target)).removeRecursively();
        SetUp();
        t.fs.failOn(c.op, t.fs.calls(c.op) + c.nth, c.error);
        const monthfolders::CopyResult r = monthfolders::copyMonth(t.fs, source, target);
        EXPECT_EQ(r.ok(), c.ok);
        expectEachOldOrNew();
        EXPECT_EQ(t.bytes(target + "/9.Card"), before["9.Card"]);
    }
}

TEST(MonthDelete, DeletesExactlyTheCardsThenTheEmptyFolder) {
    TestServices t;
    for (const char *name : {"a.Card", "A.Card", "[a].Card", "c.card", "d.CARD", "memo.txt"})
        t.put(QString("2009年5月/") + name, "x");
    monthfolders::DeleteResult r = monthfolders::deleteMonth(t.fs, "2009年5月");
    EXPECT_EQ(r.removed, 3);
    EXPECT_FALSE(r.folderRemoved);
    EXPECT_EQ(r.error, FileError::None);
    EXPECT_EQ(t.fs.list("2009年5月", "*", ListKind::Files),
              (QStringList{"c.card", "d.CARD", "memo.txt"}));

    for (const char *name : {"1.Card", "2.Card", "3.Card"})
        t.put(QString("2009年6月/") + name, "x");
    t.fs.failOn(FaultyFileSystem::Op::RemoveFile, t.fs.calls(FaultyFileSystem::Op::RemoveFile) + 2,
                FileError::PathFileAccess);
    r = monthfolders::deleteMonth(t.fs, "2009年6月");
    EXPECT_EQ(r.removed, 2);
    EXPECT_EQ(r.kept, QStringList{"2.Card"});
    EXPECT_EQ(r.error, FileError::PathFileAccess);
    EXPECT_FALSE(r.folderRemoved);
    r = monthfolders::deleteMonth(t.fs, "2009年6月");
    EXPECT_TRUE(r.folderRemoved);
    EXPECT_FALSE(t.fs.exists("2009年6月"));
    EXPECT_EQ(monthfolders::deleteMonth(t.fs, "2009年7月").error, FileError::PathNotFound);
}
