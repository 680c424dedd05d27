#pragma once

#include "data/CardTable.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/SettingsStore.h"
#include "screen/Services.h"

#include <QHash>
#include <QLatin1String>
#include <QList>
#include <QString>

// The change history: every value the office pays from is written, before it
// changes, to Rireki.Dat in the data folder: the punches and the tally's values
// of every card, every card that is made or goes, the calculation settings and
// the roster. What a value held before, when it changed, by which function and
// why can be shown at any time, and the files can be compared with what the
// history says they hold (see HistoryReplay.h). Cards and the other data files
// stay exactly as they are; the history is a file of its own.
//
// Rireki.Dat holds one record a line, its values quoted and separated by
// commas, code page 932, CR LF (see records::formatLine):
//   0 number (1, 2, ... in file order)     7 field, empty for a whole card
//   1 when: "2007/03/01 09:00:05"          8 old text
//   2 function: one of the words below     9 new text
//   3 what: a card month folder            10 reason, as typed; may be empty
//     ("2007年3月"), Kijyun.Dat or         11 place in its group: "1/3"
//     Meibo.Dat                            12 hash of the line before
//   4 employee code (of a card, of a       13 hash of this line
//     roster row)
//   5 row: a card's row "0".."31", a roster slot "0".."998"; empty for a
//     whole card and for a setting
//   6 the card row's day number
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
inline constexpr QLatin1String hukugen{"hukugen"};         // card month or file restored over
inline constexpr QLatin1String kakutei{"kakutei"};         // tally values confirmed
inline constexpr QLatin1String junbi{"junbi"};             // card prepared
inline constexpr QLatin1String settei{"settei"};           // settings changed on their screen
inline constexpr QLatin1String meibo{"meibo"};             // roster changed on its screen
inline constexpr QLatin1String torikomi{"torikomi"};       // roster imported
inline constexpr QLatin1String hikaesakujo{"hikaesakujo"}; // the safety folder emptied
// An IC card tied to an employee (new text its ID) or taken from one (old
// text); value 3 is the file of the ties, ICKaado.Dat; no day or field.
inline constexpr QLatin1String ickaado{"ickaado"};
// What a card month or file held when the history first wrote into it: the
// values it explains from there on (a baseline).
inline constexpr QLatin1String kiten{"kiten"};
// The change of an earlier record was not made after all (its card could
// not be written); old and new are those of that record swapped, and the
// reason names its number.
inline constexpr QLatin1String torikesi{"torikesi"};
} // namespace word

// Whether records of the function change what they name, so that a record
// whose target still holds its old text was not made. A "torikesi" only
// tells what stayed; a baseline what was there.
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

// Whether the history follows a field of a card: the punches and the tally's
// values of the day rows (fields 2-12), the totals row's days worked and
// totals (5-12), and the name and pay type of row 0.
bool isTracked(int row, int field);

// One change: a field of a card's row, a whole card (row and field -1), a
// setting (row -1) or a field of a roster slot.
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

// One entry for each followed field (isTracked) whose text differs, in row
// order.
QList<Entry> cardChanges(const QString &month, const QString &code, const CardTable &before,
                         const CardTable &after);
// The same for the punch fields (2-5) alone.
QList<Entry> punchChanges(const CardTable &before, const CardTable &after);
// A card that goes: one entry for each punch it holds (new text empty), then
// one for the card itself.
QList<Entry> cardRemoved(const QString &month, const QString &code, const CardTable &card);
// A card as it is: one entry for the card itself, then one for each followed
// field that holds a text (a card made, restored where there was none, or a
// baseline).
QList<Entry> cardAsItIs(const QString &month, const QString &code, const CardTable &card);
// The values of Kijyun.Dat or Meibo.Dat that differ (old and new as read or
// written; a roster's entry carries its slot's code).
QList<Entry> valueChanges(const QString &file, const QStringList &before, const QStringList &after);

// Where records are written: the history in the data folder, the clock for
// their time, and the settings store that anchors it (see HistoryAnchor.h).
struct Book {
    FileSystem &fs;
    const Clock &clock;
    SettingsStore &store;
    Book(FileSystem &f, const Clock &c, SettingsStore &s) : fs(f), clock(c), store(s) {}
    // What every screen holds.
    Book(Services &s) : fs(s.fs), clock(s.clock), store(s.settings) {} // NOLINT
};

// A group written, or the error that kept it out of the history.
struct Written {
    FileError error = FileError::None;
    qint64 firstNumber = 0; // number of the first record; 0 when nothing was written
    QList<Entry> entries;
    bool ok() const { return isSaved(error); }
};

// Writes the entries as one group with the time, the function and the
// reason (quotes and line ends in texts become other characters, and a text
// is kept to its first 500 characters), before the change they name is made.
// No entries write nothing. Whatever fails, the history stays whole: the
// group is in it or not. Before it, as groups of their own: the "torikesi" of
// the last group's changes the files do not hold, and a baseline of each card
// month or file the history does not cover yet (see HistoryCover.h). A record
// of a kind the program does not know is written as it is.
Written record(Book book, QLatin1String function, const QList<Entry> &entries,
               const QString &reason = {});

// The changes of some records of w (indexes into w.entries; all of them when
// none are named) were not made, because of why: one "torikesi" record each.
// When it cannot be written, the next group written says the same.
FileError recordNotMade(Book book, const Written &w, FileError why,
                        const QList<qsizetype> &which = {});

struct Saved {
    FileError error = FileError::None; // of the history or of the card
    bool historyFailed = false;        // the history could not be written: no change made
    bool ok() const { return isSaved(error); }
};

// A card changed in the right order: the history first; only when it is
// written, the card (cardfile::write); a card that could not be written is
// then recorded as not made. error is Unconfirmed when either write was.
// With function "kakutei" (the tally's confirm), a punch changed is recorded
// as "teisei" and one emptied as "sakujo".
Saved saveCard(Book book, QLatin1String function, const QString &month, const QString &code,
               const CardTable &oldTable, const CardTable &newTable, const QString &reason = {});
// The same with a reason for each day row; rows it does not name get none.
Saved saveCard(Book book, QLatin1String function, const QString &month, const QString &code,
               const CardTable &oldTable, const CardTable &newTable,
               const QHash<int, QString> &rowReasons);
// A file of the data folder (Kijyun.Dat, Meibo.Dat) changed in the same order:
// its changed values into the history, then the file. None changed: only the
// file is written.
Saved saveValues(Book book, QLatin1String function, const QString &file, const QStringList &before,
                 const QStringList &after);

// The records of one card month and code, in file order, read line by line
// (the file is never held whole). Lines that are no record are left out.
QList<Record> recordsOf(FileSystem &fs, const QString &month, const QString &code,
                        FileError *error = nullptr);

} // namespace history
