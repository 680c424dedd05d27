#include "platform/SafeAppend.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Fails one step of an append; writes go in small pieces, so that a failure
// after the first one leaves part of the bytes written.
class AppendOps : public PosixOps {
public:
    enum class What { None, SecondWrite, ZeroWrite, Fsync, FolderFsync };
    What what = What::None;
    int writes = 0;
    int fsyncs = 0;

    ssize_t write(int fd, const void *buf, size_t n) override {
        ++writes;
        if (what == What::SecondWrite && writes == 2) {
            errno = ENOSPC;
            return -1;
        }
        if (what == What::ZeroWrite && writes == 2)
            return 0;
        return PosixOps::write(fd, buf, std::min<size_t>(n, 5));
    }
    int fsync(int fd) override {
        ++fsyncs;
        if ((what == What::Fsync && fsyncs == 1) || (what == What::FolderFsync && fsyncs == 2)) {
            errno = EIO;
            return -1;
        }
        return PosixOps::fsync(fd);
    }
};

QByteArray contents(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(SafeAppend, AddsToTheEndAndCreatesTheFile) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("Rireki.Dat"));
    EXPECT_EQ(safeAppend(p, "first\r\n"), FileError::None);
    EXPECT_EQ(safeAppend(p, "second\r\n"), FileError::None);
    EXPECT_EQ(contents(p), "first\r\nsecond\r\n");
    EXPECT_EQ(safeTruncate(p, 7), FileError::None);
    EXPECT_EQ(contents(p), "first\r\n");
}

TEST(SafeAppend, EveryFailureLeavesTheFileAsItWas) {
    struct Case {
        const char *name;
        AppendOps::What what;
        FileError expected;
    };
    const Case cases[] = {
        {"full disk after part of the bytes", AppendOps::What::SecondWrite, FileError::DiskFull},
        {"a write that writes nothing", AppendOps::What::ZeroWrite, FileError::DiskFull},
        {"fsync", AppendOps::What::Fsync, FileError::DeviceIO},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString p = dir.filePath(QStringLiteral("Rireki.Dat"));
        ASSERT_EQ(safeAppend(p, "kept\r\n"), FileError::None);
        AppendOps ops;
        ops.what = c.what;
        EXPECT_EQ(safeAppend(p, QByteArray(40, 'x'), ops), c.expected);
        EXPECT_EQ(contents(p), "kept\r\n");
    }
}

TEST(SafeAppend, NewFileWhoseFolderSyncFailsIsUnconfirmed) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("Rireki.Dat"));
    AppendOps ops;
    ops.what = AppendOps::What::FolderFsync;
    EXPECT_EQ(safeAppend(p, "new\r\n", ops), FileError::Unconfirmed);
    EXPECT_EQ(contents(p), "new\r\n");
}

TEST(SafeAppend, OnlyRegularFilesAreWritten) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(safeAppend(fifo, "x"), FileError::Damaged);
    EXPECT_EQ(safeAppend(dir.filePath(QStringLiteral("no/such")), "x"), FileError::PathNotFound);
    EXPECT_NE(safeAppend(dir.path(), "x"), FileError::None);
}

TEST(SafeAppend, ReadPartReadsAnyPieceOfTheFile) {
    QTemporaryDir dir;
    LocalFileSystem fs(dir.path());
    ASSERT_EQ(fs.appendFile(QStringLiteral("a.Dat"), "0123456789"), FileError::None);
    struct Case {
        qint64 offset, max;
        const char *bytes;
    };
    const Case cases[] = {
        {0, 4, "0123"}, {8, 4, "89"}, {12, 4, ""}, {-1, 3, "789"}, {-1, 99, "0123456789"}};
    for (const Case &c : cases) {
        const ReadResult r = fs.readPart(QStringLiteral("a.Dat"), c.offset, c.max);
        EXPECT_TRUE(r.ok());
        EXPECT_EQ(r.bytes, QByteArray(c.bytes)) << c.offset << " " << c.max;
        EXPECT_EQ(r.fileSize, 10);
    }
    EXPECT_EQ(fs.readPart(QStringLiteral("b.Dat"), 0, 4).error, FileError::NotFound);
}
