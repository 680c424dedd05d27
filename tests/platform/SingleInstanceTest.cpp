#include "platform/SingleInstance.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(SingleInstance, SecondInstanceIsRefused) {
    QTemporaryDir dir;
    LockFileInstance first(dir.path());
    ASSERT_TRUE(first.acquire());
    LockFileInstance second(dir.path());
    EXPECT_FALSE(second.acquire());
}

TEST(SingleInstance, SecondStartCallsTheRunningOne) {
    QTemporaryDir dir;
    LockFileInstance first(dir.path());
    ASSERT_TRUE(first.acquire());
    int calls = 0;
    first.onCalled = [&calls] { ++calls; };
    for (int start = 1; start <= 2; ++start) {
        QTest::qWait(50); // what the write before may still bring
        const int before = calls;
        LockFileInstance second(dir.path());
        ASSERT_FALSE(second.acquire());
        second.callRunning();
        EXPECT_TRUE(QTest::qWaitFor([&] { return calls > before; }, 3000)) << start;
    }
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
