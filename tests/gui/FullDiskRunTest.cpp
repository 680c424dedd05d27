// The punch clock on a data folder that is really full. KELVANE_FULL_TMPFS
// names the mount point of a small tmpfs (as root: mount -t tmpfs -o size=2m
// tmpfs /mnt/kv); without it the run is skipped. With KELVANE_SHOT_DIR the box
// is saved as a picture.
#include "Shots.h"
#include "punchclock/PunchFixture.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Writes a file until the disk takes no more.
void fillDisk(const QString &path) {
    QFile filler(path);
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();
}

} // namespace

TEST(FullDiskRun, APunchOnAFullDiskIsSaidNotRecordedAndTheNextOneIsWritten) {
    const QString mount = qEnvironmentVariable("KELVANE_FULL_TMPFS");
    if (mount.isEmpty())
        GTEST_SKIP() << "KELVANE_FULL_TMPFS not set";
    const QByteArray tmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", mount.toLocal8Bit()); // the data folder goes onto the small disk
    shots::ProgramFont font;
    shots::Program p;
    qputenv("TMPDIR", tmp);
    ASSERT_TRUE(p.t.dir.path().startsWith(mount));
    PunchData::prepareMonth(p.t, 2009, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
    p.t.clock.set(2009, 5, 12, 8, 59, 40);
    ASSERT_TRUE(p.start());

    auto punchClockIn = [&] {
        clickLine(p.find<QListWidget>("List1"), 0);
        QTest::mouseClick(p.find<QWidget>("Image3_0"), Qt::LeftButton);
        p.click("Command1");
    };
    const QString card = "2009年5月/1.Card";
    const QByteArray before = p.t.bytes(card);
    fillDisk(p.t.path("filler"));
    punchClockIn();
    QString said;
    QTimer::singleShot(500, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            said = box->windowTitle() + "|" + box->text();
        if (!shots::folder().isEmpty())
            shots::saveScreen(p.frame.get(), "punch-not-recorded.png");
        shots::answer();
    });
    p.click("Command2");
    QTest::qWait(700);
    EXPECT_TRUE(said.startsWith("エラー|山田太郎 さんの打刻は記録されていません。\n（出勤 8:59）\n"
                                "理由：ディスクの空きがありません。"))
        << said.toStdString();
    EXPECT_EQ(p.t.bytes(card), before);
    EXPECT_FALSE(p.find<QWidget>("Picture2")->isVisible()); // ready for the next card

    // Space freed: the next punch is written.
    QFile::remove(p.t.path("filler"));
    p.t.clock.set(2009, 5, 12, 9, 1, 5);
    QTest::qWait(600); // the clock shows the new time
    punchClockIn();
    QTimer::singleShot(500, [] { shots::answer(); }); // no box is expected
    p.click("Command2");
    QTest::qWait(100);
    EXPECT_EQ(PunchData::readCard(p.t, "2009年5月", "1").at(11, CardField::ClockIn), "9:01");
}
