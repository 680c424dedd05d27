#pragma once

#include "data/History.h"
#include "platform/FileSystem.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// One IC card of an employee: its ID (upper-case hex) and the employee's
// code, without blanks around it.
struct CardTie {
    QString id;
    QString code;
    bool operator==(const CardTie &) const = default;
};

// Which IC card belongs to which employee. An ID belongs to one employee at
// most; an employee may have several cards.
class CardTies {
public:
    static constexpr int kMax = 9999;

    // The code of the card's employee; empty when the card is not tied.
    QString codeOf(const QString &id) const;
    // The cards of an employee, in the order they were tied.
    QStringList idsOf(const QString &code) const;
    const QList<CardTie> &all() const { return m_ties; }
    int size() const { return static_cast<int>(m_ties.size()); }

    // Ties the card to the employee, taking it from any other. False when
    // nothing can be tied: an ID or a code the file cannot keep, or kMax
    // cards already.
    bool tie(const QString &id, const QString &code);
    // Takes the card from its employee. False when it was not tied.
    bool untie(const QString &id);

    // Two values a card, its ID then the code, in the order tied.
    QStringList toList() const;
    // From stored values: a pair whose ID or code the program cannot use, and
    // a second pair of the same ID, is left out and counted in skipped.
    static CardTies fromList(const QStringList &values, int *skipped = nullptr);

    bool operator==(const CardTies &other) const { return m_ties == other.m_ties; }

private:
    QList<CardTie> m_ties;
    QHash<QString, QString> m_codeOf; // ID -> code: a touch finds its employee at once
};

// ICKaado.Dat in the data folder: the ties in the quoted-record format.
namespace cardties {

inline constexpr char kFile[] = "ICKaado.Dat";

struct Load {
    CardTies ties;
    FileError error = FileError::None; // NotFound: no card tied yet, nothing wrong
    int skipped = 0;                   // stored pairs left out
    // The file is there but not read whole: a save must not replace it.
    bool unreadable() const { return error != FileError::None && error != FileError::NotFound; }
};
Load read(FileSystem &fs);

struct Saved {
    FileError error = FileError::None; // of the lock, of reading the file again, or of a write
    // The file as it was found could not be read: nothing was written.
    bool unreadable = false;
    CardTies now; // the ties as the file holds them afterwards
    // Cards whose change was not written (see changemerge::ties).
    QStringList kept;
    bool ok() const { return isSaved(error); }
};

// Writes a change of the ties made on a copy read earlier (mine against
// base) as one short critical section, since another PC may have changed the
// file meanwhile: the file's lock and the history's; the file read again;
// the change put onto it; the change history first, one record for each
// employee a card is tied to or taken from (old and new text the card's ID),
// then the file through the safe save. A file that could not be written is
// recorded in the history as not made. error is Unconfirmed when either
// write was.
Saved save(history::Book book, const CardTies &base, const CardTies &mine,
           const QString &reason = {});

} // namespace cardties
