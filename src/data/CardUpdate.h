#pragma once

#include "data/ChangeMerge.h"
#include "data/History.h"

#include <QHash>

// A card changed as one short critical section, so that several programs
// (at several PCs on one data folder) never write a card from a stale copy:
// the card's lock, then the history's; the card read again as it is now; the
// change put onto it; the history, then the card written; both locks released.
namespace cardupdate {

// The locks of a card's change: the card's, then the history's, held
// together until the card is written (the history's last group is then
// always the last card written, or a change whose writer is gone).
struct Locks {
    FileLock card;
    FileLock history;
    FileError error() const { return card.held() ? history.error() : card.error(); }
};
Locks lock(FileSystem &fs, const QString &month, const QString &code);
// The same for a file of the data folder whose changes go into the history
// (the IC card ties): its lock, then the history's.
Locks lockFile(FileSystem &fs, const QString &file);
// The same for whole card months (removed or restored): every card in them.
Locks lockMonths(FileSystem &fs, const QStringList &months);

struct Punched {
    history::Saved saved; // error: of a lock, of reading the card again, or of a write
    CardTable now;        // the card as written; as found when nothing was written
    // This change's punches that the card meanwhile holds otherwise: not
    // written, the card's kept.
    QList<changemerge::Clash> clashes;
    bool ok() const { return saved.ok(); }
};

// The punch clock's and the additional punch's change: mine is base (the
// card as it was read) with punches and weekdays put in. They go onto the
// card as it is now; a punch the card meanwhile holds otherwise is a clash.
Punched putPunches(history::Book book, QLatin1String function, const QString &month,
                   const QString &code, const CardTable &base, const CardTable &mine,
                   const QString &reason = {});

// A failure that leaves everything as it was and goes once the other PC or
// the network is back: another program held the card too long, the file
// server did not answer, the card was removed or damaged meanwhile.
bool mayRetry(FileError e);

// What the user is told of clashes: for each, the day, the punch, the time
// already on the card and the one not written.
QString clashText(const CardTable &card, const QList<changemerge::Clash> &clashes);

struct Stored {
    history::Saved saved;
    // The card is no longer base (a punch at the door meanwhile): nothing
    // was written, and now is the card as it is.
    bool changedMeanwhile = false;
    CardTable now;
    bool ok() const { return saved.ok() && !changedMeanwhile; }
};

// The tally's confirm: mine, the whole card, replaces the card only while
// the card is still base; the punches that differ go into the history first,
// each with its day's reason. A card that is already mine is not written.
Stored storeIfUnchanged(history::Book book, QLatin1String function, const QString &month,
                        const QString &code, const CardTable &base, const CardTable &mine,
                        const QHash<int, QString> &rowReasons);

} // namespace cardupdate
