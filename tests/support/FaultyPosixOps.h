#pragma once

#include "platform/PosixOps.h"

#include <algorithm>
#include <cerrno>

// The system calls of a save or an append, one of them failing where a test
// says. Writes go in pieces of at most four bytes, so that "the n-th write"
// means something and a failure after the first leaves part of the bytes
// written.
class FaultyPosixOps : public PosixOps {
public:
    enum class What { None, NthWrite, ShortThenFull, Fsync, FolderFsync, Rename, FolderOpen };
    What what = What::None;
    // The write that fails, and its errno; 0 makes it write nothing instead.
    int nth = 1;
    int writeError = EIO;
    int writes = 0;
    int fsyncs = 0;

    ssize_t write(int fd, const void *buf, size_t n) override {
        ++writes;
        if (what == What::NthWrite && writes == nth) {
            errno = writeError;
            return writeError == 0 ? 0 : -1;
        }
        if (what == What::ShortThenFull) {
            if (writes == 1)
                return PosixOps::write(fd, buf, n / 2); // a full disk takes half
            errno = ENOSPC;
            return -1;
        }
        return PosixOps::write(fd, buf, std::min<size_t>(n, 4));
    }
    int fsync(int fd) override {
        ++fsyncs;
        if ((what == What::Fsync && fsyncs == 1) || (what == What::FolderFsync && fsyncs == 2)) {
            errno = EIO;
            return -1;
        }
        return PosixOps::fsync(fd);
    }
    int openFolder(const char *path) override {
        if (what == What::FolderOpen) {
            errno = EMFILE;
            return -1;
        }
        return PosixOps::openFolder(path);
    }
    int rename(const char *from, const char *to) override {
        if (what == What::Rename) {
            errno = EACCES;
            return -1;
        }
        return PosixOps::rename(from, to);
    }
};
