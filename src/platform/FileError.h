#pragma once

#include <QString>

// File errors carry the legacy run-time error numbers, so the tables that
// screens keep by error number read straight into code.
enum class FileError : int {
    None = 0,
    BadName = 52,        // bad file name: a name the system cannot take whole (a NUL)
    NotFound = 53,       // file not found
    DeviceIO = 57,       // device input/output error
    DiskFull = 61,       // disk full
    PastEnd = 62,        // input past end of file
    PathFileAccess = 75, // path/file access error
    PathNotFound = 76,   // path not found
    // Outcomes of this program's own, with no legacy number.
    // Not a regular file, or larger than its kind of file can be; for a card,
    // also one that holds fewer values than a card; a path of the data folder
    // that passes through a symbolic link. Never loaded, never written over.
    Damaged = 1001,
    // Saved: the new content is in place, but its flush to the disk could not
    // be confirmed. Callers treat it as saved and warn.
    Unconfirmed = 1002,
};

// The one mapping from errno to the legacy numbers.
FileError fileErrorFromErrno(int err);

inline int errorNumber(FileError e) {
    return static_cast<int>(e);
}

// True when the new content of a write is in place.
inline bool isSaved(FileError e) {
    return e == FileError::None || e == FileError::Unconfirmed;
}
