#include "platform/FileSystem.h"
#include "platform/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void put(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(FileSystem, ReadsOnlyRegularFilesWithinTheLimit) {
    QTemporaryDir dir;
    LocalFileSystem fs(dir.path());
    put(dir.filePath("small"), "12345");
    put(dir.filePath("large"), QByteArray(2000, 'x'));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("zero")));
    ASSERT_TRUE(QFile::link(dir.filePath("small"), dir.filePath("link")));
    QDir(dir.path()).mkdir("folder");
    struct Case {
        const char *path;
        qint64 limit;
        FileError error;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"small", 5, FileError::None, "12345"},
        {"small", 4, FileError::Damaged, ""},
        {"large", 1000, FileError::Damaged, ""},
        {"fifo", 1000, FileError::Damaged, ""}, // no writer: it would wait for ever
        {"zero", 1000, FileError::Damaged, ""}, // it would never end
        {"link", 1000, FileError::Damaged, ""}, // never followed below the data folder
        {"folder", 1000, FileError::PathFileAccess, ""},
        {"none", 1000, FileError::NotFound, ""},
        {"no/none", 1000, FileError::PathNotFound, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        const ReadResult r = fs.readFile(c.path, c.limit);
        EXPECT_EQ(r.error, c.error);
        EXPECT_EQ(r.bytes, c.bytes);
    }
}

TEST(FileSystem, RemovesExactlyTheNamedFile) {
    QTemporaryDir dir;
    LocalFileSystem fs(dir.path());
    QDir(dir.path()).mkdir("m");
    for (const char *name : {"a.Card", "A.Card", "[a].Card", "a.card", "b.Card"})
        put(dir.filePath(QStringLiteral("m/") + name), "x");
    EXPECT_EQ(fs.removeFile("m/[a].Card"), FileError::None);
    EXPECT_EQ(fs.removeFile("m/A.Card"), FileError::None);
    EXPECT_EQ(fs.list("m", "*", ListKind::Files), (QStringList{"a.Card", "a.card", "b.Card"}));
    EXPECT_EQ(fs.removeFile("m/*.Card"), FileError::NotFound);
    EXPECT_EQ(fs.removeFile("none/a.Card"), FileError::PathNotFound);
    EXPECT_EQ(fs.list("m", "*", ListKind::Files).size(), 3);
}

TEST(FileSystem, ListingMatchesCaseSensitivelyAndHidesTemps) {
    QTemporaryDir dir;
    LocalFileSystem fs(dir.path());
    for (const char *name : {"1.Card", "2.card", "3.CARD", ".4.Card", ".1.Card.kvtmp-abc123"})
        put(dir.filePath(name), "x");
    EXPECT_EQ(fs.list("", "*.Card", ListKind::Files), QStringList{"1.Card"});
}

// A link lists as what it points to, one pointing nowhere and a FIFO not at all.
TEST(FileSystem, ListingKindsAndPatterns) {
    QTemporaryDir dir;
    const QDir d(dir.path());
    d.mkdir("2026年1月");
    d.mkdir(".2026年6月");
    ASSERT_TRUE(QFile::link(dir.filePath("2026年1月"), dir.filePath("2026年2月")));
    ASSERT_TRUE(QFile::link(dir.filePath("none"), dir.filePath("2026年3月")));
    put(dir.filePath("2026年4月.txt"), "x");
    put(dir.filePath("memo"), "x");
    ASSERT_TRUE(QFile::link(dir.filePath("memo"), dir.filePath("x月link")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("2026年5月")).constData(), 0600), 0);
    LocalFileSystem fs(dir.path());
    const struct {
        const char *pattern;
        ListKind kind;
        QStringList names;
    } cases[] = {
        {"*月*", ListKind::Files, {"2026年4月.txt", "x月link"}},
        {"*月*", ListKind::Folders, {"2026年1月", "2026年2月"}},
        {"*月*", ListKind::FilesAndFolders, {"2026年1月", "2026年2月", "2026年4月.txt", "x月link"}},
        {"*", ListKind::Files, {"2026年4月.txt", "memo", "x月link"}},
        {"2026*月", ListKind::Folders, {"2026年1月", "2026年2月"}},
        {"2026年?月*", ListKind::Files, {"2026年4月.txt"}},
        {"memo", ListKind::Files, {"memo"}},
        {"*.txt*", ListKind::Folders, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(fs.list("", QString::fromUtf8(c.pattern), c.kind), c.names) << c.pattern;
}

TEST(FileSystem, MissingFolderIsOneNumberForEverySave) {
    QTemporaryDir dir;
    LocalFileSystem fs(dir.path());
    const QList<std::pair<QString, QByteArray>> one = {{"1.Card", "x"}};
    EXPECT_EQ(fs.replaceFile("2007年3月/1.Card", "x"), FileError::PathNotFound);
    EXPECT_EQ(fs.replaceFiles("2007年3月", one), FileError::PathNotFound);
    EXPECT_EQ(fs.FileSystem::replaceFiles("2007年3月", one), FileError::PathNotFound);
}

namespace {

// Every save is in place but unconfirmed.
class UnconfirmedFileSystem : public LocalFileSystem {
public:
    using LocalFileSystem::LocalFileSystem;
    FileError replaceFile(const QString &path, const QByteArray &bytes) override {
        const FileError e = LocalFileSystem::replaceFile(path, bytes);
        return e == FileError::None ? FileError::Unconfirmed : e;
    }
};

} // namespace

TEST(FileSystem, UnconfirmedFileDoesNotStopABatch) {
    QTemporaryDir dir;
    UnconfirmedFileSystem fs(dir.path());
    EXPECT_EQ(fs.FileSystem::replaceFiles("", {{"1.Card", "one"}, {"2.Card", "two"}}),
              FileError::Unconfirmed);
    EXPECT_EQ(fs.list(".", "*.Card", ListKind::Files), (QStringList{"1.Card", "2.Card"}));
}
