#include "PunchFixture.h"
#include "data/FileFailure.h"
#include "punchclock/RecorderScreen.h"

#include <QFile>

namespace {

const QString kFolder = "2009年5月";

struct DamagedCards : ::testing::Test {
    TestServices t;
    RecorderScreen screen{t.services};

    void SetUp() override {
        PunchData::prepareMonth(t, 2009, 5, {{"1", "山田太郎"}, {"2", "鈴木花子"}});
        t.clock.set(2009, 5, 12, 9, 0);
        ASSERT_TRUE(screen.open());
        screen.tick();
    }
};

struct Damage {
    const char *name;
    QByteArray bytes;
};

QList<Damage> damages(const QByteArray &whole) {
    QByteArray garbage;
    for (int i = 0; i < 700; ++i)
        garbage += "\"\x93\xe0" + QByteArray::number(i * 37 % 101) + "\"\r\n";
    QByteArray other = whole;
    other.replace("\"1\"\r\n\"\x8eR", "\"12\"\r\n\"\x8eR"); // row 0: code 12, 山田
    return {{"emptied", ""},
            {"torn in its middle", whole.left(whole.size() / 2)},
            {"far too large", QByteArray(cardfile::kMaxBytes + 1, '\n')},
            {"full of garbage", garbage},
            {"holding another code", other}};
}

} // namespace

TEST_F(DamagedCards, AreNamedAndNeverWrittenOver) {
    const QString expected = cardfile::damagedText("1   山田太郎", kFolder);
    for (const Damage &d : damages(t.bytes(kFolder + "/1.Card"))) {
        SCOPED_TRACE(d.name);
        t.put(kFolder + "/1.Card", d.bytes);
        screen.activated();
        ASSERT_EQ(screen.rack().lines().value(0), "1   山田太郎");

        // Punch clock: the card is not set, so no return can save it.
        t.dialogs.clear();
        screen.rackClicked(0);
        EXPECT_EQ(t.dialogs.texts(), QStringList{expected});
        EXPECT_FALSE(screen.panel().cardSet());
        EXPECT_TRUE(screen.returnCard());

        // Month view: nothing shown but the message.
        t.dialogs.clear();
        screen.toolbarMonthView();
        screen.rackClicked(0);
        EXPECT_EQ(t.dialogs.texts(), QStringList{expected});
        screen.closeMonthView();

        // Additional punch: no day is loaded, so nothing is added.
        t.dialogs.clear();
        AddPunchPanel &panel = screen.addPanel();
        ASSERT_TRUE(screen.openAddPanel());
        panel.chooseMonth(kFolder);
        panel.chooseEmployee(0);
        panel.setBox(AddPunchPanel::MonthBox, "5");
        panel.setBox(AddPunchPanel::DayBox, "10");
        panel.leaveDayBox();
        panel.setBox(AddPunchPanel::HourBox, "9");
        panel.setBox(AddPunchPanel::MinuteBox, "0");
        panel.chooseKind(0);
        EXPECT_FALSE(panel.add());
        EXPECT_EQ(t.dialogs.texts().value(0),
                  cardfile::damagedText("1 " + panel.nameLabel(), kFolder));
        panel.close();

        EXPECT_EQ(t.bytes(kFolder + "/1.Card"), d.bytes);
        EXPECT_EQ(t.fs.calls(FaultyFileSystem::Op::Replace), 0);
    }
}

TEST_F(DamagedCards, CanBeRemovedFromTheRack) {
    t.put(kFolder + "/1.Card", "");
    screen.activated();
    screen.toolbarRemoval();
    screen.rackClicked(0);
    EXPECT_FALSE(QFile::exists(t.path(kFolder + "/1.Card")));
    EXPECT_EQ(screen.rack().lines(), QStringList{"2   鈴木花子"});
}

TEST_F(DamagedCards, RemovalDeletesExactlyTheCardOfThatCode) {
    // Codes that differ in case only, and a code that reads as a pattern.
    const QList<PunchData::Person> people = {{"a", "小文字"}, {"A", "大文字"}, {"[a]", "括弧"}};
    PunchData::writeRoster(t, people);
    ASSERT_TRUE(screen.open());
    for (const PunchData::Person &p : people)
        PunchData::writeCard(
            t, kFolder, PunchData::makeCard(p, 2009, 5, PunchData::settingsOf("getumatusime")));
    QFile::remove(t.path(kFolder + "/1.Card"));
    QFile::remove(t.path(kFolder + "/2.Card"));
    screen.activated();
    for (const PunchData::Person &removed : {people[2], people[0]}) {
        SCOPED_TRACE(removed.code.toStdString());
        screen.toolbarRemoval();
        const qsizetype line = screen.rack().indexOfCode(removed.code);
        ASSERT_GE(line, 0);
        screen.rackClicked(static_cast<int>(line));
        EXPECT_FALSE(QFile::exists(t.path(kFolder + "/" + removed.code + ".Card")));
    }
    EXPECT_EQ(t.fs.list(kFolder, "*", ListKind::Files), QStringList{"A.Card"});
}

TEST_F(DamagedCards, UnconfirmedReturnIsSavedWithAWarning) {
    screen.activated();
    screen.rackClicked(0);
    screen.chooseKind(0);
    screen.press();
    t.fs.failOn(FaultyFileSystem::Op::Replace, 1, FileError::Unconfirmed);
    t.dialogs.clear();
    EXPECT_TRUE(screen.returnCard());
    EXPECT_EQ(t.dialogs.texts(), QStringList{filefailure::unconfirmedText()});
    EXPECT_EQ(t.programEnd.calls, 0);
    EXPECT_FALSE(screen.panel().cardSet());
    EXPECT_EQ(PunchData::readCard(t, kFolder, "1").at(11, CardField::ClockIn), "9:00");
}
