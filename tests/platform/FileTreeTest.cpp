#include "platform/FileSystem.h"
#include "platform/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

void put(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray bytesOf(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Every entry below a folder with its bytes ("" for a folder), links as
// "-> target": what must stay as it was.
QMap<QString, QByteArray> snapshot(const QString &root) {
    QMap<QString, QByteArray> all;
    QDir dir(root);
    const auto entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &e : entries) {
        if (e.isSymLink())
            all[e.fileName()] = "-> " + QFile::encodeName(e.symLinkTarget());
        else if (e.isDir())
            for (auto [k, v] : snapshot(e.filePath()).asKeyValueRange())
                all[e.fileName() + "/" + k] = v;
        else
            all[e.fileName()] = bytesOf(e.filePath());
    }
    return all;
}

// A data folder holding a month whose folder is a link to another place.
struct Linked : ::testing::Test {
    QTemporaryDir data, elsewhere;
    LocalFileSystem fs{data.path()};
    void SetUp() override {
        put(elsewhere.filePath("1.Card"), "outside");
        put(elsewhere.filePath(".1.Card.kvtmp-a1B2c3"), "outside temp");
        put(data.filePath("2007年3月/1.Card"), "inside");
        ASSERT_TRUE(QFile::link(elsewhere.path(), data.filePath("2026年1月")));
        ASSERT_TRUE(QFile::link(data.filePath("2007年3月/1.Card"), data.filePath("Link.Dat")));
    }
};

} // namespace

// Nothing below the data folder passes through a link: every operation
// refuses the path, and neither the place it points to nor the link changes.
TEST_F(Linked, NoOperationFollowsALinkBelowTheDataFolder) {
    const auto outside = snapshot(elsewhere.path());
    const QList<std::pair<QString, QByteArray>> one = {{"1.Card", "new"}};
    struct Case {
        const char *what;
        std::function<FileError()> op;
    };
    const Case cases[] = {
        {"read", [&] { return fs.readFile("2026年1月/1.Card").error; }},
        {"read part", [&] { return fs.readPart("2026年1月/1.Card", 0, 10).error; }},
        {"read a linked file", [&] { return fs.readFile("Link.Dat").error; }},
        {"replace", [&] { return fs.replaceFile("2026年1月/1.Card", "new"); }},
        {"replace all", [&] { return fs.replaceFiles("2026年1月", one); }},
        {"batch",
         [&] {
             auto b = fs.batch();
             const FileError added = b->add("2026年1月", one);
             EXPECT_EQ(b->commit().value(0), added);
             return added;
         }},
        {"append", [&] { return fs.appendFile("2026年1月/1.Card", "more"); }},
        {"append to a linked file", [&] { return fs.appendFile("Link.Dat", "more"); }},
        {"truncate", [&] { return fs.truncateFile("2026年1月/1.Card", 0); }},
        {"remove", [&] { return fs.removeFile("2026年1月/1.Card"); }},
        {"make folder", [&] { return fs.makeFolder("2026年1月/sub"); }},
        {"keep from", [&] { return fs.keepFiles("2026年1月", {"1.Card"}, "Taihi/x/2026年1月"); }},
        {"keep into", [&] { return fs.keepFiles("2007年3月", {"1.Card"}, "2026年1月/x"); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.op(), FileError::Damaged);
    }
    EXPECT_TRUE(fs.list("2026年1月", "*", ListKind::Files).isEmpty());
    EXPECT_FALSE(fs.isFolder("2026年1月"));
    EXPECT_TRUE(fs.isLink("2026年1月"));
    EXPECT_FALSE(fs.isLink("2007年3月"));
    EXPECT_EQ(fs.clearStaleTemps("2026年1月"), 0);
    EXPECT_EQ(removeStaleTemps(data.path()), 0);
    EXPECT_NE(fs.removeFolder("2026年1月"), FileError::None);
    EXPECT_EQ(snapshot(elsewhere.path()), outside);
    EXPECT_EQ(bytesOf(data.filePath("2007年3月/1.Card")), "inside");
    // A link itself can go, as a link.
    EXPECT_EQ(fs.removeFile("Link.Dat"), FileError::None);
    EXPECT_EQ(bytesOf(data.filePath("2007年3月/1.Card")), "inside");
}

// A NUL would end the name at the system call ("x/..\0y" would be "x/..").
TEST(FileSystemNames, APathHoldingANulReachesNoSystemCall) {
    QTemporaryDir dir;
    LocalFileSystem fs(dir.path());
    put(dir.filePath("m/1.Card"), "card");
    QDir(dir.path()).mkpath("m/empty");
    const auto before = snapshot(dir.path());
    const QString nul = QString(QChar(u'\0')) + "x";
    const QString card = "m/1.Card" + nul;
    const QString empty = "m/empty" + nul;
    const QString up = "m/empty/.." + nul;
    struct Case {
        const char *what;
        std::function<FileError()> op;
    };
    const Case cases[] = {
        {"read", [&] { return fs.readFile(card).error; }},
        {"read part", [&] { return fs.readPart(card, 0, 4).error; }},
        {"replace", [&] { return fs.replaceFile(card, "new"); }},
        {"replace all",
         [&] {
             return fs.replaceFiles("m" + nul, {{"1.Card", "new"}});
         }},
        {"append", [&] { return fs.appendFile(card, "more"); }},
        {"truncate", [&] { return fs.truncateFile(card, 0); }},
        {"remove", [&] { return fs.removeFile(card); }},
        {"remove folder", [&] { return fs.removeFolder(empty); }},
        {"remove folder above", [&] { return fs.removeFolder(up); }},
        {"make folder", [&] { return fs.makeFolder("m/new" + nul); }},
        {"keep", [&] { return fs.keepFiles("m", {"1.Card" + nul}, "k"); }},
        {"keep into", [&] { return fs.keepFiles("m", {"1.Card"}, "k" + nul); }},
        {"remove tree", [&] { return fs.removeTree(empty); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.op(), FileError::BadName);
    }
    EXPECT_TRUE(fs.list("m" + nul, "*", ListKind::FilesAndFolders).isEmpty());
    EXPECT_FALSE(fs.exists(card));
    EXPECT_FALSE(fs.isFolder(empty));
    EXPECT_EQ(snapshot(dir.path()), before);
}

TEST(FileSystemKeep, KeepsTheExactBytesAndNeverReplaces) {
    QTemporaryDir dir;
    LocalFileSystem fs(dir.path());
    put(dir.filePath("2007年3月/1.Card"), "one\r\n");
    put(dir.filePath("2007年3月/2.Card"), "two");
    ASSERT_TRUE(QFile::link("/etc/hostname", dir.filePath("2007年3月/3.Card")));
    EXPECT_EQ(fs.keepFiles("2007年3月", {"1.Card", "3.Card"}, "Taihi/a/2007年3月"),
              FileError::None);
    EXPECT_EQ(bytesOf(dir.filePath("Taihi/a/2007年3月/1.Card")), "one\r\n");
    // A link is kept as the link, not what it points to.
    EXPECT_EQ(QFileInfo(dir.filePath("Taihi/a/2007年3月/3.Card")).symLinkTarget(), "/etc/hostname");
    // A card changed afterwards is replaced as every card is, and the kept
    // bytes stay; a name already kept is never written over.
    EXPECT_EQ(fs.replaceFile("2007年3月/1.Card", "changed"), FileError::None);
    EXPECT_EQ(fs.keepFiles("2007年3月", {"2.Card", "1.Card"}, "Taihi/a/2007年3月"),
              FileError::PathFileAccess);
    EXPECT_EQ(bytesOf(dir.filePath("Taihi/a/2007年3月/1.Card")), "one\r\n");
    EXPECT_EQ(bytesOf(dir.filePath("Taihi/a/2007年3月/2.Card")), "two");
    EXPECT_EQ(fs.keepFiles("2007年3月", {"9.Card"}, "Taihi/b"), FileError::NotFound);
    EXPECT_EQ(fs.keepFiles("2007年3月", {"../Kijyun.Dat"}, "Taihi/b"), FileError::BadName);
}

TEST(FileSystemTree, SizeAndRemovalNeverFollowALink) {
    QTemporaryDir dir, elsewhere;
    LocalFileSystem fs(dir.path());
    put(elsewhere.filePath("big"), QByteArray(5000, 'x'));
    put(dir.filePath("Taihi/a/2007年3月/1.Card"), QByteArray(300, 'c'));
    put(dir.filePath("Taihi/a/2007年3月/.1.Card.kvtmp-a1B2c3"), QByteArray(20, 't'));
    put(dir.filePath("Taihi/b/2007年4月/2.Card"), QByteArray(100, 'c'));
    ASSERT_TRUE(QFile::link(elsewhere.path(), dir.filePath("Taihi/b/2007年5月")));
    ASSERT_TRUE(QFile::link(elsewhere.filePath("big"), dir.filePath("Taihi/b/2007年4月/3.Card")));
    EXPECT_EQ(fs.treeBytes("Taihi"), 420);
    EXPECT_EQ(fs.treeBytes("none"), 0);
    // Only below the data folder.
    EXPECT_EQ(fs.removeTree("."), FileError::BadName);
    EXPECT_EQ(fs.removeTree(elsewhere.path()), FileError::BadName);
    EXPECT_EQ(fs.removeTree("Taihi"), FileError::None);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("Taihi")));
    EXPECT_EQ(bytesOf(elsewhere.filePath("big")), QByteArray(5000, 'x'));
}
