#pragma once

#include "platform/FileError.h"
#include "platform/PosixOps.h"

#include <QByteArray>

// The steps that a save (SafeSave) and an append (SafeAppend) share.

// Writes all of bytes to fd, piece by piece as the system takes them.
// Returns 0, or the errno of the failed write (ENOSPC for one that wrote
// nothing).
int writeAll(int fd, const QByteArray &bytes, PosixOps &ops);

// The error of a failed step; a missing folder is the same number for one
// file, an append and a batch.
FileError writeErrorOf(int err);

// Syncs and closes a folder once a new name in it is in place: that name
// stays whatever the sync says, so its failure is Unconfirmed, never a
// failure.
FileError syncFolder(int dfd, PosixOps &ops);
