#include "platform/SafeSave.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

int PosixOps::mkstemp(char *pattern) {
    return ::mkstemp(pattern);
}
ssize_t PosixOps::write(int fd, const void *buf, size_t n) {
    return ::write(fd, buf, n);
}
int PosixOps::fsync(int fd) {
    return ::fsync(fd);
}
int PosixOps::close(int fd) {
    return ::close(fd);
}
int PosixOps::rename(const char *from, const char *to) {
    return ::rename(from, to);
}
int PosixOps::unlink(const char *path) {
    return ::unlink(path);
}
int PosixOps::fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}
int PosixOps::openFolder(const char *path) {
    return ::open(path, O_RDONLY | O_DIRECTORY);
}

PosixOps &realPosixOps() {
    static PosixOps ops;
    return ops;
}

namespace {

mode_t modeForNewFile(const QByteArray &target) {
    struct stat st {};
    if (::stat(target.constData(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

FileError safeReplace(const QString &path, const QByteArray &bytes, PosixOps &ops) {
    const QFileInfo info(path);
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    QByteArray pattern = folder + '/' + '.' + QFile::encodeName(info.fileName()) + kTempMarker +
                         QByteArrayLiteral("XXXXXX");

    int fd = ops.mkstemp(pattern.data());
    if (fd < 0)
        return errno == ENOENT ? FileError::PathNotFound : fileErrorFromErrno(errno);

    auto fail = [&](int err) {
        if (fd >= 0)
            ops.close(fd);
        ops.unlink(pattern.constData());
        return fileErrorFromErrno(err);
    };

    if (ops.fchmod(fd, modeForNewFile(target)) != 0)
        return fail(errno);

    const char *p = bytes.constData();
    size_t left = static_cast<size_t>(bytes.size());
    while (left > 0) {
        ssize_t n = ops.write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (n == 0)
            return fail(ENOSPC);
        p += n;
        left -= static_cast<size_t>(n);
    }
    // A failed fsync is final: the page cache may have dropped the data.
    if (ops.fsync(fd) != 0)
        return fail(errno);
    const int closeRc = ops.close(fd);
    fd = -1;
    if (closeRc != 0)
        return fail(errno);
    if (ops.rename(pattern.constData(), target.constData()) != 0)
        return fail(errno);

    int dfd = ops.openFolder(folder.constData());
    if (dfd < 0)
        return fileErrorFromErrno(errno);
    const int syncRc = ops.fsync(dfd);
    const int err = errno;
    ops.close(dfd);
    if (syncRc != 0 && err != EINVAL)
        return fileErrorFromErrno(err);
    return FileError::None;
}

int removeStaleTemps(const QString &folder) {
    int removed = 0;
    const QString pattern = QLatin1String("*") + QLatin1String(kTempMarker) + QLatin1String("*");
    auto clean = [&](const QDir &dir) {
        const auto names = dir.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
        for (const QString &name : names)
            if (QFile::remove(dir.filePath(name)))
                ++removed;
    };
    const QDir root(folder);
    clean(root);
    const auto subs = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &sub : subs)
        clean(QDir(root.filePath(sub)));
    return removed;
}
