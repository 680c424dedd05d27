#pragma once

#include "platform/FileSystem.h"

#include <QStringList>

// The quoted-record format of every data file: each value a double-quoted text
// on a line of its own, CR LF, code page 932.
namespace records {

// Tolerant parse: LF alone, unquoted values and stray quotes are accepted; no
// line is dropped.
QStringList parse(const QByteArray &bytes);
// The same parse, stopping after the first limit values.
QStringList parseFirst(const QByteArray &bytes, int limit);

// Exact bytes of the values, one quoted line each.
QByteArray format(const QStringList &values);

struct Read {
    QStringList values; // exactly the count asked for: missing values read as empty
    FileError error = FileError::None;
    int found = 0; // how many values the file held
    bool ok() const { return error == FileError::None; }
};

// Reads a file and pads or cuts it to count values.
Read read(FileSystem &fs, const QString &path, int count);

// Replaces the file with the values; the old file stays on failure.
FileError write(FileSystem &fs, const QString &path, const QStringList &values);

// Creates a file of count empty values.
FileError writeEmpty(FileSystem &fs, const QString &path, int count);

} // namespace records
