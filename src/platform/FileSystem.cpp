#include "platform/FileSystem.h"

#include "platform/FileTree.h"
#include "platform/FolderLocks.h"
#include "platform/SafeAppend.h"
#include "platform/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

LocalFileSystem::LocalFileSystem(QString dataFolder)
    : m_root(QDir(dataFolder).absolutePath()), m_locks(std::make_shared<FolderLocks>(m_root)) {}

LocalFileSystem::~LocalFileSystem() = default;

namespace {

// Whether a relative path needs no cleaning: no empty, "." or ".." part.
bool isPlainRelative(const QString &path) {
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('/')))
        return false;
    qsizetype partStart = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i < path.size() && path[i] != QLatin1Char('/'))
            continue;
        const QStringView part = QStringView(path).sliced(partStart, i - partStart);
        if (part.isEmpty() || part == u"." || part == u"..")
            return false;
        partStart = i + 1;
    }
    return true;
}

} // namespace

QString LocalFileSystem::resolve(const QString &path) const {
    if (isPlainRelative(path) && !m_root.endsWith(QLatin1Char('/')))
        return m_root + QLatin1Char('/') + path;
    if (QDir::isAbsolutePath(path))
        return QDir::cleanPath(path);
    return QDir::cleanPath(m_root + QLatin1Char('/') + path);
}

QString LocalFileSystem::relative(const QString &path) const {
    const QString resolved = resolve(path);
    const QString root = m_root.endsWith(QLatin1Char('/')) ? m_root : m_root + QLatin1Char('/');
    return resolved.startsWith(root) ? resolved.mid(root.size()) : QString();
}

FileError LocalFileSystem::refused(const QString &resolved, bool withEntry) const {
    if (filetree::holdsNul(resolved))
        return FileError::BadName;
    return filetree::passesLink(m_root, resolved, withEntry) ? FileError::Damaged : FileError::None;
}

namespace {

// A missing entry whose folder is missing too is "path not found", never a
// file to create.
FileError missingError(const QString &resolved) {
    return QFileInfo(QFileInfo(resolved).absolutePath()).isDir() ? FileError::NotFound
                                                                 : FileError::PathNotFound;
}

// Opens a regular file for reading and looks at what was opened. Opened
// without waiting, so a FIFO never waits for a writer; anything but a regular
// file (a device may never end) is Damaged, a folder is PathFileAccess. A
// link on the way below root is Damaged as well: the folders are looked at
// one by one, the entry itself by opening it without following a link. -1
// with r.error set when it is not to be read.
int openRegular(const QString &root, const QString &resolved, struct stat &st, ReadResult &r) {
    if (filetree::holdsNul(resolved)) {
        r.error = FileError::BadName;
        return -1;
    }
    const QByteArray rootBytes = QFile::encodeName(root);
    QByteArray name = QFile::encodeName(resolved);
    if (filetree::passesLink(rootBytes, name, false)) {
        r.error = FileError::Damaged;
        return -1;
    }
    const bool below = filetree::isBelow(rootBytes, name);
    const int fd = ::open(name.constData(),
                          O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | (below ? O_NOFOLLOW : 0));
    if (fd < 0) {
        const int err = errno;
        r.error = err == ENOENT           ? missingError(resolved)
                  : below && err == ELOOP ? FileError::Damaged
                                          : fileErrorFromErrno(err);
        return -1;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        r.error = S_ISDIR(st.st_mode) ? FileError::PathFileAccess : FileError::Damaged;
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

ReadResult LocalFileSystem::readBounded(const QString &path, qint64 maxBytes) {
    ReadResult r;
    const QString resolved = resolve(path);
    struct stat st {};
    const int fd = openRegular(m_root, resolved, st, r);
    if (fd < 0)
        return r;
    if (st.st_size > maxBytes) {
        r.error = FileError::Damaged;
        ::close(fd);
        return r;
    }
    r.bytes.reserve(static_cast<qsizetype>(std::min<qint64>(st.st_size, maxBytes)));
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            r.error = fileErrorFromErrno(errno);
            r.bytes.clear();
            break;
        }
        if (n == 0)
            break;
        // A file that grows past its limit while it is read is no more loaded
        // than one that was that large from the start.
        if (r.bytes.size() + n > maxBytes) {
            r.error = FileError::Damaged;
            r.bytes.clear();
            break;
        }
        r.bytes.append(buf, n);
    }
    ::close(fd);
    return r;
}

template <typename Write>
FileError LocalFileSystem::writeLocked(const QString &path, bool withEntry, Write write) {
    const QString resolved = resolve(path);
    if (const FileError e = refused(resolved, withEntry); e != FileError::None)
        return e;
    const FileLock lock = lockFile(path);
    if (!lock.held())
        return lock.error();
    return write(resolved);
}

FileError LocalFileSystem::replaceFile(const QString &path, const QByteArray &bytes) {
    return writeLocked(path, false,
                       [&](const QString &resolved) { return safeReplace(resolved, bytes); });
}

ReadResult LocalFileSystem::readPart(const QString &path, qint64 offset, qint64 maxBytes) {
    ReadResult r;
    const QString resolved = resolve(path);
    struct stat st {};
    const int fd = openRegular(m_root, resolved, st, r);
    if (fd < 0)
        return r;
    r.fileSize = st.st_size;
    const qint64 start = offset < 0 ? std::max<qint64>(0, st.st_size - maxBytes)
                                    : std::min<qint64>(offset, st.st_size);
    const qint64 want = std::max<qint64>(0, std::min<qint64>(maxBytes, st.st_size - start));
    r.bytes.resize(static_cast<qsizetype>(want));
    qint64 got = 0;
    while (got < want) {
        const ssize_t n = ::pread(fd, r.bytes.data() + got, static_cast<size_t>(want - got),
                                  static_cast<off_t>(start + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            r.error = fileErrorFromErrno(errno);
            r.bytes.clear();
            break;
        }
        if (n == 0)
            break; // cut short meanwhile
        got += n;
    }
    if (r.ok())
        r.bytes.truncate(static_cast<qsizetype>(got));
    ::close(fd);
    return r;
}

FileError LocalFileSystem::appendFile(const QString &path, const QByteArray &bytes) {
    return writeLocked(path, true,
                       [&](const QString &resolved) { return safeAppend(resolved, bytes); });
}

FileError LocalFileSystem::truncateFile(const QString &path, qint64 size) {
    return writeLocked(path, true,
                       [&](const QString &resolved) { return safeTruncate(resolved, size); });
}

FileError FileSystem::replaceFiles(const QString &folder,
                                   const QList<std::pair<QString, QByteArray>> &files) {
    FileError result = FileError::None;
    for (const auto &[name, bytes] : files) {
        // An empty folder is the data folder, never the root.
        const FileError e =
            replaceFile(folder.isEmpty() ? name : folder + QLatin1Char('/') + name, bytes);
        if (!isSaved(e))
            return e;
        if (e == FileError::Unconfirmed)
            result = e;
    }
    return result;
}

namespace {

// Each folder replaced at once, as replaceFiles does.
class FolderByFolder : public FileBatch {
public:
    explicit FolderByFolder(FileSystem &fs) : m_fs(fs) {}
    FileError add(const QString &folder,
                  const QList<std::pair<QString, QByteArray>> &files) override {
        m_results.append(m_fs.replaceFiles(folder, files));
        return isSaved(m_results.last()) ? FileError::None : m_results.last();
    }
    QList<FileError> commit() override { return m_results; }

private:
    FileSystem &m_fs;
    QList<FileError> m_results;
};

// Every folder's files written first, then one flush, then the renames; each
// folder's lock held from its add() until the batch is done.
class LocalBatch : public FileBatch {
public:
    explicit LocalBatch(LocalFileSystem &fs) : m_fs(fs) {}
    FileError add(const QString &folder,
                  const QList<std::pair<QString, QByteArray>> &files) override {
        const QString resolved = m_fs.resolve(folder);
        FileError e = m_fs.refused(resolved, true);
        FileLock lock;
        if (e == FileError::None) {
            lock = m_fs.lockWritten(folder, files);
            e = lock.error();
        }
        if (e != FileError::None) {
            // A result of its own in commit(), as for a folder that failed.
            (void)m_batch.add(QString(), {});
            m_refused.append({m_added, e});
            ++m_added;
            return e;
        }
        m_locks.push_back(std::move(lock));
        ++m_added;
        return m_batch.add(resolved, files);
    }
    QList<FileError> commit() override {
        QList<FileError> results = m_batch.commit();
        for (const auto &[at, e] : m_refused)
            results[at] = e;
        m_locks.clear();
        return results;
    }

private:
    LocalFileSystem &m_fs;
    SafeBatch m_batch;
    std::vector<FileLock> m_locks;
    qsizetype m_added = 0;
    QList<std::pair<qsizetype, FileError>> m_refused;
};

} // namespace

std::unique_ptr<FileBatch> FileSystem::batch() {
    return std::make_unique<FolderByFolder>(*this);
}

std::unique_ptr<FileBatch> LocalFileSystem::batch() {
    return std::make_unique<LocalBatch>(*this);
}

FileError LocalFileSystem::replaceFiles(const QString &folder,
                                        const QList<std::pair<QString, QByteArray>> &files) {
    const QString resolved = resolve(folder);
    if (const FileError e = refused(resolved, true); e != FileError::None)
        return e;
    const FileLock lock = lockWritten(folder, files);
    if (!lock.held())
        return lock.error();
    return safeReplaceAll(resolved, files);
}

QStringList LocalFileSystem::list(const QString &folder, const QString &pattern, ListKind kind) {
    const QString resolved = resolve(folder);
    if (refused(resolved, true) != FileError::None || filetree::holdsNul(pattern))
        return {};
    return filetree::entries(resolved, pattern, kind != ListKind::Folders, kind != ListKind::Files);
}

FileError LocalFileSystem::makeFolder(const QString &path) {
    const QString resolved = resolve(path);
    if (const FileError e = refused(resolved, false); e != FileError::None)
        return e;
    const QByteArray name = QFile::encodeName(resolved);
    if (::mkdir(name.constData(), 0777) != 0)
        return errno == ENOENT ? FileError::PathNotFound : fileErrorFromErrno(errno);
    return FileError::None;
}

FileError LocalFileSystem::removeFolder(const QString &path) {
    const QString resolved = resolve(path);
    if (const FileError e = refused(resolved, false); e != FileError::None)
        return e;
    const QByteArray name = QFile::encodeName(resolved);
    if (::rmdir(name.constData()) != 0)
        return errno == ENOENT ? FileError::PathNotFound : fileErrorFromErrno(errno);
    return FileError::None;
}

FileError LocalFileSystem::removeFile(const QString &path) {
    const QString resolved = resolve(path);
    if (const FileError e = refused(resolved, false); e != FileError::None)
        return e;
    const QByteArray name = QFile::encodeName(resolved);
    if (::unlink(name.constData()) != 0) {
        const int err = errno;
        return err == ENOENT ? missingError(resolved) : fileErrorFromErrno(err);
    }
    return FileError::None;
}

bool LocalFileSystem::exists(const QString &path) {
    const QString resolved = resolve(path);
    return !filetree::holdsNul(resolved) && QFileInfo::exists(resolved);
}

bool LocalFileSystem::canWrite(const QString &folder) {
    const QString resolved = resolve(folder);
    return refused(resolved, true) == FileError::None &&
           ::access(QFile::encodeName(resolved).constData(), W_OK) == 0;
}

bool LocalFileSystem::isFolder(const QString &path) {
    const QString resolved = resolve(path);
    return refused(resolved, true) == FileError::None && QFileInfo(resolved).isDir();
}

bool LocalFileSystem::isLink(const QString &path) {
    const QString resolved = resolve(path);
    return !filetree::holdsNul(resolved) && filetree::isLink(resolved);
}

FileError LocalFileSystem::keepFiles(const QString &folder, const QStringList &names,
                                     const QString &toFolder) {
    const QString from = resolve(folder);
    const QString to = resolve(toFolder);
    if (const FileError e = refused(from, true); e != FileError::None)
        return e;
    if (filetree::holdsNul(to) || filetree::holdsNul(names.join(QString())))
        return FileError::BadName;
    if (const FileError e = filetree::makeFolders(m_root, to); e != FileError::None)
        return e;
    if (const FileError e = refused(to, true); e != FileError::None)
        return e;
    return filetree::keepFiles(from, names, to);
}

qint64 LocalFileSystem::treeBytes(const QString &path) {
    const QString resolved = resolve(path);
    return refused(resolved, false) == FileError::None ? filetree::treeBytes(resolved) : -1;
}

FileError LocalFileSystem::removeTree(const QString &path) {
    const QString resolved = resolve(path);
    if (const FileError e = refused(resolved, false); e != FileError::None)
        return e;
    // Only what lies below the data folder: never the folder itself, nor
    // anything a path leads to outside it.
    if (!resolved.startsWith(m_root + QLatin1Char('/')))
        return FileError::BadName;
    return filetree::removeTree(resolved);
}

void LocalFileSystem::forgetCached(const QString &path) {
    const QString resolved = resolve(path);
    if (refused(resolved, true) != FileError::None)
        return;
    const QByteArray name = QFile::encodeName(resolved);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return;
    // Only pages already on the disk are dropped; the file was synced.
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}

int LocalFileSystem::clearStaleTemps(const QString &folder) {
    const QString resolved = resolve(folder);
    if (refused(resolved, true) != FileError::None)
        return 0;
    return removeStaleTemps(resolved, [this](const QString &temp, const QString &target) {
        // A save holds its file's lock while its temporary file exists.
        const QString rel = relative(target);
        if (!rel.isEmpty() &&
            m_locks->take({FolderLocks::fileRange(rel)}, 0).error() == FileError::Locked)
            return false;
        return QFile::remove(temp);
    });
}

FileLock LocalFileSystem::lockFile(const QString &path) {
    const QString rel = relative(path);
    if (rel.isEmpty())
        return {};
    return m_locks->take({FolderLocks::fileRange(rel)}, m_lockWaitMs);
}

FileLock LocalFileSystem::lockFolders(const QStringList &folders) {
    QList<FolderLocks::Range> ranges;
    for (const QString &folder : folders) {
        const QString rel = relative(folder);
        // The data folder itself is no folder of its own: its files are locked
        // one by one.
        if (!rel.isEmpty())
            ranges.append(FolderLocks::folderRange(rel));
    }
    if (ranges.isEmpty())
        return {};
    return m_locks->take(ranges, m_lockWaitMs);
}

FileLock LocalFileSystem::lockWritten(const QString &folder,
                                      const QList<std::pair<QString, QByteArray>> &files) {
    const QString rel = relative(folder);
    if (!rel.isEmpty())
        return m_locks->take({FolderLocks::folderRange(rel)}, m_lockWaitMs);
    if (resolve(folder) != m_root)
        return {};
    // Files of the data folder itself: each one's own lock.
    QList<FolderLocks::Range> ranges;
    for (const auto &file : files)
        ranges.append(FolderLocks::fileRange(file.first));
    return m_locks->take(ranges, m_lockWaitMs);
}

bool LocalFileSystem::lockingWorks() {
    return m_locks->lockingWorks();
}

int LocalFileSystem::holdMark() {
    return m_locks->holdMark();
}

bool LocalFileSystem::markHeld(int mark) {
    return m_locks->markHeld(mark);
}

QByteArray LocalFileSystem::stamp(const QString &path) {
    const QString resolved = resolve(path);
    if (refused(resolved, true) != FileError::None)
        return {};
    struct stat st {};
    if (::lstat(QFile::encodeName(resolved).constData(), &st) != 0)
        return {};
    // A save renames a new file into place: a new inode, and a new time of
    // its folder.
    return QByteArray::number(qint64(st.st_ino)) + ' ' + QByteArray::number(qint64(st.st_size)) +
           ' ' + QByteArray::number(qint64(st.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qint64(st.st_mtim.tv_nsec)) + ' ' +
           QByteArray::number(qint64(st.st_ctim.tv_sec)) + '.' +
           QByteArray::number(qint64(st.st_ctim.tv_nsec));
}

bool LocalFileSystem::deliversEvents(const QString &folder) {
    struct statfs fs {};
    if (::statfs(QFile::encodeName(resolve(folder)).constData(), &fs) != 0)
        return false;
    // File systems whose files other PCs write: no event reaches this one.
    switch (static_cast<unsigned long>(fs.f_type)) {
    case 0x6969UL:     // NFS
    case 0x517BUL:     // SMB
    case 0xFF534D42UL: // CIFS
    case 0xFE534D42UL: // SMB2
    case 0x65735546UL: // FUSE (sshfs and the like)
    case 0x00C36400UL: // Ceph
    case 0x5346414FUL: // AFS
    case 0x73757245UL: // Coda
    case 0x01021997UL: // 9P
    case 0x01161970UL: // GFS2
    case 0x7461636FUL: // OCFS2
        return false;
    default:
        return true;
    }
}
