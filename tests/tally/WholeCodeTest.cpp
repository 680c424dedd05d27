// A line in any list leads to exactly one card file, by the employee's whole
// code, and every list has the one order of employees: the rack, the
// additional punch's list, the tally's staff list, the suspend file, the print
// run and the payroll export, with codes longer than the four characters a
// list line pads to.
#include "maintenance/MonthHistory.h"
#include "printing/PrintRun.h"
#include "punchclock/PunchFixture.h"
#include "punchclock/RecorderScreen.h"
#include "support/RecordingPrinter.h"
#include "tally/PayrollExport.h"
#include "tally/SuspendFiles.h"
#include "tally/TallyScreen.h"

#include <QFile>

namespace {

const QString kMonth = "2009年5月";

struct Coded {
    const char *code;
    const char *name;
    const char *line; // as every list shows it
};

// In the order every list gives them: by the code's number.
const Coded kEmployees[] = {
    {"1", "一郎", "1   一郎"},
    {"2", "二郎", "2   二郎"},
    {"10", "十郎", "10  十郎"},
    {"105", "百五郎", "105 百五郎"},
    {"1234", "四桁さん", "1234四桁さん"},
    {"12345", "五桁さん", "12345 五桁さん"},
    {"99999", "九万さん", "99999 九万さん"},
};

struct WholeCodes : ::testing::Test {
    TestServices t;

    void SetUp() override {
        QList<PunchData::Person> people;
        for (const Coded &e : kEmployees)
            people.append(PunchData::Person{e.code, e.name});
        PunchData::prepareMonth(t, 2009, 5, people);
    }
    CardTable card(const QString &code) { return PunchData::readCard(t, kMonth, code); }
};

} // namespace

TEST_F(WholeCodes, EveryListLeadsToTheCardOfTheWholeCode) {
    // The punch clock: a click sets that employee's card and the punch goes
    // into it, at 9:00 + the line's index minutes.
    RecorderScreen clock(t.services);
    t.clock.set(2009, 5, 12, 9, 0);
    ASSERT_TRUE(clock.open());
    clock.tick();
    clock.activated();
    int i = 0;
    for (const Coded &e : kEmployees) {
        SCOPED_TRACE(e.code);
        ASSERT_EQ(clock.rack().line(i), e.line);
        t.clock.set(2009, 5, 12, 9, i);
        clock.tick();
        ASSERT_TRUE(clock.setCardOf(e.code));
        EXPECT_EQ(clock.panel().codeLabel(), e.code);
        EXPECT_EQ(clock.panel().nameLabel(), e.name);
        clock.chooseKind(0);
        clock.press();
        ASSERT_TRUE(clock.returnCard());
        ++i;
    }
    EXPECT_TRUE(t.dialogs.texts().isEmpty()) << t.dialogs.texts().join("|").toStdString();
    ASSERT_TRUE(clock.openAddPanel());
    clock.addPanel().chooseMonth(kMonth);
    EXPECT_EQ(clock.addPanel().employees(), clock.rack().lines());
    clock.addPanel().close();
    i = 0;
    for (const Coded &e : kEmployees)
        EXPECT_EQ(card(e.code).at(11, CardField::ClockIn),
                  QString("9:%1").arg(i++, 2, 10, QChar('0')))
            << e.code;

    // The tally: each line opens its own card; all confirmed.
    TallyScreen tally(t.services);
    ASSERT_TRUE(tally.open());
    tally.chooseMonth(kMonth);
    i = 0;
    for (const Coded &e : kEmployees) {
        SCOPED_TRACE(e.code);
        EXPECT_EQ(tally.lists().lines().value(i), e.line);
        tally.chooseEmployee(i);
        EXPECT_EQ(tally.code(), e.code);
        EXPECT_EQ(tally.card().name(), e.name);
        ASSERT_TRUE(tally.kakutei());
        ++i;
    }

    // The suspend file keeps the whole codes and gives the same list back.
    ASSERT_EQ(suspendfiles::writeList(t.fs, tally.lists().entries()), FileError::None);
    const suspendfiles::ListRead back = suspendfiles::readList(t.fs, i);
    EXPECT_EQ(back.entries, tally.lists().entries());
    // A list suspended in another order comes back in the one order.
    QList<EmployeeLine> reversed(back.entries.rbegin(), back.entries.rend());
    StaffLists restored(t.services);
    restored.restore(kMonth, reversed);
    EXPECT_EQ(restored.entries(), back.entries);

    // The print run: each sheet from its own card, in the same order.
    RecordingPrinter printer;
    PrintJob job;
    job.staff = back.entries;
    job.monthFolder = kMonth;
    PrintSettings all{PrintSettings::kAll, {}, {}, "1"};
    ASSERT_EQ(PrintRun(t.services, printer).insatu(job, all).pages, i);
    int page = 0;
    for (const Coded &e : kEmployees)
        EXPECT_TRUE(printer.pageTexts().value(page++).contains(QString("氏名： ") + e.name));

    // The export: one line per employee, each of their own card.
    const PayrollExport::Gathered g =
        PayrollExport::gather(t.fs, {back.entries, kMonth, tally.settings(), {}});
    ASSERT_EQ(g.lines.size(), i);
    i = 0;
    for (const Coded &e : kEmployees) {
        EXPECT_EQ(g.lines[i].code, e.code);
        EXPECT_EQ(g.lines[i].name, e.name);
        EXPECT_EQ(g.lines[i].daysWorked, 0); // a clock-in alone works no time
        ++i;
    }
    EXPECT_TRUE(g.unreadable.isEmpty() && g.notConfirmed.isEmpty());

    // Removing 12345's card removes no other.
    clock.toolbarRemoval();
    clock.rackClicked(clock.rack().indexOfCode("12345"));
    EXPECT_FALSE(QFile::exists(t.path(kMonth + "/12345.Card")));
    EXPECT_TRUE(QFile::exists(t.path(kMonth + "/1234.Card")));
    EXPECT_EQ(clock.rack().indexOfCode("12345"), -1);
}

TEST_F(WholeCodes, APaddedFileNameIsNoOnesCard) {
    const QByteArray own = t.bytes(kMonth + "/1234.Card");
    QStringList lines;
    for (const Coded &e : kEmployees)
        lines << e.line;
    struct Case {
        const char *file;
        bool ownCardToo; // 1234.Card beside it
    };
    const Case cases[] = {{" 1234.Card", true},
                          {"1234 .Card", true},
                          {"　1234.Card", true},
                          {" 1234 .Card", false},
                          {"\t1234.Card", false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        const QString odd = kMonth + "/" + QString::fromUtf8(c.file);
        t.put(odd, own);
        if (!c.ownCardToo)
            QFile::remove(t.path(kMonth + "/1234.Card"));
        QStringList expected = lines;
        if (!c.ownCardToo)
            expected.removeAll("1234四桁さん");

        RecorderScreen clock(t.services);
        t.clock.set(2009, 5, 12, 9, 0);
        ASSERT_TRUE(clock.open());
        clock.tick();
        clock.activated();
        EXPECT_EQ(clock.rack().lines(), expected);
        ASSERT_TRUE(clock.openAddPanel());
        clock.addPanel().chooseMonth(kMonth);
        EXPECT_EQ(clock.addPanel().employees(), expected);
        clock.addPanel().close();
        TallyScreen tally(t.services);
        ASSERT_TRUE(tally.open());
        tally.chooseMonth(kMonth);
        EXPECT_EQ(tally.lists().lines(), expected);
        // Deleting the month records the padded file under its own name.
        const monthhistory::Changes removal = monthhistory::removal(t.fs, kMonth);
        for (qsizetype i = 0; i < removal.entries.size(); ++i) {
            EXPECT_TRUE(removal.files[i] != QString::fromUtf8(c.file) ||
                        removal.entries[i].code != "1234");
        }

        QFile::remove(t.path(odd));
        t.put(kMonth + "/1234.Card", own);
    }
}
