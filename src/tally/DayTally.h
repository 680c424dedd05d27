#pragma once

#include "data/CardTable.h"
#include "tally/TimeText.h"

#include <optional>

// One day row of a card: its punches rounded by the punch rounding unit, the
// work segments they make and the working and late-night minutes of the day.
namespace tally {

using timetext::ClockTime;
using Punch = std::optional<ClockTime>;

// The four punches of a day after rounding; an absent punch is empty.
struct RoundedPunches {
    Punch clockIn;     // rounded up
    Punch breakOut;    // rounded down
    Punch breakReturn; // rounded up
    Punch clockOut;    // rounded down
    // Some punch cell holds a text that is no clock time: the day cannot be
    // tallied and gets no working time until the punch is corrected.
    bool unreadable = false;
};

struct DayMinutes {
    int work = 0;
    int lateNight = 0;
};

// Rounds a punch up to the next multiple of unit (a multiple stays), carrying
// into the hour; midnight reached that way is 0:00.
Punch roundUp(Punch p, int unit);
// Rounds a punch down to a multiple of unit within its hour.
Punch roundDown(Punch p, int unit);

// The rounded punches of a day row.
RoundedPunches roundPunches(const CardTable &table, int row, int unit);

// The minutes of one work segment, walked hour slot by hour slot; an end hour
// before the start hour lies on the next day. Late night is 22:00-5:00.
DayMinutes walkSegment(ClockTime start, ClockTime end);

// The working and late-night minutes of a day: two segments with a complete
// break, one without any break punch, none otherwise or when a punch is
// unreadable.
DayMinutes dayMinutes(const RoundedPunches &p);

} // namespace tally
