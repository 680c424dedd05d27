#pragma once

#include "data/HistoryRows.h"
#include "platform/FileSystem.h"

// The tally screen's read-only list of the open employee's change history for
// the card month: every record of the month and code, the first punches made
// at the punch clock shown only when asked for; before them, each value of
// the stored card that the history does not explain.
class HistoryView {
public:
    // Reads the records and replays them against the stored card; an error
    // other than a missing history leaves the records read before it.
    FileError load(FileSystem &fs, const QString &month, const QString &code,
                   const CardTable &stored);
    void clear() {
        m_records.clear();
        m_unexplained.clear();
    }
    // The values of the card the history does not explain, as rows: the
    // history's value before, the card's after ("不明な変更").
    const QList<history::Row> &unexplained() const { return m_unexplained; }
    // Whether the history explains the card at all (a baseline, its
    // preparation); a card from before the history is not compared.
    bool covered() const { return m_covered; }

    void setWithPunches(bool on) { m_withPunches = on; }
    bool withPunches() const { return m_withPunches; }
    QList<history::Row> rows() const { return history::rowsOf(m_records, m_withPunches); }
    // What the list says under it: how many first punches it leaves out, or
    // that there is nothing to show.
    QString note() const;

private:
    QList<history::Record> m_records;
    QList<history::Row> m_unexplained;
    bool m_covered = false;
    bool m_withPunches = false;
};
