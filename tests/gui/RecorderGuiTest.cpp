#include "RecorderHarness.h"
#include "Shots.h"
#include "data/History.h"
#include "punchclock/PunchFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>

namespace {

const QString kFolder = "2009年5月";

struct RecorderGui : ::testing::Test, RecorderHarness {
    void SetUp() override {
        PunchData::prepareMonth(t, 2009, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        t.clock.set(2009, 5, 12, 8, 59, 40); // a Tuesday
    }
    QString text(const QString &name) { return child<QLabel>(name)->text(); }
    void clickRackLine(int row) {
        auto *rack = child<QListWidget>("List1");
        const QRect r = rack->visualItemRect(rack->item(row));
        QTest::mouseClick(rack->viewport(), Qt::LeftButton, {}, r.center());
    }
    void clickTool(int n) {
        auto *bar = child<QToolBar>("Toolbar1");
        QAction *a = bar->findChild<QAction *>(QStringLiteral("Toolbar1_%1").arg(n));
        QTest::mouseClick(bar->widgetForAction(a), Qt::LeftButton);
    }
    void typeInto(QWidget *w, const QString &s) {
        for (const QChar c : s)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
};

} // namespace

TEST_F(RecorderGui, ClockInWithMouseAndKeyboardWritesTheCard) {
    frmrecoder &w = open();
    EXPECT_EQ(t.session.screenWord, "recorder");
    EXPECT_EQ(text("lbltimer"), "8:59:40");
    EXPECT_EQ(child<QLineEdit>("textukihi_0")->text(), "05");
    EXPECT_EQ(child<QLineEdit>("textukihi_1")->text(), "12");
    EXPECT_EQ(text("lblyoubi"), "火");
    EXPECT_EQ(text("lbltukihi_3"), "2009");
    EXPECT_EQ(text("lbltukihi_4"), "5");
    auto *rack = child<QListWidget>("List1");
    ASSERT_EQ(rack->count(), 2);
    EXPECT_EQ(rack->item(0)->text(), "1   山田太郎");
    EXPECT_FALSE(child<QWidget>("Picture2")->isVisible());

    clickRackLine(0);
    EXPECT_TRUE(child<QWidget>("Picture2")->isVisible());
    EXPECT_EQ(text("lbldata_1"), "山田太郎");

    QTest::mouseClick(child<QWidget>("Image3_0"), Qt::LeftButton);
    EXPECT_EQ(text("lbldata_3"), "8:59");
    EXPECT_TRUE(child<QWidget>("Image4_0")->isVisible());
    EXPECT_FALSE(child<QWidget>("Image3_0")->isVisible());

    t.clock.set(2009, 5, 12, 9, 10, 0);
    auto *press = child<QPushButton>("Command1");
    press->setFocus();
    QTest::keyClick(press, Qt::Key_Space);
    EXPECT_TRUE(child<QWidget>("Image3_0")->isVisible());
    EXPECT_TRUE(child<QLabel>("lbldata_3")->styleSheet().contains("000080"));

    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_FALSE(child<QWidget>("Picture2")->isVisible());
    const CardTable c = PunchData::readCard(t, kFolder, "1");
    EXPECT_EQ(c.at(11, CardField::ClockIn), "8:59");
    EXPECT_EQ(c.at(11, CardField::Weekday), "火");
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
    (void)w;
}

TEST_F(RecorderGui, KeyboardSetsACardAndChangesTheDay) {
    open();
    auto *rack = child<QListWidget>("List1");
    rack->setFocus();
    QTest::keyClick(rack, Qt::Key_Down);
    QTest::keyClick(rack, Qt::Key_Down);
    QTest::keyClick(rack, Qt::Key_Return);
    ASSERT_EQ(text("lbldata_1"), "鈴木花子");

    auto *day = child<QLineEdit>("textukihi_1");
    day->setFocus();
    QTest::keyClick(day, Qt::Key_Escape);
    EXPECT_TRUE(day->text().isEmpty());
    typeInto(day, "11");
    QTest::keyClick(day, Qt::Key_Return);
    QTest::qWait(20);
    EXPECT_EQ(text("lblyoubi"), "月");
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());

    QTest::mouseClick(child<QWidget>("Image3_3"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    const CardTable c = PunchData::readCard(t, kFolder, "2");
    EXPECT_EQ(c.at(10, CardField::ClockOut), "8:59");
    EXPECT_EQ(c.at(10, CardField::Weekday), "月");
}

TEST_F(RecorderGui, DayCannotChangeWithoutACard) {
    open();
    auto *day = child<QLineEdit>("textukihi_1");
    day->setFocus();
    day->selectAll();
    typeInto(day, "3");
    QTest::keyClick(day, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !t.dialogs.boxes().isEmpty(); }, 1000));
    EXPECT_EQ(t.dialogs.texts(),
              QStringList({"タイムカードがセットされていないと、日付の変更はできません。"}));
    EXPECT_EQ(day->text(), "12");
}

TEST_F(RecorderGui, ToolbarModesMonthViewAndRemoval) {
    open();
    auto *bar = child<QToolBar>("Toolbar1");
    QStringList tips;
    for (int n = 1; n <= 4; ++n)
        tips.append(bar->findChild<QAction *>(QStringLiteral("Toolbar1_%1").arg(n))->toolTip());
    EXPECT_EQ(tips, QStringList({"タイムカードの記録を表示します", "不要なカードを削除します",
                                 "追加打刻をします", "操作ガイドを開きます"}));

    clickTool(1);
    EXPECT_TRUE(child<QWidget>("Command6")->isVisible());
    clickRackLine(1);
    EXPECT_TRUE(child<QWidget>("Picture5")->isVisible());
    EXPECT_EQ(text("lblitiran_92"), "鈴木花子");
    EXPECT_EQ(text("lblitiran_0"), "1");
    EXPECT_FALSE(child<QWidget>("List1")->isEnabled());
    child<QScrollBar>("VScroll1")->setValue(16);
    EXPECT_EQ(text("lblitiran_0"), "17");
    QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_FALSE(child<QWidget>("Picture5")->isVisible());
    EXPECT_FALSE(child<QWidget>("Command6")->isVisible());

    clickTool(2);
    t.dialogs.answer(BoxAnswer::Cancel);
    clickRackLine(0);
    EXPECT_EQ(
        t.dialogs.texts(),
        QStringList(
            {"1   山田太郎 "
             "を削除します。\n削除するカードは、データフォルダの「Taihi」に控えとして残します。"}));
    EXPECT_TRUE(QFile::exists(t.path(kFolder + "/1.Card")));
    EXPECT_FALSE(child<QWidget>("Command6")->isVisible());
}

TEST_F(RecorderGui, AdditionalPunchAsksThePinAndWrites) {
    open();
    host.pinAnswer = false;
    clickTool(3);
    EXPECT_EQ(host.pinRequests, QStringList({"recorder"}));
    EXPECT_FALSE(child<QWidget>("Picture6")->isVisible());
    host.pinAnswer = true;
    clickTool(3);
    ASSERT_TRUE(child<QWidget>("Picture6")->isVisible());
    auto *months = child<QComboBox>("Combo1");
    ASSERT_EQ(months->count(), 1);
    months->setFocus();
    QTest::keyClick(months, Qt::Key_Down);
    auto *list = child<QListWidget>("List2");
    ASSERT_EQ(list->count(), 2);
    clickLine(list, 0);
    EXPECT_EQ(text("lbldata_8"), "山田太郎");
    auto *month = child<QLineEdit>("textukihi_2");
    month->setFocus();
    // Month, day, hour, minute, then the reason.
    for (const QString s : {"5", "10", "18", "5", "打刻忘れ"}) {
        typeInto(QApplication::focusWidget(), s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::qWait(10);
    }
    EXPECT_EQ(child<QLineEdit>("texriyuu")->text(), "打刻忘れ");
    QTest::mouseClick(child<QRadioButton>("optuika_3"), Qt::LeftButton);
    EXPECT_EQ(text("lbldata_12"), "18:05");
    QTest::mouseClick(child<QPushButton>("Command7"), Qt::LeftButton);
    EXPECT_EQ(PunchData::readCard(t, kFolder, "1").at(9, CardField::ClockOut), "18:05");
    // After the month's baseline (its cards were written outside the program).
    const QList<history::Record> recs = history::recordsOf(t.fs, kFolder, "1");
    ASSERT_FALSE(recs.isEmpty());
    EXPECT_EQ(recs.last().function, "tuika");
    EXPECT_EQ(recs.last().reason, "打刻忘れ");
    EXPECT_FALSE(child<QRadioButton>("optuika_3")->isEnabled());
    EXPECT_EQ(t.dialogs.texts(), QStringList());
    QTest::mouseClick(child<QPushButton>("Command8"), Qt::LeftButton);
    EXPECT_FALSE(child<QWidget>("Picture6")->isVisible());
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
}

TEST_F(RecorderGui, ActivationAnnouncesAMissingMonthOnce) {
    QDir(t.path(kFolder)).removeRecursively();
    open();
    for (int i = 0; i < 3; ++i) {
        QEvent e(QEvent::WindowActivate);
        QApplication::sendEvent(screen.get(), &e);
    }
    EXPECT_EQ(t.dialogs.texts(), QStringList({"タイムカードが準備されていません。"}));
}

TEST_F(RecorderGui, GuidePanelWidensTheScreen) {
    frmrecoder &w = open();
    EXPECT_EQ(w.width(), 415);
    clickTool(4);
    EXPECT_EQ(w.width(), 716);
    EXPECT_TRUE(child<QWidget>("Picture3")->isVisible());
    QTest::mouseClick(child<QPushButton>("Command5"), Qt::LeftButton);
    EXPECT_EQ(w.width(), 415);
}

TEST_F(RecorderGui, ClosingByTheUserEmptiesTheWord) {
    open();
    screen->close();
    EXPECT_TRUE(t.session.screenWord.isEmpty());
}

TEST_F(RecorderGui, ClickRightAfterTypingTheDayLoadsTheDayFirst) {
    open();
    clickTool(3);
    auto *months = child<QComboBox>("Combo1");
    months->setFocus();
    QTest::keyClick(months, Qt::Key_Down);
    auto *list = child<QListWidget>("List2");
    clickLine(list, 1);
    const QList<QLineEdit *> boxes{child<QLineEdit>("textukihi_2"), child<QLineEdit>("textukihi_3"),
                                   child<QLineEdit>("textukihi_4"),
                                   child<QLineEdit>("textukihi_5")};
    const char *texts[] = {"5", "3", "7", "30"};
    for (int b = 0; b < 4; ++b) {
        boxes[b]->setFocus();
        typeInto(boxes[b], texts[b]);
    }
    // The option is clicked straight from the minute box.
    QTest::mouseClick(child<QRadioButton>("optuika_0"), Qt::LeftButton);
    EXPECT_EQ(text("lbldata_9"), "7:30");
    QTest::mouseClick(child<QPushButton>("Command7"), Qt::LeftButton);
    EXPECT_EQ(PunchData::readCard(t, kFolder, "2").at(2, CardField::ClockIn), "7:30");
    EXPECT_EQ(t.dialogs.texts(), QStringList());
}

TEST_F(RecorderGui, F1OpensTheUsageGuide) {
    open();
    QTest::keyClick(child<QListWidget>("List1"), Qt::Key_F1);
    EXPECT_EQ(host.guideShown, 1);
}

TEST_F(RecorderGui, ActivationInsideTheMainFrameRebuildsTheRack) {
    QMdiArea area;
    area.resize(900, 700);
    area.show();
    screen = std::make_unique<frmrecoder>(ctx);
    QMdiSubWindow *sub = area.addSubWindow(screen.get());
    sub->show();
    auto *other = area.addSubWindow(new QWidget);
    other->show();
    area.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&area));
    area.setActiveSubWindow(other);
    PunchData::writeCard(
        t, kFolder,
        PunchData::makeCard({"3", "佐藤一郎"}, 2009, 5, PunchData::settingsOf("getumatusime")));
    area.setActiveSubWindow(sub);
    EXPECT_TRUE(QTest::qWaitFor([&] { return child<QListWidget>("List1")->count() == 3; }, 1000));
    // Closed with the frame's child window by the user: no screen is in front.
    sub->close();
    EXPECT_TRUE(t.session.screenWord.isEmpty());
    screen.release(); // the child window owns it
}

TEST_F(RecorderGui, DayBoxesShowTheClocksDayAgainAfterTheReturn) {
    open();
    clickRackLine(0);
    auto *day = child<QLineEdit>("textukihi_1");
    day->setFocus();
    day->selectAll();
    typeInto(day, "11");
    QTest::keyClick(day, Qt::Key_Return);
    QTest::qWait(20);
    QTest::mouseClick(child<QWidget>("Image3_3"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(PunchData::readCard(t, kFolder, "1").at(10, CardField::ClockOut), "8:59");
    EXPECT_EQ(day->text(), "12");
    EXPECT_EQ(text("lblyoubi"), "火");

    // A refused month shows the month again, so it is not refused on every leaving.
    auto *month = child<QLineEdit>("textukihi_0");
    month->setFocus();
    month->selectAll();
    typeInto(month, "13");
    EXPECT_EQ(month->text(), "13");
    QTest::keyClick(month, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return month->text() == "05"; }, 1000));
    EXPECT_EQ(t.dialogs.texts(), QStringList({"正しい月を入力してください。"}));
    month->setFocus();
    QTest::mouseClick(child<QListWidget>("List1")->viewport(), Qt::LeftButton, {}, QPoint(5, 300));
    QTest::qWait(20);
    EXPECT_EQ(t.dialogs.boxes().size(), 1);
}

TEST(RecorderLongNames, RackElidesAtTheEndAndTheCardShowsTheWholeName) {
    RecorderHarness h;
    const QString name = "ウィリアムズ・キャサリン・アン"; // 15 characters
    PunchData::prepareMonth(h.t, 2009, 5, {{"1", name}, {"2", "鈴木花子"}});
    h.t.clock.set(2009, 5, 12, 9, 0);
    h.open();
    auto *rack = h.child<QListWidget>("List1");
    EXPECT_EQ(rack->item(0)->text(), "1   " + name);
    EXPECT_EQ(rack->item(0)->toolTip(), "1   " + name);
    EXPECT_EQ(rack->textElideMode(), Qt::ElideRight);
    EXPECT_EQ(rack->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    clickLine(rack, 0);
    auto *label = h.child<QLabel>("lbldata_1");
    EXPECT_EQ(label->text(), name);
    EXPECT_LE(label->fontMetrics().horizontalAdvance(name), label->width());
}

TEST(RecorderFirstSteps, EmptyDataFolderSaysWhatToDoFirst) {
    RecorderHarness h;
    h.t.clock.set(2009, 5, 12, 9, 0);
    h.open();
    auto *steps = h.child<QWidget>("firstSteps");
    EXPECT_TRUE(steps->isVisible());
    EXPECT_FALSE(h.child<QLabel>("lbltukihi_3")->isVisible());
    EXPECT_FALSE(h.child<QPushButton>("Command2")->isVisible());
    auto *settings = h.child<QPushButton>("firstStep_keisankijyun");
    EXPECT_FALSE(settings->text().contains("済"));
    QTest::mouseClick(settings, Qt::LeftButton);
    QTest::mouseClick(h.child<QPushButton>("firstStep_cardjyunbi"), Qt::LeftButton);
    EXPECT_EQ(h.host.opened, QStringList({"keisankijyun", "cardjyunbi"}));

    // With settings and roster done, those steps are marked; cards end the panel.
    RecorderHarness done;
    PunchData::writeSettings(done.t, "getumatusime");
    PunchData::writeRoster(done.t, {{"1", "山田太郎"}});
    done.t.clock.set(2009, 5, 12, 9, 0);
    done.open();
    EXPECT_TRUE(done.child<QPushButton>("firstStep_meibo")->text().contains("✓ 済"));
    EXPECT_FALSE(done.child<QPushButton>("firstStep_cardjyunbi")->text().contains("済"));
    PunchData::prepareMonth(done.t, 2009, 5, {{"1", "山田太郎"}});
    QEvent e(QEvent::WindowActivate);
    QApplication::sendEvent(done.screen.get(), &e);
    EXPECT_FALSE(done.child<QWidget>("firstSteps")->isVisible());
    EXPECT_TRUE(done.child<QPushButton>("Command2")->isVisible());

    // An office that prepared next month ahead is told which month is missing.
    RecorderHarness ahead;
    PunchData::prepareMonth(ahead.t, 2009, 6, {{"1", "山田太郎"}});
    ahead.t.clock.set(2009, 5, 12, 9, 0);
    ahead.open();
    EXPECT_TRUE(ahead.child<QWidget>("firstSteps")->isVisible());
    EXPECT_FALSE(ahead.child<QPushButton>("firstStep_cardjyunbi")->isVisible());
    EXPECT_TRUE(ahead.child<QLabel>("lblmissing")->text().startsWith("2009年5月の"));
    QTest::mouseClick(ahead.child<QPushButton>("cmdmissing"), Qt::LeftButton);
    EXPECT_EQ(ahead.host.opened, QStringList({"cardjyunbi"}));
}

TEST(RecorderGuiNight, ClockOutAt0430OnTheFirstDayOfAPeriodGoesIntoTheOldCard) {
    // 20th closing, day change 5: the screen stays open past midnight into
    // 21 April, the first day of May's period, and the night shift clocks out.
    shots::ProgramFont font;
    RecorderHarness h;
    PunchData::writeSettings(h.t, "20sime", "5");
    const QList<PunchData::Person> people = {
        {"1", "山田太郎"}, {"2", "鈴木花子"}, {"1234", "四桁さん"}, {"12345", "五桁さん"}};
    PunchData::writeRoster(h.t, people);
    const CalcSettings s = PunchData::settingsOf("20sime");
    for (const int month : {4, 5})
        for (const PunchData::Person &p : people)
            PunchData::writeCard(h.t, daterules::cardMonthFolder({2026, month}, s),
                                 PunchData::makeCard(p, 2026, month, s));
    CardTable april = PunchData::readCard(h.t, "2026年4月", "1");
    april.at(30, CardField::ClockIn) = "21:58"; // the evening of 20 April
    april.at(30, CardField::Weekday) = "月";
    PunchData::writeCard(h.t, "2026年4月", april);
    h.t.clock.set(2026, 4, 20, 23, 50);
    frmrecoder &w = h.open();
    h.t.clock.set(2026, 4, 21, 4, 30);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return h.child<QLabel>("lbltimer")->text() == "4:30:00"; }, 3000));
    EXPECT_EQ(h.child<QLineEdit>("textukihi_0")->text(), "04");
    EXPECT_EQ(h.child<QLineEdit>("textukihi_1")->text(), "20");
    EXPECT_EQ(h.child<QLabel>("lbltukihi_4")->text(), "4");

    clickLine(h.child<QListWidget>("List1"), 0);
    ASSERT_TRUE(h.child<QWidget>("Picture2")->isVisible());
    EXPECT_EQ(h.child<QLabel>("lbldata_3")->text(), "21:58");
    QTest::mouseClick(h.child<QWidget>("Image3_3"), Qt::LeftButton);
    QTest::mouseClick(h.child<QWidget>("Command1"), Qt::LeftButton);
    shots::grab(&w, "nightshift-first-day-of-period.png");
    QTest::mouseClick(h.child<QWidget>("Command2"), Qt::LeftButton);
    EXPECT_TRUE(h.t.dialogs.texts().isEmpty()) << h.t.dialogs.texts().join("|").toStdString();

    const CardTable old = PunchData::readCard(h.t, "2026年4月", "1");
    EXPECT_EQ(old.at(30, CardField::Day), "20");
    EXPECT_EQ(old.at(30, CardField::ClockOut), "4:30");
    const CardTable next = PunchData::readCard(h.t, "2026年5月", "1");
    for (int r = 0; r < CardTable::kDayRows; ++r)
        EXPECT_TRUE(next.at(r, CardField::ClockOut).isEmpty()) << r;
}
