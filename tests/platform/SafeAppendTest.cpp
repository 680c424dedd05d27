#include "platform/SafeAppend.h"
#include "platform/FileSystem.h"
#include "support/FaultyPosixOps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

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
        FaultyPosixOps::What what;
        int writeError; // of the second write
        FileError expected;
    };
    const Case cases[] = {
        {"full disk after part of the bytes", FaultyPosixOps::What::NthWrite, ENOSPC,
         FileError::DiskFull},
        {"a write that writes nothing", FaultyPosixOps::What::NthWrite, 0, FileError::DiskFull},
        {"fsync", FaultyPosixOps::What::Fsync, 0, FileError::DeviceIO},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString p = dir.filePath(QStringLiteral("Rireki.Dat"));
        ASSERT_EQ(safeAppend(p, "kept\r\n"), FileError::None);
        FaultyPosixOps ops;
        ops.what = c.what;
        ops.nth = 2;
        ops.writeError = c.writeError;
        EXPECT_EQ(safeAppend(p, QByteArray(40, 'x'), ops), c.expected);
        EXPECT_EQ(contents(p), "kept\r\n");
    }
}

TEST(SafeAppend, NewFileWhoseFolderSyncFailsIsUnconfirmed) {
    QTemporaryDir dir;
    const QString p = dir.filePath(QStringLiteral("Rireki.Dat"));
    FaultyPosixOps ops;
    ops.what = FaultyPosixOps::What::FolderFsync;
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
