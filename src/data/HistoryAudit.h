#pragma once

#include "data/HistoryAnchor.h"
#include "data/HistoryCheck.h"
#include "data/HistoryReplay.h"

// "変更履歴の検査" whole: the chain of Rireki.Dat, the history replayed
// against the cards, Kijyun.Dat and Meibo.Dat, and the history compared with
// every head recorded outside the data folder. It reads the history and each
// file once, and writes nothing.
namespace history {

struct HeadCheck {
    enum class State {
        Held,        // the history holds the head at its line
        NotHeld,     // rewritten from an earlier line, or cut at its end
        Unreachable, // a backup folder that cannot be read now
    };
    Head head;
    State state = State::Held;
    bool lost = false; // a head the program found missing when it next wrote
};

struct Audit {
    CheckResult chain;
    Head head; // the history's own: its lines and its last whole line
    QList<Finding> findings;
    QList<HeadCheck> heads;

    // Something the history does not explain: a changed value, a card added
    // or gone, a line that does not match, a head not held.
    bool unexplained() const;
    // A file that could not be read (the history, a card, a data file).
    bool unreadable() const;
    // 0 every value accounted for, 1 something is not, 2 a file cannot be read.
    int exitCode() const;
};

Audit audit(FileSystem &fs, SettingsStore &store);

// One line of the report, with what it tells.
struct ReportLine {
    enum class Tone { Plain, Unexplained, Interrupted };
    QString text;
    Tone tone = Tone::Plain;
};
// The report, line by line, ending with the history's head in short form.
QList<ReportLine> auditReport(const Audit &a);
// Its texts alone.
QStringList auditLines(const Audit &a);

} // namespace history
