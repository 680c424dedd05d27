#include "data/RosterScreen.h"
#include "data/CardTable.h"
#include "data/RecordFile.h"
#include "support/TestServices.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kFile = QStringLiteral("Meibo.Dat");

struct RosterFixture : ::testing::Test {
    TestServices t;
    RosterScreen screen{t.services};

    // Types a value into a box of the shown rows, as focus in and out do.
    RosterScreen::Leave type(int box, const QString &text) {
        screen.enterBox(box);
        return screen.leaveBox(box, text);
    }
    void fill(int row, const QString &code, const QString &name) {
        type(2 * row, code);
        type(2 * row + 1, name);
    }
    QStringList codes(int n) const {
        QStringList c;
        for (int i = 0; i < n; ++i)
            c.append(screen.roster()[i].code);
        return c;
    }
};

} // namespace

TEST_F(RosterFixture, EmptyFolderCreatesRosterOfEmptyLines) {
    ASSERT_TRUE(screen.open());
    QByteArray expected;
    for (int i = 0; i < 3996; ++i)
        expected.append("\"\"\r\n");
    EXPECT_EQ(t.bytes(kFile), expected);
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
}

TEST_F(RosterFixture, FullRosterRoundTripsByteForByte) {
    QFile golden(QStringLiteral(KELVANE_TEST_DATA "/roster/full-Meibo.Dat"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QByteArray bytes = golden.readAll();
    t.put(kFile, bytes);
    ASSERT_TRUE(screen.open());
    const QStringList names = {"山田　太郎", "鈴木花子", "ｻﾄｳ ｼﾞﾛｳ", "高橋－一", "田中①"};
    const QStringList pays = {"月給", "日給", "時給", ""};
    for (int i = 0; i < Roster::kSlots; ++i) {
        const Employee &e = screen.roster()[i];
        if (i % 50 == 49) {
            EXPECT_FALSE(e.inUse()) << i;
            continue;
        }
        ASSERT_EQ(e.code, QString::number(i + 1));
        ASSERT_EQ(e.name, names[i % 5] + QString::number(i + 1));
        ASSERT_EQ(e.payType, pays[i % 4]);
    }
    t.fs.failOn(FaultyFileSystem::Op::Replace, 99, FileError::None); // no fault: counts calls
    ASSERT_TRUE(screen.close());
    EXPECT_EQ(t.fs.calls(FaultyFileSystem::Op::Replace), 1);
    EXPECT_EQ(t.bytes(kFile), bytes);
}

TEST_F(RosterFixture, FatalReadErrorsEndWithoutSaving) {
    struct Case {
        FileError error;
        QString text;
    };
    const Case cases[] = {
        {FileError::DeviceIO,
         "Ｉ／Ｏエラーです。ガイドブックをご覧ください。プログラムを終了します"},
        {FileError::DiskFull, "デイスクにスペースがありません。プログラムを終了します"},
    };
    for (const Case &c : cases) {
        TestServices ts;
        ts.put(kFile, "\"7\"\r\n\"keep\"\r\n");
        ts.fs.failOn(FaultyFileSystem::Op::Read, 1, c.error);
        RosterScreen s(ts.services);
        EXPECT_FALSE(s.open());
        ASSERT_EQ(ts.dialogs.boxes().size(), 1);
        EXPECT_EQ(ts.dialogs.boxes()[0].text, c.text);
        EXPECT_EQ(ts.dialogs.boxes()[0].title, QStringLiteral("エラー"));
        EXPECT_TRUE(ts.programEnd.ended());
        // The main frame closes the screen as the program ends: nothing is written.
        EXPECT_FALSE(s.close());
        EXPECT_EQ(ts.bytes(kFile), QByteArray("\"7\"\r\n\"keep\"\r\n"));
    }
}

TEST_F(RosterFixture, FailedSaveIsFatalAndKeepsOldFile) {
    struct Case {
        FileError error;
        QString text;
    };
    const Case cases[] = {
        {FileError::DiskFull, "デイスクにスペースがありません。プログラムを終了します"},
        {FileError::DeviceIO,
         "Ｉ／Ｏエラーです。ガイドブックをご覧ください。プログラムを終了します"},
        {FileError::PathFileAccess,
         "Ｉ／Ｏエラーです。ガイドブックをご覧ください。プログラムを終了します"},
    };
    const QByteArray old = records::format(Roster::fromList({"1", "old"}).toList());
    for (const Case &c : cases) {
        TestServices ts;
        ts.put(kFile, old);
        RosterScreen s(ts.services);
        ASSERT_TRUE(s.open());
        s.enterBox(1);
        s.leaveBox(1, QStringLiteral("new"));
        ts.fs.failOn(FaultyFileSystem::Op::Replace, 1, c.error);
        EXPECT_FALSE(s.close());
        EXPECT_TRUE(ts.programEnd.ended());
        EXPECT_EQ(ts.dialogs.texts(), QStringList{c.text});
        EXPECT_EQ(ts.bytes(kFile), old);
    }
}

TEST_F(RosterFixture, BoxesStoreIntoTheSlotTheyWereEnteredFor) {
    ASSERT_TRUE(screen.open());
    screen.setTop(10);
    EXPECT_EQ(screen.enterBox(3), QString());
    screen.setTop(500); // scrolled while typing
    screen.leaveBox(3, QStringLiteral("佐藤"));
    EXPECT_EQ(screen.roster()[11].name, QStringLiteral("佐藤"));
    EXPECT_EQ(screen.roster()[501].name, QString());
    screen.setTop(2000);
    EXPECT_EQ(screen.top(), RosterScreen::kMaxTop);
    EXPECT_EQ(RosterScreen::maxLength(0), 3);
    EXPECT_EQ(RosterScreen::maxLength(2), 5);
    EXPECT_EQ(RosterScreen::maxLength(1), 15);
}

TEST_F(RosterFixture, UnsafeCodesAreRefusedWhereTyped) {
    ASSERT_TRUE(screen.open());
    type(0, QStringLiteral("12"));
    for (const char *code : {"a/b", "..", "x\\y", "1:2", ".", "a*", ".12", "¥1"}) {
        SCOPED_TRACE(code);
        t.dialogs.clear();
        EXPECT_EQ(type(0, QString::fromUtf8(code)), RosterScreen::Leave::Refused);
        EXPECT_EQ(t.dialogs.texts(),
                  QStringList{cardfile::unsafeCodeText(QString::fromUtf8(code))});
        EXPECT_EQ(screen.roster()[0].code, QStringLiteral("12"));
    }
    t.dialogs.clear();
    EXPECT_EQ(type(0, QString()), RosterScreen::Leave::Stored);
    EXPECT_EQ(type(2, QStringLiteral("  ")), RosterScreen::Leave::Stored);
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
}

TEST_F(RosterFixture, DuplicateCodeWarnsOnceWhenTyped) {
    ASSERT_TRUE(screen.open());
    fill(0, QStringLiteral("5"), QStringLiteral("山田"));
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
    EXPECT_EQ(type(6, QStringLiteral(" 5")), RosterScreen::Leave::Stored);
    ASSERT_EQ(t.dialogs.boxes().size(), 1);
    EXPECT_TRUE(t.dialogs.boxes()[0].text.contains(QStringLiteral("「5」は名簿の1番目（山田）")));
    EXPECT_EQ(screen.roster()[3].code, QStringLiteral(" 5")); // stored as typed
    type(6, QStringLiteral(" 5"));                            // left again unchanged: no second box
    EXPECT_EQ(t.dialogs.boxes().size(), 1);
}

TEST_F(RosterFixture, EnterWalksCodeNameChooserNextRow) {
    ASSERT_TRUE(screen.open());
    fill(4, QStringLiteral("3"), QStringLiteral("木村"));
    EXPECT_EQ(screen.enterKey(8).kind, RosterFocus::NameBox);
    const RosterFocus f = screen.enterKey(9);
    EXPECT_EQ(f.kind, RosterFocus::Chooser);
    EXPECT_EQ(f.row, 4);
    EXPECT_TRUE(screen.chooserShown());
    const RosterFocus next = screen.chooserEnter(QStringLiteral("パート")); // typed, not listed
    EXPECT_EQ(next.kind, RosterFocus::CodeBox);
    EXPECT_EQ(next.row, 5);
    EXPECT_FALSE(screen.chooserShown());
    EXPECT_EQ(screen.roster()[4].payType, QStringLiteral("パート"));
    // Leaving a hidden chooser stores nothing.
    screen.leaveChooser(QStringLiteral("時給"));
    EXPECT_EQ(screen.roster()[4].payType, QStringLiteral("パート"));
}

TEST_F(RosterFixture, EnterOnLastRowScrollsUntilSlot998) {
    ASSERT_TRUE(screen.open());
    screen.setTop(983);
    screen.showChooser(14);
    RosterFocus f = screen.chooserEnter(QStringLiteral("日給"));
    EXPECT_EQ(f.kind, RosterFocus::CodeBox);
    EXPECT_EQ(f.row, 14);
    EXPECT_EQ(screen.top(), 984);
    EXPECT_EQ(screen.roster()[997].payType, QStringLiteral("日給"));
    fill(14, QStringLiteral("999"), QStringLiteral("最後"));
    screen.showChooser(14);
    f = screen.chooserEnter(QStringLiteral("時給"));
    EXPECT_EQ(f.kind, RosterFocus::OffGrid);
    EXPECT_EQ(t.dialogs.texts(), QStringList{"これ以上は登録できません。"});
    EXPECT_EQ(t.dialogs.boxes()[0].title, QStringLiteral("お知らせ"));
    EXPECT_EQ(screen.top(), 984);
    EXPECT_TRUE(screen.roster()[998].inUse());
    EXPECT_EQ(screen.roster()[998].payType, QStringLiteral("時給"));
}

TEST_F(RosterFixture, MarksToggleAndAreIgnoredWhileChoosing) {
    ASSERT_TRUE(screen.open());
    screen.toggleMark(2);
    EXPECT_TRUE(screen.greyed(2));
    EXPECT_EQ(screen.roster()[2].mark, QStringLiteral("*"));
    screen.showChooser(0);
    screen.toggleMark(2);
    EXPECT_TRUE(screen.greyed(2));
    screen.leaveChooser(QString());
    screen.toggleMark(2);
    EXPECT_FALSE(screen.greyed(2));
    EXPECT_EQ(screen.roster()[2].mark, QString());
}

TEST_F(RosterFixture, StoredMarksShowGreyAndAreDeleted) {
    t.put(kFile, "\"1\"\r\n\"a\"\r\n\"\"\r\n\"*\"\r\n\"2\"\r\n\"b\"\r\n\"\"\r\n\"\"\r\n");
    ASSERT_TRUE(screen.open());
    EXPECT_TRUE(screen.greyed(0));
    EXPECT_FALSE(screen.greyed(1));
    EXPECT_TRUE(screen.deleteMarked());
    EXPECT_EQ(codes(2), (QStringList{"2", ""}));
}

TEST_F(RosterFixture, DeletePacksUnmarkedSlotsInOrder) {
    ASSERT_TRUE(screen.open());
    EXPECT_FALSE(screen.deleteMarked()); // nothing marked: no box
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
    const QStringList typed = {"1", "2", "", "4", "5", "6"};
    for (int i = 0; i < typed.size(); ++i)
        type(2 * i, typed[i]);
    for (int row : {0, 3, 5})
        screen.toggleMark(row);
    screen.setTop(7);
    t.dialogs.answer(BoxAnswer::Cancel);
    EXPECT_FALSE(screen.deleteMarked());
    ASSERT_EQ(t.dialogs.boxes().size(), 1);
    const ScriptedDialogs::Box &box = t.dialogs.boxes()[0];
    EXPECT_EQ(box.text, QStringLiteral("名簿から 3 名削除します。"));
    EXPECT_EQ(box.title, QStringLiteral("確認"));
    EXPECT_EQ(box.icon, BoxIcon::Warning);
    EXPECT_EQ(box.buttons, BoxButtons::OkCancel);
    EXPECT_EQ(codes(6), typed);
    EXPECT_TRUE(screen.deleteMarked());
    EXPECT_EQ(codes(4), (QStringList{"2", "", "5", ""}));
    EXPECT_EQ(screen.top(), 0);
    for (int i = 0; i < Roster::kSlots; ++i)
        ASSERT_TRUE(screen.roster()[i].mark.isEmpty());
}

TEST(RosterSort, KeepsPositiveCodesStably) {
    struct Case {
        const char *name;
        QStringList codes;
        QList<int> order; // typed positions in sorted order
    };
    const Case cases[] = {
        {"drops", {"10", "2", "", "abc"}, {1, 0}},
        {"equal values keep order", {"5", "1", "5"}, {1, 0, 2}},
        {"zero and negative dropped", {"0", "-3", "3"}, {2}},
        {"leading digits", {"12a", " 7", "007"}, {1, 2, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TestServices ts;
        RosterScreen s(ts.services);
        ASSERT_TRUE(s.open());
        for (int i = 0; i < c.codes.size(); ++i) {
            s.enterBox(2 * i);
            s.leaveBox(2 * i, c.codes[i]);
            s.enterBox(2 * i + 1);
            s.leaveBox(2 * i + 1, QStringLiteral("名%1").arg(i));
            s.showChooser(i);
            s.leaveChooser(QStringLiteral("時給"));
            s.toggleMark(i);
        }
        s.setTop(30);
        ASSERT_TRUE(s.soot());
        EXPECT_EQ(ts.dialogs.texts().last(), QStringLiteral("コード番号順に並び替えます。"));
        EXPECT_EQ(s.top(), 0);
        for (int i = 0; i < c.order.size(); ++i) {
            const Employee &e = s.roster()[i];
            EXPECT_EQ(e.code, c.codes[c.order[i]]);
            EXPECT_EQ(e.name, QStringLiteral("名%1").arg(c.order[i]));
            EXPECT_EQ(e.payType, QStringLiteral("時給"));
            EXPECT_TRUE(e.mark.isEmpty());
        }
        EXPECT_EQ(s.roster()[static_cast<int>(c.order.size())].name, QString());
    }
}

TEST(RosterSort, CancelLeavesRosterAlone) {
    TestServices ts;
    RosterScreen s(ts.services);
    ASSERT_TRUE(s.open());
    s.enterBox(0);
    s.leaveBox(0, QStringLiteral("abc"));
    ts.dialogs.answer(BoxAnswer::Cancel);
    EXPECT_FALSE(s.soot());
    EXPECT_EQ(s.roster()[0].code, QStringLiteral("abc"));
}

TEST(RosterSort, CodeValueReadsLeadingNumber) {
    const std::pair<const char *, qint64> cases[] = {
        {"", 0},   {"abc", 0}, {"0", 0},   {"12", 12},  {"12a3", 12},     {" 7", 7},
        {"+4", 4}, {"-3", -3}, {"007", 7}, {"１２", 0}, {"99999", 99999},
    };
    for (const auto &[code, value] : cases)
        EXPECT_EQ(leadingNumber(QString::fromUtf8(code)), value) << code;
}

TEST_F(RosterFixture, ClosingWarnsAboutSharedAndUnsafeCodesThenSaves) {
    t.put(kFile, records::format(Roster::fromList({"5", "山田", "", "", "a/b", "川口", "", "", "5 ",
                                                   "鈴木", "", ""})
                                     .toList()));
    ASSERT_TRUE(screen.open());
    ASSERT_TRUE(screen.close());
    ASSERT_EQ(t.dialogs.boxes().size(), 1);
    const QString text = t.dialogs.boxes()[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("「5」が2名に重複（山田、鈴木）")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("「a/b」"))) << text.toStdString();
    EXPECT_TRUE(t.bytes(kFile).startsWith("\"5\"\r\n"));
    EXPECT_EQ(t.bytes(kFile).count("\r\n"), 3996);
}

TEST_F(RosterFixture, CleanRosterClosesWithoutBoxes) {
    ASSERT_TRUE(screen.open());
    fill(0, QStringLiteral("1"), QStringLiteral("一郎"));
    fill(1, QStringLiteral("2"), QStringLiteral("二郎"));
    fill(2, QStringLiteral("2"), QString()); // not in use: gets no card, no warning
    t.dialogs.clear();
    EXPECT_TRUE(screen.close());
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
}

TEST_F(RosterFixture, UnreadableRosterIsNeverOverwrittenByAnEmptyOne) {
    t.put(kFile, "\"7\"\r\n\"keep\"\r\n");
    t.fs.failOn(FaultyFileSystem::Op::Read, 1, FileError::PathFileAccess);
    ASSERT_TRUE(screen.open());
    ASSERT_EQ(t.dialogs.boxes().size(), 1);
    EXPECT_TRUE(t.dialogs.texts()[0].contains(QStringLiteral("保存されません")));
    fill(0, QStringLiteral("1"), QStringLiteral("新"));
    EXPECT_TRUE(screen.close()); // the screen still returns to the punch clock
    EXPECT_EQ(t.bytes(kFile), QByteArray("\"7\"\r\n\"keep\"\r\n"));
    // A deliberate replacement (the import) is written.
    EXPECT_TRUE(screen.adoptImport(Roster{}));
    EXPECT_EQ(t.bytes(kFile).count("\r\n"), 3996);
}

TEST_F(RosterFixture, TextsTheFileCannotHoldAreRefused) {
    ASSERT_TRUE(screen.open());
    fill(0, QStringLiteral("1"), QStringLiteral("山田"));
    t.dialogs.clear();
    EXPECT_EQ(type(1, QStringLiteral("山田😀")), RosterScreen::Leave::Refused);
    EXPECT_EQ(type(0, QStringLiteral("1😀")), RosterScreen::Leave::Refused);
    // Written, but read back as another character: not storable either.
    EXPECT_EQ(type(1, QStringLiteral("山田〜")), RosterScreen::Leave::Refused);
    // Values are written between quotes: a quote in a name would end it.
    EXPECT_EQ(type(1, QStringLiteral("スマ\"イル")), RosterScreen::Leave::Refused);
    screen.showChooser(0);
    screen.leaveChooser(QStringLiteral("月給"));
    screen.showChooser(0);
    screen.leaveChooser(QStringLiteral("😀"));
    screen.showChooser(0);
    screen.leaveChooser(QStringLiteral("時\"給"));
    EXPECT_EQ(t.dialogs.boxes().size(), 6);
    const Employee &e = screen.roster()[0];
    EXPECT_EQ(e.code, QStringLiteral("1"));
    EXPECT_EQ(e.name, QStringLiteral("山田"));
    EXPECT_EQ(e.payType, QStringLiteral("月給"));
}

TEST_F(RosterFixture, AStoredValueLeftUnchangedIsNotRefusedAgain) {
    // Written before the rules refused them: leaving the box as it was must
    // neither nag nor keep the focus there (the screen could not be closed).
    Roster r;
    r[0] = {QStringLiteral("a/b"), QStringLiteral("スマ\"イル"), QStringLiteral("月給"), {}};
    t.put(kFile, records::format(r.toList()));
    ASSERT_TRUE(screen.open());
    EXPECT_EQ(type(0, QStringLiteral("a/b")), RosterScreen::Leave::Stored);
    EXPECT_EQ(type(1, QStringLiteral("スマ\"イル")), RosterScreen::Leave::Stored);
    EXPECT_TRUE(t.dialogs.boxes().isEmpty());
    EXPECT_EQ(type(0, QStringLiteral("a/c")), RosterScreen::Leave::Refused);
}
