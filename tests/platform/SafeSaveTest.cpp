#include "platform/SafeSave.h"
#include "support/FaultyPosixOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

QByteArray contents(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

int tempFilesIn(const QString &folder) {
    return static_cast<int>(
        QDir(folder).entryList({QStringLiteral("*.kvtmp-*")}, QDir::Files | QDir::Hidden).size());
}

} // namespace

TEST(SafeSave, ReplacesFileAndLeavesNoTemp) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("Kijyun.Dat"));
    ASSERT_EQ(safeReplace(p, "old"), FileError::None);
    ASSERT_EQ(safeReplace(p, "new content"), FileError::None);
    EXPECT_EQ(contents(p), "new content");
    EXPECT_EQ(tempFilesIn(dir.path()), 0);
}

TEST(SafeSave, EveryFailureKeepsTheOldFile) {
    struct Case {
        const char *name;
        FaultyPosixOps::What what;
        int nth;
        FileError expected;
    };
    const Case cases[] = {
        {"first write", FaultyPosixOps::What::NthWrite, 1, FileError::DeviceIO},
        {"third write", FaultyPosixOps::What::NthWrite, 3, FileError::DeviceIO},
        {"short write then full disk", FaultyPosixOps::What::ShortThenFull, 1, FileError::DiskFull},
        {"fsync of the file", FaultyPosixOps::What::Fsync, 1, FileError::DeviceIO},
        {"rename", FaultyPosixOps::What::Rename, 1, FileError::PathFileAccess},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString p = dir.filePath(QStringLiteral("12.Card"));
        ASSERT_EQ(safeReplace(p, "the old card"), FileError::None);
        FaultyPosixOps ops;
        ops.what = c.what;
        ops.nth = c.nth;
        EXPECT_EQ(safeReplace(p, QByteArray(100, 'x'), ops), c.expected);
        EXPECT_EQ(contents(p), "the old card");
        EXPECT_EQ(tempFilesIn(dir.path()), 0);
    }
}

TEST(SafeSave, FailuresAfterTheRenameAreUnconfirmedNotFailed) {
    for (const auto what : {FaultyPosixOps::What::FolderFsync, FaultyPosixOps::What::FolderOpen}) {
        QTemporaryDir dir;
        const QString p = dir.filePath(QStringLiteral("a.Dat"));
        ASSERT_EQ(safeReplace(p, "old"), FileError::None);
        FaultyPosixOps ops;
        ops.what = what;
        EXPECT_EQ(safeReplace(p, "new", ops), FileError::Unconfirmed);
        EXPECT_TRUE(isSaved(FileError::Unconfirmed));
        EXPECT_EQ(contents(p), "new");
        EXPECT_EQ(tempFilesIn(dir.path()), 0);
    }
}

TEST(SafeSave, MissingFolderIsPathNotFound) {
    QTemporaryDir dir;
    EXPECT_EQ(safeReplace(dir.filePath(QStringLiteral("no/such.Dat")), "x"),
              FileError::PathNotFound);
}

TEST(SafeSave, StaleTempsAreClearedInFolderAndMonthFolders) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("2007年3月"));
    struct Case {
        QString name;
        bool temp;
    };
    const Case cases[] = {
        {".Meibo.Dat.kvtmp-abc123", true},
        {"2007年3月/.1.Card.kvtmp-ZZz999", true},
        {"2007年3月/1.Card", false},
        // What a save of a real file can be named is never taken for a temp.
        {"2007年3月/a.kvtmp-abcdef.Card", false},
        {"2007年3月/x.kvtmp-abcdef", false},
        {"2007年3月/.kvtmp-abcdef", false},
        {".x.kvtmp-abc12", false},
        {".x.kvtmp-abc12!", false},
    };
    for (const Case &c : cases) {
        QFile f(dir.filePath(c.name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        EXPECT_EQ(isTempName(QFileInfo(c.name).fileName()), c.temp) << c.name.toStdString();
    }
    EXPECT_EQ(removeStaleTemps(dir.path()), 2);
    for (const Case &c : cases)
        EXPECT_EQ(QFile::exists(dir.filePath(c.name)), !c.temp) << c.name.toStdString();
}
