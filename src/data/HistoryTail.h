#pragma once

#include "data/HistoryFile.h"

#include <QHash>
#include <functional>

// Where the history's whole groups end, and what an interrupted write left
// after them. Every group is written in one append and synced before the next
// begins, so only the last group can be unfinished: a crash may leave the
// first records of a group short of its count ("2/3" with the third missing),
// or, where the file system reorders unsynced writes, a group with a page of
// zeros or stale bytes inside it. Such a tail is never a change that was made
// (a change follows its group), and it is cut off, whole, before the next
// group is written; a check only names it. A group whose records are all
// there and match their hashes is never cut, even when its last line has lost
// its line end: the line end is completed instead.
namespace history {

// One pass over the history's lines in order: the chain from the first line
// on (the check), and the groups that are whole.
class Scanner {
public:
    // The end of a whole group: its records numbered on, each matching its own
    // hash and chained to the line before, its parts 1..n all there.
    struct End {
        qint64 offset = 0;  // file offset after it
        qint64 lines = 0;   // lines up to and including it
        qint64 number = 0;  // of its last record
        QByteArray hash;    // of its last line
        QByteArray lineEnd; // what that line lacks of its line end, when it is the last
    };

    Scanner();
    void take(const LineStream::Line &line, Inspected in);
    // Called with each group once it is whole, in file order.
    std::function<void(const QList<Record> &)> onWhole;
    // The hashes of chosen lines (by number from 1), filled while reading.
    QHash<qint64, QByteArray> hashesAt;
    // After the last line: how the lines after the last whole group read.
    void finish(qint64 fileSize);

    // The chain: the first line that does not match, 0 when none.
    qint64 lines = 0;
    qint64 badLine = 0;
    LineFault fault = LineFault::None;
    QString badWhen;
    QString lastWhen; // of the last record read before any fault

    End whole;
    QList<Record> lastGroup; // the records of the last whole group
    // The lines after the last whole group are what an interrupted write left.
    bool interrupted = false;
    qint64 tailLines() const { return lines - whole.lines; }
    // The last line read, for a tail that is kept: its hash and number.
    QByteArray lastLineHash;
    qint64 lastLineNumber = 0;
    QByteArray lastLineEnd;

private:
    QByteArray m_expected; // of the chain from the first line
    QByteArray m_previousHash;
    QByteArray m_lastText; // the last line, when it is no record
    QList<Record> m_group;
    int m_nextPart = 0;
    bool m_oldInTail = false; // a record after the last whole group that is no part of the next
    bool m_newInTail = false;
};

// Reads every line of the history file at path into scan, then finishes it.
// NotFound when there is no such file.
FileError scanFile(FileSystem &fs, const QString &path, Scanner &scan);

// Where new records go.
struct Tail {
    FileError error = FileError::None; // NotFound reads as an empty history
    qint64 lastNumber = 0;
    QByteArray lastHash;     // of the last line kept; firstPrevious() when none
    QList<Record> lastGroup; // the records of the last whole group
    qint64 keep = -1;        // the length to cut the file to first; -1 for none
    int dropped = 0;         // lines cut
    QByteArray lineEnd;      // to write before the next group
};

// Reads the end of the history, writing nothing: usually only its last
// group; the whole file, line by line, when that group is not whole or what
// follows it must be judged.
Tail readTail(FileSystem &fs);
// readTail, then cuts off what an interrupted write left.
Tail prepareTail(FileSystem &fs);

} // namespace history
