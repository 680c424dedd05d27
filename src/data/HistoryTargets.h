#pragma once

#include "data/CardTies.h"
#include "data/History.h"

#include <QHash>
#include <optional>

// What a record of the history is about, read from the files as they are now:
// a card's field, whether a card is there, a setting, a field of the roster,
// whether an IC card is an employee's.
namespace history {

class Targets {
public:
    explicit Targets(FileSystem &fs) : m_fs(fs) {}
    // The text the files hold where the entry points; nothing where that
    // cannot be told (a card or file that cannot be read, a kind of record
    // the program does not know).
    std::optional<QString> valueOf(const Entry &e);

private:
    FileSystem &m_fs;
    enum class Card { Unread, Missing, Read, Unreadable };
    QString m_cardKey; // the card read last: records of one card follow each other
    Card m_cardState = Card::Unread;
    CardTable m_card;
    std::optional<QStringList> m_settings;
    std::optional<QStringList> m_roster;
    std::optional<CardTies> m_ties;
    bool m_settingsRead = false;
    bool m_rosterRead = false;
    bool m_tiesRead = false;
};

// The entries of a group whose change is not in the files: each target holds
// the entry's old text, not its new one. A group that makes no change of its
// own (a baseline, a record that takes another back) has none.
QList<Entry> notMade(FileSystem &fs, const QList<Record> &group);

} // namespace history
