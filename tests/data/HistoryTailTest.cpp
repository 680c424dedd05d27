// What a crash or a hand leaves at the end of Rireki.Dat: the check names it
// and writes nothing; the next group cuts off an interrupted write whole, and
// never a group whose records are all there and match.
#include "data/HistoryCheck.h"
#include "data/HistoryFile.h"
#include "support/HistoryFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString kMonth = QStringLiteral("2007年3月");

history::Entry punchAt(const QString &code, int row, const QString &time) {
    return {kMonth, code, row, QString::number(row + 1), CardField::ClockIn, {}, time};
}

struct Tail : ::testing::Test {
    TestServices t;
    QByteArray before; // two whole groups
    QByteArray group;  // a third group of three records, as written

    void SetUp() override {
        QList<CardTable> cards;
        for (const char *code : {"1", "2", "3", "4", "5", "6"}) {
            CardTable c;
            c.at(0, CardField::Code) = code;
            cards.append(c);
        }
        prepared(t, kMonth, cards);
        write({punchAt("1", 0, "9:00")});
        write({punchAt("1", 1, "9:01"), punchAt("2", 1, "9:02")});
        before = t.bytes(history::kFileName);
        write({punchAt("3", 2, "8:00"), punchAt("4", 2, "8:01"), punchAt("5", 2, "8:02")});
        group = t.bytes(history::kFileName).mid(before.size());
    }
    void write(const QList<history::Entry> &entries) {
        recordMade(t, history::word::dakoku, entries);
    }
    qint64 linesBefore() const { return before.count('\n'); }
    // The offset of the n-th line (from 0) of the third group.
    qsizetype lineStart(int n) const {
        qsizetype at = 0;
        for (int i = 0; i < n; ++i)
            at = group.indexOf('\n', at) + 1;
        return at;
    }
};

} // namespace

TEST_F(Tail, TheCheckNamesWhatAnInterruptedWriteLeftAndTheNextGroupCutsItWhole) {
    const qsizetype second = lineStart(1), third = lineStart(2);
    QByteArray zeros = group;
    zeros.replace(second, third - second, QByteArray(third - second, '\0'));
    QByteArray stale = group;
    stale.replace(second + 10, 40,
                  QByteArray("\"\",\"\"\r\n\"8:00\"\r\n\"\"\r\n\"\"\r\n\"水\"\r\n\"\""));
    QByteArray hashByte = group;
    hashByte[third - 4] = hashByte[third - 4] == 'a' ? 'b' : 'a';
    struct Case {
        const char *name;
        QByteArray tail; // after the two whole groups: all of it is cut
    };
    const Case cases[] = {
        {"the first bytes of a group", group.left(25)},
        {"a first record cut after its CR", group.left(second - 1)},
        {"two records of three", group.left(third)},
        {"two records and part of the third", group.left(third + 60)},
        {"a page of zeros inside the group", zeros},
        {"stale bytes inside the group", stale},
        {"the own hash of its second record torn", hashByte},
        {"zeros where the third record should be", group.left(third) + QByteArray(300, '\0')},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        t.put(history::kFileName, before + c.tail);
        const history::CheckResult r = history::check(t.fs);
        EXPECT_TRUE(r.intact());
        EXPECT_EQ(r.unfinished, c.tail.count('\n') + (c.tail.endsWith('\n') ? 0 : 1));
        EXPECT_EQ(r.unfinishedFrom, linesBefore() + 1);
        EXPECT_TRUE(history::checkText(r).contains(QStringLiteral("書き込みの途中で止まった")));
        EXPECT_EQ(t.bytes(history::kFileName), before + c.tail); // the check wrote nothing
        const history::Written w =
            history::record(t.services, history::word::dakoku, {punchAt("6", 3, "7:00")});
        ASSERT_TRUE(w.ok());
        EXPECT_EQ(w.firstNumber, linesBefore() + 1);
        EXPECT_TRUE(t.bytes(history::kFileName).startsWith(before));
        const history::CheckResult after = history::check(t.fs);
        EXPECT_TRUE(after.intact());
        EXPECT_EQ(after.lines, linesBefore() + 1);
        EXPECT_EQ(after.unfinished, 0);
    }
}

TEST_F(Tail, AWholeGroupIsNeverCutAndItsLostLineEndIsCompleted) {
    const QByteArray whole = before + group;
    struct Case {
        const char *name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"the final LF removed", whole.left(whole.size() - 1)},
        {"the final CR LF removed", whole.left(whole.size() - 2)},
        {"nothing removed", whole},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        t.put(history::kFileName, c.bytes);
        const history::CheckResult r = history::check(t.fs);
        EXPECT_TRUE(r.intact());
        EXPECT_EQ(r.lines, linesBefore() + 3);
        EXPECT_EQ(r.unfinished, 0);
        EXPECT_EQ(t.bytes(history::kFileName), c.bytes);
        ASSERT_TRUE(
            history::record(t.services, history::word::dakoku, {punchAt("6", 3, "7:00")}).ok());
        EXPECT_TRUE(t.bytes(history::kFileName).startsWith(whole));
        const history::CheckResult after = history::check(t.fs);
        EXPECT_TRUE(after.intact());
        EXPECT_EQ(after.lines, linesBefore() + 4);
    }
}

TEST_F(Tail, LinesNoCrashLeavesStayForTheCheckToName) {
    // A record from the middle copied to the end: numbered before the last
    // whole group, so it is no interrupted write. It stays, and new records
    // chain on after it.
    const QByteArray copied = before.left(before.indexOf('\n') + 1);
    t.put(history::kFileName, before + group + copied);
    history::CheckResult r = history::check(t.fs);
    EXPECT_EQ(r.badLine, linesBefore() + 4);
    EXPECT_EQ(r.unfinished, 0);
    ASSERT_TRUE(history::record(t.services, history::word::dakoku, {punchAt("6", 3, "7:00")}).ok());
    EXPECT_TRUE(t.bytes(history::kFileName).startsWith(before + group + copied));
    r = history::check(t.fs);
    EXPECT_EQ(r.badLine, linesBefore() + 4);
    EXPECT_EQ(r.lines, linesBefore() + 5);
}

// A group longer than the last bytes read (a preparation's values) is found
// from the end of the file, not by reading the history from its start.
TEST_F(Tail, AGroupLongerThanALineIsReadFromTheEnd) {
    const auto bigGroup = [](int minute) {
        QList<history::Entry> entries;
        for (int i = 0; i < 600; ++i)
            entries.append(punchAt(QString::number(i / 100 + 1), i % 31,
                                   QStringLiteral("8:%1").arg(minute, 2, 10, QLatin1Char('0'))));
        return entries;
    };
    for (int minute = 0; minute < 3; ++minute)
        write(bigGroup(minute));
    ASSERT_GT(t.bytes(history::kFileName).size(), 5 * history::kMaxLine);
    const int reads = t.fs.calls(FaultyFileSystem::Op::ReadPart);
    const history::Tail tail = history::readTail(t.fs);
    EXPECT_LE(t.fs.calls(FaultyFileSystem::Op::ReadPart) - reads, 3);
    ASSERT_EQ(tail.error, FileError::None);
    ASSERT_EQ(tail.lastGroup.size(), 600);
    EXPECT_EQ(tail.lastGroup.last().number, tail.lastNumber);
    EXPECT_EQ(tail.lastGroup.last().entry.newText, "8:02");
    const history::CheckResult r = history::check(t.fs);
    EXPECT_TRUE(r.intact());
    EXPECT_EQ(r.unfinished, 0);
}
