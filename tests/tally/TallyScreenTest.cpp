#include "tally/TallyScreen.h"
#include "app/StartUp.h"
#include "punchclock/PunchFixture.h"
#include "tally/TallyCards.h"

#include <QFile>
#include <memory>

namespace {

using Op = FaultyFileSystem::Op;
const QString kMonth = "2007年3月";

struct TallyFlow : ::testing::Test {
    TestServices t;
    std::unique_ptr<TallyScreen> screen;

    void SetUp() override {
        PunchData::prepareMonth(t, 2007, 3,
                                {{"1", "山田太郎"},
                                 {"2", "鈴木花子"},
                                 {"3", "佐藤次郎"},
                                 {"4", "高橋一美"},
                                 {"5", "田中誠"}});
        CardTable c = card("1");
        tallytest::punch(c, 0, "8:52", "", "", "17:03");
        tallytest::punch(c, 14, "9:00", "12:00", "13:00", "18:00");
        PunchData::writeCard(t, kMonth, c);
        restart();
    }
    // The same data folder, set up anew for the next case of a table.
    void again() {
        t.dialogs.clear();
        t.programEnd.calls = 0;
        t.session = Session();
        QFile::remove(t.path("Cyuudan.Dat"));
        QFile::remove(t.path("Cyuudanumu.Dat"));
        SetUp();
    }
    TallyScreen &restart() {
        screen = std::make_unique<TallyScreen>(t.services);
        EXPECT_TRUE(screen->open());
        return *screen;
    }
    TallyScreen &open(int employee) {
        screen->chooseMonth(kMonth);
        screen->chooseEmployee(employee);
        return *screen;
    }
    void type(int box, const QString &text) {
        screen->boxEntered(box);
        screen->boxLeft(box, text);
    }
    void enter(int box, const QString &text) {
        screen->boxEntered(box);
        screen->enterKey(box, text);
    }
    CardTable card(const QString &code) { return PunchData::readCard(t, kMonth, code); }
    QStringList file(const QString &name) { return records::parse(t.bytes(name)); }
    std::array<bool, 6> tools() const {
        std::array<bool, 6> on{};
        for (int n = 1; n <= 6; ++n)
            on[static_cast<size_t>(n - 1)] = screen->toolEnabled(n);
        return on;
    }
};

} // namespace

TEST_F(TallyFlow, ChoosingAMonthAndOpeningAnEmployeeMarksLocksAndReReads) {
    t.put("2006年12月/x.txt", "");
    t.put("月報.txt", "");
    restart();
    EXPECT_EQ(screen->lists().months(), QStringList({kMonth, "2006年12月", "月報.txt"}));
    EXPECT_EQ(tools(), (std::array<bool, 6>{false, false, false, false, true, true}));
    screen->chooseMonth("2006年12月");
    EXPECT_EQ(t.dialogs.texts(), QStringList{"タイムカードがありません。"});
    EXPECT_FALSE(screen->toolEnabled(TallyScreen::ConfirmTool));

    // A month is the folder of exactly that name: blanks name another one.
    screen->chooseMonth(kMonth + " ");
    EXPECT_TRUE(screen->lists().entries().isEmpty());
    screen->chooseMonth(kMonth);
    EXPECT_EQ(screen->lists().lines(), QStringList({"1   山田太郎", "2   鈴木花子", "3   佐藤次郎",
                                                    "4   高橋一美", "5   田中誠"}));
    screen->toolConfirm(); // nothing opened yet: nothing stored
    EXPECT_EQ(t.fs.calls(Op::Replace), 0);
    const int reads = t.fs.calls(Op::Read);
    screen->chooseEmployee(0);
    EXPECT_EQ(t.fs.calls(Op::Read) - reads, 1); // read once, then marked
    EXPECT_EQ(screen->lists().lines().value(0), "◆1   山田太郎");
    EXPECT_FALSE(screen->lists().staffListEnabled());
    EXPECT_FALSE(screen->lists().monthListEnabled());
    EXPECT_EQ(tools(), (std::array<bool, 6>{true, false, false, false, false, true}));
    EXPECT_EQ(screen->takeFocus().where, TallyScreen::Focus::Box);
    EXPECT_EQ(screen->card().at(0, CardField::Work), "8:11");
    EXPECT_EQ(screen->card().at(14, CardField::Work), "8:00");
    EXPECT_EQ(screen->grid().totals().daysWorked, "2");
    EXPECT_EQ(screen->grid().totals().work, "16:11");

    screen->chooseEmployee(1); // the list is locked
    EXPECT_EQ(screen->listPosition(), 0);
    ASSERT_TRUE(screen->kakutei());
    const int confirmed = t.fs.calls(Op::Read);
    screen->chooseEmployee(0);
    EXPECT_EQ(screen->lists().lines().value(0), "◆1   山田太郎");
    EXPECT_EQ(t.fs.calls(Op::Read) - confirmed, 1);
}

TEST_F(TallyFlow, CertifiedHoursAreTidiedTotalledConfirmedAndShownAgain) {
    open(0);
    type(0, "2.5");
    type(5, "1:30");
    EXPECT_EQ(screen->card().at(0, CardField::CertWithin), "2:05");
    EXPECT_EQ(screen->grid().totals().certified[0], "3:35");
    EXPECT_TRUE(screen->pendingChanges());

    type(1, "45"); // kept as typed; the totals wait until it is mended
    EXPECT_EQ(screen->card().at(0, CardField::CertBeyond), "45");
    EXPECT_EQ(screen->grid().totals().certified[0], "3:35");
    type(6, "1:00");
    EXPECT_EQ(screen->grid().totals().certified[1], "");
    EXPECT_TRUE(screen->grid().totals().bareNote.contains("1日の「法定外」欄の「45」"));
    type(1, "0.45");
    EXPECT_EQ(screen->grid().totals().certified[1], "1:45");
    EXPECT_TRUE(screen->grid().totals().bareNote.isEmpty());

    enter(3, "");
    EXPECT_EQ(screen->takeFocus().box, 4);
    enter(74, "1:00"); // the bottom row moves on a day
    EXPECT_EQ(screen->grid().firstShownDay(), 1);
    EXPECT_EQ(screen->takeFocus().box, 70);
    EXPECT_EQ(screen->card().at(14, CardField::CertLateEarly), "1:00");
    screen->scroll(16);
    enter(74, "0.3"); // the last day: the card is confirmed
    EXPECT_EQ(screen->takeFocus().where, TallyScreen::Focus::CardArea);
    EXPECT_FALSE(screen->pendingChanges());
    EXPECT_TRUE(screen->lists().staffListEnabled());

    const CardTable stored = card("1");
    EXPECT_EQ(stored.at(0, CardField::CertWithin), "2:05");
    EXPECT_EQ(stored.at(30, CardField::CertLateEarly), "0:03");
    EXPECT_EQ(stored.at(31, CardField::CertLateEarly), "1:03");
    EXPECT_EQ(stored.at(0, CardField::Work), "8:11");
    restart();
    open(0);
    EXPECT_EQ(screen->grid().line(1).certified[0], "1:30");
    EXPECT_EQ(screen->grid().totals().certified[0], "3:35");
}

TEST_F(TallyFlow, BoxesBeforeAnEmployeeIsOpenTakeNothing) {
    screen->chooseMonth(kMonth);
    screen->boxClicked(3);
    EXPECT_EQ(t.dialogs.texts(),
              QStringList{"データの入力は、対象者を選択してから行なってください。"});
    EXPECT_FALSE(screen->boxEntered(3).has_value());
    EXPECT_FALSE(screen->boxLeft(3, "1:00").has_value());
    EXPECT_EQ(screen->card().at(0, CardField::CertWithin + 3), "");
}

TEST_F(TallyFlow, CorrectionsWriteTheDayAndTallyAgain) {
    const struct {
        QStringList boxes; // 75-79
        int row;
        QStringList punches; // fields 2-5 of the row afterwards
        const char *work;
    } cases[] = {
        {{"15", "", "", "", "999"}, 14, {"9:00", "12:00", "13:00", ""}, ""},
        {{"3", "", "12.0", "13", ""}, 2, {"", "12:00", "0:13", ""}, ""},
        {{"1", "8.3", "", "", "17"}, 0, {"8:03", "", "", "0:17"}, "16:14"},
    };
    for (const auto &c : cases) {
        again();
        open(0);
        ASSERT_TRUE(screen->kakutei());
        screen->toolCorrect();
        EXPECT_EQ(tools(), (std::array<bool, 6>{false, false, false, false, false, true}));
        for (int i = 0; i < 5; ++i)
            type(75 + i, c.boxes[i]);
        screen->executeCorrection();
        EXPECT_TRUE(t.dialogs.texts().isEmpty()) << c.boxes.join(',').toStdString();
        EXPECT_FALSE(screen->correctionOpen());
        EXPECT_EQ(tools(), (std::array<bool, 6>{true, true, true, true, true, true}));
        const CardTable stored = card("1");
        for (int f = 0; f < 4; ++f)
            EXPECT_EQ(stored.at(c.row, CardField::ClockIn + f), c.punches[f]) << c.row << ',' << f;
        EXPECT_EQ(stored.at(c.row, CardField::Work), c.work);
    }
}

TEST_F(TallyFlow, CorrectionIsOffUntilTheCardIsConfirmedAndSaysWhy) {
    const auto locked = [&] { return !screen->correctionLockText().isEmpty(); };
    screen->chooseMonth(kMonth);
    EXPECT_TRUE(locked()); // nobody chosen yet
    screen->chooseEmployee(0);
    EXPECT_FALSE(screen->toolEnabled(TallyScreen::CorrectTool));
    EXPECT_TRUE(locked());
    screen->toolCorrect(); // F2 while locked opens nothing
    EXPECT_FALSE(screen->correctionOpen());
    ASSERT_TRUE(screen->kakutei());
    EXPECT_FALSE(locked());
    screen->toolCorrect();
    EXPECT_TRUE(screen->correctionOpen());
    EXPECT_FALSE(locked()); // the panel is open: nothing to say
}

TEST_F(TallyFlow, CorrectionsThatCannotBeMade) {
    const struct {
        QStringList boxes;
        const char *message; // empty: none
        bool confirmEnabled;
    } cases[] = {
        {{"", "8:00", "", "", ""}, "対象日が未入力です。", false},
        {{"5", "", "", "", ""}, "訂正項目が未入力です。", true},
        {{"5", "", "", "", "25:70"}, "「退勤」の時刻「25:70」は使えません。", false},
        {{"32", "8:00", "", "", ""}, "対象日「32」はこのタイムカードにありません。", false},
        {{"0", "8:00", "", "", ""}, "対象日「0」はこのタイムカードにありません。", false},
    };
    for (const auto &c : cases) {
        again();
        open(0);
        ASSERT_TRUE(screen->kakutei());
        const QByteArray before = t.bytes(kMonth + "/1.Card");
        screen->toolCorrect();
        for (int i = 0; i < 5; ++i)
            type(75 + i, c.boxes[i]);
        screen->executeCorrection();
        const QStringList texts = t.dialogs.texts();
        EXPECT_EQ(texts.isEmpty() ? QString() : texts.first().section('\n', 0, 0),
                  QString(c.message));
        EXPECT_TRUE(screen->correctionOpen());
        EXPECT_EQ(screen->toolEnabled(TallyScreen::ConfirmTool), c.confirmEnabled);
        EXPECT_EQ(t.bytes(kMonth + "/1.Card"), before);
    }
    screen->closeCorrection();
    EXPECT_TRUE(screen->toolEnabled(TallyScreen::CloseTool));
}

TEST_F(TallyFlow, SuspendAfterTwoOfFiveAndResumeAtTheNextStart) {
    for (const bool atStart : {true, false}) {
        again();
        open(1);
        ASSERT_TRUE(screen->kakutei());
        screen->chooseEmployee(3);
        ASSERT_TRUE(screen->kakutei());
        t.dialogs.answer(atStart ? BoxAnswer::Yes : BoxAnswer::No);
        EXPECT_TRUE(screen->toolSuspend());
        EXPECT_EQ(t.programEnd.calls, 1);
        EXPECT_TRUE(
            t.dialogs.texts().last().endsWith("次回起動時に、即「集計画面」を開きますか。"));
        EXPECT_EQ(file("Cyuudanumu.Dat"), QStringList({"ari", "5", atStart ? "soku" : "", kMonth}));
        const QStringList list = file("Cyuudan.Dat");
        ASSERT_EQ(list.size(), 15);
        EXPECT_EQ(list.mid(3, 3), QStringList({"2", "鈴木花子", "sumi"}));
        EXPECT_EQ(list.mid(6, 3), QStringList({"3", "佐藤次郎", ""}));

        t.session = Session(); // the next run of the program
        t.programEnd.calls = 0;
        StartUp start(t.services);
        start.run(platformOsVersion());
        EXPECT_EQ(start.resumeTallyAtStart(), atStart);
        restart();
        EXPECT_EQ(screen->lists().lines(),
                  QStringList({"1   山田太郎", "◆2   鈴木花子", "3   佐藤次郎", "◆4   高橋一美",
                               "5   田中誠"}));
        EXPECT_EQ(screen->monthFolder(), kMonth);
        EXPECT_FALSE(screen->lists().monthListEnabled());
        EXPECT_EQ(tools(), (std::array<bool, 6>{true, true, true, true, true, true}));

        EXPECT_TRUE(screen->settleBeforeClose());
        EXPECT_TRUE(screen->close());
        EXPECT_EQ(file("Cyuudanumu.Dat"), QStringList({"", "", "", ""}));
        EXPECT_EQ(file("Cyuudan.Dat"), list);
        restart();
        EXPECT_TRUE(screen->lists().entries().isEmpty());
    }
}

TEST_F(TallyFlow, ASuspendTakenBackEndsNothingAndWritesNothing) {
    open(1);
    ASSERT_TRUE(screen->kakutei());
    t.dialogs.answer(BoxAnswer::Cancel);
    EXPECT_FALSE(screen->toolSuspend());
    EXPECT_EQ(t.programEnd.calls, 0);
    EXPECT_FALSE(QFile::exists(t.path("Cyuudan.Dat")));
    EXPECT_TRUE(screen->toolEnabled(TallyScreen::SuspendTool));
}

TEST_F(TallyFlow, SuspendBeforeOpeningWritesNothingAndAMissingListRestoresNothing) {
    t.put("Cyuudanumu.Dat", records::format({"ari", "2", "", kMonth}));
    t.session.suspendFlags = {"ari", "2", "", kMonth};
    restart();
    EXPECT_TRUE(screen->lists().entries().isEmpty());
    EXPECT_TRUE(screen->lists().monthListEnabled());
    EXPECT_FALSE(screen->toolEnabled(TallyScreen::SuspendTool));
    EXPECT_TRUE(t.dialogs.texts().isEmpty());

    screen->chooseMonth(kMonth);
    EXPECT_TRUE(screen->toolSuspend());
    EXPECT_EQ(t.programEnd.calls, 1);
    EXPECT_EQ(t.fs.calls(Op::Replace), 0);

    t.session.suspendFlags = {"ari", "1", "", "../2007年3月"};
    t.put("Cyuudan.Dat", records::format({"1", "x", "sumi"}));
    restart();
    EXPECT_TRUE(screen->lists().entries().isEmpty());
    EXPECT_TRUE(t.dialogs.texts().last().startsWith("「../2007年3月」"));
}

TEST_F(TallyFlow, UnconfirmedValuesAreNotDroppedWithoutAWord) {
    const struct {
        BoxAnswer answer;
        bool closes;
        const char *stored;
    } cases[] = {
        {BoxAnswer::Cancel, false, ""}, {BoxAnswer::No, true, ""}, {BoxAnswer::Yes, true, "1:00"}};
    for (const auto &c : cases) {
        again();
        open(0);
        type(0, "1");
        type(0, "1.0");
        t.dialogs.answer(c.answer);
        EXPECT_EQ(screen->settleBeforeClose(), c.closes);
        EXPECT_EQ(t.dialogs.boxes().last().buttons, BoxButtons::YesNoCancel);
        EXPECT_EQ(card("1").at(0, CardField::CertWithin), c.stored);
        EXPECT_EQ(screen->pendingChanges(), !c.closes);
    }
}

TEST_F(TallyFlow, AConfirmThatCannotWriteIsNeverSilent) {
    // A torn card: listed by its first day row, never opened, never saved over.
    t.put(kMonth + "/2.Card", records::format(card("2").toList().mid(0, 40)));
    open(1);
    EXPECT_TRUE(t.dialogs.texts().last().contains("壊れている"));
    EXPECT_FALSE(screen->employeeOpen());
    EXPECT_TRUE(screen->lists().staffListEnabled());
    screen->chooseEmployee(0);
    t.fs.failOn(Op::Replace, 1, FileError::Unconfirmed);
    EXPECT_TRUE(screen->kakutei()); // saved, with a warning
    EXPECT_TRUE(t.dialogs.texts().last().startsWith("保存しましたが"));
    t.fs.failOn(Op::Replace, 2, FileError::PathFileAccess);
    t.fs.failOn(Op::Replace, 3, FileError::DiskFull);
    type(0, "2:00");
    const QByteArray before = t.bytes(kMonth + "/1.Card");
    EXPECT_FALSE(screen->kakutei());
    EXPECT_TRUE(t.dialogs.texts().last().startsWith("タイムカード（2007年3月/1.Card）を保存"));
    EXPECT_EQ(screen->card().at(0, CardField::CertWithin), "2:00");
    EXPECT_FALSE(screen->lists().staffListEnabled());
    EXPECT_EQ(t.programEnd.calls, 0);

    EXPECT_FALSE(screen->kakutei());
    EXPECT_EQ(t.dialogs.texts().last(), "デイスクにスペースがありません。プログラムを終了します");
    EXPECT_EQ(t.programEnd.calls, 1);
    EXPECT_EQ(t.bytes(kMonth + "/1.Card"), before);
}

TEST_F(TallyFlow, TheKeyboardConfirmOpensTheNextEmployeeNotYetOpened) {
    open(3);
    screen->confirmAndNext();
    EXPECT_EQ(screen->listPosition(), 4);
    screen->confirmAndNext();
    EXPECT_EQ(screen->listPosition(), 0);
    for (int i = 0; i < 2; ++i)
        screen->confirmAndNext();
    EXPECT_EQ(screen->listPosition(), 2);
    screen->confirmAndNext();
    EXPECT_EQ(t.dialogs.texts(), QStringList{"この月の対象者は、すべて選択済み（◆）です。"});
}

TEST_F(TallyFlow, ThePrintPanelAndABoxClickLockWhatTheyShould) {
    open(0);
    screen->toolPrint(); // refused while the card is open and locked
    EXPECT_FALSE(screen->printOpen());
    ASSERT_TRUE(screen->kakutei());
    screen->toolPrint();
    EXPECT_TRUE(screen->printOpen());
    EXPECT_EQ(tools(), (std::array<bool, 6>{false, false, false, false, false, true}));
    EXPECT_FALSE(screen->lists().staffListEnabled() || screen->lists().monthListEnabled());
    EXPECT_EQ(screen->staffEntries().first(), EmployeeLine({"1", "山田太郎", true}));
    screen->closePrint();
    EXPECT_EQ(tools(), (std::array<bool, 6>{true, true, true, true, true, true}));
    screen->toolPrint();
    type(2, "0:15"); // typed while the panel is open
    screen->closePrint();
    EXPECT_FALSE(screen->lists().staffListEnabled());
    ASSERT_TRUE(screen->kakutei());
    EXPECT_TRUE(screen->lists().staffListEnabled() && screen->lists().monthListEnabled());

    // A click in a box locks again; so does a value typed after tabbing in.
    screen->scroll(10);
    screen->boxClicked(12);
    EXPECT_EQ(screen->grid().firstShownDay(), 10);
    EXPECT_FALSE(screen->lists().staffListEnabled());
    ASSERT_TRUE(screen->kakutei());
    type(12, "0:30");
    EXPECT_EQ(screen->card().at(12, CardField::CertHoliday), "0:30");
    EXPECT_FALSE(screen->lists().staffListEnabled());
    EXPECT_FALSE(screen->toolEnabled(TallyScreen::CloseTool));
}

TEST_F(TallyFlow, LoadingAndSuspendingWhenFilesFail) {
    const struct {
        Op op;
        FileError error;
        bool loads;
        const char *message;
    } loads[] = {
        {Op::Read, FileError::NotFound, true, "基本設定が保存されていません。"},
        {Op::Read, FileError::DeviceIO, false, "Ｉ／Ｏエラーです。ガイドブックをご覧ください。"},
        {Op::Read, FileError::PathFileAccess, true, ""},
    };
    for (const auto &c : loads) {
        again();
        t.fs.failOn(c.op, t.fs.calls(c.op) + 1, c.error);
        screen = std::make_unique<TallyScreen>(t.services);
        EXPECT_EQ(screen->open(), c.loads);
        const QStringList texts = t.dialogs.texts();
        EXPECT_EQ(texts.size(), *c.message ? 1 : 0);
        EXPECT_TRUE(texts.isEmpty() || texts.first().startsWith(c.message)) << c.message;
        EXPECT_EQ(t.programEnd.calls, c.loads ? 0 : 1);
        // Without the settings no month is offered; an unreadable file counts as empty.
        EXPECT_EQ(screen->lists().months().isEmpty(), c.error != FileError::PathFileAccess);
    }

    again();
    open(0);
    ASSERT_TRUE(screen->kakutei());
    t.fs.failOn(Op::Replace, t.fs.calls(Op::Replace) + 2, FileError::PathFileAccess);
    EXPECT_FALSE(screen->toolSuspend()); // the list was written, the flags not
    EXPECT_EQ(t.programEnd.calls, 0);
    EXPECT_TRUE(t.dialogs.texts().last().startsWith("中断の記録（Cyuudanumu.Dat）"));
    EXPECT_FALSE(t.fs.exists("Cyuudanumu.Dat"));
    EXPECT_EQ(t.session.suspendFlags, QStringList({"", "", "", ""}));
}

TEST_F(TallyFlow, OnePanelOverTheCardAtATimeAndTheGuideBesideAny) {
    using Overlay = TallyScreen::Overlay;
    const struct {
        Overlay overlay;
        void (TallyScreen::*open)();
        void (TallyScreen::*close)();
    } cases[] = {
        {Overlay::Correction, &TallyScreen::toolCorrect, &TallyScreen::closeCorrection},
        {Overlay::Print, &TallyScreen::toolPrint, &TallyScreen::closePrint},
        {Overlay::History, &TallyScreen::toolHistory, &TallyScreen::closeHistory},
    };
    open(0);
    ASSERT_TRUE(screen->kakutei());
    for (const auto &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.overlay));
        ((*screen).*c.open)();
        ASSERT_EQ(screen->overlay(), c.overlay);
        // No other panel opens over it, and the keyboard's confirm waits.
        for (const auto &other : cases)
            ((*screen).*other.open)();
        screen->confirmAndNext();
        EXPECT_EQ(screen->overlay(), c.overlay);
        EXPECT_EQ(screen->listPosition(), 0);
        screen->toolGuide();
        EXPECT_TRUE(screen->guideOpen());
        screen->closeGuide();
        EXPECT_EQ(screen->overlay(), c.overlay);
        ((*screen).*c.close)();
        EXPECT_EQ(screen->overlay(), Overlay::None);
    }
}
