#include "data/CardTable.h"
#include "data/RecordFile.h"
#include "support/TestServices.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(CardFile, FileNameTrimsTheCode) {
    EXPECT_EQ(cardfile::fileName(" 12 "), QStringLiteral("12.Card"));
    EXPECT_EQ(cardfile::path("2007年3月", "7"), QStringLiteral("2007年3月/7.Card"));
}

TEST(CardFile, SafeCodes) {
    struct Case {
        QString code;
        bool safe;
    };
    const Case cases[] = {
        {"12", true},
        {" 12 ", true},
        {"Ａ１", true},
        {"ｺｰﾄﾞ", true},
        {"...", false},
        {".12", false}, // hidden: the rack never lists it
        {" .12", false},
        {"1.2", true},
        {"a.kvtmp-abcdef", true}, // no temporary file's name begins without "."
        {"[a]", true},
        {QStringLiteral("¥1"), false}, // read back as "\1"
        {"", false},
        {"   ", false},
        {".", false},
        {"..", false},
        {"../12", false},
        {"a/b", false},
        {"a\\b", false},
        {"..\\Kijyun", false},
        {"c:12", false},
        {"1*", false},
        {"1?", false},
        {"1\"", false},
        {"<1>", false},
        {"1|2", false},
        {"1\t2", false},
        {QString(QChar(0x7f)), false},
        {QStringLiteral("한글"), false}, // not in the data files' code page
        {QString(100, QLatin1Char('9')), true},
        {QString(101, QLatin1Char('9')), false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.code.toStdString());
        EXPECT_EQ(cardfile::isSafeCode(c.code), c.safe);
    }
    EXPECT_TRUE(cardfile::unsafeCodeText("a/b").contains("a/b"));
}

TEST(CardFile, WriteAndReadWhole) {
    TestServices t;
    ASSERT_TRUE(QDir(t.dir.path()).mkdir("2007年3月"));
    CardTable card;
    for (int r = 0; r < CardTable::kRows; ++r)
        for (int f = 0; f < CardTable::kFields; ++f)
            card.at(r, f) = QString::number(r * 100 + f);
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        card.at(r, CardField::Day) = QString::number(r + 1);
        card.at(r, CardField::Code) = " 12 ";
    }
    card.at(0, CardField::Name) = "山田　太郎";
    ASSERT_EQ(cardfile::write(t.fs, "2007年3月", " 12 ", card), FileError::None);
    const QByteArray bytes = t.bytes("2007年3月/12.Card");
    EXPECT_EQ(bytes.count("\r\n"), 512);
    EXPECT_TRUE(bytes.startsWith("\"1\"\r\n\"1\"\r\n\"2\"\r\n"));
    const cardfile::Read back = cardfile::read(t.fs, "2007年3月", "12");
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.found, 512);
    EXPECT_EQ(back.table.toList(), card.toList());
    EXPECT_EQ(back.table.name(), QStringLiteral("山田　太郎"));
    EXPECT_EQ(back.table.at(31, 15), QStringLiteral("3115"));
    // The head the rack and the staff list show reads as the whole card does,
    // and a card torn before its name has an empty one.
    const cardfile::Head head = cardfile::headOf(bytes);
    EXPECT_EQ(head.code, back.table.code());
    EXPECT_EQ(head.name, back.table.name());
    const cardfile::Head torn = cardfile::headOf(bytes.left(bytes.indexOf("\" 12 \"\r\n") + 8));
    EXPECT_EQ(torn.code, QStringLiteral(" 12 "));
    EXPECT_EQ(torn.name, QString());
}

TEST(CardFile, ShortCardsAreDamaged) {
    TestServices t;
    struct Case {
        const char *name;
        QByteArray bytes;
        FileError error;
        int found;
        QString row0day, row0code, row31last;
    };
    CardTable card;
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        card.at(r, CardField::Day) = r < 28 ? QString::number(r + 1) : QString();
        card.at(r, CardField::Code) = "5";
    }
    card.at(31, 15) = "last";
    const QByteArray whole = records::format(card.toList());
    const QByteArray oneShort = whole.left(whole.lastIndexOf("\"last\""));
    CardTable other = card;
    for (int r = 0; r < CardTable::kDayRows; ++r)
        other.at(r, CardField::Code) = "55";
    QByteArray garbage;
    for (int i = 0; i < 600; ++i)
        garbage += QByteArray::number(i * 7919 % 1000, 16) + "\x81\x40#\n";
    const Case cases[] = {
        {"empty file", "", FileError::Damaged, 0, "", "", ""},
        {"three values", "\"1\"\r\n\"木\"\r\n\"8:05\"\r\n", FileError::Damaged, 3, "1", "", ""},
        {"cut in a line", "\"1\"\r\n\"", FileError::Damaged, 2, "1", "", ""},
        {"one value short", oneShort, FileError::Damaged, 511, "1", "5", ""},
        {"whole", whole, FileError::None, 512, "1", "5", "last"},
        {"more than 512 values", whole + "\"x\"\r\n", FileError::None, 512, "1", "5", "last"},
        {"over the size limit", QByteArray(cardfile::kMaxBytes + 1, '\n'), FileError::Damaged, 0,
         "", "", ""},
        // Enough lines, but no card of employee 5: never used as theirs.
        {"full of garbage", garbage, FileError::Damaged, 512, "0　#", "3b3　#", "261　#"},
        {"another code's card", records::format(other.toList()), FileError::Damaged, 512, "1", "55",
         "last"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        t.put("2007年3月/5.Card", c.bytes);
        const cardfile::Read r = cardfile::read(t.fs, "2007年3月", "5");
        EXPECT_EQ(r.error, c.error);
        EXPECT_EQ(r.found, c.found);
        EXPECT_EQ(r.table.toList().size(), CardTable::kValues);
        EXPECT_EQ(r.table.at(0, CardField::Day), c.row0day);
        EXPECT_EQ(r.table.code(), c.row0code);
        EXPECT_EQ(r.table.at(31, 15), c.row31last);
    }
    EXPECT_EQ(cardfile::read(t.fs, "2007年3月", "6").error, FileError::NotFound);
    const QString text = cardfile::damagedText(" 12  山田 ", "2007年3月");
    EXPECT_TRUE(text.contains("12  山田") && text.contains("2007年3月")) << text.toStdString();
}

TEST(CardFile, UnsafeCodesNeverReachAFile) {
    TestServices t;
    t.put("Kijyun.Dat", "\"keep\"\r\n");
    t.put("2007年3月/x.Card", "\"1\"\r\n");
    for (const QString code : {"../Kijyun.Dat", "..", "../2007年3月/x", "/tmp/x"}) {
        SCOPED_TRACE(code.toStdString());
        EXPECT_EQ(cardfile::read(t.fs, "2007年3月", code).error, FileError::PathFileAccess);
        EXPECT_EQ(cardfile::write(t.fs, "2007年3月", code, CardTable()), FileError::PathFileAccess);
    }
    EXPECT_EQ(t.fs.calls(FaultyFileSystem::Op::Read), 0);
    EXPECT_EQ(t.fs.calls(FaultyFileSystem::Op::Replace), 0);
    EXPECT_EQ(t.bytes("Kijyun.Dat"), "\"keep\"\r\n");
}

TEST(CardFile, DayRowOfACalendarDay) {
    CardTable card;
    const char *days[] = {"21", "22", "23", "24", "25", "26", "27", "28", "", "", ""};
    for (int r = 0; r < 11; ++r)
        card.at(r, CardField::Day) = days[r];
    for (int r = 11; r < 31; ++r)
        card.at(r, CardField::Day) = QString::number(r - 10);
    card.at(31, CardField::Day) = "29"; // the totals row is never a day
    EXPECT_EQ(card.dayRowOf(21), 0);
    EXPECT_EQ(card.dayRowOf(28), 7);
    EXPECT_EQ(card.dayRowOf(1), 11);
    EXPECT_EQ(card.dayRowOf(20), 30);
    EXPECT_EQ(card.dayRowOf(29), -1);
    EXPECT_EQ(card.dayRowOf(0), -1);
}

TEST(CardFile, EraAndWesternFoldersAreDifferentMonths) {
    TestServices t;
    CardTable a, b;
    a.at(0, CardField::Day) = "era";
    b.at(0, CardField::Day) = "western";
    t.put("19年3月/.keep", "");
    t.put("2007年3月/.keep", "");
    ASSERT_EQ(cardfile::write(t.fs, "19年3月", "1", a), FileError::None);
    ASSERT_EQ(cardfile::write(t.fs, "2007年3月", "1", b), FileError::None);
    EXPECT_EQ(cardfile::read(t.fs, "19年3月", "1").table.at(0, CardField::Day), "era");
    EXPECT_EQ(cardfile::read(t.fs, "2007年3月", "1").table.at(0, CardField::Day), "western");
}
