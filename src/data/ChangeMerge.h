#pragma once

#include "data/CardTable.h"
#include "data/CardTies.h"
#include "data/Roster.h"

#include <QList>
#include <QStringList>

// Changes made on a copy of a file read earlier, put onto the file as it is
// now: another PC may have changed it meanwhile. What this program changed
// (mine against base, the copy as read) goes in; what the other changed and
// this one did not stays. One rule for each kind of file.
namespace changemerge {

// A punch that both changed: the card's punch is kept, never overwritten.
struct Clash {
    int row = -1;
    int field = -1;
    QString mine;
    QString theirs;
    bool operator==(const Clash &) const = default;
};

struct Card {
    CardTable table;
    QList<Clash> clashes;
};

// The fields of a day row that the punch clock and the additional punch
// change, and those the tally changes.
inline const QList<int> kPunchFields = {CardField::Weekday, CardField::ClockIn, CardField::BreakOut,
                                        CardField::BreakReturn, CardField::ClockOut};
inline const QList<int> kTallyFields = {
    CardField::ClockIn,     CardField::BreakOut,      CardField::BreakReturn,
    CardField::ClockOut,    CardField::CertWithin,    CardField::CertBeyond,
    CardField::CertHoliday, CardField::CertLateNight, CardField::CertLateEarly};

// now with the fields of the day rows that mine changed from base. Where
// now changed the same field otherwise, a punch (fields 2-5) keeps now's and
// is a clash; any other field takes mine's.
Card card(const CardTable &base, const CardTable &mine, const CardTable &now,
          const QList<int> &fields);

// Values of a file written whole (the settings): now with each value mine
// changed from base.
QStringList values(const QStringList &base, const QStringList &mine, const QStringList &now);

struct RosterMerge {
    Roster roster;
    // Employees another PC entered that had to give way to this screen's
    // rows and found no free slot: "code name".
    QStringList dropped;
};

// now with each slot mine changed from base. An employee another PC entered
// or changed in a slot this screen changed too is not lost: when the result
// no longer holds that code and name, it goes into the first free slot.
RosterMerge roster(const Roster &base, const Roster &mine, const Roster &now);

struct TiesMerge {
    CardTies ties;
    // The cards whose tie mine changed but did not put in: another PC tied,
    // moved or freed the same card meanwhile (its tie is kept, as a punch
    // is), or no room was left for one more card.
    QStringList kept;
};

// now with each card whose tie mine changed from base: tied, moved or
// freed. A card is never taken from an employee this program did not see
// it with.
TiesMerge ties(const CardTies &base, const CardTies &mine, const CardTies &now);

} // namespace changemerge
