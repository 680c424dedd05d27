#include "tally/PayrollExport.h"
#include "data/FileFailure.h"
#include "punchclock/PunchFixture.h"
#include "tally/TallyCards.h"
#include "tally/TallyScreen.h"
#include "tally/TimeText.h"

#include <QFile>

namespace {

using Op = FaultyFileSystem::Op;
const QString kMonth = "2007年3月";

struct ScriptedChooser : ExportChooser {
    QString answer;
    QStringList asked;
    QString askCsvFile(const QString &name) override {
        asked << name;
        return answer;
    }
};

QByteArray golden(const QString &name) {
    QFile f(QStringLiteral(KELVANE_TEST_DATA "/payroll/") + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
    return f.readAll();
}

// A month of four employees, three of them tallied and confirmed on the tally
// screen with certified hours; the fourth never opened.
struct PayrollMonth : ::testing::Test {
    TestServices t;
    QTemporaryDir out;
    ScriptedChooser chooser;
    std::unique_ptr<TallyScreen> screen;

    void SetUp() override {
        PunchData::prepareMonth(t, 2007, 3,
                                {{"1", "山田太郎"},
                                 {"2", "鈴木,花子", "時給"},
                                 {"3", "佐藤次郎", "日給"},
                                 {"4", "高橋一美"}});
        CalcSettings s = PunchData::settingsOf("getumatusime");
        s[CalcSettings::MonthlyPunchUnit] = "15";
        s[CalcSettings::MonthlyPunchUnit + 1] = "30";
        s[CalcSettings::MonthlyPunchUnit + 2] = "切上げ";
        t.put(kSettingsFile, records::format(s.toList()));

        CardTable c = PunchData::readCard(t, kMonth, "1");
        for (int r = 0; r < 5; ++r)
            tallytest::punch(c, r, "8:52", "12:00", "13:00", "17:03");
        tallytest::punch(c, 9, "22:00", "", "", "6:00"); // into the next morning
        PunchData::writeCard(t, kMonth, c);
        c = PunchData::readCard(t, kMonth, "2");
        tallytest::punch(c, 1, "9:00", "", "", "13:30");
        tallytest::punch(c, 2, "9:00", "", "", "14:45");
        PunchData::writeCard(t, kMonth, c);

        screen = std::make_unique<TallyScreen>(t.services);
        ASSERT_TRUE(screen->open());
        screen->chooseMonth(kMonth);
        confirm(0, {{1, "1.30"}, {6, "0.45"}, {8, "-0.15"}});
        confirm(1, {{5, "2:00"}}); // day 2, a day worked
        confirm(2, {});
        chooser.answer = out.filePath("payroll.csv");
    }
    void confirm(int employee, const QList<std::pair<int, QString>> &boxes) {
        screen->chooseEmployee(employee);
        for (const auto &[box, text] : boxes) {
            screen->boxEntered(box);
            screen->boxLeft(box, text);
        }
        ASSERT_TRUE(screen->kakutei());
    }
    QByteArray exported() {
        QFile f(chooser.answer);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

TEST(PayrollCsv, FieldsAreQuotedOnlyWhereTheyMustBe) {
    const struct {
        const char *value, *field;
    } cases[] = {
        {"山田太郎", "山田太郎"}, {"", ""},           {"鈴木,花子", "\"鈴木,花子\""},
        {"a\"b", "\"a\"\"b\""},   {"\"", "\"\"\"\""}, {"two\r\nlines", "\"two\r\nlines\""},
        {"161:15", "161:15"},     {" 12 ", " 12 "},
    };
    for (const auto &c : cases)
        EXPECT_EQ(payrollcsv::field(c.value), c.field) << c.value;
    EXPECT_EQ(timetext::certifiedMinutes("161:15"), 9675);
    EXPECT_EQ(timetext::certifiedMinutes("-0:30"), -30);
    EXPECT_EQ(timetext::certifiedMinutes(""), 0);
    EXPECT_EQ(payrollcsv::timeText(0, payrollcsv::TimeForm::HoursMinutes), "0:00");
    EXPECT_EQ(payrollcsv::timeText(-75, payrollcsv::TimeForm::Minutes), "-75");
}

TEST_F(PayrollMonth, BothFormsMatchTheirGoldenFiles) {
    EXPECT_TRUE(screen->toolEnabled(TallyScreen::ExportTool));
    t.dialogs.clear();
    t.dialogs.answer(BoxAnswer::Yes);
    screen->toolExport(chooser);
    EXPECT_EQ(chooser.asked, QStringList{"2007年3月_勤怠.csv"});
    EXPECT_EQ(exported(), golden("2007年3月_勤怠.csv"));
    ASSERT_EQ(t.dialogs.texts().size(), 2);
    // A month total below zero goes out as it is, named.
    EXPECT_EQ(t.dialogs.texts()[1],
              "給与計算用データを出力しました（3 人）。\n" + chooser.answer +
                  "\n\n出力しましたが、確かめてください：\n"
                  "　1　山田太郎（確かめてほしい認定時間（1件）：深夜の合計「-0:15」（マイナス））"
                  "\n\n選択済み（◆）でない 1 人は出力していません。");

    t.dialogs.answer(BoxAnswer::No);
    screen->toolExport(chooser);
    EXPECT_EQ(exported(), golden("2007年3月_勤怠_分.csv"));

    // Cancelled at the question or at the file: nothing is asked or written.
    QFile::remove(chooser.answer);
    t.dialogs.answer(BoxAnswer::Cancel);
    screen->toolExport(chooser);
    EXPECT_EQ(chooser.asked.size(), 2);
    EXPECT_FALSE(QFile::exists(chooser.answer));
}

TEST_F(PayrollMonth, CardsNotConfirmedChangedOrUnreadableAreNamedInOneNotice) {
    // 4 was opened in a tally before and never confirmed; 3's card is gone;
    // 1 was punched after its confirm; 2 holds a bare number.
    QList<EmployeeLine> staff = screen->lists().entries();
    staff[3].marked = true;
    QFile::remove(t.path(kMonth + "/3.Card"));
    CardTable c = PunchData::readCard(t, kMonth, "1");
    c.at(20, CardField::ClockIn) = "9:00";
    c.at(20, CardField::ClockOut) = "18:00";
    PunchData::writeCard(t, kMonth, c);
    c = PunchData::readCard(t, kMonth, "2");
    c.at(4, CardField::CertBeyond) = "45";
    PunchData::writeCard(t, kMonth, c);

    PayrollExport e(t.services);
    t.dialogs.clear();
    const PayrollExport::Result r = e.run({staff, kMonth, screen->settings(), QString()}, chooser);
    ASSERT_EQ(r.end, PayrollExport::End::Written);
    ASSERT_EQ(r.gathered.lines.size(), 2);
    EXPECT_EQ(r.gathered.lines[0].daysWorked, 7); // tallied anew with the new day
    ASSERT_EQ(t.dialogs.texts().size(), 2);
    const QString notice = t.dialogs.texts()[1];
    EXPECT_TRUE(notice.contains("確定していないため出力しなかった人：\n　4　高橋一美"));
    EXPECT_TRUE(
        notice.contains("出力しなかったタイムカード：\n　3　佐藤次郎（ファイルが見つかりません）"));
    EXPECT_TRUE(notice.contains("　1　山田太郎（確定した後に"));
    EXPECT_TRUE(notice.contains("　2　鈴木,花子（認定時間に"));

    // The open employee's changes not yet confirmed: the stored values go out, named.
    const PayrollExport::Gathered g =
        PayrollExport::gather(t.fs, {staff.mid(1, 1), kMonth, screen->settings(), "2"});
    ASSERT_EQ(g.toCheck.size(), 2);
    EXPECT_TRUE(g.toCheck[0].contains("画面に確定していない入力があります"));
}

TEST_F(PayrollMonth, AFailedWriteIsToldAndAnUnconfirmedOneWarned) {
    const struct {
        FileError error;
        bool written;
        QString says;
    } cases[] = {
        {FileError::DiskFull, false, "出力できませんでした（ディスクの空きが足りません）"},
        {FileError::PathFileAccess, false, "出力できませんでした（書き込みが禁止"},
        {FileError::Unconfirmed, true, filefailure::unconfirmedText()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(errorNumber(c.error));
        QFile::remove(chooser.answer);
        t.dialogs.clear();
        t.fs.failOn(Op::Replace, t.fs.calls(Op::Replace) + 1, c.error);
        screen->toolExport(chooser);
        EXPECT_EQ(QFile::exists(chooser.answer), c.written);
        ASSERT_EQ(t.dialogs.texts().size(), 2);
        EXPECT_TRUE(t.dialogs.texts()[1].contains(c.says));
        EXPECT_EQ(t.dialogs.texts()[1].contains("出力しました"), c.written);
        EXPECT_FALSE(t.programEnd.ended());
    }

    // Never into the data folder, where a name with "月" would list as a month.
    t.dialogs.clear();
    chooser.answer = t.path("2007年3月_勤怠.csv");
    screen->toolExport(chooser);
    EXPECT_FALSE(QFile::exists(chooser.answer));
    EXPECT_TRUE(t.dialogs.texts().last().startsWith("データフォルダには保存できません。"));
}
