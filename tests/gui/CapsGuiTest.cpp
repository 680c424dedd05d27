// The overtime caps on the tally screen: the marks in the staff list, the
// open employee's box and its limits dialog. With KELVANE_SHOT_DIR set, the
// screen and the list of employees over 80 hours are saved there as pictures.
#include "Shots.h"
#include "platform/ui/PdfFilePrinter.h"
#include "printing/ui/PrintPanelWidget.h"
#include "punchclock/PunchFixture.h"
#include "support/ProgramFixture.h"
#include "support/RecordingHost.h"
#include "tally/ui/StaffCapsMarks.h"
#include "tally/ui/frmsyuukei.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTimer>

namespace {

const QString kLongName = "長谷川左衛門之助ノ介太郎兵衛丸";

// Employees 1 to 4 over three months; the hours of March are confirmed as
// the tally stores them.
void prepare(ProgramFixture &p) {
    p.t.clock.set(2007, 3, 28, 17, 0, 10);
    const QList<PunchData::Person> people = {
        {"1", "山田太郎"}, {"2", "鈴木花子"}, {"3", kLongName}, {"12", "高橋美咲", "時給"}};
    struct Hours {
        const char *beyond, *holiday;
    };
    // Per month (January, February, March) and employee.
    const Hours hours[3][4] = {
        {{"50:00", "40:00"}, {"10:00", ""}, {"46:00", ""}, {"", ""}},
        {{"40:00", "35:00"}, {"12:30", ""}, {"47:00", "8:00"}, {"", ""}},
        {{"40:00", "40:00"}, {"8:15", "4:00"}, {"52:30", "50:00"}, {"3:00", ""}}};
    for (int m = 1; m <= 3; ++m) {
        PunchData::prepareMonth(p.t, 2007, m, people);
        const QString folder = QStringLiteral("2007年%1月").arg(m);
        for (int e = 0; e < 4; ++e) {
            CardTable c = PunchData::readCard(p.t, folder, people[e].code);
            c.at(31, CardField::DaysWorked) = "20";
            c.at(0, CardField::CertBeyond) = c.at(31, CardField::CertBeyond) =
                hours[m - 1][e].beyond;
            c.at(0, CardField::CertHoliday) = c.at(31, CardField::CertHoliday) =
                hours[m - 1][e].holiday;
            PunchData::writeCard(p.t, folder, c);
        }
    }
}

QStringList shownRules(QWidget *box) {
    QStringList out;
    for (int i = 0; i < 5; ++i) {
        auto *l = box->findChild<QLabel *>(QStringLiteral("lblcapsrule_%1").arg(i));
        if (l && l->isVisible())
            out << l->text();
    }
    return out;
}

} // namespace

TEST(CapsGui, AMonthWithEmployeesOverTheCapsMarksThemAndShowsTheOpenOnesBox) {
    shots::ProgramFont font;
    ProgramFixture p;
    prepare(p);
    p.start();
    p.frame->item("menusyuukei")->trigger();
    auto *w = qobject_cast<frmsyuukei *>(p.frame->currentScreen());
    ASSERT_NE(w, nullptr);
    auto *months = w->findChild<QComboBox *>("Combo1");
    ASSERT_EQ(months->itemText(0), "2007年3月");
    Q_EMIT months->activated(0);
    auto *staff = w->findChild<QListWidget *>("List1");
    ASSERT_EQ(staff->count(), 4);
    auto marked = [&] {
        QList<bool> out;
        for (int i = 0; i < staff->count(); ++i)
            out << staff->item(i)->data(staffcapsmarks::kRole).toBool();
        return out;
    };
    // The cards in the order of employees: 1, 2, 3, 12.
    EXPECT_EQ(marked(), QList<bool>({true, false, true, false}));
    // The entries stay as the tally keeps them; the mark is drawn over them.
    EXPECT_EQ(staff->item(0)->text(), "1   山田太郎");
    EXPECT_EQ(staff->item(0)->toolTip(), "上限超過：\n2～6か月平均80時間超");
    // A long name ends with "…" in view and shows whole in the tool tip; the
    // list never scrolls sideways, so every mark stays at its visible edge.
    EXPECT_EQ(staff->item(2)->toolTip(), "3   " + kLongName +
                                             "\n上限超過：\n月45時間超（法定外）\n"
                                             "月100時間超（法定外＋休日）");
    EXPECT_EQ(staff->horizontalScrollBar()->maximum(), 0);

    clickLine(staff, 0);
    EXPECT_EQ(staff->item(0)->text(), "◆1   山田太郎");
    auto *box = w->findChild<QWidget *>("fracaps");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(w->findChild<QLabel *>("lblcaps_0")->text(), "40:00");
    EXPECT_EQ(w->findChild<QLabel *>("lblcaps_1")->text(), "80:00");
    EXPECT_EQ(w->findChild<QLabel *>("lblcaps_2")->text(), "81:40");
    EXPECT_EQ(shownRules(box), QStringList{"▲ 2～6か月平均80時間超"});
    // The mark of the opened line stays.
    EXPECT_TRUE(staff->item(0)->data(staffcapsmarks::kRole).toBool());
    w->findChild<QAction *>("Toolbar1_1")->trigger(); // confirm: the lists come back

    shots::grab(p.frame.get(), "frmsyuukei-caps.png");

    // The print panel gets the month's employees over 80 hours.
    w->findChild<QAction *>("Toolbar1_3")->trigger();
    const OverHoursData &over = w->printPanel()->logic().overHours();
    EXPECT_EQ(over.limitHours, 80);
    ASSERT_EQ(over.lines.size(), 1);
    EXPECT_EQ(over.lines[0].name, kLongName);
    EXPECT_EQ(over.lines[0].monthHours, "102:30");
    EXPECT_EQ(w->findChild<QPushButton *>("cmdichiran")->text(), "80時間超の一覧");
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (!shots::folder().isEmpty() && !pdftoppm.isEmpty()) {
        // The list as the panel draws it into a PDF file.
        const QString pdf = p.t.path("list.pdf");
        {
            PdfFilePrinter printer(pdf, "list");
            PrintRun(p.t.services, printer).pages([&](double x, double y) {
                return OverHoursList(printer, x, y).draw(over, p.t.clock.now().date());
            });
        }
        QProcess::execute(pdftoppm,
                          {"-r", "80", "-png", "-singlefile", pdf, shots::path("overhours-list")});
    }
    w->findChild<QPushButton *>("cmdinsatu_1")->click();

    // The limits dialog: a bad number is refused, a good one is stored and
    // the marks follow it.
    bool refused = false;
    QTimer::singleShot(0, [&] {
        auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->objectName(), "frmjougen");
        auto *average = d->findChild<QLineEdit *>("texjougen_2");
        average->setText("");
        d->findChild<QPushButton *>("cmdhozon")->click();
        refused = d->isVisible() &&
                  p.t.dialogs.texts() ==
                      QStringList{
                          "「2～6か月平均（法定外＋休日）」には 1～744 の整数を入力してください。"};
        if (!refused)
            ADD_FAILURE() << p.t.dialogs.texts().join("|").toStdString() << d->isVisible();
        average->setText("85");
        if (!shots::folder().isEmpty())
            d->grab().save(shots::path("frmjougen.png"));
        d->findChild<QPushButton *>("cmdhozon")->click();
    });
    w->findChild<QPushButton *>("cmdjougen")->click();
    EXPECT_TRUE(refused);
    EXPECT_EQ(records::parse(p.t.bytes("Jougen.Dat")),
              QStringList({"45", "100", "85", "720", "6"}));
    EXPECT_EQ(marked(), QList<bool>({false, false, true, false}));
    EXPECT_EQ(shownRules(box), QStringList());
}
