#pragma once

#include "platform/FileError.h"
#include "platform/PosixOps.h"

#include <QByteArray>
#include <QString>

// Adding to the end of a file that only grows (the change history), without
// writing again what it already holds: a file of many megabytes costs no more
// to add to than a small one.
//
// The bytes go in one write to the end of the file (O_APPEND), then fsync.
// On any failure the file is cut back to its old length, so a failed append
// leaves the file as it was. A crash (power cut) during the append can still
// leave the first part of the bytes at the end of the file, never anything
// else: a reader of such a file must know where each complete piece ends and
// drop a trailing piece that is not complete (the history does so). Nothing
// that follows an append may rely on it before it returned success.

// Appends bytes to path, creating the file when it is missing (and syncing
// its folder then: Unconfirmed when that sync fails, as for safeReplace).
// A path that is not a regular file is Damaged.
FileError safeAppend(const QString &path, const QByteArray &bytes, PosixOps &ops = realPosixOps());

// Cuts path to its first size bytes and syncs it.
FileError safeTruncate(const QString &path, qint64 size, PosixOps &ops = realPosixOps());
