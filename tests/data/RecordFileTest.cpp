#include "data/RecordFile.h"
#include "data/FileFailure.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>

TEST(RecordFile, FormatIsQuotedCp932CrLf) {
    EXPECT_EQ(records::format({QStringLiteral("seireki"), QString(), QStringLiteral("月給")}),
              QByteArray("\"seireki\"\r\n\"\"\r\n\"\x8c\x8e\x8b\x8b\"\r\n"));
}

TEST(RecordFile, TolerantParse) {
    struct Case {
        const char *name;
        QByteArray bytes;
        QStringList values;
    };
    const Case cases[] = {
        {"crlf", "\"a\"\r\n\"b\"\r\n", {"a", "b"}},
        {"lf alone", "\"a\"\n\"\"\n", {"a", ""}},
        {"unquoted", "abc\r\n 12 \r\n", {"abc", "12"}},
        {"inner quote kept", "\"a\"b\"\r\n\"c\"\r\n", {"a\"b", "c"}},
        {"no final line end", "\"a\"\r\n\"b\"", {"a", "b"}},
        {"ctrl-z at end", "\"a\"\r\n\x1a", {"a"}},
        {"lone quote", "\"\r\n\"x\"\r\n", {"", "x"}},
        {"empty file", "", {}},
        {"blanks outside the quotes", " \"17:30\" \r\n\t\"a b\"\t\n", {"17:30", "a b"}},
        {"blanks inside the quotes kept", "\" x \"\r\n", {" x "}},
        {"cr alone", "\"a\"\r\"b\"\r\"\"\r", {"a", "b", ""}},
        {"cr alone, last value open", "\"a\"\rb", {"a", "b"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(records::parse(c.bytes), c.values);
        // Values picked by position read as the whole parse reads them.
        EXPECT_EQ(records::valuesAt(c.bytes, {1, 2}),
                  (QStringList{c.values.value(1), c.values.value(2)}));
        EXPECT_EQ(records::valuesAt(c.bytes, {0}), QStringList{c.values.value(0)});
        EXPECT_EQ(records::parseFirst(c.bytes, 2), c.values.mid(0, 2));
    }
}

TEST(RecordFile, ReadPadsAndCuts) {
    TestServices t;
    t.put(QStringLiteral("Kijyun.Dat"), "\"5\"\r\n\"10\"\r\n");
    const records::Read r = records::read(t.fs, QStringLiteral("Kijyun.Dat"), 15);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.found, 2);
    ASSERT_EQ(r.values.size(), 15);
    EXPECT_EQ(r.values[1], QStringLiteral("10"));
    EXPECT_EQ(r.values[14], QString());
    EXPECT_EQ(records::read(t.fs, QStringLiteral("Kijyun.Dat"), 1).values,
              QStringList{QStringLiteral("5")});
    EXPECT_EQ(records::read(t.fs, QStringLiteral("none.Dat"), 3).error, FileError::NotFound);
    // Only a missing file is "not found"; a missing folder is not a file to create.
    EXPECT_EQ(records::read(t.fs, QStringLiteral("2007年3月/1.Card"), 3).error,
              FileError::PathNotFound);
}

TEST(RecordFile, ReadTakesOnlyWhatItsKindNeeds) {
    TestServices t;
    // Line feeds alone: a million values, of which 15 are read.
    t.put("Kijyun.Dat", QByteArray(records::byteLimit(15), '\n'));
    const records::Read lf = records::read(t.fs, "Kijyun.Dat", 15);
    EXPECT_TRUE(lf.ok());
    EXPECT_EQ(lf.found, 15);
    t.put("Kijyun.Dat", QByteArray(records::byteLimit(15) + 1, '\n'));
    const records::Read big = records::read(t.fs, "Kijyun.Dat", 15);
    EXPECT_EQ(big.error, FileError::Damaged);
    EXPECT_EQ(big.values, QStringList(15, QString()));
    EXPECT_EQ(records::byteLimit(512), 1 << 20);
    // Blanks outside the quotes are not written back as quotes.
    t.put("XP.Dat", " \"xp\" \r\n");
    ASSERT_EQ(records::write(t.fs, "XP.Dat", records::read(t.fs, "XP.Dat", 1).values),
              FileError::None);
    EXPECT_EQ(t.bytes("XP.Dat"), "\"xp\"\r\n");
}

TEST(RecordFile, RoundTripIsByteExact) {
    TestServices t;
    const QStringList values = {QStringLiteral("月初～月末"),
                                QStringLiteral("－"),
                                QStringLiteral("①"),
                                QStringLiteral("ｺｰﾄﾞ"),
                                QStringLiteral("◆"),
                                QStringLiteral("￥１２３"),
                                QString()};
    ASSERT_EQ(records::write(t.fs, QStringLiteral("x.Dat"), values), FileError::None);
    const QByteArray first = t.bytes(QStringLiteral("x.Dat"));
    const records::Read r = records::read(t.fs, QStringLiteral("x.Dat"), 7);
    EXPECT_EQ(r.values, values);
    ASSERT_EQ(records::write(t.fs, QStringLiteral("x.Dat"), r.values), FileError::None);
    EXPECT_EQ(t.bytes(QStringLiteral("x.Dat")), first);
}

TEST(RecordFile, WrittenFormIsExactlyWhatFormatWrites) {
    const QByteArray two = "\"a\"\r\n\"\"\r\n";
    struct Case {
        QByteArray bytes;
        bool written;
    };
    const Case cases[] = {
        {two, true},
        {records::format({"山田", "8:05"}), true},
        {"\"a\"\n\"\"\n", false},        // LF alone
        {two + "\"x\"\r\n", false},      // a value more
        {"\"a\"\r\n", false},            // a value less
        {"\"a\"b\"\r\n\"\"\r\n", false}, // a quote inside
        {"a\r\n\"\"\r\n", false},        // unquoted
        {two + "\x1a", false},           // anything after
        {"\"a\"\r\n\"\r\n", false},      // a lone quote
    };
    for (const Case &c : cases) {
        EXPECT_EQ(records::isWrittenForm(c.bytes, 2), c.written) << c.bytes.toStdString();
        if (c.written) {
            EXPECT_EQ(records::format(records::parse(c.bytes)), c.bytes);
        }
    }
}

TEST(FileFailure, LoadStepByErrorNumber) {
    {
        TestServices t; // missing: created empty and read again
        const auto load = filefailure::loadOrCreate(t.services, QStringLiteral("Kijyun.Dat"), 15,
                                                    IoWording::Disk);
        EXPECT_FALSE(load.ended);
        EXPECT_EQ(t.bytes(QStringLiteral("Kijyun.Dat")).count("\"\"\r\n"), 15);
        EXPECT_TRUE(t.dialogs.boxes().isEmpty());
    }
    struct Case {
        FileError error;
        IoWording wording;
        const char *text;
        const char *title;
    };
    const Case fatal[] = {
        {FileError::DiskFull, IoWording::Disk,
         "デイスクにスペースがありません。プログラムを終了します", "エラー"},
        {FileError::DeviceIO, IoWording::Disk,
         "デイスクに異常が発生しました。プログラムを終了します。", "Ｉ／Ｏエラー"},
        {FileError::DeviceIO, IoWording::Guidebook,
         "Ｉ／Ｏエラーです。ガイドブックをご覧ください。プログラムを終了します", "エラー"},
    };
    for (const Case &c : fatal) {
        TestServices t;
        t.put(QStringLiteral("Meibo.Dat"), "\"1\"\r\n");
        t.fs.failOn(FaultyFileSystem::Op::Read, 1, c.error);
        const auto load =
            filefailure::loadOrCreate(t.services, QStringLiteral("Meibo.Dat"), 4, c.wording);
        EXPECT_TRUE(load.ended);
        EXPECT_EQ(t.programEnd.calls, 1);
        ASSERT_EQ(t.dialogs.boxes().size(), 1);
        EXPECT_EQ(t.dialogs.boxes()[0].text, QString::fromUtf8(c.text));
        EXPECT_EQ(t.dialogs.boxes()[0].title, QString::fromUtf8(c.title));
        EXPECT_EQ(t.bytes(QStringLiteral("Meibo.Dat")), "\"1\"\r\n");
    }
    {
        TestServices t; // other errors: cleared, nothing created, nothing ends
        t.put(QStringLiteral("Meibo.Dat"), "\"1\"\r\n");
        t.fs.failOn(FaultyFileSystem::Op::Read, 1, FileError::PathFileAccess);
        const auto load = filefailure::loadOrCreate(t.services, QStringLiteral("Meibo.Dat"), 4,
                                                    IoWording::Guidebook);
        EXPECT_FALSE(load.ended);
        EXPECT_EQ(load.read.values, QStringList(4, QString()));
        EXPECT_EQ(t.bytes(QStringLiteral("Meibo.Dat")), "\"1\"\r\n");
    }
}

TEST(FileFailure, FailedWriteIsNeverSuccess) {
    TestServices t;
    EXPECT_FALSE(filefailure::endOnWriteFailure(t.services, FileError::None, IoWording::Disk));
    // In place but not confirmed: saved, with a warning, and the program goes on.
    EXPECT_FALSE(
        filefailure::endOnWriteFailure(t.services, FileError::Unconfirmed, IoWording::Disk));
    EXPECT_EQ(t.dialogs.texts(), QStringList{filefailure::unconfirmedText()});
    EXPECT_EQ(t.programEnd.calls, 0);
    t.dialogs.clear();
    EXPECT_TRUE(
        filefailure::endOnWriteFailure(t.services, FileError::PathFileAccess, IoWording::Disk));
    EXPECT_EQ(t.programEnd.calls, 1);
    EXPECT_EQ(t.dialogs.boxes().value(0).title, QStringLiteral("Ｉ／Ｏエラー"));
}
