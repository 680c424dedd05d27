#include "data/History.h"
#include "data/HistoryCheck.h"
#include "data/RecordFile.h"
#include "support/HistoryFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using Fault = history::LineFault;

const QString kMonth = QStringLiteral("2007年3月");

CardTable card(const QString &code) {
    CardTable t;
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        t.at(r, CardField::Day) = QString::number(r + 1);
        t.at(r, CardField::Code) = code;
    }
    return t;
}

struct History : ::testing::Test {
    TestServices t;

    void SetUp() override { prepared(t, kMonth, {card("12")}); }

    QList<QByteArray> lines() const {
        QList<QByteArray> out = t.bytes(history::kFileName).split('\n');
        if (!out.isEmpty() && out.last().isEmpty())
            out.removeLast();
        for (QByteArray &l : out)
            l.chop(1); // CR
        return out;
    }
    // No history and no card.
    void fresh() {
        t.put(history::kFileName, {});
        QDir(t.path(kMonth)).removeRecursively();
    }
    void setLines(const QList<QByteArray> &ls) const {
        QByteArray all;
        for (const QByteArray &l : ls)
            all += l + "\r\n";
        t.put(history::kFileName, all);
    }
    // After the card's preparation, three groups: two punches, the removal of
    // the card with its two punches.
    void writeThree() {
        CardTable before = card("12"), after = before;
        after.at(0, CardField::ClockIn) = "9:00";
        recordMade(t, history::word::dakoku, history::cardChanges(kMonth, "12", before, after));
        before = after;
        after.at(0, CardField::ClockOut) = "18:00";
        t.clock.advanceSeconds(60);
        recordMade(t, history::word::tuika, history::cardChanges(kMonth, "12", before, after),
                   "忘れ");
        recordMade(t, history::word::kaadosakujo, history::cardRemoved(kMonth, "12", after));
    }
};

} // namespace

TEST_F(History, LinesHoldTheChangeAndChainTheirHashes) {
    writeThree();
    const QList<QByteArray> ls = lines();
    ASSERT_EQ(ls.size(), 6);
    const QByteArray zeros(64, '0');
    QStringList v;
    ASSERT_TRUE(records::parseLine(ls[0], v));
    EXPECT_EQ(v.mid(0, 13), QStringList({"1", "2007/03/01 09:00:00", "junbi", "2007年3月", "12", "",
                                         "", "", "", "あり", "", "1/1", zeros}));
    EXPECT_EQ(v[13].toLatin1(), history::hashOf(ls[0].left(ls[0].size() - 66)));
    ASSERT_TRUE(records::parseLine(ls[1], v));
    EXPECT_EQ(v.mid(0, 12), QStringList({"2", "2007/03/01 09:00:00", "dakoku", "2007年3月", "12",
                                         "0", "1", "2", "", "9:00", "", "1/1"}));
    EXPECT_EQ(v[12].toLatin1(), history::hashOf(ls[0]));
    ASSERT_TRUE(records::parseLine(ls[2], v));
    EXPECT_EQ(v.mid(8, 4), QStringList({"", "18:00", "忘れ", "1/1"}));
    ASSERT_TRUE(records::parseLine(ls[4], v));
    EXPECT_EQ(v.mid(2, 10), QStringList({"kaadosakujo", "2007年3月", "12", "0", "1", "5", "18:00",
                                         "", "", "2/3"}));
    ASSERT_TRUE(records::parseLine(ls[5], v));
    EXPECT_EQ(v.mid(2, 10),
              QStringList({"kaadosakujo", "2007年3月", "12", "", "", "", "あり", "", "", "3/3"}));
    const history::CheckResult r = history::check(t.fs);
    EXPECT_TRUE(r.intact());
    EXPECT_EQ(r.lines, 6);
    EXPECT_EQ(r.lastWhen, "2007/03/01 09:01:00");
    // Read back for one card, in file order.
    const QList<history::Record> recs = history::recordsOf(t.fs, kMonth, "12");
    ASSERT_EQ(recs.size(), 6);
    EXPECT_EQ(recs[2].reason, "忘れ");
    EXPECT_EQ(recs[2].entry, (history::Entry{kMonth, "12", 0, "1", 5, "", "18:00"}));
    EXPECT_TRUE(history::recordsOf(t.fs, kMonth, "7").isEmpty());
}

TEST_F(History, TheCheckNamesTheFirstLineThatDoesNotMatch) {
    struct Case {
        const char *name;
        std::function<void(QList<QByteArray> &)> change;
        qint64 badLine;
        Fault fault;
    };
    const Case cases[] = {
        {"one byte of a time", [](auto &ls) { ls[2].replace("18:00", "17:00"); }, 3,
         Fault::Changed},
        {"one byte of a hash", [](auto &ls) { ls[1][ls[1].size() - 2] ^= 1; }, 2, Fault::Changed},
        {"a line removed", [](auto &ls) { ls.removeAt(2); }, 3, Fault::Chain},
        {"the first line removed", [](auto &ls) { ls.removeFirst(); }, 1, Fault::Chain},
        {"two lines swapped", [](auto &ls) { std::swap(ls[1], ls[2]); }, 2, Fault::Chain},
        {"a line that is no record", [](auto &ls) { ls.insert(2, "\"x\""); }, 3, Fault::Form},
        {"a very long line", [](auto &ls) { ls.insert(1, QByteArray(200000, 'x')); }, 2,
         Fault::Form},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        fresh();
        prepared(t, kMonth, {card("12")});
        writeThree();
        // A last group after them: a change of the last group reads as a
        // write that was interrupted (see HistoryTailTest).
        recordMade(t, history::word::dakoku, {{kMonth, "3", 0, "1", 2, "", "8:00"}});
        QList<QByteArray> ls = lines();
        c.change(ls);
        setLines(ls);
        const history::CheckResult r = history::check(t.fs);
        EXPECT_FALSE(r.intact());
        EXPECT_EQ(r.badLine, c.badLine);
        EXPECT_EQ(r.fault, c.fault);
        EXPECT_TRUE(history::checkText(r).contains(QString::number(c.badLine) + " 行目"));
        // New records still go on after a damaged line; the check keeps
        // naming it.
        EXPECT_TRUE(history::record(t.services, history::word::dakoku,
                                    {{kMonth, "1", 0, "1", 2, "", "8:00"}})
                        .ok());
        EXPECT_EQ(history::check(t.fs).badLine, c.badLine);
    }
}

TEST_F(History, AFailedWriteLeavesTheHistoryAndTheCardAsTheyWere) {
    const CardTable before = card("13");
    prepared(t, kMonth, {before});
    const QByteArray historyBefore = t.bytes(history::kFileName);
    CardTable after = before;
    after.at(3, CardField::ClockIn) = "9:15";

    t.fs.failOn(FaultyFileSystem::Op::Append, t.fs.calls(FaultyFileSystem::Op::Append) + 1,
                FileError::DiskFull);
    history::Saved s =
        history::saveCard(t.services, history::word::dakoku, kMonth, "13", before, after);
    EXPECT_TRUE(s.historyFailed);
    EXPECT_EQ(s.error, FileError::DiskFull);
    EXPECT_EQ(t.bytes(history::kFileName), historyBefore);
    EXPECT_EQ(cardfile::read(t.fs, kMonth, "13").table.at(3, CardField::ClockIn), "");

    // The card that cannot be written: its records are taken back.
    t.fs.failOn(FaultyFileSystem::Op::Replace, t.fs.calls(FaultyFileSystem::Op::Replace) + 1,
                FileError::DeviceIO);
    s = history::saveCard(t.services, history::word::dakoku, kMonth, "13", before, after);
    EXPECT_FALSE(s.historyFailed);
    EXPECT_EQ(s.error, FileError::DeviceIO);
    EXPECT_EQ(cardfile::read(t.fs, kMonth, "13").table.at(3, CardField::ClockIn), "");
    const QList<history::Record> recs = history::recordsOf(t.fs, kMonth, "13");
    ASSERT_EQ(recs.size(), 3);
    EXPECT_EQ(recs[1].function, "dakoku");
    EXPECT_EQ(recs[2].function, "torikesi");
    EXPECT_EQ(recs[2].entry.oldText, "9:15");
    EXPECT_EQ(recs[2].entry.newText, "");
    EXPECT_TRUE(recs[2].reason.startsWith(QString::number(recs[1].number) + "番の変更"));
    EXPECT_TRUE(history::check(t.fs).intact());

    // Nothing changed, nothing written.
    EXPECT_TRUE(
        history::saveCard(t.services, history::word::dakoku, kMonth, "13", after, after).ok());
    EXPECT_EQ(history::recordsOf(t.fs, kMonth, "13").size(), 3);
}

TEST_F(History, ACorrectionThatEmptiesAPunchIsADeletion) {
    QDir().mkpath(t.path(kMonth));
    CardTable before = card("3");
    before.at(4, CardField::ClockIn) = "9:00";
    before.at(4, CardField::ClockOut) = "18:00";
    CardTable after = before;
    after.at(4, CardField::ClockIn) = "8:30";
    after.at(4, CardField::ClockOut) = "";
    ASSERT_TRUE(history::saveCard(t.services, history::word::teisei, kMonth, "3", before, after,
                                  "申告により訂正")
                    .ok());
    const QList<history::Record> recs = history::recordsOf(t.fs, kMonth, "3");
    ASSERT_EQ(recs.size(), 2);
    EXPECT_EQ(recs[0].function, "teisei");
    EXPECT_EQ(recs[1].function, "sakujo");
    EXPECT_EQ(recs[1].entry.oldText, "18:00");
    EXPECT_EQ(recs[1].reason, "申告により訂正");
    EXPECT_EQ(cardfile::read(t.fs, kMonth, "3").table.at(4, CardField::ClockOut), "");
}

TEST_F(History, TextsAreKeptToWhatALineCanHold) {
    const QString reason = QStringLiteral("\"出勤\"忘れ\r\n再") + QString(600, QLatin1Char('x'));
    ASSERT_TRUE(history::record(t.services, history::word::tuika,
                                {{kMonth, "1", 0, "1", 2, "", "8:00"}}, reason)
                    .ok());
    const QList<history::Record> recs = history::recordsOf(t.fs, kMonth, "1");
    ASSERT_EQ(recs.size(), 1);
    EXPECT_TRUE(recs[0].reason.startsWith(QStringLiteral("”出勤”忘れ  再xx")));
    EXPECT_EQ(recs[0].reason.size(), 501);
    EXPECT_TRUE(history::check(t.fs).intact());
}

TEST_F(History, ALongHistoryIsCheckedPieceByPiece) {
    // Far more than one piece of the reader.
    QList<history::Entry> entries;
    for (int i = 0; i < 2000; ++i)
        entries.append({kMonth, QString::number(i), i % 31, "1", 2, "", "8:00"});
    ASSERT_TRUE(history::record(t.services, history::word::seiri, entries).ok());
    ASSERT_GT(t.bytes(history::kFileName).size(), 3 * (64 << 10));
    const history::CheckResult r = history::check(t.fs);
    EXPECT_TRUE(r.intact());
    EXPECT_EQ(r.lines, 2001);
    t.fs.failOn(FaultyFileSystem::Op::ReadPart, t.fs.calls(FaultyFileSystem::Op::ReadPart) + 3,
                FileError::DeviceIO);
    EXPECT_EQ(history::check(t.fs).error, FileError::DeviceIO);
}

TEST(HistoryCheck, NoHistoryYet) {
    TestServices t;
    const history::CheckResult r = history::check(t.fs);
    EXPECT_EQ(r.error, FileError::NotFound);
    EXPECT_EQ(history::checkText(r), "変更履歴はまだありません。");
}

TEST_F(History, AChangeTheFilesDoNotHoldIsNamedAsNotMadeAndTakenBackByTheNextWrite) {
    const CardTable before = card("12");
    CardTable after = before;
    after.at(3, CardField::ClockIn) = "9:15";
    struct Case {
        const char *name;
        std::function<void()> change; // leaves the punch in the history, not in the card
    };
    const Case cases[] = {
        {"killed after its group was written",
         [&] {
             ASSERT_TRUE(history::record(t.services, history::word::dakoku,
                                         history::cardChanges(kMonth, "12", before, after))
                             .ok());
         }},
        {"the card and then its torikesi not written (a full disk)",
         [&] {
             t.fs.failOn(FaultyFileSystem::Op::Replace,
                         t.fs.calls(FaultyFileSystem::Op::Replace) + 1, FileError::DiskFull);
             t.fs.failOn(FaultyFileSystem::Op::Append, t.fs.calls(FaultyFileSystem::Op::Append) + 2,
                         FileError::DiskFull);
             const history::Saved s =
                 history::saveCard(t.services, history::word::dakoku, kMonth, "12", before, after);
             EXPECT_EQ(s.error, FileError::DiskFull);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        fresh();
        prepared(t, kMonth, {before});
        c.change();
        EXPECT_EQ(cardfile::read(t.fs, kMonth, "12").table.at(3, CardField::ClockIn), "");
        const QByteArray left = t.bytes(history::kFileName);
        const history::CheckResult r = history::check(t.fs);
        EXPECT_TRUE(r.intact());
        ASSERT_EQ(r.notMade.size(), 1);
        EXPECT_EQ(r.notMade[0].newText, "9:15");
        EXPECT_TRUE(
            history::checkText(r).contains(QStringLiteral("（2番）の変更は、途中で止まった")));
        EXPECT_EQ(t.bytes(history::kFileName), left);

        // The next write of any card says so first, then writes its own.
        CardTable other = card("7"), punched = other;
        punched.at(0, CardField::ClockIn) = "8:00";
        ASSERT_TRUE(
            history::saveCard(t.services, history::word::dakoku, kMonth, "7", other, punched).ok());
        const QList<history::Record> recs = history::recordsOf(t.fs, kMonth, "12");
        ASSERT_EQ(recs.size(), 3);
        EXPECT_EQ(recs[2].function, "torikesi");
        EXPECT_EQ(recs[2].entry.oldText, "9:15");
        EXPECT_EQ(recs[2].entry.newText, "");
        EXPECT_TRUE(recs[2].reason.startsWith("2番の変更"));
        EXPECT_EQ(history::recordsOf(t.fs, kMonth, "7").value(0).number, 4);
        const history::CheckResult settled = history::check(t.fs);
        EXPECT_TRUE(settled.intact());
        EXPECT_TRUE(settled.notMade.isEmpty());
    }
}
