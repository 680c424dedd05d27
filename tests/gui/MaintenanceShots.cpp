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
#include <QCheckBox>
#include <QFileSystemModel>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
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
