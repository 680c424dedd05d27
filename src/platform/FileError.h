#pragma once

#include <QString>

// File errors carry the legacy run-time error numbers, so the tables that
// screens keep by error number read straight into code.
enum class FileError : int {
    None = 0,
    NotFound = 53,       // file not found
    DeviceIO = 57,       // device input/output error
    DiskFull = 61,       // disk full
    PastEnd = 62,        // input past end of file
    PathFileAccess = 75, // path/file access error
    PathNotFound = 76,   // path not found
};

// The one mapping from errno to the legacy numbers.
FileError fileErrorFromErrno(int err);

inline int errorNumber(FileError e) {
    return static_cast<int>(e);
}
