// Pictures of the change history and the labour checks for the
// documentation, written only when KELVANE_SHOT_DIR names a folder (run under
// a real X server, QT_QPA_PLATFORM=xcb, for real fonts and message boxes).
#include "app/ui/ScreenRegistry.h"
#include "app/ui/frmmain.h"
#include "data/History.h"
#include "platform/ui/QtDialogs.h"
#include "punchclock/PunchFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>
#include <memory>

namespace {

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
    void type(const QString &box, const QString &text) {
        auto *w = find<QLineEdit>(box);
        w->setFocus();
        EXPECT_TRUE(QTest::qWaitFor([w] { return w->hasFocus(); }, 1000));
        w->selectAll();
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(w, Qt::Key_Return);
        QTest::qWait(30);
    }
};

QString shotPath(const QString &name) {
    return QDir(qEnvironmentVariable("KELVANE_SHOT_DIR")).filePath(name);
}

// The frame on the screen with the box that stands over it, then the box closed.
void shotWithBox(ShotProgram &p, const QString &name, const std::function<void()> &open) {
    QTimer::singleShot(600, [&p, name] {
        const QRect r = p.frame->frameGeometry();
        QGuiApplication::primaryScreen()
            ->grabWindow(0, r.x(), r.y(), r.width(), r.height())
            .save(shotPath(name));
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->buttons().last()->click();
    });
    open();
    QTest::qWait(700);
}

} // namespace

TEST(HistoryShots, Write) {
    if (qEnvironmentVariableIsEmpty("KELVANE_SHOT_DIR"))
        GTEST_SKIP() << "KELVANE_SHOT_DIR not set";
    {
        // The settings with a punch rounding unit and the monthly "切捨て".
        ShotProgram p;
        PunchData::writeSettings(p.t, "getumatusime", "0");
        p.start();
        p.frame->item("menukijyun")->trigger();
        QTest::qWait(300);
        p.frame->grab().save(shotPath("frmkeisankijyun.png"));
        for (const auto &[box, text] :
             {std::pair{"cmbhasuu_0", "15"}, std::pair{"cmbhasuu_4", "30"},
              std::pair{"cmbhasuu_5", "切捨て"}}) {
            auto *combo = p.find<QComboBox>(QLatin1String(box));
            combo->setFocus();
            EXPECT_TRUE(QTest::qWaitFor([combo] { return combo->hasFocus(); }, 1000));
            QTest::qWait(50); // the box shows its stored setting on entry first
            combo->setCurrentText(QString::fromUtf8(text));
            QTest::keyClick(combo, Qt::Key_Return);
            QTest::qWait(30);
        }
        QTest::qWait(300);
        p.frame->grab().save(shotPath("frmkeisankijyun-notice.png"));
    }
    {
        // A clock-out left out the day before, said when the card is set;
        // then the additional punch with its reason, and the history check.
        ShotProgram p;
        PunchData::prepareMonth(p.t, 2009, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        CardTable c = PunchData::readCard(p.t, "2009年5月", "1");
        c.at(10, CardField::ClockIn) = "8:52";
        c.at(10, CardField::Weekday) = "月";
        PunchData::writeCard(p.t, "2009年5月", c);
        // Earlier punches of the other employee, already in the history.
        p.t.clock.set(2009, 5, 11, 8, 41, 12);
        for (const auto &[field, time] : {std::pair{2, "8:41"}, {3, "12:02"}, {4, "12:58"}})
            ASSERT_TRUE(history::record(p.t.fs, p.t.clock, history::word::dakoku,
                                        {{"2009年5月", "2", 10, "11", field, "", time}})
                            .ok());
        p.t.clock.set(2009, 5, 12, 8, 47, 3);
        p.start();
        auto *rack = p.find<QListWidget>("List1");
        shotWithBox(p, "punch-missing-clockout.png", [&] {
            QTest::mouseClick(rack->viewport(), Qt::LeftButton, {},
                              rack->visualItemRect(rack->item(0)).center());
        });
        QTest::mouseClick(p.find<QWidget>("Command2"), Qt::LeftButton);
        p.find<QToolBar>("Toolbar1")->findChild<QAction *>("Toolbar1_3")->trigger();
        QTest::qWait(50);
        auto *months = p.find<QComboBox>("Combo1");
        months->setCurrentIndex(0);
        Q_EMIT months->activated(0);
        auto *list = p.find<QListWidget>("List2");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
        p.type("textukihi_2", "5");
        p.type("textukihi_3", "11");
        p.type("textukihi_4", "18");
        p.type("textukihi_5", "10");
        p.type("texriyuu", "退勤の打刻忘れ（本人申告）");
        QTest::mouseClick(p.find<QWidget>("optuika_3"), Qt::LeftButton);
        QTest::qWait(300);
        p.frame->grab().save(shotPath("additional-punch-reason.png"));
        QTest::mouseClick(p.find<QWidget>("Command7"), Qt::LeftButton);
        QTest::mouseClick(p.find<QWidget>("Command8"), Qt::LeftButton);
        shotWithBox(p, "history-check.png", [&] { p.frame->item("menurireki")->trigger(); });

        // One time changed by hand in Rireki.Dat.
        QByteArray bytes = p.t.bytes(history::kFileName);
        bytes.replace("18:10", "17:10");
        p.t.put(history::kFileName, bytes);
        shotWithBox(p, "history-check-changed.png",
                    [&] { p.frame->item("menurireki")->trigger(); });
    }
}
