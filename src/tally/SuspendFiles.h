#pragma once

#include "data/EmployeeLine.h"
#include "platform/FileSystem.h"

#include <QStringList>

// The two files of a suspended tally: the flag file of four records and the
// list file of three records per staff list entry.
namespace suspendfiles {

inline constexpr char kFlagsFile[] = "Cyuudanumu.Dat";
inline constexpr char kListFile[] = "Cyuudan.Dat";
inline constexpr int kFlagCount = 4;
inline constexpr int kGroup = 3;             // records of one staff list entry
inline constexpr int kMaxEntries = 9999;     // the most entries a list file is read for
inline constexpr int kStoredNameLength = 20; // names are kept cut to this

enum Flag { Suspended = 0, ListCount = 1, StartUpChoice = 2, MonthFolder = 3 };

QString suspendedWord();   // "ari"
QString openAtStartWord(); // "soku"
QString openedWord();      // "sumi"

// The list file's records of the staff list entries: the whole code, the
// name cut to 20 characters, "sumi" for a marked entry.
QStringList groupsOf(const QList<EmployeeLine> &entries);
// The staff list entries of the first count groups of the list file's records;
// groups the file does not hold are left out, and so are groups whose state is
// neither "sumi" nor empty.
QList<EmployeeLine> entriesOf(const QStringList &records, int count);

FileError writeFlags(FileSystem &fs, const QStringList &flags);
FileError writeList(FileSystem &fs, const QList<EmployeeLine> &entries);

struct ListRead {
    QList<EmployeeLine> entries;
    FileError error = FileError::None;
};
ListRead readList(FileSystem &fs, int count);

} // namespace suspendfiles
