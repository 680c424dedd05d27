#pragma once

#include "data/HistoryRows.h"
#include "platform/FileSystem.h"

// The tally screen's read-only list of the open employee's change history for
// the card month: every record of the month and code, the first punches made
// at the punch clock shown only when asked for.
class HistoryView {
public:
    // Reads the records; an error other than a missing history leaves the
    // records read before it.
    FileError load(FileSystem &fs, const QString &month, const QString &code);
    void clear() { m_records.clear(); }

    void setWithPunches(bool on) { m_withPunches = on; }
    bool withPunches() const { return m_withPunches; }
    QList<history::Row> rows() const { return history::rowsOf(m_records, m_withPunches); }
    // What the list says under it: how many first punches it leaves out, or
    // that there is nothing to show.
    QString note() const;

private:
    QList<history::Record> m_records;
    bool m_withPunches = false;
};
