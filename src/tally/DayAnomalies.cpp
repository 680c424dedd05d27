#include "tally/DayAnomalies.h"

#include "tally/TimeText.h"

#include <optional>

namespace dayanomaly {

namespace {

constexpr int kDay = 24 * 60;

bool filled(const CardTable &t, int row, int field) {
    return !t.at(row, field).trimmed().isEmpty();
}

// A punch as written, in minutes after the start of its day: 25:30 (the next
// morning written on) is 1530. Nothing for an empty or unreadable cell.
std::optional<int> writtenMinutes(const QString &text) {
    const QString t = text.trimmed();
    if (!timetext::parsePunch(t))
        return std::nullopt;
    const qsizetype colon = t.indexOf(QLatin1Char(':'));
    return static_cast<int>(timetext::numberValue(QStringView(t).left(colon)) * 60 +
                            timetext::numberValue(QStringView(t).mid(colon + 1)));
}

void add(Day &d, unsigned kind, std::initializer_list<int> fields) {
    d.kinds |= kind;
    for (const int f : fields)
        d.fields |= 1u << f;
}

Day checkRow(const CardTable &t, int r) {
    Day d;
    const bool in = filled(t, r, CardField::ClockIn);
    const bool out = filled(t, r, CardField::ClockOut);
    const bool breakOut = filled(t, r, CardField::BreakOut);
    const bool breakReturn = filled(t, r, CardField::BreakReturn);

    for (const int f :
         {CardField::ClockIn, CardField::BreakOut, CardField::BreakReturn, CardField::ClockOut})
        if (filled(t, r, f) && !timetext::parsePunch(t.at(r, f)))
            add(d, Unreadable, {f});

    if (out && !in)
        add(d, OutWithoutIn, {CardField::ClockIn});
    if (in && !out)
        add(d, InWithoutOut, {CardField::ClockOut});
    if (!in && !out && (breakOut || breakReturn))
        add(d, BreakOnly, {CardField::ClockIn, CardField::ClockOut});
    if (breakOut && !breakReturn)
        add(d, BreakWithoutReturn, {CardField::BreakReturn});
    if (breakReturn && !breakOut)
        add(d, ReturnWithoutBreak, {CardField::BreakOut});

    // The tally reads a clock-out as the next morning when it is earlier than
    // the clock-in, so a span is never read as longer than a day; written
    // with hours past 24 it can be (8:00 to 33:00), and punches out of order
    // make the two parts of a day longer than one.
    const QString &work = t.at(r, CardField::Work);
    const qint64 worked = timetext::durationHours(work) * 60 + timetext::durationMinutes(work);
    const std::optional<int> from = writtenMinutes(t.at(r, CardField::ClockIn));
    const std::optional<int> to = writtenMinutes(t.at(r, CardField::ClockOut));
    const int span = from && to ? (*to < *from ? *to + kDay : *to) - *from : 0;
    if (worked > kDay || span > kDay)
        add(d, OverADay, {CardField::Work});
    return d;
}

} // namespace

Month check(const CardTable &tallied) {
    Month m;
    for (int r = 0; r < CardTable::kDayRows; ++r)
        m[static_cast<size_t>(r)] = checkRow(tallied, r);
    // A night shift whose clock-out went into the next day's row.
    for (size_t r = 0; r + 1 < m.size(); ++r)
        if ((m[r].kinds & InWithoutOut) && (m[r + 1].kinds & OutWithoutIn) &&
            !filled(tallied, static_cast<int>(r + 1), CardField::BreakOut)) {
            m[r].kinds |= SplitShift;
            m[r + 1].kinds |= SplitShift;
        }
    return m;
}

int count(const Month &m) {
    int n = 0;
    for (const Day &d : m)
        n += d.marked() ? 1 : 0;
    return n;
}

QStringList describe(const Day &d) {
    QStringList lines;
    if (d.kinds & Unreadable)
        lines << QStringLiteral("時刻として読めない打刻があります。");
    if ((d.kinds & InWithoutOut) && (d.kinds & SplitShift))
        lines << QStringLiteral("退勤の打刻がありません。\n"
                                "翌日の行の退勤がこの日の退勤なら、この日の行に訂正してください\n"
                                "（このままでは両日とも勤務時間になりません）。");
    else if (d.kinds & InWithoutOut)
        lines << QStringLiteral("出勤の打刻だけで、退勤の打刻がありません。");
    if ((d.kinds & OutWithoutIn) && (d.kinds & SplitShift))
        lines << QStringLiteral(
            "出勤の打刻がありません。\n前日の夜からの勤務の退勤かもしれません。");
    else if (d.kinds & OutWithoutIn)
        lines << QStringLiteral("退勤の打刻だけで、出勤の打刻がありません。");
    if (d.kinds & BreakOnly)
        lines << QStringLiteral("休憩の打刻だけで、出勤・退勤の打刻がありません。");
    if (d.kinds & BreakWithoutReturn)
        lines << QStringLiteral("休出の打刻だけで、休戻の打刻がありません。");
    if (d.kinds & ReturnWithoutBreak)
        lines << QStringLiteral("休戻の打刻だけで、休出の打刻がありません。");
    if (d.kinds & OverADay)
        lines << QStringLiteral("勤務時間が24時間を超えています。打刻の順序を確かめてください。");
    return lines;
}

namespace {

// A marked day by the card's day number ("5日"), or by its row where the card
// has none.
QString dayName(const CardTable &card, int row) {
    const QString day = card.at(row, CardField::Day).trimmed();
    return day.isEmpty() ? QStringLiteral("%1行目").arg(row + 1) : day + QStringLiteral("日");
}

} // namespace

QString summary(const Month &m, const CardTable &card) {
    // The days by name ("3日・5日"): a count alone ("2日") reads as a date.
    QStringList days;
    for (int r = 0; r < CardTable::kDayRows; ++r)
        if (m[static_cast<size_t>(r)].marked())
            days << dayName(card, r);
    if (days.isEmpty())
        return QString();
    QString named = days.mid(0, kNamedDays).join(QStringLiteral("・"));
    if (days.size() > kNamedDays)
        named += QStringLiteral(" ほか%1日分").arg(days.size() - kNamedDays);
    return QStringLiteral("※打刻の確認が必要な日：") + named + QStringLiteral("（赤い日付）");
}

QString listing(const Month &m, const CardTable &card) {
    QStringList lines;
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        const Day &d = m[static_cast<size_t>(r)];
        if (!d.marked())
            continue;
        lines << dayName(card, r) + QStringLiteral("：") +
                     describe(d).join(QStringLiteral("　")).remove(QLatin1Char('\n'));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace dayanomaly
