#include "platform/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

// Fails one chosen system call of a save.
class FailingOps : public PosixOps {
public:
    enum class What { None, NthWrite, ShortThenFull, Fsync, Rename, FolderFsync, FolderOpen };
    What what = What::None;
    int nth = 1;
    int writes = 0;
    int fsyncs = 0;

    ssize_t write(int fd, const void *buf, size_t n) override {
        ++writes;
        if (what == What::NthWrite && writes == nth) {
            errno = EIO;
            return -1;
        }
        if (what == What::ShortThenFull) {
            if (writes == 1)
                return PosixOps::write(fd, buf, n / 2); // a full disk takes half
            errno = ENOSPC;
            return -1;
        }
        // Small chunks, so "the n-th write" means something.
        return PosixOps::write(fd, buf, std::min<size_t>(n, 4));
    }
    int fsync(int fd) override {
        ++fsyncs;
        if ((what == What::Fsync && fsyncs == 1) || (what == What::FolderFsync && fsyncs == 2)) {
            errno = EIO;
            return -1;
        }
        return PosixOps::fsync(fd);
    }
    int openFolder(const char *path) override {
        if (what == What::FolderOpen) {
            errno = EMFILE;
            return -1;
        }
        return PosixOps::openFolder(path);
    }
    int rename(const char *from, const char *to) override {
        if (what == What::Rename) {
            errno = EACCES;
            return -1;
        }
        return PosixOps::rename(from, to);
    }
};

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
        FailingOps::What what;
        int nth;
        FileError expected;
    };
    const Case cases[] = {
        {"first write", FailingOps::What::NthWrite, 1, FileError::DeviceIO},
        {"third write", FailingOps::What::NthWrite, 3, FileError::DeviceIO},
        {"short write then full disk", FailingOps::What::ShortThenFull, 1, FileError::DiskFull},
        {"fsync of the file", FailingOps::What::Fsync, 1, FileError::DeviceIO},
        {"rename", FailingOps::What::Rename, 1, FileError::PathFileAccess},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString p = dir.filePath(QStringLiteral("12.Card"));
        ASSERT_EQ(safeReplace(p, "the old card"), FileError::None);
        FailingOps ops;
        ops.what = c.what;
        ops.nth = c.nth;
        EXPECT_EQ(safeReplace(p, QByteArray(100, 'x'), ops), c.expected);
        EXPECT_EQ(contents(p), "the old card");
        EXPECT_EQ(tempFilesIn(dir.path()), 0);
    }
}

TEST(SafeSave, FailuresAfterTheRenameAreUnconfirmedNotFailed) {
    for (const auto what : {FailingOps::What::FolderFsync, FailingOps::What::FolderOpen}) {
        QTemporaryDir dir;
        const QString p = dir.filePath(QStringLiteral("a.Dat"));
        ASSERT_EQ(safeReplace(p, "old"), FileError::None);
        FailingOps ops;
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
