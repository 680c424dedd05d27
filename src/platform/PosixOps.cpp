#include "platform/PosixOps.h"

#include <cstdio>
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

int PosixOps::syncfs(int fd) {
    return ::syncfs(fd);
}

int PosixOps::open(const char *path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}

int PosixOps::ftruncate(int fd, off_t size) {
    return ::ftruncate(fd, size);
}

PosixOps &realPosixOps() {
    static PosixOps ops;
    return ops;
}
