#include "platform/FileTree.h"

#include "platform/PosixWrite.h"
#include "platform/SafeSave.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace filetree {

namespace {

QByteArray encoded(const QString &path) {
    return QFile::encodeName(path);
}

// The names after root on the way to path; nothing when path is not below it.
QStringList below(const QString &root, const QString &path) {
    const QString base = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    if (!path.startsWith(base))
        return {};
    return path.mid(base.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

// Syncs a folder; an error here leaves what is in it in place.
FileError syncPath(const QByteArray &folder) {
    const int dfd = realPosixOps().openFolder(folder.constData());
    if (dfd < 0)
        return FileError::Unconfirmed;
    return syncFolder(dfd, realPosixOps());
}

// Whether linking failed for the kind of file system rather than the file.
bool linksUnsupported(int err) {
    return err == EXDEV || err == EPERM || err == ENOTSUP || err == EOPNOTSUPP || err == EMLINK ||
           err == ENOSYS;
}

// A copy of one entry that cannot get a second name: a regular file read
// whole and saved, a link made again as the same link.
FileError copyEntry(const QByteArray &from, const QByteArray &to) {
    struct stat st {};
    if (::lstat(from.constData(), &st) != 0)
        return fileErrorFromErrno(errno);
    if (S_ISLNK(st.st_mode)) {
        QByteArray target(static_cast<qsizetype>(st.st_size) + 1, '\0');
        const ssize_t n = ::readlink(from.constData(), target.data(), target.size());
        if (n < 0)
            return fileErrorFromErrno(errno);
        target.truncate(n);
        return ::symlink(target.constData(), to.constData()) == 0 ? FileError::None
                                                                  : writeErrorOf(errno);
    }
    if (!S_ISREG(st.st_mode))
        return FileError::Damaged;
    const int fd = ::open(from.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY);
    if (fd < 0)
        return fileErrorFromErrno(errno);
    QByteArray bytes;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            return fileErrorFromErrno(err);
        }
        if (n == 0)
            break;
        bytes.append(buf, n);
    }
    ::close(fd);
    return safeReplace(QFile::decodeName(to), bytes);
}

qint64 bytesAt(int dirfd, const char *name) {
    struct stat st {};
    if (::fstatat(dirfd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? 0 : -1;
    if (S_ISREG(st.st_mode))
        return st.st_size;
    if (!S_ISDIR(st.st_mode))
        return 0;
    const int fd = ::openat(dirfd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    DIR *dir = ::fdopendir(fd);
    if (dir == nullptr) {
        ::close(fd);
        return -1;
    }
    qint64 sum = 0;
    while (const dirent *e = ::readdir(dir)) {
        if (qstrcmp(e->d_name, ".") == 0 || qstrcmp(e->d_name, "..") == 0)
            continue;
        sum += std::max<qint64>(0, bytesAt(::dirfd(dir), e->d_name));
    }
    ::closedir(dir);
    return sum;
}

// Removes the entry name of dirfd, a folder with what it holds.
int removeAt(int dirfd, const char *name) {
    struct stat st {};
    if (::fstatat(dirfd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? 0 : errno;
    if (!S_ISDIR(st.st_mode))
        return ::unlinkat(dirfd, name, 0) == 0 ? 0 : errno;
    const int fd = ::openat(dirfd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return errno;
    DIR *dir = ::fdopendir(fd);
    if (dir == nullptr) {
        const int err = errno;
        ::close(fd);
        return err;
    }
    int first = 0;
    while (const dirent *e = ::readdir(dir)) {
        if (qstrcmp(e->d_name, ".") == 0 || qstrcmp(e->d_name, "..") == 0)
            continue;
        if (const int err = removeAt(::dirfd(dir), e->d_name); err != 0 && first == 0)
            first = err;
    }
    ::closedir(dir);
    if (::unlinkat(dirfd, name, AT_REMOVEDIR) != 0 && first == 0)
        first = errno;
    return first;
}

} // namespace

bool holdsNul(const QString &path) {
    return path.contains(QChar(u'\0'));
}

bool passesLink(const QString &root, const QString &path, bool withEntry) {
    QByteArray bytes = encoded(path);
    return passesLink(encoded(root), bytes, withEntry);
}

bool isBelow(const QByteArray &root, const QByteArray &path) {
    const qsizetype start = root.endsWith('/') ? root.size() : root.size() + 1;
    return path.size() > start && path.startsWith(root) && path[start - 1] == '/';
}

bool passesLink(const QByteArray &root, QByteArray &path, bool withEntry) {
    if (!isBelow(root, path))
        return false;
    const qsizetype start = root.endsWith('/') ? root.size() : root.size() + 1;
    // Each folder on the way is looked at in place: the path cut at its slash
    // for the call, not a new name built per folder.
    const auto isLinkAt = [&path](qsizetype end) {
        char *const data = path.data();
        const char kept = data[end]; // the terminating NUL at the end
        data[end] = '\0';
        struct stat st {};
        const bool there = ::lstat(data, &st) == 0;
        data[end] = kept;
        return there ? std::optional<bool>(S_ISLNK(st.st_mode)) : std::nullopt;
    };
    for (qsizetype i = start; i < path.size(); ++i) {
        if (path[i] != '/' || i == start || path[i - 1] == '/')
            continue;
        const std::optional<bool> link = isLinkAt(i);
        if (!link)
            return false; // nothing further exists to pass through
        if (*link)
            return true;
    }
    if (!withEntry || path.size() <= start || path.endsWith('/'))
        return false;
    return isLinkAt(path.size()).value_or(false);
}

namespace {

// A pattern of the program's own, taken apart once for a whole listing: '*'
// alone is matched here, anything else by the system's matcher.
class Pattern {
public:
    explicit Pattern(QByteArray pattern)
        : m_pattern(std::move(pattern)),
          m_system(m_pattern.contains('?') || m_pattern.contains('[') || m_pattern.contains('\\')),
          m_parts(m_pattern.split('*')) {}

    bool matches(const char *name) const {
        if (m_system)
            return ::fnmatch(m_pattern.constData(), name, 0) == 0;
        const QByteArrayView text(name);
        if (m_parts.size() == 1)
            return text == m_parts[0];
        if (!text.startsWith(m_parts.front()) || !text.endsWith(m_parts.back()) ||
            text.size() < m_parts.front().size() + m_parts.back().size())
            return false;
        qsizetype at = m_parts.front().size();
        const qsizetype end = text.size() - m_parts.back().size();
        for (qsizetype k = 1; k + 1 < m_parts.size(); ++k) {
            const qsizetype found = text.sliced(at, end - at).indexOf(m_parts[k]);
            if (found < 0)
                return false;
            at += found + m_parts[k].size();
        }
        return true;
    }

private:
    QByteArray m_pattern;
    bool m_system;
    QList<QByteArray> m_parts;
};

} // namespace

QStringList entries(const QString &folder, const QString &pattern, bool files, bool folders) {
    DIR *dir = ::opendir(encoded(folder).constData());
    if (!dir)
        return {};
    const int dfd = ::dirfd(dir);
    const Pattern match(encoded(pattern));
    QStringList out;
    // The type from the listing spares a stat per entry; only a link, or a
    // file system that does not tell, is looked at.
    while (const dirent *e = ::readdir(dir)) {
        if (e->d_name[0] == '.' || !match.matches(e->d_name))
            continue;
        unsigned char type = e->d_type;
        struct stat st {};
        if (type == DT_UNKNOWN) {
            if (::fstatat(dfd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            type = S_ISLNK(st.st_mode)   ? DT_LNK
                   : S_ISDIR(st.st_mode) ? DT_DIR
                   : S_ISREG(st.st_mode) ? DT_REG
                                         : DT_UNKNOWN;
        }
        if (type == DT_LNK) {
            if (::fstatat(dfd, e->d_name, &st, 0) != 0)
                continue;
            type = S_ISDIR(st.st_mode) ? DT_DIR : DT_REG;
        }
        if ((type == DT_REG && files) || (type == DT_DIR && folders))
            out.append(QFile::decodeName(e->d_name));
    }
    ::closedir(dir);
    std::sort(out.begin(), out.end());
    return out;
}

bool isLink(const QString &path) {
    struct stat st {};
    return ::lstat(encoded(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

FileError makeFolders(const QString &root, const QString &path) {
    QString at = root;
    for (const QString &name : below(root, path)) {
        const QString parent = at;
        at += QLatin1Char('/') + name;
        const QByteArray e = encoded(at);
        struct stat st {};
        if (::lstat(e.constData(), &st) == 0) {
            if (!S_ISDIR(st.st_mode))
                return FileError::Damaged;
            continue;
        }
        if (errno != ENOENT)
            return fileErrorFromErrno(errno);
        if (::mkdir(e.constData(), 0777) != 0)
            return writeErrorOf(errno);
        if (const FileError s = syncPath(encoded(parent)); s != FileError::None)
            return s;
    }
    return FileError::None;
}

FileError keepFiles(const QString &folder, const QStringList &names, const QString &toFolder) {
    const QByteArray to = encoded(toFolder);
    for (const QString &name : names) {
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
            name.contains(QLatin1Char('/')) || holdsNul(name))
            return FileError::BadName;
        const QByteArray from = encoded(folder) + '/' + encoded(name);
        const QByteArray target = to + '/' + encoded(name);
        // Never over a name already there: linkat refuses it, the copy must too.
        struct stat st {};
        if (::lstat(target.constData(), &st) == 0)
            return FileError::PathFileAccess;
        if (::linkat(AT_FDCWD, from.constData(), AT_FDCWD, target.constData(), 0) == 0)
            continue;
        const int err = errno;
        if (!linksUnsupported(err))
            return err == ENOENT ? FileError::NotFound : writeErrorOf(err);
        if (const FileError e = copyEntry(from, target); !isSaved(e))
            return e;
    }
    return syncPath(to);
}

qint64 treeBytes(const QString &path) {
    return bytesAt(AT_FDCWD, encoded(QDir::cleanPath(path)).constData());
}

FileError removeTree(const QString &path) {
    const int err = removeAt(AT_FDCWD, encoded(QDir::cleanPath(path)).constData());
    return err == 0 ? FileError::None : fileErrorFromErrno(err);
}

} // namespace filetree
