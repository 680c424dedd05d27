#pragma once

#include "platform/FileError.h"
#include "platform/FileLock.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <utility>

struct ReadResult {
    QByteArray bytes;
    FileError error = FileError::None;
    qint64 fileSize = -1; // the whole file's size, where a part was read (readPart)
    bool ok() const { return error == FileError::None; }
};

enum class ListKind { Files, Folders, FilesAndFolders };

// Files of several folders replaced together (see FileSystem::batch).
class FileBatch {
public:
    virtual ~FileBatch() = default;
    // Adds the files of one folder (names, not paths), as replaceFiles takes
    // them. An error here is that folder's result; the others go on.
    virtual FileError add(const QString &folder,
                          const QList<std::pair<QString, QByteArray>> &files) = 0;
    // Puts everything added in place: one result for each add(), in order.
    virtual QList<FileError> commit() = 0;
};

// What a read takes at most when the caller names no limit: far more than any
// data file of the program holds.
inline constexpr qint64 kDefaultReadLimit = 16 << 20;

// The data folder and the folders a user points at (backup, import source).
// A relative path is taken below the data folder; an absolute one as it is.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual QString dataFolder() const = 0;
    // Reads a regular file whole. Anything else (a FIFO, a device, a socket)
    // and a file larger than maxBytes is Damaged and never read; a folder is
    // PathFileAccess; a missing file NotFound, a missing folder PathNotFound.
    ReadResult readFile(const QString &path, qint64 maxBytes = kDefaultReadLimit) {
        return readBounded(path, maxBytes);
    }
    // Replaces the whole file atomically: the old file stays on any failure.
    // Unconfirmed means the new file is in place but not known to be on disk.
    virtual FileError replaceFile(const QString &path, const QByteArray &bytes) = 0;
    // Reads at most maxBytes of a regular file from offset on; a negative
    // offset reads its last maxBytes bytes. fileSize is the file's size. The
    // errors are those of readFile, but for the size: any file may be read
    // part by part, so a file of any size can be read in bounded memory.
    virtual ReadResult readPart(const QString &path, qint64 offset, qint64 maxBytes) = 0;
    // Adds bytes to the end of a file that only grows, creating it when
    // missing, without writing again what it holds (see SafeAppend): a failure
    // leaves the file as it was; a crash may leave the first part of the bytes.
    virtual FileError appendFile(const QString &path, const QByteArray &bytes) = 0;
    // Cuts a file to its first size bytes, synced.
    virtual FileError truncateFile(const QString &path, qint64 size) = 0;
    // Replaces several files of one folder (names, not paths). Each file is
    // replaced whole or not at all; on an error the files not yet in place keep
    // their old content. By default one replaceFile after the other; an
    // Unconfirmed file does not stop the others and is what is returned when
    // nothing failed.
    virtual FileError replaceFiles(const QString &folder,
                                   const QList<std::pair<QString, QByteArray>> &files);
    // A batch of several folders' files, each folder replaced as replaceFiles
    // does, with one flush of the file system for them all where it can. By
    // default each add() is one replaceFiles at once.
    virtual std::unique_ptr<FileBatch> batch();
    // Names (not paths) of the entries of a folder matching a wildcard pattern,
    // sorted by name. The match is case-sensitive ("*.Card" is not "x.card"),
    // hidden entries are never listed, and patterns are the program's own
    // texts: a name built from user text is never a pattern.
    virtual QStringList list(const QString &folder, const QString &pattern, ListKind kind) = 0;
    virtual FileError makeFolder(const QString &path) = 0;
    // Removes an empty folder.
    virtual FileError removeFolder(const QString &path) = 0;
    // Deletes exactly the file of that path: NotFound when it is missing,
    // PathNotFound when its folder is.
    virtual FileError removeFile(const QString &path) = 0;
    virtual bool exists(const QString &path) = 0;
    // Below the data folder, a folder of its own: never a link to one.
    virtual bool isFolder(const QString &path) = 0;
    // Whether the entry itself is a symbolic link; it is never followed.
    virtual bool isLink(const QString &path) = 0;
    // Keeps the named files of folder under the same names in toFolder, which
    // is made with the folders on its way when missing: the exact bytes, as a
    // second name of the same file where the file system allows one, else as
    // a copy through the save primitive; a link is kept as the link. A name
    // already in toFolder is never replaced. Synced before it returns: None
    // (or Unconfirmed), or the first error, the files before it kept.
    virtual FileError keepFiles(const QString &folder, const QStringList &names,
                                const QString &toFolder) = 0;
    // The bytes of the regular files below a folder, links not followed; 0
    // when it is missing, -1 when it cannot be read.
    virtual qint64 treeBytes(const QString &path) = 0;
    // Removes a folder of the data folder with everything below it; a link is
    // removed as a link, never followed. The first error, the rest removed all
    // the same. A path not below the data folder is BadName.
    virtual FileError removeTree(const QString &path) = 0;
    // Whether this program may write into the folder (false for a read-only
    // file system or a folder without permission).
    virtual bool canWrite(const QString & /*folder*/) { return true; }
    // Asks the system to forget what it keeps in memory of a file written
    // before, so that the next read comes from the disk itself where the
    // system allows it: a check reads back what the disk really holds.
    virtual void forgetCached(const QString & /*path*/) {}
    // Removes what interrupted saves left in a folder and in its direct
    // sub-folders (see isTempName); returns how many files.
    virtual int clearStaleTemps(const QString & /*folder*/) { return 0; }

    // Several programs, on this PC and on others mounting the data folder from
    // a file server, may write it at once. A file of the data folder that is
    // changed is read again, changed and saved under its lock, which every
    // one of them waits for; each save, append and batch also holds the locks
    // of what it writes. The lock of a file (a path relative to the data
    // folder: one of its files, or a file of a card month folder). Locked
    // when another program holds it for longer than any save takes. A path
    // outside the data folder needs none: held at once, as every lock of a
    // file system that no other program shares.
    virtual FileLock lockFile(const QString & /*path*/) { return {}; }
    // The lock of whole folders of the data folder: of every file in them.
    virtual FileLock lockFolders(const QStringList & /*folders*/) { return {}; }
    // False when the data folder's file system cannot lock (a share mounted
    // without byte-range locks): other PCs cannot be kept out.
    virtual bool lockingWorks() { return true; }
    // What changes whenever a file or a folder's entries change (its time,
    // size and identity as the system keeps them): what a light poll compares.
    // Empty for a path that is missing.
    virtual QByteArray stamp(const QString & /*path*/) { return {}; }
    // Whether the system tells this program of changes in the folder as they
    // happen (a disk of this PC, also one a file server here shares), so that
    // a watcher sees them; false for a network mount, where only a poll sees
    // what another PC wrote.
    virtual bool deliversEvents(const QString & /*folder*/) { return false; }
    // This program's mark in the data folder while it runs: a lock that the
    // system drops when the program ends in any way, and the file server when
    // the PC is gone. -1 when none can be held.
    virtual int holdMark() { return -1; }
    // Whether a program still holds the mark, on any PC.
    virtual bool markHeld(int /*mark*/) { return false; }

protected:
    virtual ReadResult readBounded(const QString &path, qint64 maxBytes) = 0;
};

class FolderLocks;

// The real file system, rooted at the data folder. A path holding a NUL is
// BadName before any system call. Below the data folder no symbolic link is
// followed: a path through one is Damaged, for reading, writing, listing and
// deleting alike (a link itself is replaced or deleted as the link).
class LocalFileSystem : public FileSystem {
public:
    explicit LocalFileSystem(QString dataFolder);
    ~LocalFileSystem() override;

    QString dataFolder() const override { return m_root; }
    FileError replaceFile(const QString &path, const QByteArray &bytes) override;
    ReadResult readPart(const QString &path, qint64 offset, qint64 maxBytes) override;
    FileError appendFile(const QString &path, const QByteArray &bytes) override;
    FileError truncateFile(const QString &path, qint64 size) override;
    // With one flush of the file system for all the files.
    FileError replaceFiles(const QString &folder,
                           const QList<std::pair<QString, QByteArray>> &files) override;
    std::unique_ptr<FileBatch> batch() override;
    QStringList list(const QString &folder, const QString &pattern, ListKind kind) override;
    FileError makeFolder(const QString &path) override;
    FileError removeFolder(const QString &path) override;
    FileError removeFile(const QString &path) override;
    bool exists(const QString &path) override;
    bool isFolder(const QString &path) override;
    bool isLink(const QString &path) override;
    FileError keepFiles(const QString &folder, const QStringList &names,
                        const QString &toFolder) override;
    qint64 treeBytes(const QString &path) override;
    FileError removeTree(const QString &path) override;
    bool canWrite(const QString &folder) override;
    void forgetCached(const QString &path) override;
    // Temporary files whose own file's lock is free: no save is writing them.
    int clearStaleTemps(const QString &folder) override;
    FileLock lockFile(const QString &path) override;
    FileLock lockFolders(const QStringList &folders) override;
    bool lockingWorks() override;
    int holdMark() override;
    bool markHeld(int mark) override;
    QByteArray stamp(const QString &path) override;
    bool deliversEvents(const QString &folder) override;
    // The locks of a save of files of one folder (replaceFiles, a batch).
    FileLock lockWritten(const QString &folder, const QList<std::pair<QString, QByteArray>> &files);
    // How long a lock held by another program is waited for.
    void setLockWait(int ms) { m_lockWaitMs = ms; }

    QString resolve(const QString &path) const;
    // The path relative to the data folder; empty for the data folder itself
    // and for a path outside it.
    QString relative(const QString &path) const;
    // Why a resolved path is not used: it holds a NUL, or passes through a
    // link below the data folder (the entry itself too when withEntry).
    FileError refused(const QString &resolved, bool withEntry) const;
    // A write of one file: refused as above, else done on the resolved path
    // under the file's lock.
    template <typename Write>
    FileError writeLocked(const QString &path, bool withEntry, Write write);

protected:
    ReadResult readBounded(const QString &path, qint64 maxBytes) override;

private:
    QString m_root;
    std::shared_ptr<FolderLocks> m_locks;
    int m_lockWaitMs = 10000;
};
