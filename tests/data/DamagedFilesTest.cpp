#include "data/CardPreparation.h"
#include "data/FileFailure.h"
#include "data/RecordFile.h"
#include "data/RosterImport.h"
#include "data/RosterScreen.h"
#include "data/SettingsScreen.h"
#include "support/TestServices.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QByteArray tooLarge(int count) {
    return QByteArray(records::byteLimit(count) + 1, '\n');
}

} // namespace

TEST(DamagedFiles, ScreensSayItAndNeverSaveOverThem) {
    {
        TestServices t;
        t.put("Kijyun.Dat", tooLarge(CalcSettings::kCount));
        SettingsScreen screen(t.services);
        ASSERT_TRUE(screen.open());
        EXPECT_TRUE(
            t.dialogs.texts().value(0).startsWith(filefailure::damagedFileText("Kijyun.Dat")));
        EXPECT_TRUE(screen.dhozon());
        EXPECT_EQ(t.bytes("Kijyun.Dat"), tooLarge(CalcSettings::kCount));
    }
    {
        TestServices t;
        t.put("Meibo.Dat", tooLarge(Roster::kValues));
        RosterScreen screen(t.services);
        ASSERT_TRUE(screen.open());
        EXPECT_TRUE(
            t.dialogs.texts().value(0).startsWith(filefailure::damagedFileText("Meibo.Dat")));
        EXPECT_TRUE(screen.close());
        EXPECT_EQ(t.bytes("Meibo.Dat"), tooLarge(Roster::kValues));
    }
}

TEST(DamagedFiles, PreparationNamesDamagedCardsAndKeepsThem) {
    TestServices t;
    CalcSettings s;
    s[CalcSettings::PeriodKind] = "getumatusime";
    s[CalcSettings::YearStyle] = "seireki";
    t.put("Kijyun.Dat", records::format(s.toList()));
    Roster r;
    r[0] = {"1", "山田", "月給", ""};
    r[1] = {"2", "鈴木", "月給", ""};
    r[2] = {"3", "佐藤", "月給", ""};
    t.put("Meibo.Dat", records::format(r.toList()));
    t.put("2007年3月/1.Card", "");
    t.put("2007年3月/2.Card", "\"1\"\r\n\"木\"\r\n");
    CardPreparation prep(t.services);
    ASSERT_TRUE(prep.open());
    prep.leaveYear("2007");
    prep.leaveMonth("3");
    EXPECT_EQ(prep.prepare(), 1);
    const QString last = t.dialogs.texts().value(1);
    EXPECT_TRUE(last.contains("2007年3月") && last.contains("・1 山田") &&
                last.contains("・2 鈴木"))
        << last.toStdString();
    EXPECT_EQ(t.bytes("2007年3月/1.Card"), "");
    EXPECT_EQ(t.bytes("2007年3月/2.Card"), "\"1\"\r\n\"木\"\r\n");

    // A damaged roster is said to be so, not "not created".
    t.put("Meibo.Dat", tooLarge(Roster::kValues));
    t.dialogs.clear();
    EXPECT_EQ(prep.prepare(), 0);
    EXPECT_EQ(t.dialogs.texts(), QStringList{filefailure::damagedFileText("Meibo.Dat")});
}

TEST(DamagedFiles, ImportReadsNoFifoNorOversizedFile) {
    const QString folder = "給与/マルカ/DATA";
    struct Case {
        const char *name;
        QByteArray count;   // Tourokusuu.Dat; empty: a FIFO
        QByteArray records; // Meibo.Dat; empty: a FIFO
        QString file;
    };
    const Case cases[] = {
        {"count file a fifo", {}, "\"1\"\r\n", "Tourokusuu.Dat"},
        {"roster a fifo", "1\r\n1\r\n1\r\n", {}, "Meibo.Dat"},
        {"roster too large", "1\r\n1\r\n1\r\n", QByteArray(RosterImport::kMaxSourceBytes + 1, '\n'),
         "Meibo.Dat"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestServices t;
        t.put(folder + "/x", "");
        for (const auto &[name, bytes] : {std::pair{QString("Tourokusuu.Dat"), c.count},
                                          std::pair{QString("Meibo.Dat"), c.records}}) {
            const QString path = t.path(folder + "/" + name);
            if (bytes.isEmpty())
                ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
            else
                t.put(folder + "/" + name, bytes);
        }
        RosterImport import(t.services);
        EXPECT_EQ(import.read(t.path(folder)).outcome, RosterImport::Outcome::NotFound);
        EXPECT_EQ(t.dialogs.texts(),
                  QStringList{QStringLiteral("マルカの") + filefailure::damagedFileText(c.file)});
    }
}
