#include "platform/FolderLocks.h"
#include "platform/FileSystem.h"
#include "platform/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Two programs on one data folder: each file system opens the lock file on
// its own, as a second PC does.
struct TwoPrograms {
    QTemporaryDir dir;
    LocalFileSystem a{dir.path()};
    LocalFileSystem b{dir.path()};
    TwoPrograms() {
        QDir(dir.path()).mkdir(QStringLiteral("2007年3月"));
        // A test waits no longer than a blink for a lock held by the other.
        a.setLockWait(30);
        b.setLockWait(30);
    }
};

const QString kCard = QStringLiteral("2007年3月/12.Card");

} // namespace

TEST(FolderLocks, WhatOneProgramHoldsTheOtherWaitsFor) {
    TwoPrograms p;
    struct Case {
        const char *held;
        bool folder;
        const char *wanted;
        bool wantedFolder;
        bool refused;
    };
    const Case cases[] = {
        {"2007年3月/12.Card", false, "2007年3月/12.Card", false, true},
        {"2007年3月/12.Card", false, "2007年3月/13.Card", false, false},
        {"2007年3月/12.Card", false, "2007年3月", true, true},
        {"2007年3月", true, "2007年3月/13.Card", false, true},
        {"2007年3月", true, "2007年4月/13.Card", false, false},
        {"Meibo.Dat", false, "Meibo.Dat", false, true},
        {"Meibo.Dat", false, "Kijyun.Dat", false, false},
        {"Meibo.Dat", false, "2007年3月", true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.held) + " / " + c.wanted);
        auto lock = [](LocalFileSystem &fs, const char *path, bool folder) {
            return folder ? fs.lockFolders({QString::fromUtf8(path)})
                          : fs.lockFile(QString::fromUtf8(path));
        };
        const FileLock held = lock(p.a, c.held, c.folder);
        ASSERT_TRUE(held.held());
        const FileLock wanted = lock(p.b, c.wanted, c.wantedFolder);
        EXPECT_EQ(wanted.error(), c.refused ? FileError::Locked : FileError::None);
    }
}

TEST(FolderLocks, NestedLocksOfOneProgramHoldUntilTheLast) {
    TwoPrograms p;
    FileLock month = p.a.lockFolders({QStringLiteral("2007年3月")});
    {
        const FileLock card = p.a.lockFile(kCard);
        const FileLock again = p.a.lockFile(kCard);
        ASSERT_TRUE(card.held() && again.held());
    }
    // The card's locks are gone; the month's, which covers the card, is not.
    EXPECT_EQ(p.b.lockFile(kCard).error(), FileError::Locked);
    month.release();
    EXPECT_TRUE(p.b.lockFile(kCard).held());
}

TEST(FolderLocks, SaveWaitsForTheLockAndWritesNothingWithoutIt) {
    TwoPrograms p;
    ASSERT_TRUE(isSaved(p.b.replaceFile(kCard, "old")));
    {
        const FileLock held = p.a.lockFile(kCard);
        EXPECT_EQ(p.b.replaceFile(kCard, "new"), FileError::Locked);
        EXPECT_EQ(p.b.appendFile(kCard, "more"), FileError::Locked);
        EXPECT_EQ(p.b.replaceFiles(QStringLiteral("2007年3月"), {{"12.Card", "new"}}),
                  FileError::Locked);
        // The holder itself saves under its own lock.
        EXPECT_TRUE(isSaved(p.a.replaceFile(kCard, "mine")));
    }
    EXPECT_EQ(p.b.readFile(kCard).bytes, "mine");
    EXPECT_EQ(QDir(p.dir.filePath("2007年3月"))
                  .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"12.Card"});
    EXPECT_TRUE(isSaved(p.b.replaceFile(kCard, "new")));
}

TEST(FolderLocks, KilledHolderLeavesNoLock) {
    TwoPrograms p;
    const FolderLocks::Range r = FolderLocks::fileRange(kCard);
    const QByteArray lockPath = QFile::encodeName(p.dir.filePath(FolderLocks::kFileName));
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Another program: takes the card's lock and stays in the middle of
        // its save until it is killed.
        const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT, 0666);
        struct flock fl {};
        fl.l_type = F_WRLCK;
        fl.l_whence = SEEK_SET;
        fl.l_start = r.start;
        fl.l_len = r.length;
        if (fd < 0 || ::fcntl(fd, F_OFD_SETLK, &fl) != 0)
            ::_exit(1);
        (void)!::write(ready[1], "x", 1);
        for (;;)
            ::pause();
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    EXPECT_EQ(p.b.lockFile(kCard).error(), FileError::Locked);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(p.b.lockFile(kCard).held());
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(FolderLocks, MarksTellWhichProgramsRun) {
    QTemporaryDir dir;
    auto first = std::make_unique<LocalFileSystem>(dir.path());
    LocalFileSystem second(dir.path());
    const int a = first->holdMark();
    const int b = second.holdMark();
    ASSERT_GE(a, 0);
    EXPECT_NE(a, b);
    EXPECT_EQ(first->holdMark(), a);
    EXPECT_TRUE(second.markHeld(a));
    EXPECT_TRUE(second.markHeld(b));
    first.reset(); // the program ends
    EXPECT_FALSE(second.markHeld(a));
    EXPECT_FALSE(second.markHeld(-1));
}

TEST(FolderLocks, LockFileThatCannotBeOpenedRefusesTheWrite) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QLatin1String(FolderLocks::kFileName));
    LocalFileSystem fs(dir.path());
    EXPECT_EQ(fs.lockFile(QStringLiteral("Meibo.Dat")).error(), FileError::PathFileAccess);
    EXPECT_EQ(fs.replaceFile(QStringLiteral("Meibo.Dat"), "x"), FileError::PathFileAccess);
    // Outside the data folder no lock is needed.
    QTemporaryDir other;
    EXPECT_TRUE(fs.lockFile(other.filePath("x")).held());
}

TEST(FolderLocks, StartUpLeavesTheTemporaryFileOfASaveInProgress) {
    TwoPrograms p;
    const QString folder = p.dir.filePath("2007年3月");
    for (const char *name : {".12.Card.kvtmp-aaaaaa", ".13.Card.kvtmp-bbbbbb"}) {
        QFile f(folder + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const FileLock saving = p.a.lockFile(kCard);
    EXPECT_EQ(p.b.clearStaleTemps(QString()), 1);
    EXPECT_TRUE(QFile::exists(folder + "/.12.Card.kvtmp-aaaaaa"));
    EXPECT_FALSE(QFile::exists(folder + "/.13.Card.kvtmp-bbbbbb"));
}
