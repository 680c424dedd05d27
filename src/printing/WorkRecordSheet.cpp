#include "printing/WorkRecordSheet.h"

namespace {

constexpr int kFrameWidth = 5;
constexpr int kRuleWidth = 2;

struct Rule {
    double at, from, to;
};

// Horizontal rules: y, from x, to x.
constexpr Rule kHorizontal[] = {
    {35, 20, 201.5},    // bottom of the group-heading band
    {40, 49, 79},       // under the break heading
    {40, 126.5, 171.5}, // under the non-scheduled hours heading
    {45, 20, 201.5},    // column headings, upper line of the double rule
};
constexpr int kRowLines = 32; // 46, 53, ..., 263
constexpr Rule kTotalsRule = {264, 20, 201.5};

// Vertical rules: x, from y, to y.
constexpr Rule kVertical[] = {
    {27, 46, 263},    {33.5, 35, 263},  {34, 35, 263},    {49, 35, 263},    {64, 40, 263},
    {79, 35, 263},    {94, 35, 272},    {94.5, 35, 272},  {111, 35, 272},   {126, 30, 272},
    {126.5, 30, 272}, {141.5, 40, 272}, {156.5, 40, 272}, {171.5, 35, 272}, {186.5, 35, 272},
};

struct FixedText {
    const char16_t *text;
    double x, y;
};

constexpr FixedText kHeadings[] = {
    {u"ケ ル ベ ー ン の 記 録 及 び 集 計", 38, 31},
    {u"日(曜)", 23, 38.5},
    {u"出  勤", 36, 38.5},
    {u"休     憩", 57, 36},
    {u"出", 54.5, 41},
    {u"戻", 69.5, 41},
    {u"退  勤", 81, 38.5},
    {u"勤\u3000務", 97.5, 37},
    {u"時間数", 97.5, 41},
    {u"左のうち", 112, 37},
    {u"深\u3000\u3000夜", 112, 41},
    {u"認\u3000  定  \u3000時\u3000  間\u3000  数", 142, 31},
    {u"所 定 勤 務 時 間 外", 132, 36},
    {u"(法内)", 129, 41},
    {u"残\u3000業", 143.5, 41},
    {u"休\u3000日", 158.5, 41},
    {u"深\u3000夜", 173.5, 38.5},
    {u"遅\u3000刻", 188.5, 37},
    {u"早\u3000退", 188.5, 41},
    {u"合\u3000計（出勤日数", 35, 266.5},
    {u"日)", 73, 266.5},
};

// Where the values of a day row stand: fields 2 to 12.
constexpr double kDayX[] = {38, 53, 68, 83, 98.5, 114, 130.5, 145.5, 160.5, 175.5, 190.5};
// Where the totals stand: fields 6 to 12.
constexpr double kTotalX[] = {96.5, 113, 128.5, 143.5, 158.5, 173.5, 188.5};

} // namespace

QString WorkRecordSheet::rightAligned(const QString &text, int n) {
    return (QString(n, QLatin1Char(' ')) + text).right(n);
}

QString WorkRecordSheet::footer(const QString &payType, const CalcSettings &settings) {
    const int row = CalcSettings::roundingRowOf(payType);
    if (row < 0)
        return {};
    const QString &unit = settings[row + 1];
    if (unit.isEmpty())
        return {};
    return QStringLiteral("【月間の合計勤務時間数は ") + unit + QStringLiteral("分単位、") +
           settings[row + 2] + QStringLiteral("方式で処理しています】");
}

int WorkRecordSheet::waku() {
    if (int e = m_printer.setLineStyle(Printer::Solid))
        return e;
    if (int e = m_printer.setLineWidth(kFrameWidth))
        return e;
    if (int e = rectangle(20, 30, 201.5, 272))
        return e;

    if (int e = m_printer.setLineWidth(kRuleWidth))
        return e;
    for (const Rule &r : kHorizontal)
        if (int e = line(r.from, r.at, r.to, r.at))
            return e;
    for (int i = 0; i < kRowLines; ++i)
        if (int e = line(20, 46 + 7 * i, 201.5, 46 + 7 * i))
            return e;
    if (int e = line(kTotalsRule.from, kTotalsRule.at, kTotalsRule.to, kTotalsRule.at))
        return e;
    for (const Rule &r : kVertical)
        if (int e = line(r.at, r.from, r.at, r.to))
            return e;

    if (int e = m_printer.setFontFace(kGothic))
        return e;
    if (int e = m_printer.setFontSize(12))
        return e;
    if (int e = text(QStringLiteral("勤務実績表"), 25, 24))
        return e;

    if (int e = m_printer.setFontFace(kMincho))
        return e;
    if (int e = m_printer.setFontSize(9))
        return e;
    for (const FixedText &t : kHeadings)
        if (int e = text(QString::fromUtf16(t.text), t.x, t.y))
            return e;
    return 0;
}

int WorkRecordSheet::data(const CardTable &card, const QString &monthFolder,
                          const CalcSettings &settings) {
    if (int e = m_printer.setFontSize(9))
        return e;
    if (int e = text(QStringLiteral("( ") + monthFolder + QStringLiteral(" ) "), 57, 24.5))
        return e;
    if (int e = text(QStringLiteral("氏名： ") + card.at(0, CardField::Name), 83, 24.5))
        return e;
    const QString foot = footer(card.at(0, CardField::PayType), settings);
    if (!foot.isEmpty())
        if (int e = text(foot, 25, 273.5))
            return e;

    for (int a = 0; a < CardTable::kDayRows; ++a) {
        const double y = 48 + 7 * a;
        if (int e = text(card.at(a, CardField::Day), 22, y))
            return e;
        if (int e = text(card.at(a, CardField::Weekday), 28.75, y))
            return e;
        for (int f = CardField::ClockIn; f <= CardField::CertLateEarly; ++f) {
            const QString &v = card.at(a, f);
            if (v.isEmpty())
                continue;
            if (int e = text(rightAligned(v, 5), kDayX[f - CardField::ClockIn], y))
                return e;
        }
    }

    constexpr double totalsY = 266.5;
    const int t = CardTable::kTotalsRow;
    if (int e = text(rightAligned(card.at(t, CardField::DaysWorked), 2), 68, totalsY))
        return e;
    for (int f = CardField::Work; f <= CardField::CertLateEarly; ++f)
        if (int e = text(rightAligned(card.at(t, f), 6), kTotalX[f - CardField::Work], totalsY))
            return e;
    return 0;
}
