#pragma once

#include "data/CardTable.h"
#include "tally/OvertimeCaps.h"

#include <QHash>
#include <QStringList>

// The certified hours of the card months, read from the cards as the tally
// stored them, for the overtime caps. Each card is read once per tally
// session; a confirm hands over the card it stored.
class CapMonths {
public:
    explicit CapMonths(FileSystem &fs) : m_fs(fs) {}

    // The card month folders of the twelve months ending with the chosen
    // one, the chosen month first; an empty name where the data folder has no
    // card month. Months are calendar months of the folder names: a short year
    // is an era year, and where a month has a folder in both year styles the
    // one written like the chosen month counts (never both). folders: the
    // data folder's entries, as the month list holds them.
    static std::array<QString, overtimecaps::kWindow> window(const QString &chosen,
                                                             const QStringList &folders);

    // The confirmed totals of an employee's card of a month; nothing
    // confirmed for a missing, unreadable or damaged card and a card never
    // confirmed.
    overtimecaps::MonthHours hours(const QString &folder, const QString &code);
    // What a stored card holds, as hours() reads it.
    static overtimecaps::MonthHours hoursOf(const CardTable &card);
    // A card was stored: it counts as it is now.
    void stored(const QString &folder, const QString &code, const CardTable &card);

    // Card files read so far (each at most once).
    int reads() const { return m_reads; }

private:
    FileSystem &m_fs;
    QHash<QString, QHash<QString, overtimecaps::MonthHours>> m_cache;
    int m_reads = 0;
};
