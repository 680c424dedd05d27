#pragma once

#include "platform/FileError.h"
#include "platform/PosixOps.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

// Marker in the names of the temporary files a save writes; a crash may leave
// one behind, and start-up clears them. A temporary file of "name" is named
// "." + name + kTempMarker + six letters or digits.
inline constexpr char kTempMarker[] = ".kvtmp-";

// Whether a file name is one that only a save's temporary file has. No name of
// a real file is: the program's own files and cards never begin with ".".
bool isTempName(const QString &name);

// Writes bytes to a temporary file beside path, checks every write, syncs it,
// renames it over path and syncs the folder. On any failure before the rename
// the temporary file is removed, the old file is left as it was and the error
// is returned. Once renamed, the new file is in place: a failure to open or
// sync the folder then gives Unconfirmed, never a failure.
FileError safeReplace(const QString &path, const QByteArray &bytes, PosixOps &ops = realPosixOps());

// Replaces several files of one folder at once, as safeReplace does for one,
// but with a single flush of the file system for all of them instead of one
// per file: every file is written to its temporary file, the file system is
// synced, then each one is renamed into place and the folder synced. A failure
// before the renames leaves every old file as it was; a failure during them
// leaves the files renamed so far complete. Temporary files never stay. A
// missing folder is PathNotFound, as for one file; a failed sync of the folder
// after all the renames is Unconfirmed.
FileError safeReplaceAll(const QString &folder, const QList<std::pair<QString, QByteArray>> &files,
                         PosixOps &ops = realPosixOps());

// Replaces the files of several folders, each folder as safeReplaceAll does,
// with one flush of each file system for all of them. add() writes a folder's
// files to their temporary files at once, so the bytes need not stay in
// memory; a failure removes that folder's temporary files and is its result,
// and the folders added before or after go on. commit() flushes, then renames
// folder by folder and syncs each folder. A batch dropped without commit()
// removes every temporary file it wrote.
class SafeBatch {
public:
    explicit SafeBatch(PosixOps &ops = realPosixOps());
    ~SafeBatch();
    SafeBatch(const SafeBatch &) = delete;
    SafeBatch &operator=(const SafeBatch &) = delete;

    FileError add(const QString &folder, const QList<std::pair<QString, QByteArray>> &files);
    // One result for each add(), in order; an add() that failed keeps its error.
    QList<FileError> commit();

private:
    struct Folder {
        int dfd = -1;
        QList<QByteArray> temps;
        QList<QByteArray> targets;
        FileError error = FileError::None;
    };
    void drop(Folder &f, qsizetype first);

    PosixOps &m_ops;
    QList<Folder> m_folders;
};

// Removes temporary files left by an interrupted save (names for which
// isTempName holds) in folder and in its direct subfolders (not in one that
// is a symbolic link). Returns how many were removed.
int removeStaleTemps(const QString &folder);
