// The tally screen through the real main frame: behind the PIN prompt from
// the menu, and at once at start-up after a suspend.
#include "access/Henkan.h"
#include "platform/Codec932.h"
#include "punchclock/PunchFixture.h"
#include "support/ProgramFixture.h"
#include "support/RecordingHost.h"
#include "tally/ui/frmsyuukei.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>

namespace {

const QString kMonth = "2007年3月";

void prepare(ProgramFixture &p) {
    p.t.clock.set(2007, 3, 20, 17, 0, 10);
    PunchData::prepareMonth(p.t, 2007, 3,
                            {{"1", "山田太郎"}, {"2", "鈴木花子"}, {"3", "佐藤次郎"}});
    CardTable c = PunchData::readCard(p.t, kMonth, "1");
    for (int r = 0; r < 16; ++r) {
        if (QDate(2007, 3, r + 1).dayOfWeek() >= 6)
            continue;
        c.at(r, CardField::ClockIn) = QStringLiteral("8:%1").arg(50 + r % 9);
        c.at(r, CardField::ClockOut) = QStringLiteral("17:%1").arg(10 + r * 2);
    }
    PunchData::writeCard(p.t, kMonth, c);
}

frmsyuukei *openFromTheMenu(ProgramFixture &p) {
    p.t.settings.values["Kelvane/Trdw/Psno"] = pinscramble::henkan("123456");
    p.start();
    QTimer::singleShot(0, [] {
        auto *prompt = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(prompt, nullptr);
        typeText(prompt->findChild<QLineEdit *>("Text1"), "123456");
        QTest::mouseClick(prompt->findChild<QPushButton *>("Command1"), Qt::LeftButton);
    });
    p.frame->item("menusyuukei")->trigger();
    return qobject_cast<frmsyuukei *>(p.frame->currentScreen());
}

} // namespace

TEST(TallyGui, FromTheMenuBehindThePinTypeAndConfirmWithEnterAtTheLastDay) {
    ProgramFixture p;
    prepare(p);
    frmsyuukei *w = openFromTheMenu(p);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(p.t.session.screenWord, "syuukei");
    EXPECT_FALSE(p.frame->item("menusyuukei")->isEnabled());

    auto *months = w->findChild<QComboBox *>("Combo1");
    ASSERT_EQ(months->itemText(0), kMonth);
    Q_EMIT months->activated(0);
    auto *staff = w->findChild<QListWidget *>("List1");
    ASSERT_EQ(staff->count(), 3);
    clickLine(staff, 0);
    EXPECT_EQ(staff->item(0)->text(), "◆1   山田太郎");
    EXPECT_FALSE(staff->isEnabled());
    EXPECT_EQ(w->findChild<QWidget *>("lblcard_6")->property("text").toString(), "8:20");

    auto *first = w->findChild<QLineEdit *>("texnintei_0");
    ASSERT_TRUE(QTest::qWaitFor([&] { return first->hasFocus(); }, 2000));
    typeText(first, "2.5x"); // the letter is refused
    EXPECT_EQ(first->text(), "2.5");
    // Enter through every box and every day to the last box of the last day.
    for (int n = 0; n < 200 && !staff->isEnabled(); ++n)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(staff->isEnabled());
    EXPECT_EQ(w->findChild<QScrollBar *>("VScroll1")->value(), 16);
    EXPECT_EQ(first->text(), ""); // shows day row 16 now
    EXPECT_EQ(PunchData::readCard(p.t, kMonth, "1").at(0, CardField::CertWithin), "2:05");
    EXPECT_EQ(PunchData::readCard(p.t, kMonth, "1").at(31, CardField::CertWithin), "2:05");
    EXPECT_TRUE(p.t.dialogs.texts().isEmpty());

    // The print panel takes the month's marked employees; the lists wait for it.
    w->findChild<QAction *>("Toolbar1_3")->trigger();
    auto *panel = w->findChild<QWidget *>("Picture6");
    ASSERT_TRUE(panel->isVisible());
    EXPECT_FALSE(staff->isEnabled());
    EXPECT_FALSE(months->isEnabled());
    QTest::mouseClick(panel->findChild<QPushButton *>("cmdinsatu_1"), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(staff->isEnabled());

    w->findChild<QAction *>("Toolbar1_5")->trigger(); // "閉じる"
    QTest::qWait(20);
    EXPECT_EQ(p.t.session.screenWord, "recorder");
    EXPECT_EQ(records::parse(p.t.bytes("Cyuudanumu.Dat")), QStringList({"", "", "", ""}));
}

TEST(TallyGui, ASuspendedTallyOpensAtStartWithItsMarks) {
    ProgramFixture p;
    prepare(p);
    p.t.put("Cyuudanumu.Dat", records::format({"ari", "3", "soku", kMonth}));
    p.t.put("Cyuudan.Dat",
            records::format({"1", "山田太郎", "sumi", "2", "鈴木花子", "", "3", "佐藤次郎", ""}));
    p.frame->start(platformOsVersion());
    ASSERT_TRUE(QTest::qWaitForWindowActive(p.frame.get()));
    EXPECT_FALSE(p.frame->splashVisible());
    EXPECT_EQ(p.t.session.screenWord, "syuukei");
    auto *w = qobject_cast<frmsyuukei *>(p.frame->currentScreen());
    ASSERT_NE(w, nullptr);
    auto *staff = w->findChild<QListWidget *>("List1");
    ASSERT_EQ(staff->count(), 3);
    EXPECT_EQ(staff->item(0)->text(), "◆1   山田太郎");
    EXPECT_FALSE(w->findChild<QComboBox *>("Combo1")->isEnabled());

    // The window's close box: the flags are cleared, the punch clock comes.
    p.frame->currentScreen()->closeScreen();
    QTest::qWait(20);
    EXPECT_EQ(p.t.session.screenWord, "recorder");
    EXPECT_EQ(records::parse(p.t.bytes("Cyuudanumu.Dat")), QStringList({"", "", "", ""}));
}

TEST(TallyGui, ExportsTheMonthForPayrollAndMarksADayWithoutClockOut) {
    struct Chooser : ExportChooser {
        QString path;
        QString askCsvFile(const QString &name) override { return path + "/" + name; }
    } chooser;
    QTemporaryDir out;
    chooser.path = out.path();
    ProgramFixture p;
    prepare(p);
    CardTable c = PunchData::readCard(p.t, kMonth, "1");
    c.at(5, CardField::ClockOut) = ""; // the 6th: clocked in, never out
    PunchData::writeCard(p.t, kMonth, c);
    frmsyuukei *w = openFromTheMenu(p);
    ASSERT_NE(w, nullptr);
    w->setExportChooser(&chooser);
    Q_EMIT w->findChild<QComboBox *>("Combo1")->activated(0);
    clickLine(w->findChild<QListWidget *>("List1"), 0);
    EXPECT_EQ(w->findChild<QLabel *>("lblijou")->text(), "※打刻の確認が必要な日：6日（赤い日付）");
    EXPECT_EQ(w->findChild<QLabel *>("lblcard_40")->toolTip(),
              "出勤の打刻だけで、退勤の打刻がありません。");
    EXPECT_EQ(w->findChild<QLabel *>("lblcard_32")->toolTip(), "");

    auto *bar = w->findChild<QToolBar *>("Toolbar1");
    QAction *exportTool = w->findChild<QAction *>("Toolbar1_7");
    ASSERT_NE(exportTool, nullptr);
    EXPECT_EQ(exportTool->toolTip(), "給与計算用データを出力します");
    EXPECT_FALSE(exportTool->isEnabled()); // not while the employee is open
    w->findChild<QAction *>("Toolbar1_1")->trigger();
    ASSERT_TRUE(exportTool->isEnabled());
    // Shown between "中断" and "閉じる".
    const int x = bar->widgetForAction(exportTool)->x();
    EXPECT_GT(x, bar->widgetForAction(w->findChild<QAction *>("Toolbar1_4"))->x());
    EXPECT_LT(x, bar->widgetForAction(w->findChild<QAction *>("Toolbar1_5"))->x());

    p.t.dialogs.clear();
    QTest::mouseClick(bar->widgetForAction(exportTool), Qt::LeftButton); // Yes: hours and minutes
    const QString file = out.filePath("2007年3月_勤怠.csv");
    ASSERT_TRUE(QFile::exists(file));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lines = cp932::decode(f.readAll()).split("\r\n");
    ASSERT_EQ(lines.size(), 3); // the header, 山田太郎, and the end of the last line
    EXPECT_TRUE(lines[1].startsWith("1,山田太郎,月給,11,"));
    ASSERT_EQ(p.t.dialogs.texts().size(), 2);
    EXPECT_TRUE(p.t.dialogs.texts()[1].startsWith("給与計算用データを出力しました（1 人）。"));
}
