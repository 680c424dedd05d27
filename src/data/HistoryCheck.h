#pragma once

#include "data/HistoryTail.h"

// "変更履歴の検査": the chain of Rireki.Dat from its first line on. The check
// only reads: what an interrupted write left at the end is named, and cut off
// only before the next group is written.
namespace history {

struct CheckResult {
    using Fault = LineFault;
    FileError error = FileError::None; // NotFound: no history yet
    qint64 lines = 0;                  // lines read
    qint64 badLine = 0;                // the first line that does not match, from 1
    Fault fault = Fault::None;
    QString badWhen;  // its time, where its values can be read
    QString lastWhen; // of the last line read
    // Lines an interrupted write left after the last whole group, from line
    // unfinishedFrom on.
    qint64 unfinished = 0;
    qint64 unfinishedFrom = 0;
    // Changes of the last group that the files do not hold: interrupted
    // before they were made. Each entry's reason is its record's number.
    QList<Entry> notMade;
    bool intact() const { return error == FileError::None && fault == Fault::None; }
};

// Reads every line once and names the first that does not match.
CheckResult check(FileSystem &fs);
// The same through a scanner that also hands on the whole groups it reads.
CheckResult check(FileSystem &fs, Scanner &scan);
// The chain alone of a history file at path (a copy in a backup folder).
CheckResult checkChain(FileSystem &fs, const QString &path);
// What the check found, for the administrator.
QString checkText(const CheckResult &r);

} // namespace history
