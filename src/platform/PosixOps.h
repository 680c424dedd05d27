#pragma once

#include <sys/types.h>

// The system calls of a save and an append, so a test can make the n-th
// write, the fsync or the rename fail.
class PosixOps {
public:
    virtual ~PosixOps() = default;
    virtual int mkstemp(char *pattern);
    virtual ssize_t write(int fd, const void *buf, size_t n);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char *from, const char *to);
    virtual int unlink(const char *path);
    virtual int fchmod(int fd, mode_t mode);
    virtual int openFolder(const char *path);
    virtual int syncfs(int fd);
    // For appending (SafeAppend).
    virtual int open(const char *path, int flags, mode_t mode);
    virtual int ftruncate(int fd, off_t size);
};

// The calls as the system makes them.
PosixOps &realPosixOps();
