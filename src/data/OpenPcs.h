#pragma once

#include "platform/FileSystem.h"

#include <QDateTime>
#include <QList>
#include <QString>

// Which PCs have the data folder open. Every running program keeps a line in
// Tanmatu.Dat in the data folder: three values, its PC's host name, when it
// started ("2007/03/01 09:00:05") and its mark (FileSystem::holdMark), a lock
// it holds while it runs. A program that could not take its line out (killed,
// its PC crashed or cut off) no longer holds its mark once the system or the
// file server dropped it: its line no longer counts, and the next program that
// writes the file leaves it out.
namespace openpcs {

inline constexpr char kFileName[] = "Tanmatu.Dat";

struct Pc {
    QString host;
    QString started;
    int mark = -1;
    bool operator==(const Pc &) const = default;
};

struct List {
    QList<Pc> pcs; // the programs still running, in the file's order
    FileError error = FileError::None;
};

// Puts this program's line in, under the file's lock; the lines of programs
// gone are left out. Returns the PCs running now, this one included.
List enter(FileSystem &fs, const QString &host, const QDateTime &started);
// The programs running now, as the file names them (nothing is written).
List running(FileSystem &fs);
// Takes this program's line out, as it ends.
FileError leave(FileSystem &fs);

// The main frame's status line, and its tool tip naming each PC.
QString statusText(const List &list, bool marked);
QString toolTip(const List &list);
// Told at start when the data folder's file system cannot lock.
QString noLockingText();

} // namespace openpcs
