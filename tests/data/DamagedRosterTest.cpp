// A Meibo.Dat that is not whole (garbage, cut short, a line too many, a
// value out of its form) is named with its reason by every screen that reads
// it, and stays as it is until the user says to replace it.
#include "data/CardPreparation.h"
#include "data/FileFailure.h"
#include "data/RecordFile.h"
#include "data/RosterScreen.h"
#include "platform/Codec932.h"
#include "punchclock/RecorderScreen.h"
#include "support/TestServices.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const QString kFile = QStringLiteral("Meibo.Dat");

QByteArray wholeRoster() {
    Roster r;
    const char *names[] = {"山田", "鈴木", "佐藤", "田中", "高橋"};
    for (int i = 0; i < 5; ++i)
        r[i] = {QString::number(i + 1), QString::fromUtf8(names[i]), QStringLiteral("月給"), {}};
    return records::format(r.toList());
}

// The first n lines of the whole roster.
QByteArray firstLines(int n) {
    const QByteArray whole = wholeRoster();
    qsizetype p = 0;
    for (int i = 0; i < n; ++i)
        p = whole.indexOf('\n', p) + 1;
    return whole.left(p);
}

// The whole roster with line n (from 1) replaced.
QByteArray withLine(int n, const QByteArray &line) {
    QList<QByteArray> lines = wholeRoster().split('\n');
    lines[n - 1] = line + '\r';
    return lines.join('\n');
}

struct Case {
    const char *name;
    QByteArray bytes;
    QString reason;
};

QList<Case> damagedRosters() {
    QByteArray garbage;
    for (int i = 0; i < 3000; ++i)
        garbage.append(static_cast<char>((i * 97 + 13) % 251));
    return {
        {"garbage", garbage, "1行目が「\"」で囲まれた値ではありません"},
        {"cut after four and a half employees", firstLines(18),
         "途中で切れています（3996行のうち18行しかありません）"},
        {"a line cut in the middle", firstLines(18) + "\"佐",
         "19行目が「\"」で囲まれた値ではありません"},
        {"a line too many", wholeRoster() + "\"\"\r\n", "3996行を超える内容があります"},
        {"a deletion mark of garbage", withLine(8, "\"x\""),
         "8行目（2番目の従業員の削除印）が「*」でも空でもありません"},
        {"a control character", withLine(2, "\"山\x01田\""), "2行目に制御文字があります"},
        {"bytes that are no character", withLine(6, "\"\x81\xff\""),
         "6行目に文字として読めないバイトがあります"},
    };
}

} // namespace

TEST(DamagedRoster, WholeRostersAreRead) {
    for (const QByteArray &bytes :
         {wholeRoster(), QByteArray(wholeRoster()).replace("\r\n", "\n"), wholeRoster().chopped(2),
          withLine(2, '"' + cp932::encode("スマ\"イル") + '"'), withLine(4, "\"*\"")}) {
        const rosterfile::Read r = rosterfile::fromFile({bytes, FileError::None});
        EXPECT_TRUE(r.ok()) << r.fault.toStdString();
    }
}

TEST(DamagedRoster, IsNamedWithItsReasonAndKeptUntilTheUserSaysYes) {
    for (const Case &c : damagedRosters()) {
        SCOPED_TRACE(c.name);
        TestServices t;
        t.put(kFile, c.bytes);
        CalcSettings settings;
        settings[CalcSettings::PeriodKind] = QStringLiteral("getumatusime");
        t.put(QLatin1String(kSettingsFile), records::format(settings.toList()));
        const QString named = filefailure::damagedFileText(kFile, c.reason);

        // Opened and closed as read: nothing asked, nothing written.
        {
            RosterScreen screen(t.services);
            ASSERT_TRUE(screen.open());
            EXPECT_TRUE(t.dialogs.texts().value(0).startsWith(named))
                << t.dialogs.texts().value(0).toStdString();
            EXPECT_TRUE(screen.damaged());
            EXPECT_TRUE(screen.close());
            EXPECT_EQ(t.dialogs.boxes().size(), 1);
            EXPECT_EQ(t.bytes(kFile), c.bytes);
        }
        // A name changed on the roster screen, then closed with the answer.
        auto closeChanged = [&t](BoxAnswer answer) {
            RosterScreen screen(t.services);
            ASSERT_TRUE(screen.open());
            screen.enterBox(1);
            screen.leaveBox(1, QStringLiteral("山田花子"));
            t.dialogs.clear();
            t.dialogs.answer(answer);
            EXPECT_TRUE(screen.close());
            EXPECT_EQ(t.dialogs.boxes().value(0).title, QStringLiteral("確認"));
        };
        // No: still nothing written.
        closeChanged(BoxAnswer::No);
        EXPECT_EQ(t.bytes(kFile), c.bytes);
        // The other readers name it too; no card is made from it.
        {
            t.dialogs.clear();
            RecorderScreen recorder(t.services);
            ASSERT_TRUE(recorder.open());
            EXPECT_EQ(t.dialogs.texts().value(0), named);
            t.dialogs.clear();
            CardPreparation prep(t.services);
            ASSERT_TRUE(prep.open());
            prep.leaveYear(QStringLiteral("2007"));
            prep.leaveMonth(QStringLiteral("3"));
            EXPECT_EQ(prep.prepare(), 0);
            EXPECT_TRUE(t.dialogs.texts().contains(named));
            EXPECT_FALSE(QDir(t.path(QStringLiteral("2007年3月"))).exists());
        }
        // Yes: the damaged bytes are kept beside, the roster on screen saved.
        {
            closeChanged(BoxAnswer::Yes);
            const QString kept = QStringLiteral("Meibo_damaged_20070301-090000.Dat");
            EXPECT_EQ(t.bytes(kept), c.bytes);
            EXPECT_TRUE(t.dialogs.texts().contains(QStringLiteral("元の名簿を「") + kept +
                                                   QStringLiteral("」として残しました。")));
            const rosterfile::Read saved = rosterfile::read(t.fs);
            ASSERT_TRUE(saved.ok()) << saved.fault.toStdString();
            EXPECT_EQ(saved.roster[0].name, QStringLiteral("山田花子"));
        }
    }
}
