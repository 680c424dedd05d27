// Pictures of the everyday screens inside the real main frame, for the
// documentation: written only when KELVANE_SHOT_DIR names a folder (run under
// a real X server, QT_QPA_PLATFORM=xcb, for real fonts and message boxes).
#include "app/ui/ScreenRegistry.h"
#include "app/ui/frmmain.h"
#include "platform/ui/QtDialogs.h"
#include "punchclock/PunchFixture.h"
#include "support/RecordingHost.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The real frame and screens with real message boxes.
struct ShotProgram {
    TestServices t;
    QtDialogs dialogs;
    Services services{t.fs, dialogs, t.clock, t.settings, t.programEnd, t.session};
    ScreenRegistry registry;
    std::unique_ptr<frmmain> frame;

    ShotProgram() { registerScreens(registry); }
    ~ShotProgram() { frame.reset(); }
    void start() {
        frame = std::make_unique<frmmain>(services, registry);
        dialogs.setFallbackParent(frame.get());
        frame->start(platformOsVersion());
        for (int i = 0; i < 8 && frame->splashVisible(); ++i) {
            t.clock.set(t.clock.now().addMSecs(500));
            frame->splashTick();
        }
        frame->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        QTest::qWait(200);
    }
    template <typename W> W *find(const QString &name) const { return frame->findChild<W *>(name); }
    void clickRack(int row) {
        auto *rack = find<QListWidget>("List1");
        QTest::mouseClick(rack->viewport(), Qt::LeftButton, {},
                          rack->visualItemRect(rack->item(row)).center());
    }
    void click(const QString &name) { QTest::mouseClick(find<QWidget>(name), Qt::LeftButton); }
    void type(const QString &box, const QString &text) {
        auto *w = find<QLineEdit>(box);
        w->setFocus();
        EXPECT_TRUE(QTest::qWaitFor([w] { return w->hasFocus(); }, 1000));
        w->selectAll();
        typeText(w, text);
        QTest::keyClick(w, Qt::Key_Return);
        QTest::qWait(30);
    }
};

QString shotPath(const QString &name) {
    return QDir(qEnvironmentVariable("KELVANE_SHOT_DIR")).filePath(name);
}

void saveFrame(QWidget *frame, const QString &name) {
    QTest::qWait(300);
    frame->grab().save(shotPath(name));
}

// The frame on the screen, with whatever box stands over it.
void saveScreen(QWidget *frame, const QString &name) {
    const QRect r = frame->frameGeometry();
    QGuiApplication::primaryScreen()
        ->grabWindow(0, r.x(), r.y(), r.width(), r.height())
        .save(shotPath(name));
}

} // namespace

TEST(EverydayShots, Write) {
    if (qEnvironmentVariableIsEmpty("KELVANE_SHOT_DIR"))
        GTEST_SKIP() << "KELVANE_SHOT_DIR not set";

    {
        // A new user's first start: an empty data folder.
        ShotProgram p;
        p.t.clock.set(2009, 5, 12, 8, 30, 5);
        p.start();
        saveFrame(p.frame.get(), "first-start.png");
    }
    {
        // A night shift: clock-out of yesterday, then the next employee.
        ShotProgram p;
        PunchData::prepareMonth(p.t, 2009, 5,
                                {{"1", "山田太郎"}, {"2", "鈴木花子"}, {"3", "佐藤一郎"}}, "5");
        p.t.clock.set(2009, 5, 13, 6, 2, 41);
        p.start();
        p.clickRack(0);
        p.type("textukihi_1", "12");
        p.click("Image3_3");
        p.click("Command1");
        saveFrame(p.frame.get(), "nightshift-1-day-typed-back.png");
        p.click("Command2");
        p.clickRack(1);
        p.click("Image3_0");
        saveFrame(p.frame.get(), "nightshift-2-next-employee.png");

        // A chosen time not pressed, asked about on returning.
        QTimer::singleShot(400, [&] {
            saveScreen(p.frame.get(), "messagebox-unpressed.png");
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->buttons().last()->click();
        });
        p.click("Command2");
    }
    {
        // A long message: a day the card has no row for.
        ShotProgram p;
        PunchData::prepareMonth(p.t, 2009, 6, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        p.t.clock.set(2009, 6, 10, 17, 31, 8);
        p.start();
        p.clickRack(0);
        QTimer::singleShot(600, [&] {
            saveScreen(p.frame.get(), "messagebox-long.png");
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->buttons().last()->click();
        });
        p.type("textukihi_1", "31");
        QTest::qWait(700);
    }
    {
        // Long names in the rack and on the card.
        ShotProgram p;
        PunchData::prepareMonth(p.t, 2009, 5,
                                {{"1", "ウィリアムズ・キャサリン・アン"},
                                 {"2", "勅使河原　三郎左衛門之丞"},
                                 {"10", "グエン・ヴァン・タイン・ロン"},
                                 {"3", "山田太郎"},
                                 {"12", "長谷川　由紀子"}});
        p.t.clock.set(2009, 5, 12, 8, 47, 3);
        p.start();
        p.clickRack(0);
        saveFrame(p.frame.get(), "rack-long-names.png");
        p.click("Command2");
        p.frame->item("mynustaff")->trigger();
        saveFrame(p.frame.get(), "frmmeibo-long-names.png");
    }
    {
        // The additional punch panel on a card month of a 20th closing.
        ShotProgram p;
        PunchData::writeSettings(p.t, "20sime");
        PunchData::writeRoster(p.t, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        for (const PunchData::Person &person :
             {PunchData::Person{"1", "山田太郎"}, PunchData::Person{"2", "鈴木花子"}})
            PunchData::writeCard(
                p.t, "2007年4月",
                PunchData::makeCard(person, 2007, 4, PunchData::settingsOf("20sime")));
        p.t.clock.set(2007, 4, 2, 9, 0, 0);
        p.start();
        p.find<QToolBar>("Toolbar1")->findChild<QAction *>("Toolbar1_3")->trigger();
        QTest::qWait(50);
        auto *months = p.find<QComboBox>("Combo1");
        months->setCurrentIndex(0);
        Q_EMIT months->activated(0);
        auto *list = p.find<QListWidget>("List2");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
        p.type("textukihi_2", "04");
        p.type("textukihi_3", "22");
        p.type("textukihi_4", "17");
        p.type("textukihi_5", "30");
        p.click("optuika_3");
        saveFrame(p.frame.get(), "additional-punch-date.png");
    }
    {
        // The PIN screen in the frame sized for it.
        ShotProgram p;
        p.t.clock.set(2009, 5, 12, 8, 30, 5);
        p.start();
        p.frame->item("mynupw")->trigger();
        saveFrame(p.frame.get(), "frmpw-frame.png");
    }
}
