#include "printing/WorkRecordSheet.h"
#include "support/Printers.h"
#include "support/RecordingPrinter.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr double kF = 720.0 / 254.0;
constexpr double kOffX = 12.5; // printable-area offsets in points
constexpr double kOffY = 7.25;

QString num(double v) {
    return QString::number(v, 'f', 2);
}
QString lineAt(double x1, double y1, double x2, double y2) {
    return "line " + num(x1 * kF - kOffX) + " " + num(y1 * kF - kOffY) + " " +
           num(x2 * kF - kOffX) + " " + num(y2 * kF - kOffY);
}
QStringList textAt(const QString &text, double x, double y) {
    return {"setPosition " + num(std::nearbyint(x * kF) - kOffX) + " " +
                num(std::nearbyint(y * kF) - kOffY),
            "print \"" + text + "\""};
}

// The frame as the form gives it, line by line and text by text.
QStringList expectedFrame() {
    QStringList e{"setLineStyle 0.00", "setLineWidth 5.00",
                  "rectangle " + num(20 * kF - kOffX) + " " + num(30 * kF - kOffY) + " " +
                      num(201.5 * kF - kOffX) + " " + num(272 * kF - kOffY),
                  "setLineWidth 2.00"};
    const double hs[][3] = {{35, 20, 201.5}, {40, 49, 79}, {40, 126.5, 171.5}, {45, 20, 201.5}};
    for (const auto &h : hs)
        e << lineAt(h[1], h[0], h[2], h[0]);
    for (int i = 0; i < 32; ++i)
        e << lineAt(20, 46 + 7 * i, 201.5, 46 + 7 * i);
    e << lineAt(20, 264, 201.5, 264);
    const double vs[][3] = {{27, 46, 263},    {33.5, 35, 263},  {34, 35, 263},    {49, 35, 263},
                            {64, 40, 263},    {79, 35, 263},    {94, 35, 272},    {94.5, 35, 272},
                            {111, 35, 272},   {126, 30, 272},   {126.5, 30, 272}, {141.5, 40, 272},
                            {156.5, 40, 272}, {171.5, 35, 272}, {186.5, 35, 272}};
    for (const auto &v : vs)
        e << lineAt(v[0], v[1], v[0], v[2]);
    e << "setFontFace \"ＭＳ ゴシック\""
      << "setFontSize 12.00" << textAt("勤務実績表", 25, 24) << "setFontFace \"ＭＳ 明朝\""
      << "setFontSize 9.00";
    const struct {
        const char *text;
        double x, y;
    } texts[] = {
        {"ケ ル ベ ー ン の 記 録 及 び 集 計", 38, 31},
        {"日(曜)", 23, 38.5},
        {"出  勤", 36, 38.5},
        {"休     憩", 57, 36},
        {"出", 54.5, 41},
        {"戻", 69.5, 41},
        {"退  勤", 81, 38.5},
        {"勤　務", 97.5, 37},
        {"時間数", 97.5, 41},
        {"左のうち", 112, 37},
        {"深　　夜", 112, 41},
        {"認　  定  　時　  間　  数", 142, 31},
        {"所 定 勤 務 時 間 外", 132, 36},
        {"(法内)", 129, 41},
        {"残　業", 143.5, 41},
        {"休　日", 158.5, 41},
        {"深　夜", 173.5, 38.5},
        {"遅　刻", 188.5, 37},
        {"早　退", 188.5, 41},
        {"合　計（出勤日数", 35, 266.5},
        {"日)", 73, 266.5},
    };
    for (const auto &t : texts)
        e << textAt(t.text, t.x, t.y);
    return e;
}

} // namespace

TEST(WorkRecordSheet, AnchorsAreWholePointsRoundedToEven) {
    const struct {
        double in;
        int points;
    } cases[] = {{28.5, 28}, {29.5, 30}, {-0.5, 0}, {69.45, 69}, {28.35, 28}, {1e9, 32767}};
    for (const auto &c : cases)
        EXPECT_EQ(WorkRecordSheet::wholePoints(c.in), c.points) << c.in;
    EXPECT_EQ(WorkRecordSheet::anchor(10), 28);
    EXPECT_EQ(WorkRecordSheet::anchor(24.5), 69);
}

TEST(WorkRecordSheet, FrameDrawsEveryLineAndFixedText) {
    RecordingPrinter p;
    WorkRecordSheet sheet(p, kOffX, kOffY);
    EXPECT_EQ(sheet.waku(), 0);
    const QStringList expected = expectedFrame();
    ASSERT_EQ(p.log().size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(p.log()[i], expected[i]) << i;
}

TEST(WorkRecordSheet, FrameCornerWithoutOffsets) {
    RecordingPrinter p;
    WorkRecordSheet(p, 0, 0).waku();
    EXPECT_EQ(p.log()[2], "rectangle 56.69 85.04 571.18 771.02");
}

TEST(WorkRecordSheet, FilledSheet) {
    CardTable card;
    card.at(0, CardField::Name) = "山田太郎";
    card.at(0, CardField::PayType) = "時給";
    card.at(0, CardField::Day) = "21";
    card.at(0, CardField::Weekday) = "水";
    card.at(0, CardField::ClockIn) = "8:05";      // four characters: one space before
    card.at(0, CardField::ClockOut) = "17:30";    // five: as it is
    card.at(0, CardField::Work) = "123:45";       // six: cut to the last five
    card.at(0, CardField::CertLateEarly) = "   "; // blanks are still placed
    card.at(30, CardField::Day) = "20";
    card.at(31, CardField::DaysWorked) = "123"; // cut to two
    card.at(31, CardField::Work) = "1234:56";   // cut to six
    card.at(31, CardField::LateNight) = "7:00";
    CalcSettings settings;
    settings[CalcSettings::HourlyPunchUnit + 1] = "15";
    settings[CalcSettings::HourlyPunchUnit + 2] = "切捨て";

    RecordingPrinter p;
    EXPECT_EQ(WorkRecordSheet(p, kOffX, kOffY).data(card, "2007年3月", settings), 0);
    QStringList e{"setFontSize 9.00"};
    e << textAt("( 2007年3月 ) ", 57, 24.5) << textAt("氏名： 山田太郎", 83, 24.5)
      << textAt("【月間の合計勤務時間数は 15分単位、切捨て方式で処理しています】", 25, 273.5)
      << textAt("21", 22, 48) << textAt("水", 28.75, 48) << textAt(" 8:05", 38, 48)
      << textAt("17:30", 83, 48) << textAt("23:45", 98.5, 48) << textAt("     ", 190.5, 48);
    for (int a = 1; a < 31; ++a)
        e << textAt(a == 30 ? "20" : "", 22, 48 + 7 * a) << textAt("", 28.75, 48 + 7 * a);
    e << textAt("23", 68, 266.5) << textAt("234:56", 96.5, 266.5) << textAt("  7:00", 113, 266.5);
    const double totalsX[] = {128.5, 143.5, 158.5, 173.5, 188.5};
    for (double x : totalsX)
        e << textAt("      ", x, 266.5);
    EXPECT_EQ(p.log(), e);
}

TEST(WorkRecordSheet, FooterOnlyForTheThreePayTypesWithAUnit) {
    CalcSettings s;
    s[CalcSettings::MonthlyPunchUnit + 1] = "30";
    s[CalcSettings::MonthlyPunchUnit + 2] = "四捨五入";
    s[CalcSettings::DailyPunchUnit + 2] = "切上げ"; // no unit
    s[CalcSettings::HourlyPunchUnit + 1] = "10";
    s[CalcSettings::HourlyPunchUnit + 2] = "";
    const struct {
        const char *payType, *footer;
    } cases[] = {
        {"月給", "【月間の合計勤務時間数は 30分単位、四捨五入方式で処理しています】"},
        {"日給", ""},
        {"時給", "【月間の合計勤務時間数は 10分単位、方式で処理しています】"},
        {"", ""},
        {"年俸", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WorkRecordSheet::footer(c.payType, s), c.footer) << c.payType;
}

TEST(WorkRecordSheet, AnErrorSkipsTheRestOfTheProcedure) {
    RecordingPrinter p;
    p.failOn("line", 3, Printer::kUnsupported);
    EXPECT_EQ(WorkRecordSheet(p, 0, 0).waku(), Printer::kUnsupported);
    EXPECT_EQ(p.count("line"), 3);
    EXPECT_EQ(p.count("print"), 0);
}
