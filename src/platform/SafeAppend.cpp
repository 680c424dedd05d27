#include "platform/SafeAppend.h"

#include "platform/PosixWrite.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Opens path for writing at its end; fd -1 with the error otherwise.
int openRegular(const QByteArray &name, int flags, PosixOps &ops, FileError &error) {
    // Judged before opening as well: a FIFO without reader would not open.
    struct stat before {};
    if (::stat(name.constData(), &before) == 0 && !S_ISREG(before.st_mode)) {
        error = S_ISDIR(before.st_mode) ? FileError::PathFileAccess : FileError::Damaged;
        return -1;
    }
    const int fd = ops.open(name.constData(), flags | O_WRONLY | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        error = writeErrorOf(errno);
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ops.close(fd);
        error = FileError::Damaged;
        return -1;
    }
    return fd;
}

} // namespace

FileError safeAppend(const QString &path, const QByteArray &bytes, PosixOps &ops) {
    const QByteArray name = QFile::encodeName(path);
    struct stat before {};
    const bool existed = ::stat(name.constData(), &before) == 0;
    FileError error = FileError::None;
    // O_NONBLOCK: a FIFO put in the file's place must not stop the program.
    const int fd = openRegular(name, O_APPEND | O_CREAT | O_NONBLOCK, ops, error);
    if (fd < 0)
        return error;
    struct stat st {};
    ::fstat(fd, &st);
    const off_t oldSize = st.st_size;
    // Back to the old length, so that a failed append leaves nothing behind.
    auto fail = [&](int err) {
        if (ops.ftruncate(fd, oldSize) == 0)
            ops.fsync(fd);
        ops.close(fd);
        return writeErrorOf(err);
    };
    if (const int e = writeAll(fd, bytes, ops); e != 0)
        return fail(e);
    // A failed fsync is final: what the disk holds is unknown, so the bytes
    // are taken back and the append counts as failed.
    if (ops.fsync(fd) != 0)
        return fail(errno);
    ops.close(fd);
    if (existed)
        return FileError::None;
    // A new file's name is only lasting once its folder is synced.
    const int dfd = ops.openFolder(QFile::encodeName(QFileInfo(path).absolutePath()).constData());
    return dfd < 0 ? FileError::Unconfirmed : syncFolder(dfd, ops);
}

FileError safeTruncate(const QString &path, qint64 size, PosixOps &ops) {
    FileError error = FileError::None;
    const int fd = openRegular(QFile::encodeName(path), O_NONBLOCK, ops, error);
    if (fd < 0)
        return error;
    if (ops.ftruncate(fd, static_cast<off_t>(size)) != 0 || ops.fsync(fd) != 0) {
        const int err = errno;
        ops.close(fd);
        return writeErrorOf(err);
    }
    ops.close(fd);
    return FileError::None;
}
