#include "maintenance/BackupRestore.h"
#include "maintenance/MaintenanceFixture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// A backup medium that fills up: a 64 KiB tmpfs mounted for the test when it
// runs as root and the mount works; otherwise the fault double fails every
// write from the given one on with a full disk.
struct SmallMedium {
    QTemporaryDir dir;
    bool mounted = false;
    SmallMedium() {
        if (::geteuid() == 0)
            mounted = ::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0,
                              "size=64k") == 0;
    }
    ~SmallMedium() {
        if (mounted)
            ::umount2(QFile::encodeName(dir.path()).constData(), MNT_DETACH);
    }
};

} // namespace

TEST(FullTarget, AMonthThatDoesNotFitIsNotCountedAndNoCardIsTorn) {
    TestServices t;
    SmallMedium medium;
    const QString full = medium.dir.filePath("2007年3月");
    putMonth(t, "2007年2月", 2, "new");
    putMonth(t, "2007年3月", 30, "new");
    QDir().mkpath(full);
    {
        QFile old(full + "/1.Card");
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(cardBytes("1", "old"));
    }
    // The first month's two cards and the next month's first card fit.
    if (!medium.mounted)
        t.fs.failFrom(FaultyFileSystem::Op::Replace, 4, FileError::DiskFull);
    std::printf("[ medium   ] %s\n", medium.mounted ? "64 KiB tmpfs" : "fault double (no mount)");
    RecordProperty("medium", medium.mounted ? "tmpfs" : "fault double");

    BackupRestore bp(t.services);
    ASSERT_TRUE(bp.open());
    bp.chooseMode(BackupRestore::Mode::Hozon);
    bp.folderChanged(medium.dir.path());
    ASSERT_EQ(bp.list().lines().size(), 2);
    bp.click(0, true);
    bp.click(1, true);
    const auto report = bp.copy();
    ASSERT_TRUE(report);
    EXPECT_EQ(report->wholeMonths(), 1);
    ASSERT_EQ(t.dialogs.texts().size(), 3);
    EXPECT_EQ(t.dialogs.texts()[1], "1ケ月分コピーしました。");
    // Every card of the full month is whole: as it was, or complete and new.
    const QStringList left = allEntries(full);
    EXPECT_TRUE(left.contains("1.Card"));
    int written = 0;
    for (const QString &name : left) {
        QFile f(full + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = f.readAll();
        const QString code = name.chopped(5);
        written += bytes == cardBytes(code, "new");
        EXPECT_TRUE(bytes == cardBytes(code, "new") ||
                    (code == "1" && bytes == cardBytes("1", "old")))
            << name.toStdString();
    }
    // The notice tells what the disk holds: the cards written before it
    // filled up are named, the rest counted.
    ASSERT_GT(written, 0);
    EXPECT_TRUE(t.dialogs.texts()[2].contains(
        QString("2007年3月：30 件のうち %1 件だけ書き込みました（1.Card").arg(written)))
        << t.dialogs.texts()[2].toStdString();
    EXPECT_TRUE(t.dialogs.texts()[2].contains(
        QString("残りの %1 件は書き込めませんでした（ディスクの空きが足りません）。")
            .arg(30 - written)));
    EXPECT_EQ(allEntries(medium.dir.filePath("2007年2月")), (QStringList{"1.Card", "2.Card"}));
}
