// The change history on the tally screen: records written at the confirm
// step, the list of toolbar button 8.
#include "data/History.h"
#include "data/StorableText.h"
#include "punchclock/PunchFixture.h"
#include "support/HistoryFiles.h"
#include "tally/TallyCards.h"
#include "tally/TallyScreen.h"

#include <memory>

namespace {

using Op = FaultyFileSystem::Op;
const QString kMonth = "2007年3月";

struct TallyHistory : ::testing::Test {
    TestServices t;
    std::unique_ptr<TallyScreen> screen;

    void SetUp() override {
        PunchData::prepareMonth(t, 2007, 3, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        CardTable c = PunchData::readCard(t, kMonth, "1");
        tallytest::punch(c, 0, "8:52", "", "", "17:03");
        tallytest::punch(c, 14, "9:00", "12:00", "13:00", "18:00");
        PunchData::writeCard(t, kMonth, c);
        screen = std::make_unique<TallyScreen>(t.services);
        ASSERT_TRUE(screen->open());
        screen->chooseMonth(kMonth);
        screen->chooseEmployee(0);
        ASSERT_TRUE(screen->kakutei());
    }
    void correct(const QStringList &boxes, const QString &reason = {}) {
        screen->toolCorrect();
        for (int i = 0; i < 5; ++i) {
            screen->boxEntered(75 + i);
            screen->boxLeft(75 + i, boxes.value(i));
        }
        screen->setCorrectionReason(reason);
        screen->executeCorrection();
    }
    // The records of the card's punches (the baseline of the month and the
    // values the confirm works out left out).
    QList<history::Record> records() {
        QList<history::Record> recs = history::recordsOf(t.fs, kMonth, "1");
        recs.removeIf([](const history::Record &r) {
            return r.function == history::word::kiten || r.function == history::word::kakutei;
        });
        return recs;
    }
};

// function, day row, day, field, old, new, reason
QStringList summary(const history::Record &r) {
    return {r.function,      QString::number(r.entry.row),
            r.entry.day,     QString::number(r.entry.field),
            r.entry.oldText, r.entry.newText,
            r.reason};
}

} // namespace

TEST_F(TallyHistory, AConfirmedCorrectionIsRecordedBeforeItsCard) {
    const struct {
        QStringList boxes; // 75-79
        const char *reason;
        QList<QStringList> records;
    } cases[] = {
        {{"1", "8.3", "", "", ""}, "", {{"teisei", "0", "1", "2", "8:52", "8:03", ""}}},
        {{"15", "", "", "", "999"}, "", {{"sakujo", "14", "15", "5", "18:00", "", ""}}},
        {{"3", "9", "12.0", "13", ""},
         " 打刻忘れ（本人申告） ",
         {{"teisei", "2", "3", "2", "", "0:09", "打刻忘れ（本人申告）"},
          {"teisei", "2", "3", "3", "", "12:00", "打刻忘れ（本人申告）"},
          {"teisei", "2", "3", "4", "", "0:13", "打刻忘れ（本人申告）"}}},
    };
    for (const auto &c : cases) {
        QFile::remove(t.path(history::kFileName));
        SetUp();
        const int appends = t.fs.calls(Op::Append);
        correct(c.boxes, c.reason);
        EXPECT_FALSE(screen->correctionOpen());
        QList<QStringList> got;
        for (const history::Record &r : records())
            got << summary(r);
        EXPECT_EQ(got, c.records) << c.boxes.join(',').toStdString();
        EXPECT_EQ(t.fs.calls(Op::Append) - appends, 1); // one group for the confirm
        const CardTable stored = PunchData::readCard(t, kMonth, "1");
        const history::Record last = records().last();
        EXPECT_EQ(stored.at(last.entry.row, last.entry.field), last.entry.newText);
    }

    // Certified hours are no punches: a confirm of them alone writes no history.
    const qsizetype before = records().size();
    screen->boxEntered(0);
    screen->boxLeft(0, "1:00");
    ASSERT_TRUE(screen->kakutei());
    EXPECT_EQ(records().size(), before);
}

// Opening a confirmed card and confirming it again writes neither the card
// nor the history; a changed value writes both once.
TEST_F(TallyHistory, AConfirmThatChangesNothingWritesNothing) {
    const int replaces = t.fs.calls(Op::Replace);
    const int appends = t.fs.calls(Op::Append);
    for (int round = 0; round < 2; ++round) {
        screen->chooseEmployee(0);
        ASSERT_TRUE(screen->kakutei());
    }
    EXPECT_EQ(t.fs.calls(Op::Replace), replaces);
    EXPECT_EQ(t.fs.calls(Op::Append), appends);
    correct({"1", "8.3", "", "", ""});
    EXPECT_EQ(t.fs.calls(Op::Replace), replaces + 1);
    EXPECT_EQ(t.fs.calls(Op::Append), appends + 1);
    EXPECT_EQ(PunchData::readCard(t, kMonth, "1").at(0, CardField::ClockIn), "8:03");
}

TEST_F(TallyHistory, AReasonTheHistoryCannotKeepIsRefusedAndNothingStored) {
    const QByteArray card = t.bytes(kMonth + "/1.Card");
    t.dialogs.clear();
    correct({"1", "", "", "", "17:30"}, "退勤😀忘れ");
    EXPECT_EQ(t.dialogs.texts(), QStringList{storable::refusalText("退勤😀忘れ")});
    EXPECT_TRUE(screen->correctionOpen());
    EXPECT_EQ(screen->takeFocus().where, TallyScreen::Focus::CorrectionReason);
    EXPECT_EQ(t.bytes(kMonth + "/1.Card"), card);
    EXPECT_TRUE(records().isEmpty());
}

TEST_F(TallyHistory, AHistoryThatCannotBeWrittenKeepsTheCardAndEveryReason) {
    const QByteArray card = t.bytes(kMonth + "/1.Card");
    t.fs.failOn(Op::Append, t.fs.calls(Op::Append) + 1, FileError::PathFileAccess);
    correct({"1", "", "", "", "17:30"}, "退勤の打刻忘れ");
    EXPECT_TRUE(t.dialogs.texts().last().startsWith("変更履歴（Rireki.Dat）を保存できなかった"));
    EXPECT_EQ(t.bytes(kMonth + "/1.Card"), card);
    EXPECT_EQ(screen->card().at(0, CardField::ClockOut), "17:30"); // still on screen
    EXPECT_TRUE(screen->pendingChanges());
    EXPECT_FALSE(screen->lists().staffListEnabled());
    EXPECT_TRUE(records().isEmpty());

    EXPECT_EQ(screen->pendingReasons().value(0), "退勤の打刻忘れ");

    // The next confirm writes them, with the reason typed for the correction.
    screen->toolConfirm();
    EXPECT_TRUE(screen->pendingReasons().isEmpty());
    QList<QStringList> got;
    for (const history::Record &r : records())
        got << summary(r);
    EXPECT_EQ(got,
              (QList<QStringList>{{"teisei", "0", "1", "5", "17:03", "17:30", "退勤の打刻忘れ"}}));
    EXPECT_EQ(PunchData::readCard(t, kMonth, "1").at(0, CardField::ClockOut), "17:30");

    // Days confirmed together each carry their own reason, or none.
    CardTable before = screen->card(), after = before;
    after.at(0, CardField::ClockIn) = "8:30";
    after.at(14, CardField::ClockOut).clear();
    ASSERT_TRUE(history::saveCard(t.services, history::word::teisei, kMonth, "1", before, after,
                                  QHash<int, QString>{{0, "遅延証明"}})
                    .ok());
    got.clear();
    for (const history::Record &r : records().mid(1))
        got << summary(r);
    EXPECT_EQ(got, (QList<QStringList>{{"teisei", "0", "1", "2", "8:52", "8:30", "遅延証明"},
                                       {"sakujo", "14", "15", "5", "18:00", "", ""}}));
}

TEST_F(TallyHistory, ButtonEightListsTheMonthsChangesOfTheOpenEmployee) {
    CardTable before = screen->card(), after = before;
    after.at(1, CardField::ClockIn) = "9:01";
    recordMade(t, history::word::dakoku, history::cardChanges(kMonth, "1", before, after));
    recordMade(t, history::word::dakoku, history::cardChanges(kMonth, "2", before, after));
    recordMade(t, history::word::tuika, history::cardChanges("2007年2月", "1", before, after));
    t.clock.advanceSeconds(3600);
    PunchData::writeCard(t, kMonth, after);
    screen->chooseEmployee(0);
    ASSERT_TRUE(screen->kakutei());
    correct({"2", "", "", "", "18:10"}, "本人申告");

    EXPECT_TRUE(screen->toolEnabled(TallyScreen::HistoryTool));
    screen->toolCorrect();
    EXPECT_FALSE(screen->toolEnabled(TallyScreen::HistoryTool));
    screen->closeCorrection();
    const std::array<bool, 6> toolsBefore = {screen->toolEnabled(1), screen->toolEnabled(2),
                                             screen->toolEnabled(3), screen->toolEnabled(4),
                                             screen->toolEnabled(5), screen->toolEnabled(6)};

    screen->toolHistory();
    ASSERT_TRUE(screen->historyOpen());
    EXPECT_EQ(screen->takeFocus().where, TallyScreen::Focus::HistoryPanel);
    for (int n = 1; n <= 5; ++n)
        EXPECT_FALSE(screen->toolEnabled(n)) << n;
    EXPECT_FALSE(screen->toolEnabled(TallyScreen::HistoryTool));
    EXPECT_FALSE(screen->lists().staffListEnabled() || screen->lists().monthListEnabled());
    screen->confirmAndNext(); // Ctrl+Enter waits for the panel too
    EXPECT_EQ(screen->listPosition(), 0);
    using Rows = QList<history::Row>;
    const history::Row punched{"2007/03/01 09:00:00", "打刻", "2", "出勤", "", "9:01", ""};
    const history::Row corrected{
        "2007/03/01 10:00:00", "訂正", "2", "退勤", "", "18:10", "本人申告"};
    EXPECT_EQ(screen->history().rows(), Rows{corrected});
    EXPECT_EQ(screen->history().note(), "打刻機での打刻1件は表示していません。");
    screen->setHistoryWithPunches(true);
    EXPECT_EQ(screen->history().rows(), (Rows{punched, corrected}));
    EXPECT_EQ(screen->history().note(), "");

    screen->closeHistory();
    EXPECT_FALSE(screen->historyOpen());
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(screen->toolEnabled(n), toolsBefore[static_cast<size_t>(n - 1)]) << n;
    EXPECT_TRUE(screen->lists().staffListEnabled());

    // The choice stays for the next employee, who has a first punch only.
    screen->chooseEmployee(1);
    screen->toolHistory();
    EXPECT_EQ(screen->history().rows().size(), 1);
    screen->setHistoryWithPunches(false);
    EXPECT_TRUE(screen->history().rows().isEmpty());
    EXPECT_EQ(screen->history().note(),
              "この月の打刻の変更はありません。打刻機での打刻1件は表示していません。");
}
