#include "tally/DayTally.h"

#include <algorithm>

namespace tally {

namespace {

// Two raw punches in the same clock hour, the second less than one unit after
// the first (or before it). Hours are compared by value, so a corrected 08:58
// and a punched 8:55 are the same hour.
bool withinOneUnit(const Punch &first, const Punch &second, int unit) {
    return first && second && first->hour == second->hour && second->minute - first->minute < unit;
}

bool isLateNightHour(int hour) {
    return hour >= 22 || hour <= 4;
}

Punch readPunch(const QString &text, bool &unreadable) {
    if (QStringView(text).trimmed().isEmpty())
        return std::nullopt;
    const Punch p = timetext::parsePunch(text);
    if (!p)
        unreadable = true;
    return p;
}

} // namespace

Punch roundUp(Punch p, int unit) {
    if (!p)
        return p;
    int h = p->hour;
    int m = unit * (p->minute / unit);
    if (p->minute % unit != 0)
        m += unit;
    if (m >= 60) {
        h += 1;
        m -= 60;
    }
    if (h == 24)
        h = 0;
    return ClockTime{h, m};
}

Punch roundDown(Punch p, int unit) {
    if (!p)
        return p;
    return ClockTime{p->hour, unit * (p->minute / unit)};
}

RoundedPunches roundPunches(const CardTable &table, int row, int unit) {
    RoundedPunches r;
    const Punch rawIn = readPunch(table.at(row, CardField::ClockIn), r.unreadable);
    const Punch rawOut = readPunch(table.at(row, CardField::BreakOut), r.unreadable);
    const Punch rawReturn = readPunch(table.at(row, CardField::BreakReturn), r.unreadable);
    const Punch rawClockOut = readPunch(table.at(row, CardField::ClockOut), r.unreadable);

    r.clockIn = roundUp(rawIn, unit);

    // A break taken within the unit after clocking in leaves no work before it.
    r.breakOut = roundDown(rawOut, unit);
    if (withinOneUnit(rawIn, rawOut, unit))
        r.breakOut = r.clockIn;

    r.breakReturn = roundUp(rawReturn, unit);

    // Clocking out within the unit after the break (or, on a day without a
    // break, after clocking in) leaves no work after it.
    r.clockOut = roundDown(rawClockOut, unit);
    if (withinOneUnit(rawReturn, rawClockOut, unit))
        r.clockOut = r.breakReturn;
    if (!rawReturn && !rawOut && withinOneUnit(rawIn, rawClockOut, unit))
        r.clockOut = r.clockIn;
    return r;
}

DayMinutes walkSegment(ClockTime start, ClockTime end) {
    DayMinutes d;
    if (end.hour == start.hour) {
        // One hour slot. An end before the start here is a mistaken punch,
        // not a shift of almost a day: it counts nothing.
        const int minutes = std::max(0, end.minute - start.minute);
        d.work = minutes;
        d.lateNight = isLateNightHour(start.hour) ? minutes : 0;
        return d;
    }
    const int endHour = end.hour < start.hour ? end.hour + 24 : end.hour;
    const int slots = endHour - start.hour + 1;
    for (int n = 1; n <= slots; ++n) {
        const int hour = (start.hour + n - 1) % 24;
        const int minutes = n == 1 ? 60 - start.minute : n == slots ? end.minute : 60;
        d.work += minutes;
        if (isLateNightHour(hour))
            d.lateNight += minutes;
    }
    return d;
}

DayMinutes dayMinutes(const RoundedPunches &p) {
    if (p.unreadable)
        return {};
    if (p.clockIn && p.breakOut && p.breakReturn && p.clockOut) {
        const DayMinutes first = walkSegment(*p.clockIn, *p.breakOut);
        const DayMinutes second = walkSegment(*p.breakReturn, *p.clockOut);
        return {first.work + second.work, first.lateNight + second.lateNight};
    }
    if (!p.breakOut && !p.breakReturn && p.clockIn && p.clockOut)
        return walkSegment(*p.clockIn, *p.clockOut);
    return {};
}

} // namespace tally
