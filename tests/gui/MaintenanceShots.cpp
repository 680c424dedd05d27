// Pictures of the two maintenance screens in the real main frame for the
// documentation, written only when KELVANE_SHOT_DIR names a folder (run under
// a real X server for real fonts).
#include "Shots.h"
#include "maintenance/MaintenanceFixture.h"
#include "maintenance/ui/BackupFolderChooser.h"
#include "maintenance/ui/frmbp.h"
#include "maintenance/ui/frmseiri.h"
#include "support/ProgramFixture.h"
#include "support/RecordingHost.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileSystemModel>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

void putMonths(TestServices &t) {
    for (const char *m :
         {"2006年10月", "2006年11月", "2006年12月", "2007年1月", "2007年2月", "2007年3月"})
        putMonth(t, m, 2, "a");
}

} // namespace

TEST(MaintenanceShots, Write) {
    if (shots::folder().isEmpty())
        GTEST_SKIP() << "KELVANE_SHOT_DIR not set";
    {
        ProgramFixture p;
        putMonths(p.t);
        p.start();
        p.frame->item("menuseiri")->trigger();
        auto *screen = qobject_cast<frmseiri *>(p.frame->currentScreen());
        ASSERT_NE(screen, nullptr);
        auto *list = screen->findChild<QListWidget *>("List1");
        list->item(0)->setSelected(true);
        list->item(1)->setSelected(true);
        shots::save(p.frame.get(), "frmseiri.png", 400);
        screen->findChild<QToolBar *>("Toolbar1")->actions().at(1)->trigger();
        shots::save(p.frame.get(), "frmseiri-guide.png", 400);
    }
    {
        ProgramFixture p;
        putMonths(p.t);
        // A short place, so the address reads whole.
        QTemporaryDir medium(QStringLiteral("/tmp/usb-XXXXXX"));
        const QString folder = medium.filePath("タイムカード");
        QDir().mkpath(folder + "/2006年10月");
        p.start();
        p.frame->item("menubup")->trigger();
        auto *screen = qobject_cast<frmbp *>(p.frame->currentScreen());
        ASSERT_NE(screen, nullptr);
        QTest::mouseClick(screen->findChild<QRadioButton *>("Option1"), Qt::LeftButton);
        QTreeView *tree = screen->chooser()->folderList();
        tree->setCurrentIndex(qobject_cast<QFileSystemModel *>(tree->model())->index(folder));
        auto *list = screen->findChild<QListWidget *>("List1");
        list->item(4)->setSelected(true);
        list->item(5)->setSelected(true);
        screen->findChild<QCheckBox *>("chkkihon")->setChecked(true);
        shots::save(p.frame.get(), "frmbp.png", 400);
        screen->findChild<QToolBar *>("Toolbar1")->actions().at(1)->trigger();
        shots::save(p.frame.get(), "frmbp-guide.png", 400);
    }
}

namespace {

// Answers each box as it comes with OK; the box whose text starts with
// wanted is pictured first.
void pictureBox(QWidget *window, const QString &wanted, const QString &name, int boxes) {
    auto left = std::make_shared<int>(boxes);
    auto *timer = new QTimer(window);
    QObject::connect(timer, &QTimer::timeout, window, [=] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        // The box is wider than the narrow screens: both are pictured.
        if (box->text().startsWith(wanted)) {
            const QRect r = window->frameGeometry().united(box->frameGeometry());
            QGuiApplication::primaryScreen()
                ->grabWindow(0, r.x(), r.y(), r.width(), r.height())
                .save(shots::path(name));
        }
        shots::answer(QStringLiteral("OK"));
        if (--*left == 0)
            timer->deleteLater();
    });
    timer->start(500);
}

} // namespace

TEST(MaintenanceShots, SafetyFolder) {
    if (shots::folder().isEmpty())
        GTEST_SKIP() << "KELVANE_SHOT_DIR not set";
    shots::ProgramFont font;
    shots::Program p;
    putMonths(p.t);
    putSettings(p.t, "getumatusime");
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QFile::link(elsewhere.path(), p.t.path("2007年4月")));
    p.t.put("2013年4月/1.Card", cardBytes("1", "山田太郎"));
    p.t.put("2013年4月/2.Card", cardBytes("2", "鈴木花子"));
    p.t.clock.set(2013, 4, 2, 9, 15);
    ASSERT_TRUE(p.start());
    p.frame->item("menuseiri")->trigger();
    QTest::qWait(200);
    auto *list = p.find<QListWidget>("List1");
    clickLine(list, 0);
    clickLine(list, 1);
    QTest::qWait(300);
    // The months go, their cards into the safety folder; the notice says where.
    pictureBox(p.frame.get(), QStringLiteral("2ケ月分を削除しました。"),
               QStringLiteral("frmseiri-kept.png"), 2);
    p.click("Command1");
    QTest::qWait(1500);
    // Opened again: the safety folder's size, and the link listed as damaged.
    p.frame->item("menuseiri")->trigger();
    QTest::qWait(200);
    shots::save(p.frame.get(), "frmseiri-taihi.png", 400);
    p.find<QToolBar>("Toolbar1")->actions().at(0)->trigger();
    QTest::qWait(300);

    // A restore over a month in place keeps the cards it replaces.
    QTemporaryDir medium(QStringLiteral("/tmp/usb-XXXXXX"));
    QDir().mkpath(medium.filePath("2007年3月"));
    QFile card(medium.filePath("2007年3月/1.Card"));
    ASSERT_TRUE(card.open(QIODevice::WriteOnly));
    card.write(cardBytes("1", "backup"));
    card.close();
    p.frame->item("menubup")->trigger();
    QTest::qWait(200);
    auto *screen = qobject_cast<frmbp *>(p.frame->currentScreen());
    ASSERT_NE(screen, nullptr);
    QTest::mouseClick(p.find<QRadioButton>("Option2"), Qt::LeftButton);
    QTreeView *tree = screen->chooser()->folderList();
    tree->setCurrentIndex(qobject_cast<QFileSystemModel *>(tree->model())->index(medium.path()));
    QTest::qWait(300);
    clickLine(p.find<QListWidget>("List1"), 0);
    QTest::qWait(300);
    pictureBox(p.frame.get(), QStringLiteral("1ケ月分コピーしました。"),
               QStringLiteral("frmbp-restore-kept.png"), 2);
    p.click("Command1");
    QTest::qWait(1500);
    p.find<QToolBar>("Toolbar1")->actions().at(0)->trigger();
    QTest::qWait(300);

    // A card removed at the punch clock: the question says it is kept.
    p.frame->currentScreen()->findChild<QAction *>("Toolbar1_2")->trigger();
    pictureBox(p.frame.get(), QStringLiteral("2   "), QStringLiteral("card-removal-kept.png"), 1);
    clickLine(p.find<QListWidget>("List1"), 1);
    QTest::qWait(1200);
}
