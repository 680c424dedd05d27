// The whole check: the history replayed against the cards, the settings and
// the roster, and compared with the heads kept outside the data folder.
#include "data/CalcSettings.h"
#include "data/HistoryAudit.h"
#include "data/HistoryCover.h"
#include "data/RecordFile.h"
#include "data/Roster.h"
#include "support/CardBytes.h"
#include "support/HistoryFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Kind = history::Finding::Kind;
using State = history::HeadCheck::State;
const QString kMonth = QStringLiteral("2007年3月");
const QString kSettings = QLatin1String(kSettingsFile);
const QString kRoster = QLatin1String(kRosterFile);

// A data folder written the program's way: settings, roster, a prepared month
// with punches, one card confirmed, a backup whose folder keeps the head.
struct Replay : ::testing::Test {
    TestServices t;
    QTemporaryDir backup;

    void SetUp() override {
        QStringList settings(CalcSettings::kCount, QString());
        settings[CalcSettings::YearStyle] = "seireki";
        settings[CalcSettings::PeriodKind] = "getumatusime";
        ASSERT_TRUE(history::saveValues(t.services, history::word::settei, kSettings,
                                        QStringList(CalcSettings::kCount, QString()), settings)
                        .ok());
        Roster roster;
        roster[0] = {"1", "山田太郎", "月給", {}};
        roster[1] = {"2", "鈴木花子", "月給", {}};
        ASSERT_TRUE(history::saveValues(t.services, history::word::meibo, kRoster,
                                        Roster().toList(), roster.toList())
                        .ok());
        prepared(t, kMonth, {blankCard("1", "山田太郎"), blankCard("2", "鈴木花子")});
        punch("1", 4, CardField::ClockIn, "9:00");
        punch("1", 4, CardField::ClockOut, "18:00");
        punch("2", 0, CardField::ClockIn, "8:30");
        CardTable c = card("1"), confirmed = c;
        confirmed.at(4, CardField::Work) = "8:00";
        confirmed.at(4, CardField::CertBeyond) = "1:00";
        confirmed.at(CardTable::kTotalsRow, CardField::DaysWorked) = "1";
        ASSERT_TRUE(
            history::saveCard(t.services, history::word::kakutei, kMonth, "1", c, confirmed).ok());
        history::Anchor anchor(t.settings, t.fs);
        history::Head h = history::known(t.fs, anchor).head;
        h.when = "2007/03/31 18:00:00";
        ASSERT_EQ(history::writeBackupHead(t.fs, backup.path(), h), FileError::None);
        anchor.addBackup(backup.path());
    }
    CardTable card(const QString &code) { return cardfile::read(t.fs, kMonth, code).table; }
    void punch(const QString &code, int row, int field, const QString &time) {
        const CardTable before = card(code);
        CardTable after = before;
        after.at(row, field) = time;
        ASSERT_TRUE(
            history::saveCard(t.services, history::word::dakoku, kMonth, code, before, after).ok());
    }
    void editCard(const QString &code, int row, int field, const QString &text) {
        CardTable c = card(code);
        c.at(row, field) = text;
        t.put(kMonth + "/" + code + ".Card", records::format(c.toList()));
    }
    void editValues(const QString &file, int count, int index, const QString &text) {
        QStringList v = records::read(t.fs, file, count).values;
        v[index] = text;
        t.put(file, records::format(v));
    }
    QList<QByteArray> lines() const {
        QList<QByteArray> out = t.bytes(history::kFileName).split('\n');
        out.removeLast();
        for (QByteArray &l : out)
            l.chop(1);
        return out;
    }
    void setLines(const QList<QByteArray> &ls) const {
        QByteArray all;
        for (const QByteArray &l : ls)
            all += l + "\r\n";
        t.put(history::kFileName, all);
    }
    // The lines from k on (from 0) with one value changed and every hash made
    // again, as someone rewriting the history would.
    void rewriteFrom(qsizetype k, int value, const QString &text) const {
        QList<QByteArray> ls = lines();
        QByteArray previous = k == 0 ? history::firstPrevious() : history::hashOf(ls[k - 1]);
        for (qsizetype i = k; i < ls.size(); ++i) {
            QStringList v;
            ASSERT_TRUE(records::parseLine(ls[i], v));
            if (i == k)
                v[value] = text;
            v[12] = QString::fromLatin1(previous);
            QByteArray line = records::formatLine(v.mid(0, 13)) + ',';
            line += '"' + history::hashOf(line) + '"';
            ls[i] = line;
            previous = history::hashOf(line);
        }
        setLines(ls);
    }
    // The line of the history that sets a card's field.
    qsizetype lineOf(const QString &code, int row, int field, const QString &function) const {
        const QList<QByteArray> ls = lines();
        for (qsizetype i = 0; i < ls.size(); ++i) {
            QStringList v;
            if (records::parseLine(ls[i], v) && v[2] == function && v[4] == code &&
                v[5] == QString::number(row) && v[7] == QString::number(field))
                return i;
        }
        return -1;
    }
};

} // namespace

TEST_F(Replay, EveryValueAsTheHistorySaysIsAccountedFor) {
    const history::Audit a = history::audit(t.fs, t.settings);
    EXPECT_TRUE(a.chain.intact());
    EXPECT_TRUE(a.findings.isEmpty()) << history::auditLines(a).join('\n').toStdString();
    ASSERT_EQ(a.heads.size(), 2); // the settings store's and the backup's
    EXPECT_EQ(a.heads[0].state, State::Held);
    EXPECT_EQ(a.heads[1].state, State::Held);
    EXPECT_EQ(a.exitCode(), 0);
    EXPECT_TRUE(history::auditLines(a).last().startsWith(
        QStringLiteral("変更履歴の末尾：%1 行・").arg(a.chain.lines)));
}

TEST_F(Replay, EachValueChangedOutsideTheProgramIsNamedExactly) {
    const QByteArray history = t.bytes(history::kFileName);
    const QByteArray card1 = t.bytes(kMonth + "/1.Card"), card2 = t.bytes(kMonth + "/2.Card");
    const QByteArray settings = t.bytes(kSettings), roster = t.bytes(kRoster);
    struct Case {
        const char *name;
        std::function<void()> edit;
        QList<history::Finding> findings;
        QList<State> heads; // the settings store's, the backup's
    };
    const Case cases[] = {
        {"a card edited by hand",
         [&] { editCard("1", 4, CardField::ClockIn, "8:00"); },
         {{Kind::Changed, kMonth, "1", "山田太郎", 4, "5", CardField::ClockIn, "8:00", "9:00"}},
         {State::Held, State::Held}},
        {"a card added by hand",
         [&] { t.put(kMonth + "/3.Card", records::format(blankCard("3", "佐藤").toList())); },
         {{Kind::CardAdded, kMonth, "3", "佐藤", -1, "", -1, "あり", ""}},
         {State::Held, State::Held}},
        {"a card deleted by hand",
         [&] { QFile::remove(t.path(kMonth + "/2.Card")); },
         {{Kind::CardMissing, kMonth, "2", "鈴木花子", -1, "", -1, "", "あり"}},
         {State::Held, State::Held}},
        {"a certified value edited",
         [&] { editCard("1", 4, CardField::CertBeyond, "3:00"); },
         {{Kind::Changed, kMonth, "1", "山田太郎", 4, "5", CardField::CertBeyond, "3:00", "1:00"}},
         {State::Held, State::Held}},
        {"a settings value edited",
         [&] { editValues(kSettings, CalcSettings::kCount, CalcSettings::DayChangeHour, "5"); },
         {{Kind::Changed, kSettings, "", "", -1, "", CalcSettings::DayChangeHour, "5", ""}},
         {State::Held, State::Held}},
        {"a roster name edited",
         [&] { editValues(kRoster, Roster::kValues, 1 * Roster::kFields + 1, "鈴木一郎"); },
         {{Kind::Changed, kRoster, "2", "鈴木一郎", 1, "", 1, "鈴木一郎", "鈴木花子"}},
         {State::Held, State::Held}},
        {"the history cut at its end",
         [&] {
             QList<QByteArray> ls = lines();
             ls = ls.mid(0, lineOf("2", 0, CardField::ClockIn, "dakoku"));
             setLines(ls);
         },
         {{Kind::Changed, kMonth, "1", "山田太郎", 4, "5", CardField::Work, "8:00", ""},
          {Kind::Changed, kMonth, "1", "山田太郎", 4, "5", CardField::CertBeyond, "1:00", ""},
          {Kind::Changed, kMonth, "1", "山田太郎", CardTable::kTotalsRow, "", CardField::DaysWorked,
           "1", ""},
          {Kind::Changed, kMonth, "2", "鈴木花子", 0, "1", CardField::ClockIn, "8:30", ""}},
         {State::NotHeld, State::NotHeld}},
        {"the history rewritten with fresh hashes from a card edited with it",
         [&] {
             editCard("1", 4, CardField::ClockIn, "8:00");
             rewriteFrom(lineOf("1", 4, CardField::ClockIn, "dakoku"), 9, "8:00");
         },
         {},
         {State::NotHeld, State::NotHeld}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        t.put(history::kFileName, history);
        t.put(kMonth + "/1.Card", card1);
        t.put(kMonth + "/2.Card", card2);
        QFile::remove(t.path(kMonth + "/3.Card"));
        t.put(kSettings, settings);
        t.put(kRoster, roster);
        c.edit();
        const history::Audit a = history::audit(t.fs, t.settings);
        EXPECT_TRUE(a.chain.intact());
        EXPECT_EQ(a.findings, c.findings) << history::auditLines(a).join('\n').toStdString();
        ASSERT_EQ(a.heads.size(), 2);
        EXPECT_EQ(a.heads[0].state, c.heads[0]);
        EXPECT_EQ(a.heads[1].state, c.heads[1]);
        EXPECT_EQ(a.exitCode(), 1);
        // The report names each of them, and writes nothing.
        const QString report = history::auditLines(a).join('\n');
        for (const history::Finding &f : c.findings)
            EXPECT_TRUE(report.contains(history::findingText(f)));
        if (c.heads[1] == State::NotHeld) {
            EXPECT_TRUE(report.contains(backup.path()));
        }
    }
}

TEST_F(Replay, ChangesNotMadeAndFilesNotYetCoveredAreNamedButAccountedFor) {
    // Killed after the punch's record, before its card.
    ASSERT_TRUE(history::record(t.services, history::word::dakoku,
                                {{kMonth, "2", 1, "2", CardField::ClockIn, "", "8:45"}})
                    .ok());
    // A month written before the history began.
    t.put("2007年2月/1.Card", records::format(blankCard("1", "山田太郎").toList()));
    const history::Audit a = history::audit(t.fs, t.settings);
    const QList<history::Finding> expected = {
        {Kind::NotCovered, "2007年2月"},
        {Kind::Interrupted, kMonth, "2", "鈴木花子", 1, "2", CardField::ClockIn, "", "8:45"}};
    QList<history::Finding> found = a.findings;
    std::sort(found.begin(), found.end(),
              [](const auto &x, const auto &y) { return x.file < y.file; });
    EXPECT_EQ(found, expected);
    EXPECT_EQ(a.exitCode(), 0);
    // The next write into that month gives it a baseline first.
    const CardTable before = cardfile::read(t.fs, "2007年2月", "1").table;
    CardTable after = before;
    after.at(0, CardField::ClockIn) = "9:00";
    ASSERT_TRUE(
        history::saveCard(t.services, history::word::dakoku, "2007年2月", "1", before, after).ok());
    EXPECT_EQ(history::recordsOf(t.fs, "2007年2月", "1").value(0).function, "kiten");
    EXPECT_TRUE(history::audit(t.fs, t.settings).findings.isEmpty());
}

TEST_F(Replay, AnUnreadableCardIsExitTwo) {
    t.put(kMonth + "/1.Card", "torn");
    const history::Audit a = history::audit(t.fs, t.settings);
    ASSERT_EQ(a.findings.size(), 1);
    EXPECT_EQ(a.findings[0].kind, Kind::Unreadable);
    EXPECT_EQ(a.exitCode(), 2);
    // Named as unreadable, not as a value the history does not explain.
    const QString report = history::auditLines(a).join('\n');
    EXPECT_TRUE(report.contains(QStringLiteral("・") + history::findingText(a.findings[0])));
    EXPECT_FALSE(report.contains("一致しません")) << report.toStdString();
}
