#include "platform/SingleInstance.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SingleInstance, SecondInstanceIsRefused) {
    QTemporaryDir dir;
    LockFileInstance first(dir.path());
    ASSERT_TRUE(first.acquire());
    LockFileInstance second(dir.path());
    EXPECT_FALSE(second.acquire());
}

TEST(SingleInstance, LockOfAKilledProcessIsTakenOver) {
    QTemporaryDir dir;
    // What a killed instance leaves: a lock naming a process that is gone.
    QFile lock(dir.filePath(".kelvane.lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("999999999\nkelvane\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    LockFileInstance next(dir.path());
    EXPECT_TRUE(next.acquire());
}

TEST(SingleInstance, FolderThatCannotHoldTheLockIsNoSecondInstance) {
    QTemporaryDir dir;
    // A plain file where the folder should be: the lock cannot be made at all.
    const QString notAFolder = dir.filePath("plain");
    QFile f(notAFolder);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    LockFileInstance instance(notAFolder);
    EXPECT_TRUE(instance.acquire());
}
