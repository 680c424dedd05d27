#include "platform/FileError.h"

#include <cerrno>

FileError fileErrorFromErrno(int err) {
    switch (err) {
    case 0:
        return FileError::None;
    case ENOENT:
        return FileError::NotFound;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return FileError::DiskFull;
    case ENOTDIR:
        return FileError::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EEXIST:
    case ENOTEMPTY:
    case EBUSY:
    case ETXTBSY:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
        return FileError::PathFileAccess;
    case ETIMEDOUT:
    case EHOSTDOWN:
    case EHOSTUNREACH:
    case ENETDOWN:
    case ENETUNREACH:
    case ENETRESET:
    case ENOTCONN:
    case ECONNABORTED:
    case ECONNREFUSED:
    case ECONNRESET:
    case ESTALE:
    case ENOLINK:
        return FileError::Unreachable;
    default:
        // EIO and everything unexpected: never mistaken for "not found".
        return FileError::DeviceIO;
    }
}
