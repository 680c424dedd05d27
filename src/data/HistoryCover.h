#pragma once

#include "data/HistoryAnchor.h"
#include "data/HistoryFile.h"

#include <QSet>

// Which card months and files the history explains. A card month, Kijyun.Dat
// or Meibo.Dat that the program writes into for the first time (an office
// upgrading has cards, settings and a roster that no record explains) first
// gets a baseline: one "kiten" record of each value as the file holds it.
// From there on every change is recorded, so the check compares all of it;
// what has no baseline yet it names as not yet covered, never as changed.
namespace history {

// The card month or file a record covers: a baseline's or a preparation's
// card month, a restore's when it made a card, and any record of Kijyun.Dat
// or Meibo.Dat. Empty for any other.
QString coverageOf(const Record &r);

// What the writer knows of the history before a group goes in.
struct Known {
    FileError error = FileError::None;
    Head head;               // the history as it is: its lines and its last line
    QSet<QString> covered;   // what coverageOf names of its records
    bool fromAnchor = false; // the anchor's head was held: only what follows it was read
};
// Read from the anchor when the history still holds the head the anchor
// keeps (only what follows it is read), else from the whole history; a head
// the history no longer holds is kept in the anchor as lost.
Known known(FileSystem &fs, Anchor &anchor);

// The history's head as its last whole group ends (the line count taken from
// its last record's number), read from its end alone where it can.
Head tailHead(FileSystem &fs);

// The baseline of a card month (its readable cards, see cardAsItIs), of
// Kijyun.Dat (its fifteen values) or of Meibo.Dat (its values that hold a
// text) as the files are now. A card month without a card has none.
QList<Entry> baselineOf(FileSystem &fs, const QString &file);

} // namespace history
