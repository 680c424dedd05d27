#pragma once

#include "platform/FileError.h"

#include <QString>
#include <QStringList>

// Folders as trees, and the paths below the data folder, on POSIX calls that
// never follow a symbolic link: a link met on the way is a link, never the
// place it points to.
namespace filetree {

// Whether a path holds a NUL: the system would end the name there, so that
// "..\0x" would mean "..". Such a path reaches no system call.
bool holdsNul(const QString &path);

// Whether a path below root passes through a symbolic link: any folder on
// its way from root, and the entry itself when withEntry. A path that is not
// below root is never judged (it was chosen by the user as it is).
bool passesLink(const QString &root, const QString &path, bool withEntry);
// The same on the encoded names; path is given back as it came.
bool passesLink(const QByteArray &root, QByteArray &path, bool withEntry);
// Whether an encoded path names something below root.
bool isBelow(const QByteArray &root, const QByteArray &path);

// Names of the entries of folder matching a wildcard pattern ('*', '?' and
// '[...]' on the name's bytes), sorted by name, hidden ones left out. A
// link counts as what it points to and is left out when it points nowhere;
// a FIFO, socket or device is neither a file nor a folder.
QStringList entries(const QString &folder, const QString &pattern, bool files, bool folders);

// Whether the entry itself is a symbolic link.
bool isLink(const QString &path);

// Makes the missing folders of path from root on, each synced into its
// parent. A link or a file on the way is Damaged.
FileError makeFolders(const QString &root, const QString &path);

// Puts the exact bytes of each named file of folder under the same name in
// toFolder (which must exist): a second name of the same file where the
// file system allows it, else a copy written through the save primitive; a
// symbolic link is kept as the link. A name already in toFolder is never
// replaced (PathFileAccess). toFolder is synced once at the end. Returns
// None or the first error; the files before it are kept.
FileError keepFiles(const QString &folder, const QStringList &names, const QString &toFolder);

// The bytes of the regular files below path, links not followed; -1 when
// path cannot be read, 0 when it is missing.
qint64 treeBytes(const QString &path);

// Removes path with everything below it. A link anywhere is removed as a
// link, never followed. Returns None, or the first error (the rest goes on).
FileError removeTree(const QString &path);

} // namespace filetree
