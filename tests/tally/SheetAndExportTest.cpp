// The work record sheet and the payroll export of a card changed after its
// confirm: both give the times of its punches as they stand, and both name it.
#include "printing/PrintPanel.h"
#include "printing/PrintRun.h"
#include "printing/WorkRecordSheet.h"
#include "punchclock/PunchFixture.h"
#include "support/RecordingPrinter.h"
#include "tally/PayrollExport.h"
#include "tally/StoredReview.h"
#include "tally/TallyCards.h"
#include "tally/TimeText.h"

namespace {

const QString kMonth = "2007年3月";

// Four days of 8:00 and one of 8:35, tallied and confirmed: 5 days, 40:35.
CardTable confirmedCard(const CalcSettings &s) {
    CardTable c = tallytest::card();
    for (int r = 0; r < CardTable::kDayRows; ++r)
        c.at(r, CardField::Code) = "1";
    for (int r = 0; r < 4; ++r)
        tallytest::punch(c, r, "9:00", "", "", "17:00");
    tallytest::punch(c, 7, "9:00", "", "", "17:35");
    c.at(7, CardField::CertBeyond) = "0:35";
    tally::jidousyuukei(c, s);
    tally::keisan(c);
    return c;
}

} // namespace

TEST(SheetAndExport, ACardChangedAfterItsConfirmIsTalliedAnewAndNamedInBoth) {
    const CalcSettings plain = PunchData::settingsOf("getumatusime");
    CalcSettings rounded = plain;
    rounded[CalcSettings::MonthlyPunchUnit] = "15";
    const struct {
        const char *name;
        std::function<void(CardTable &)> change; // made to the stored card after its confirm
        CalcSettings settings;                   // at print and export time
        int days;
        const char *work;
        bool named;
    } cases[] = {
        {"unchanged", [](CardTable &) {}, plain, 5, "40:35", false},
        {"a day punched after the confirm",
         [](CardTable &c) { tallytest::punch(c, 5, "9:00", "", "", "17:00"); }, plain, 6, "48:35",
         true},
        {"a clock-out deleted after the confirm",
         [](CardTable &c) { c.at(0, CardField::ClockOut).clear(); }, plain, 4, "32:35", true},
        {"the rounding changed after the confirm", [](CardTable &) {}, rounded, 5, "40:30", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TestServices t;
        CardTable card = confirmedCard(plain);
        c.change(card);
        ASSERT_EQ(t.fs.makeFolder(kMonth), FileError::None);
        ASSERT_EQ(cardfile::write(t.fs, kMonth, "1", card), FileError::None);
        const QList<EmployeeLine> staff = {{"1", "山田太郎", true}};

        const PayrollExport::Gathered g =
            PayrollExport::gather(t.fs, {staff, kMonth, c.settings, {}});
        ASSERT_EQ(g.lines.size(), 1);
        EXPECT_EQ(g.lines[0].daysWorked, c.days);
        EXPECT_EQ(timetext::durationText(g.lines[0].work), c.work);
        EXPECT_EQ(g.lines[0].certified[1], 35);

        RecordingPrinter printer;
        PrintJob job;
        job.staff = staff;
        job.monthFolder = kMonth;
        job.settings = c.settings;
        job.review = [&](const CardTable &stored) {
            storedreview::Review r = storedreview::review(stored, c.settings);
            return SheetCard{r.table, r.notes};
        };
        PrintSettings settings{PrintSettings::kAll, {}, {}, "1"};
        const PrintRun::Result r = PrintRun(t.services, printer).insatu(job, settings);
        ASSERT_EQ(r.pages, 1);
        const QStringList page = printer.pageTexts().value(0);
        EXPECT_TRUE(page.contains(WorkRecordSheet::rightAligned(QString::number(c.days), 2)));
        EXPECT_TRUE(page.contains(WorkRecordSheet::rightAligned(c.work, 6)));
        EXPECT_TRUE(page.contains(WorkRecordSheet::rightAligned("0:35", 6)));

        // Named in the export's notice, the print's end notice and the panel alike.
        const QString note = "1　山田太郎（" + storedreview::changedNote() + "）";
        EXPECT_EQ(g.toCheck, c.named ? QStringList{note} : QStringList());
        EXPECT_EQ(r.toCheck, c.named ? QStringList{note} : QStringList());
        EXPECT_EQ(t.dialogs.boxes().size(), c.named ? 1 : 0);
        PrintPanel panel(t.services);
        panel.open(staff, kMonth, c.settings, job.review);
        EXPECT_EQ(panel.toCheck(), r.toCheck);
    }
}
