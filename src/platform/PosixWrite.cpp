#include "platform/PosixWrite.h"

#include <cerrno>

int writeAll(int fd, const QByteArray &bytes, PosixOps &ops) {
    const char *p = bytes.constData();
    size_t left = static_cast<size_t>(bytes.size());
    while (left > 0) {
        const ssize_t n = ops.write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return ENOSPC;
        p += n;
        left -= static_cast<size_t>(n);
    }
    return 0;
}

FileError writeErrorOf(int err) {
    return err == ENOENT ? FileError::PathNotFound : fileErrorFromErrno(err);
}

FileError syncFolder(int dfd, PosixOps &ops) {
    const int syncRc = ops.fsync(dfd);
    const int err = errno;
    ops.close(dfd);
    // Some file systems cannot sync a folder; that is no failed save.
    if (syncRc != 0 && err != EINVAL)
        return FileError::Unconfirmed;
    return FileError::None;
}
