#pragma once

#include "data/CardTable.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"

#include <QHash>
#include <QLatin1String>
#include <QList>
#include <QString>

// The change history: every change to a punch (fields 2-5 of a day row) and
// every card or card month that goes is written, before the change is made,
// to Rireki.Dat in the data folder, so that what a punch held before, when it
// changed, by which function and why can be shown at any time. Cards and the
// other data files stay exactly as they are; the history is a file of its own.
//
// Rireki.Dat holds one record a line, its values quoted and separated by
// commas, code page 932, CR LF (see records::formatLine):
//   0 number (1, 2, ... in file order)     7 field: "2".."5", empty for a card
//   1 when: "2007/03/01 09:00:05"          8 old text
//   2 function: one of the words below     9 new text
//   3 card month folder: "2007年3月"       10 reason, as typed; may be empty
//   4 employee code                        11 place in its group: "1/3"
//   5 day row "0".."30", empty for a card  12 hash of the line before
//   6 the row's day number                 13 hash of this line
// Hashes are SHA-256 in 64 lower-case hex digits. Value 12 is the hash of the
// whole line before (without its line end; 64 zeros on the first line), value
// 13 the hash of this line up to and including the comma before it. A line
// changed by even one byte no longer matches its own hash; a line removed
// breaks the chain at the line after it. The chain shows changes made by hand
// or by another program; whoever rewrites the whole file with new hashes from
// the changed line on is not stopped by it, nor is removing lines at its end.
//
// A group is the records of one change (a card returned, a month deleted),
// written in one piece: all of them are in the file or, after a crash while
// writing, what the crash left of the group at its end is cut off before the
// next group is written (see HistoryTail.h). The change itself is made only
// after its group was written, so a group cut off is never a change that was
// made.
//
// A change whose group was written but which was not made after all (a crash
// before its card was written, a "torikesi" that could not be written) is
// told by the files: they still hold its old texts. Before the next group is
// written, the last group is compared with the files, and a "torikesi" record
// is written for each of its changes that the files do not hold; until then
// the check names such a change as interrupted, never as changed by hand.
namespace history {

inline constexpr char kFileName[] = "Rireki.Dat";

// The function words of value 2.
namespace word {
inline constexpr QLatin1String dakoku{"dakoku"};           // punched at the punch clock
inline constexpr QLatin1String tuika{"tuika"};             // additional punch
inline constexpr QLatin1String teisei{"teisei"};           // corrected in the tally
inline constexpr QLatin1String sakujo{"sakujo"};           // deleted with "999" in the tally
inline constexpr QLatin1String kaadosakujo{"kaadosakujo"}; // card removed from the rack
inline constexpr QLatin1String seiri{"seiri"};             // card month deleted (organizing)
inline constexpr QLatin1String hukugen{"hukugen"};         // card month restored over
// An IC card tied to an employee (new text its ID) or taken from one (old
// text); value 3 is the file of the ties, ICKaado.Dat; no day or field.
inline constexpr QLatin1String ickaado{"ickaado"};
// The change of an earlier record was not made after all (its card could
// not be written); old and new are those of that record swapped, and the
// reason names its number.
inline constexpr QLatin1String torikesi{"torikesi"};
} // namespace word

// Whether records of the function change what they name, so that a record
// whose target still holds its old text was not made. A "torikesi" only
// tells what stayed.
bool makesChange(const QString &function);

// The text of a card's own record (row and field -1) while the card is there;
// empty when it is not.
QString cardPresent();
// Whether value 3 names a card month folder (not a file of the data folder).
bool isCardMonth(const QString &month);

// How a function word reads on screen ("dakoku" is "打刻"); the word itself
// for one the program does not know.
QString functionCaption(const QString &function);
// "出勤", "休憩", "戻り", "退勤" for fields 2-5; empty for any other.
QString fieldCaption(int field);

// One change: a punch field of a day row, or a whole card (row and field -1).
struct Entry {
    QString month;
    QString code;
    int row = -1;
    QString day; // field 0 of the row, as the card holds it
    int field = -1;
    QString oldText;
    QString newText;
    // The function word of this entry when it differs from its group's
    // (a punch deleted among corrections); empty otherwise.
    QString function = {};
    // The reason of this entry when it differs from its group's (the
    // corrections of several days confirmed together); empty otherwise.
    QString reason = {};
    bool operator==(const Entry &) const = default;
};

// A record as the file holds it.
struct Record {
    qint64 number = 0;
    QString when;
    QString function = {};
    Entry entry;
    QString reason;
    int part = 0;
    int parts = 0;
};

// One entry for each punch field (2-5) of a day row whose text differs, in
// row order.
QList<Entry> cardChanges(const QString &month, const QString &code, const CardTable &before,
                         const CardTable &after);
// A card that goes: one entry for each punch it holds (new text empty), or
// one entry for the card itself when it holds none.
QList<Entry> cardRemoved(const QString &month, const QString &code, const CardTable &card);

// A group written, or the error that kept it out of the history.
struct Written {
    FileError error = FileError::None;
    qint64 firstNumber = 0; // number of the first record; 0 when nothing was written
    QList<Entry> entries;
    bool ok() const { return isSaved(error); }
};

// Writes the entries as one group with the time, the function and the
// reason (quotes and line ends in texts become other characters, and a text
// is kept to its first 500 characters). No entries write nothing. Whatever
// fails, the history stays whole: the group is in it or not.
Written record(FileSystem &fs, const Clock &clock, QLatin1String function,
               const QList<Entry> &entries, const QString &reason = {});

// The changes of some records of w (indexes into w.entries; all of them when
// none are named) were not made, because of why: one "torikesi" record each.
FileError recordNotMade(FileSystem &fs, const Clock &clock, const Written &w, FileError why,
                        const QList<qsizetype> &which = {});

struct Saved {
    FileError error = FileError::None; // of the history or of the card
    bool historyFailed = false;        // the history could not be written: no change made
    bool ok() const { return isSaved(error); }
};

// A card changed in the right order: the history first; only when it is
// written, the card (cardfile::write); a card that could not be written is
// then recorded as not made. error is Unconfirmed when either write was.
// With function "teisei", a punch emptied is recorded as "sakujo".
Saved saveCard(FileSystem &fs, const Clock &clock, QLatin1String function, const QString &month,
               const QString &code, const CardTable &oldTable, const CardTable &newTable,
               const QString &reason = {});
// The same with a reason for each day row; rows it does not name get none.
Saved saveCard(FileSystem &fs, const Clock &clock, QLatin1String function, const QString &month,
               const QString &code, const CardTable &oldTable, const CardTable &newTable,
               const QHash<int, QString> &rowReasons);

// The records of one card month and code, in file order, read line by line
// (the file is never held whole). Lines that are no record are left out.
QList<Record> recordsOf(FileSystem &fs, const QString &month, const QString &code,
                        FileError *error = nullptr);

} // namespace history
