#pragma once

#include "data/CalcSettings.h"
#include "data/CardTable.h"
#include "tally/TallyEngine.h"

#include <QStringList>

// A stored card as the work record sheet and the payroll export give it: its
// day and month times tallied anew from the punches it holds now, as the tally
// screen shows them on opening it, and the certified hours as confirmed. Both
// say the same of it: why the card wants a second look.
namespace storedreview {

struct Review {
    CardTable table; // the stored card, its times tallied anew
    tally::TallyResult tally;
    bool confirmed = false;
    // Punched or corrected, or the settings changed, since its confirm: the
    // times it stored are no longer those of its punches.
    bool changedSinceConfirm = false;
    // A certified value without ":" holds the certified totals back.
    bool bare = false;
    // Each reason for a second look, as the notices name it.
    QStringList notes;
};

Review review(const CardTable &stored, const CalcSettings &settings);

QString notConfirmedNote();
QString changedNote();

} // namespace storedreview
