#pragma once

#include "platform/FileSystem.h"

#include <QStringList>
#include <QVarLengthArray>
#include <initializer_list>

// The quoted-record format of every data file: each value a double-quoted text
// on a line of its own, CR LF, code page 932.
namespace records {

// Tolerant parse: a value ends at CR LF, LF alone or CR alone; blanks outside
// the quotes, unquoted values and stray quotes are accepted; no line is
// dropped.
QStringList parse(const QByteArray &bytes);
// The same parse, stopping after the first limit values.
QStringList parseFirst(const QByteArray &bytes, int limit);
// The values at the given positions (ascending), each read as parse() reads
// it; the values between are passed over without being decoded, and nothing
// after the last position is looked at. A position past the end reads empty.
QStringList valuesAt(const QByteArray &bytes, std::initializer_list<int> positions);

// The largest file of count values: 2 KiB a value and at least 64 KiB, far
// more than any such file of the program holds. A larger file is Damaged.
qint64 byteLimit(int count);

// Exact bytes of the values, one quoted line each.
QByteArray format(const QStringList &values);

// Whether bytes are exactly count values as format() writes them: each one
// quoted on a CR LF line of its own, with no quote inside, and nothing after.
// Writing back what parse() reads of them gives the same bytes, but for
// characters that the code page's converter does not bring back byte for
// byte, which the bytes themselves keep.
bool isWrittenForm(const QByteArray &bytes, int count);

// Files of one record a line (the change history) hold the same quoted
// values side by side, separated by commas, the line ended by the caller:
// "a","b","c". Values hold no quote and no line end.
QByteArray formatLine(const QStringList &values);
// Reads such a line (without its line end) exactly as formatLine writes it:
// false for anything else.
bool parseLine(QByteArrayView line, QStringList &values);
// The same, its values as views into the line, undecoded.
using LineViews = QVarLengthArray<QByteArrayView, 16>;
bool splitLine(QByteArrayView line, LineViews &values);

struct Read {
    QStringList values; // exactly the count asked for: missing values read as empty
    FileError error = FileError::None;
    int found = 0; // how many of the count values the file held
    bool ok() const { return error == FileError::None; }
};

// Reads a file of at most byteLimit(count) bytes, reads its first count values
// and pads them to count. A file too large, or not a regular file, is Damaged
// and its values are empty.
Read read(FileSystem &fs, const QString &path, int count);
// The same from bytes already read.
Read fromFile(const ReadResult &file, int count);

// Replaces the file with the values; the old file stays on failure.
FileError write(FileSystem &fs, const QString &path, const QStringList &values);

// Creates a file of count empty values.
FileError writeEmpty(FileSystem &fs, const QString &path, int count);

} // namespace records
