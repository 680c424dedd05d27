#include "platform/FileSystem.h"
#include "platform/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Fails one system call of a batch: the n-th write, the file system flush or
// the n-th rename.
class BatchOps : public PosixOps {
public:
    enum class What { None, NthWrite, Syncfs, NthRename };
    What what = What::None;
    int nth = 1;
    int writes = 0, renames = 0, syncs = 0, fsyncs = 0;

    ssize_t write(int fd, const void *buf, size_t n) override {
        if (what == What::NthWrite && ++writes == nth) {
            errno = ENOSPC;
            return -1;
        }
        return PosixOps::write(fd, buf, n);
    }
    int syncfs(int fd) override {
        ++syncs;
        if (what == What::Syncfs) {
            errno = EIO;
            return -1;
        }
        return PosixOps::syncfs(fd);
    }
    int fsync(int fd) override {
        ++fsyncs;
        return PosixOps::fsync(fd);
    }
    int rename(const char *from, const char *to) override {
        if (what == What::NthRename && ++renames == nth) {
            errno = EIO;
            return -1;
        }
        return PosixOps::rename(from, to);
    }
};

QByteArray contents(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList entries(const QString &folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

const QList<std::pair<QString, QByteArray>> kThree = {
    {"1.Card", "one"}, {"2.Card", "two"}, {"3.Card", "three"}};

} // namespace

TEST(SafeSaveBatch, WritesEveryFileWithOneFlush) {
    QTemporaryDir dir;
    QFile old(dir.filePath("2.Card"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    BatchOps ops;
    EXPECT_EQ(safeReplaceAll(dir.path(), kThree, ops), FileError::None);
    EXPECT_EQ(entries(dir.path()), (QStringList{"1.Card", "2.Card", "3.Card"}));
    EXPECT_EQ(contents(dir.filePath("2.Card")), "two");
    EXPECT_EQ(ops.syncs, 1);
    EXPECT_EQ(ops.fsyncs, 1); // the folder
    EXPECT_EQ(safeReplaceAll(dir.path(), {}, ops), FileError::None);
}

TEST(SafeSaveBatch, ReplacedFilesKeepTheirModeNewOnesFollowTheUmask) {
    QTemporaryDir dir;
    QFile old(dir.filePath("2.Card"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();
    ASSERT_EQ(::chmod(QFile::encodeName(dir.filePath("2.Card")).constData(), 0600), 0);
    const mode_t mask = ::umask(022);
    EXPECT_EQ(safeReplaceAll(dir.path(), kThree), FileError::None);
    EXPECT_EQ(safeReplace(dir.filePath("4.Card"), "four"), FileError::None);
    ::umask(mask);
    auto modeOf = [&](const char *name) {
        struct stat st {};
        ::stat(QFile::encodeName(dir.filePath(name)).constData(), &st);
        return st.st_mode & 07777;
    };
    EXPECT_EQ(modeOf("1.Card"), 0644u);
    EXPECT_EQ(modeOf("2.Card"), 0600u);
    EXPECT_EQ(modeOf("3.Card"), 0644u);
    EXPECT_EQ(modeOf("4.Card"), 0644u);
}

TEST(SafeSaveBatch, FailureBeforeTheRenamesKeepsEveryOldFile) {
    struct Case {
        const char *name;
        BatchOps::What what;
        int nth;
        FileError error;
    };
    const Case cases[] = {
        {"third write", BatchOps::What::NthWrite, 3, FileError::DiskFull},
        {"first write", BatchOps::What::NthWrite, 1, FileError::DiskFull},
        {"flush", BatchOps::What::Syncfs, 1, FileError::DeviceIO},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        QFile old(dir.filePath("2.Card"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        BatchOps ops;
        ops.what = c.what;
        ops.nth = c.nth;
        EXPECT_EQ(safeReplaceAll(dir.path(), kThree, ops), c.error);
        EXPECT_EQ(entries(dir.path()), QStringList{"2.Card"}); // no temporary file stays
        EXPECT_EQ(contents(dir.filePath("2.Card")), "old");
    }
}

TEST(SafeSaveBatch, FailureDuringTheRenamesKeepsTheFilesInPlaceWhole) {
    QTemporaryDir dir;
    BatchOps ops;
    ops.what = BatchOps::What::NthRename;
    ops.nth = 2;
    EXPECT_EQ(safeReplaceAll(dir.path(), kThree, ops), FileError::DeviceIO);
    EXPECT_EQ(entries(dir.path()), QStringList{"1.Card"});
    EXPECT_EQ(contents(dir.filePath("1.Card")), "one");
}

TEST(SafeSaveBatch, MissingFolderIsAnError) {
    QTemporaryDir dir;
    EXPECT_NE(safeReplaceAll(dir.filePath("none"), kThree), FileError::None);
}

TEST(SafeSaveBatch, FileSystemBatchGoesBelowTheDataFolder) {
    QTemporaryDir dir;
    LocalFileSystem fs(dir.path());
    ASSERT_EQ(fs.makeFolder("2007年3月"), FileError::None);
    ASSERT_EQ(fs.replaceFiles("2007年3月", kThree), FileError::None);
    EXPECT_EQ(contents(dir.filePath("2007年3月/3.Card")), "three");
}

TEST(SafeSaveBatch, FolderSyncFailureAfterTheRenamesIsUnconfirmed) {
    QTemporaryDir dir;
    struct FolderSyncFails : BatchOps {
        int fsync(int) override {
            errno = EIO;
            return -1;
        }
    } ops;
    EXPECT_EQ(safeReplaceAll(dir.path(), kThree, ops), FileError::Unconfirmed);
    EXPECT_EQ(entries(dir.path()), (QStringList{"1.Card", "2.Card", "3.Card"}));
}

TEST(SafeSaveBatch, SeveralFoldersShareOneFlushAndFailOneByOne) {
    QTemporaryDir dir;
    const QStringList folders{"a", "b", "c"};
    for (const QString &f : folders)
        ASSERT_TRUE(QDir(dir.path()).mkdir(f));
    BatchOps ops;
    ops.what = BatchOps::What::NthWrite;
    ops.nth = 5; // the second file of folder b
    {
        SafeBatch batch(ops);
        EXPECT_EQ(batch.add(dir.filePath("a"), kThree), FileError::None);
        EXPECT_EQ(batch.add(dir.filePath("b"), kThree), FileError::DiskFull);
        EXPECT_EQ(batch.add(dir.filePath("none"), kThree), FileError::PathNotFound);
        EXPECT_EQ(batch.add(dir.filePath("c"), kThree), FileError::None);
        EXPECT_EQ(batch.commit(), (QList<FileError>{FileError::None, FileError::DiskFull,
                                                    FileError::PathNotFound, FileError::None}));
    }
    EXPECT_EQ(ops.syncs, 1);
    EXPECT_EQ(entries(dir.filePath("a")), (QStringList{"1.Card", "2.Card", "3.Card"}));
    EXPECT_EQ(entries(dir.filePath("b")), QStringList{});
    EXPECT_EQ(entries(dir.filePath("c")), (QStringList{"1.Card", "2.Card", "3.Card"}));
    // A batch dropped before its commit leaves nothing behind.
    {
        SafeBatch batch;
        EXPECT_EQ(batch.add(dir.filePath("b"), kThree), FileError::None);
    }
    EXPECT_EQ(entries(dir.filePath("b")), QStringList{});
}
