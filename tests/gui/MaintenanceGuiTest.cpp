// The two maintenance screens opened from the menu of the real main frame:
// card months deleted, backed up into a new backup folder and restored.
#include "Shots.h"
#include "app/ui/frmkensa.h"
#include "data/HistoryCheck.h"
#include "data/LabourRules.h"
#include "maintenance/MaintenanceFixture.h"
#include "maintenance/ui/BackupFolderChooser.h"
#include "maintenance/ui/frmbp.h"
#include "maintenance/ui/frmseiri.h"
#include "platform/ui/PdfFilePrinter.h"
#include "printing/PrintTargets.h"
#include "support/HistoryFiles.h"
#include "support/ProgramFixture.h"
#include "support/RecordingHost.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <gtest/gtest.h>
#include <tuple>

namespace {

// A click on a folder of Dir1, as the user makes it.
void chooseFolder(BackupFolderChooser *chooser, const QString &path) {
    QTreeView *tree = chooser->folderList();
    auto *model = qobject_cast<QFileSystemModel *>(tree->model());
    tree->setCurrentIndex(model->index(path));
}

} // namespace

TEST(MaintenanceGui, OrganizingDeletesTwoMonthsAndClosesTheScreen) {
    ProgramFixture p;
    putMonth(p.t, "2006年12月", 2, "a");
    putMonth(p.t, "2007年1月", 2, "a");
    putMonth(p.t, "2007年3月", 2, "a"); // in use on 1 March 2007
    putSettings(p.t, "getumatusime");
    p.start();
    EXPECT_EQ(p.frame->currentScreen()->findChild<QListWidget *>("List1")->count(), 2);
    p.frame->item("menuseiri")->trigger();
    ASSERT_EQ(p.t.session.screenWord, "seiri");
    auto *screen = qobject_cast<frmseiri *>(p.frame->currentScreen());
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->width(), 2160 / 15);
    screen->findChild<QToolBar *>("Toolbar1")->actions().at(1)->trigger();
    EXPECT_EQ(screen->width(), 6150 / 15);
    QTest::mouseClick(screen->findChild<QPushButton *>("Command2"), Qt::LeftButton);
    EXPECT_FALSE(screen->guideOpen());

    auto *list = screen->findChild<QListWidget *>("List1");
    ASSERT_EQ(list->count(), 3);
    p.t.dialogs.clear();
    // The month in use: Cancel deselects it, OK keeps it.
    p.t.dialogs.answer(BoxAnswer::Cancel);
    clickLine(list, 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.t.dialogs.boxes().size() == 1; }, 2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !list->item(2)->isSelected(); }, 2000));
    clickLine(list, 2);
    clickLine(list, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen->logic().list().selectedCount() == 2; }, 2000));
    EXPECT_TRUE(list->item(2)->isSelected());

    QTest::mouseClick(screen->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    const QString question = "2007年3月 は現在使用中です。削除してもよろしいか。";
    // Both months are younger than the retention period: asked a second time.
    ASSERT_EQ(p.t.dialogs.texts().size(), 5);
    EXPECT_EQ(p.t.dialogs.texts().mid(0, 4),
              (QStringList{question, question, "2ケ月分を削除します。",
                           labourrules::retentionQuestion({"2006年12月", "2007年3月"})}));
    EXPECT_TRUE(p.t.dialogs.texts()[4].startsWith(
        "2ケ月分を削除しました。\n削除したタイムカードは「" + p.t.dir.path() + "/Taihi/"));
    EXPECT_FALSE(p.t.fs.exists("2006年12月"));
    EXPECT_FALSE(p.t.fs.exists("2007年3月"));
    EXPECT_TRUE(p.t.fs.exists("2007年1月"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.t.session.screenWord == "recorder"; }, 2000));
    EXPECT_TRUE(p.frame->item("menuseiri")->isEnabled());
    // The punch clock comes back with its rack built anew: no card is left.
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.frame->currentScreen() != screen; }, 2000));
    auto *rack = p.frame->currentScreen()->findChild<QListWidget *>("List1");
    ASSERT_NE(rack, nullptr);
    EXPECT_EQ(rack->count(), 0);

    // Opened again: what the deletion kept is shown with its size, and goes.
    p.frame->item("menuseiri")->trigger();
    screen = qobject_cast<frmseiri *>(p.frame->currentScreen());
    ASSERT_NE(screen, nullptr);
    auto *size = screen->findChild<QLabel *>("lbltaihi");
    auto *emptying = screen->findChild<QPushButton *>("cmdtaihi");
    EXPECT_EQ(size->text(), "控え：1 回分　9 KB");
    ASSERT_TRUE(emptying->isEnabled());
    p.t.dialogs.clear();
    QTest::mouseClick(emptying, Qt::LeftButton);
    EXPECT_EQ(p.t.dialogs.texts().last(), "控えを削除しました。");
    EXPECT_EQ(size->text(), "控え：なし");
    EXPECT_FALSE(emptying->isEnabled());
    EXPECT_FALSE(p.t.fs.exists("Taihi"));
}

TEST(MaintenanceGui, BackUpTwoMonthsIntoANewFolderAndRestoreOne) {
    ProgramFixture p;
    QTemporaryDir medium;
    putMonth(p.t, "2007年2月", 3, "a");
    putMonth(p.t, "2007年3月", 2, "a"); // in use on 1 March 2007
    putSettings(p.t, "getumatusime");
    p.start();
    p.frame->item("menubup")->trigger();
    ASSERT_EQ(p.t.session.screenWord, "bkup");
    auto *screen = qobject_cast<frmbp *>(p.frame->currentScreen());
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->size(), QSize(4410 / 15, 6870 / 15));
    auto *list = screen->findChild<QListWidget *>("List1");
    auto *copy = screen->findChild<QPushButton *>("Command1");
    auto *create = screen->findChild<QPushButton *>("Command3");
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_FALSE(create->isEnabled());

    // Backup: where, a new folder there, both months.
    QTest::mouseClick(screen->findChild<QRadioButton *>("Option1"), Qt::LeftButton);
    EXPECT_TRUE(create->isEnabled());
    chooseFolder(screen->chooser(), medium.path());
    EXPECT_EQ(screen->logic().address(), medium.path());
    EXPECT_EQ(list->count(), 2);
    auto *name = screen->findChild<QLineEdit *>("Text1");
    ASSERT_TRUE(ProgramFixture::focus(name));
    typeText(name, "タイムカード");
    QTest::keyClick(name, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return create->hasFocus(); }, 2000));
    p.t.dialogs.clear();
    QTest::keyClick(create, Qt::Key_Space);
    const QString folder = medium.filePath("タイムカード");
    EXPECT_EQ(screen->logic().address(), folder);
    EXPECT_FALSE(create->isEnabled());
    clickLine(list, 0);
    clickLine(list, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return copy->isEnabled(); }, 2000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen->logic().list().selectedCount() == 2; }, 2000));
    QTest::mouseClick(copy, Qt::LeftButton);
    EXPECT_EQ(
        p.t.dialogs.texts(),
        (QStringList{medium.path() + " にバックアップ用フォルダ「 タイムカード 」を作成します。",
                     "バックアップ用フォルダを作成しました。", "2ケ月分コピーします。",
                     "2ケ月分コピーしました。"}));
    EXPECT_EQ(allEntries(folder + "/2007年2月"), (QStringList{"1.Card", "2.Card", "3.Card"}));

    // A card of the month in use is lost; restore that month.
    QFile::remove(p.t.path("2007年3月/2.Card"));
    QTest::mouseClick(screen->findChild<QRadioButton *>("Option2"), Qt::LeftButton);
    EXPECT_EQ(list->count(), 0);
    chooseFolder(screen->chooser(), medium.path());
    chooseFolder(screen->chooser(), folder);
    ASSERT_EQ(list->count(), 2);
    clickLine(list, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen->logic().list().selectedCount() == 1; }, 2000));
    p.t.dialogs.clear();
    QTest::mouseClick(copy, Qt::LeftButton);
    ASSERT_EQ(p.t.dialogs.texts().size(), 3);
    EXPECT_EQ(p.t.dialogs.texts()[0], "1ケ月分コピーします。");
    EXPECT_TRUE(p.t.dialogs.texts()[1].startsWith("2007年3月 は現在使用中です。"));
    // The card it replaced is kept, and the notice says where.
    EXPECT_TRUE(p.t.dialogs.texts()[2].startsWith(
        "1ケ月分コピーしました。\n置き換える前のタイムカードは「" + p.t.dir.path() + "/Taihi/"));
    EXPECT_EQ(p.t.bytes("2007年3月/2.Card"), cardBytes("2", "a"));

    // The punch clock comes back with the restored card in its rack.
    screen->findChild<QToolBar *>("Toolbar1")->actions().at(0)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.t.session.screenWord == "recorder"; }, 2000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.frame->currentScreen() != screen; }, 2000));
    auto *rack = p.frame->currentScreen()->findChild<QListWidget *>("List1");
    ASSERT_NE(rack, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return rack->count() == 2; }, 2000));
}

namespace {

// The check's report saved as a PDF file, for its picture.
struct PdfShotTargets : PrintTargets {
    QString path;
    std::unique_ptr<PdfFilePrinter> file;
    explicit PdfShotTargets(const QString &p) : path(p) {}
    Printer *office() override { return nullptr; }
    QString askPdfFile(const QString &) override { return path; }
    Printer &pdfFile(const QString &p, const QString &title) override {
        file = std::make_unique<PdfFilePrinter>(p, title);
        return *file;
    }
    bool preview(const QString &, const std::function<void(Printer &)> &) override { return false; }
    PrintProgress *progress(int) override { return nullptr; }
};

} // namespace

TEST(MaintenanceGui, TheHistoryCheckFromTheMenuNamesACardEditedByHand) {
    shots::ProgramFont font;
    ProgramFixture p;
    putSettings(p.t, "getumatusime");
    p.start();
    CardTable c;
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        c.at(r, CardField::Day) = QString::number(r + 1);
        c.at(r, CardField::Code) = "1";
        c.at(r, CardField::Name) = "山田太郎";
    }
    prepared(p.t, "2007年3月", {c});
    for (const auto &[row, field, time] :
         {std::tuple{0, 2, "9:00"}, std::tuple{0, 5, "18:00"}, std::tuple{1, 2, "9:05"}})
        recordMade(p.t, history::word::dakoku,
                   {{"2007年3月", "1", row, QString::number(row + 1), field, "", time}});
    // Eighteen o'clock turned into seventeen in the card file by hand.
    QByteArray card = p.t.bytes("2007年3月/1.Card");
    card.replace("\"18:00\"", "\"17:00\"");
    p.t.put("2007年3月/1.Card", card);

    QStringList shown;
    QColor colour;
    QString summary;
    QTimer::singleShot(0, [&] {
        auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->objectName(), "frmkensa");
        auto *list = d->findChild<QListWidget *>("List1");
        for (int i = 0; i < list->count(); ++i) {
            shown.append(list->item(i)->text());
            if (list->item(i)->text().contains("1日　退勤"))
                colour = list->item(i)->foreground().color();
        }
        summary = d->findChild<QLabel *>("lblkekka")->text();
        if (!shots::folder().isEmpty())
            d->grab().save(shots::path("frmkensa-card-edited.png"));
        const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
        if (!shots::folder().isEmpty() && !pdftoppm.isEmpty()) {
            // The report as "PDF" writes it.
            PdfShotTargets pdf{shots::path("history-check-report.pdf")};
            CheckWindow(p.t.services).pdf(pdf);
            QProcess::execute(pdftoppm, {"-r", "80", "-png", "-singlefile", pdf.path,
                                         shots::path("history-check-report")});
        }
        d->findChild<QPushButton *>("cmdtojiru")->click();
    });
    p.frame->item("menurireki")->trigger();
    EXPECT_EQ(summary, "変更履歴で説明できない値が 1 件あります。");
    EXPECT_TRUE(
        shown.contains("・2007年3月　1 山田太郎　1日　退勤：ファイル「17:00」／変更履歴「18:00」"))
        << shown.join("\n").toStdString();
    EXPECT_EQ(colour, QColor(0xc0, 0, 0));
}
