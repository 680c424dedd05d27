#include "platform/FolderLocks.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The layout of the lock file: files of the data folder, then the marks of
// the programs that have it open, then one block for each folder.
constexpr qint64 kFileBytes = 1 << 16;
constexpr qint64 kMarkBase = kFileBytes;
constexpr int kMarks = 1024;
constexpr qint64 kFolderBase = 1 << 20;
constexpr qint64 kBlockBytes = 4096;
constexpr qint64 kBlocks = 8192;

quint64 hashOf(const QString &name) {
    // FNV-1a: the same byte on every PC, whatever its build.
    quint64 h = 14695981039346656037ULL;
    for (const char c : name.toUtf8()) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ULL;
    }
    return h;
}

qint64 blockOf(const QString &folder) {
    return kFolderBase + static_cast<qint64>(hashOf(folder) % kBlocks) * kBlockBytes;
}

void pause(int ms) {
    const timespec t{ms / 1000, (ms % 1000) * 1000000L};
    ::nanosleep(&t, nullptr);
}

bool conflict(int err) {
    return err == EAGAIN || err == EACCES;
}

// The file system cannot lock at all (no lock service, no byte-range locks).
bool unsupported(int err) {
    return err == ENOLCK || err == EINVAL || err == EOPNOTSUPP || err == ENOSYS;
}

} // namespace

FolderLocks::Range FolderLocks::fileRange(const QString &relativePath) {
    const QString path = QDir::cleanPath(relativePath);
    const qsizetype slash = path.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return {static_cast<qint64>(hashOf(path) % kFileBytes), 1};
    return {blockOf(path.left(slash)) +
                static_cast<qint64>(hashOf(path.mid(slash + 1)) % kBlockBytes),
            1};
}

FolderLocks::Range FolderLocks::folderRange(const QString &relativeFolder) {
    const QString path = QDir::cleanPath(relativeFolder);
    return {blockOf(path.section(QLatin1Char('/'), 0, 0)), kBlockBytes};
}

FolderLocks::FolderLocks(QString dataFolder)
    : m_path(QDir(dataFolder).filePath(QLatin1String(kFileName))) {}

FolderLocks::~FolderLocks() {
    // Closing the file drops every lock this program holds on it.
    if (m_fd >= 0)
        ::close(m_fd);
}

FileError FolderLocks::openFile() {
    if (m_fd >= 0)
        return FileError::None;
    const QByteArray name = QFile::encodeName(m_path);
    // Readable and writable by every user of a shared folder: each one's
    // program must be able to lock it.
    m_fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (m_fd < 0)
        return errno == ENOENT ? FileError::PathNotFound : fileErrorFromErrno(errno);
    return FileError::None;
}

int FolderLocks::set(short type, const Range &r) {
    struct flock fl {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = static_cast<off_t>(r.start);
    fl.l_len = static_cast<off_t>(r.length);
    fl.l_pid = 0; // required for open file description locks
    for (;;) {
        if (::fcntl(m_fd, F_OFD_SETLK, &fl) == 0)
            return 0;
        if (errno != EINTR)
            return errno;
    }
}

FileLock FolderLocks::take(QList<Range> ranges, int waitMs) {
    if (m_unsupported)
        return {};
    if (const FileError e = openFile(); e != FileError::None)
        return FileLock(e);
    std::sort(ranges.begin(), ranges.end(),
              [](const Range &a, const Range &b) { return a.start < b.start; });
    const quint64 id = m_nextId++;
    auto undo = [this, id] { release(id); };
    const QDeadlineTimer deadline(waitMs);
    for (const Range &r : ranges) {
        // Held here before the kernel has it: a failure releases what this
        // call took and only that.
        m_holds.append({id, r});
        int delay = 1;
        for (;;) {
            const int err = set(F_WRLCK, r);
            if (err == 0)
                break;
            if (unsupported(err)) {
                m_unsupported = true;
                undo();
                return {};
            }
            if (!conflict(err) || deadline.hasExpired()) {
                undo();
                return FileLock(conflict(err) ? FileError::Locked : fileErrorFromErrno(err));
            }
            // Another program saves: its lock goes within milliseconds. A
            // little random spread keeps two waiting programs out of step.
            pause(delay + static_cast<int>(QRandomGenerator::global()->bounded(delay + 1)));
            delay = std::min(delay * 2, 20);
        }
    }
    std::weak_ptr<FolderLocks> self = weak_from_this();
    return FileLock([self, id] {
        if (const std::shared_ptr<FolderLocks> locks = self.lock())
            locks->release(id);
    });
}

void FolderLocks::release(quint64 id) {
    QList<Range> mine;
    for (const Hold &h : std::as_const(m_holds))
        if (h.id == id)
            mine.append(h.range);
    m_holds.removeIf([id](const Hold &h) { return h.id == id; });
    if (m_fd < 0)
        return;
    for (const Range &r : std::as_const(mine)) {
        // Only the bytes no other lock of this program still covers.
        QList<Range> kept;
        for (const Hold &h : std::as_const(m_holds))
            if (h.range.start < r.start + r.length && r.start < h.range.start + h.range.length)
                kept.append(h.range);
        std::sort(kept.begin(), kept.end(),
                  [](const Range &a, const Range &b) { return a.start < b.start; });
        qint64 from = r.start;
        const qint64 end = r.start + r.length;
        for (const Range &k : std::as_const(kept)) {
            if (k.start > from)
                set(F_UNLCK, {from, k.start - from});
            from = std::max(from, k.start + k.length);
        }
        if (from < end)
            set(F_UNLCK, {from, end - from});
    }
}

int FolderLocks::holdMark() {
    if (m_mark >= 0)
        return m_mark;
    if (openFile() != FileError::None)
        return -1;
    for (int i = 0; i < kMarks; ++i) {
        const Range r{kMarkBase + i, 1};
        const int err = set(F_WRLCK, r);
        if (err == 0) {
            // Held as long as the lock file is open: until the program ends.
            m_holds.append({m_nextId++, r});
            m_mark = i;
            return i;
        }
        if (!conflict(err)) {
            m_unsupported = m_unsupported || unsupported(err);
            return -1;
        }
    }
    return -1;
}

bool FolderLocks::markHeld(int mark) {
    if (mark < 0 || mark >= kMarks)
        return false;
    if (mark == m_mark)
        return true;
    if (openFile() != FileError::None)
        return false;
    struct flock fl {};
    fl.l_type = F_WRLCK;
    fl.l_whence = SEEK_SET;
    fl.l_start = static_cast<off_t>(kMarkBase + mark);
    fl.l_len = 1;
    fl.l_pid = 0;
    if (::fcntl(m_fd, F_OFD_GETLK, &fl) != 0)
        return false;
    return fl.l_type != F_UNLCK;
}
