#include "platform/SafeAppend.h"

#include "platform/PosixWrite.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A regular file opened for writing.
struct Opened {
    int fd = -1; // -1 with error set when it could not be opened
    FileError error = FileError::None;
    bool existed = false; // the file was there before the opening
    off_t size = 0;       // its length when opened
};

// Opens path for writing at its end.
Opened openRegular(const QByteArray &name, int flags, PosixOps &ops) {
    Opened o;
    // Judged before opening as well: a FIFO without reader would not open.
    struct stat before {};
    o.existed = ::stat(name.constData(), &before) == 0;
    if (o.existed && !S_ISREG(before.st_mode)) {
        o.error = S_ISDIR(before.st_mode) ? FileError::PathFileAccess : FileError::Damaged;
        return o;
    }
    const int fd = ops.open(name.constData(), flags | O_WRONLY | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        o.error = writeErrorOf(errno);
        return o;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ops.close(fd);
        o.error = FileError::Damaged;
        return o;
    }
    o.fd = fd;
    o.size = st.st_size;
    return o;
}

} // namespace

FileError safeAppend(const QString &path, const QByteArray &bytes, PosixOps &ops) {
    // O_NONBLOCK: a FIFO put in the file's place must not stop the program.
    const Opened o = openRegular(QFile::encodeName(path), O_APPEND | O_CREAT | O_NONBLOCK, ops);
    if (o.fd < 0)
        return o.error;
    const int fd = o.fd;
    // Back to the old length, so that a failed append leaves nothing behind.
    auto fail = [&](int err) {
        if (ops.ftruncate(fd, o.size) == 0)
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
    if (o.existed)
        return FileError::None;
    // A new file's name is only lasting once its folder is synced.
    const int dfd = ops.openFolder(QFile::encodeName(QFileInfo(path).absolutePath()).constData());
    return dfd < 0 ? FileError::Unconfirmed : syncFolder(dfd, ops);
}

FileError safeTruncate(const QString &path, qint64 size, PosixOps &ops) {
    const Opened o = openRegular(QFile::encodeName(path), O_NONBLOCK, ops);
    if (o.fd < 0)
        return o.error;
    const int fd = o.fd;
    if (ops.ftruncate(fd, static_cast<off_t>(size)) != 0 || ops.fsync(fd) != 0) {
        const int err = errno;
        ops.close(fd);
        return writeErrorOf(err);
    }
    ops.close(fd);
    return FileError::None;
}
