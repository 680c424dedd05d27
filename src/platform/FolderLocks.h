#pragma once

#include "platform/FileLock.h"

#include <QList>
#include <QString>
#include <memory>

// The write locks of one data folder, shared by every program that opens it,
// on this PC and on the others that mount it from a file server.
//
// They are byte-range locks of an open file description (fcntl F_OFD_SETLK)
// on one hidden file of the data folder, kFileName. Such a lock is advisory
// (only programs that ask for it wait for it), the file server keeps it for
// all its clients (Samba and NFSv4 do; a share mounted with "nobrl" keeps it
// on the PC alone), and it belongs to the open file, not to a file's name: the
// safe save replaces every data file by a rename, so a lock on the data file
// itself would stay on the old file. The lock file is never replaced.
//
// No stale lock is ever left to break: the system drops a lock with the last
// descriptor of its open file, so a program that ends in any way, kill -9
// included, leaves none; the file server drops the locks of a PC that crashed
// or lost the network when its session ends (the NFSv4 lease, the SMB
// session). Until then a writer waits at most the wait it was given and gets
// Locked.
//
// Each file of the data folder has one byte of the lock file; each folder of
// it a block, one byte for each file in it, so the whole block locks the
// folder against every file in it. Names are placed by a hash: two names on
// one byte only wait for each other. Within one program the locks nest (the
// same byte taken twice is released with the last of them).
class FolderLocks : public std::enable_shared_from_this<FolderLocks> {
public:
    static constexpr char kFileName[] = ".kelvane.locks";

    struct Range {
        qint64 start = 0;
        qint64 length = 0;
        bool operator==(const Range &) const = default;
    };
    // Where a path relative to the data folder is locked: a file of it, a
    // file of one of its folders, a whole folder.
    static Range fileRange(const QString &relativePath);
    static Range folderRange(const QString &relativeFolder);

    explicit FolderLocks(QString dataFolder);
    ~FolderLocks();
    FolderLocks(const FolderLocks &) = delete;
    FolderLocks &operator=(const FolderLocks &) = delete;

    // Takes the ranges, in ascending order so that two programs taking
    // several never wait for each other in a circle. While another program
    // holds part of one it tries again, more slowly, up to waitMs; then
    // Locked. A data folder whose lock file cannot be made or opened for
    // writing gives that error (the write would fail alike). A file system
    // without byte-range locks gives a held lock (see lockingWorks).
    FileLock take(QList<Range> ranges, int waitMs);

    // A mark of this program's own, held until it ends: the lowest free one.
    // -1 when none can be held.
    int holdMark();
    // Whether a program (this one or another, anywhere) holds the mark.
    bool markHeld(int mark);

    // False once the file system refused byte-range locks: the program then
    // cannot keep other PCs out and says so.
    bool lockingWorks() const { return !m_unsupported; }

private:
    FileError openFile();
    // 0 when set, else the errno.
    int set(short type, const Range &r);
    void release(quint64 id);

    QString m_path;
    int m_fd = -1;
    bool m_unsupported = false;
    quint64 m_nextId = 1;
    struct Hold {
        quint64 id;
        Range range;
    };
    QList<Hold> m_holds;
    int m_mark = -1;
};
