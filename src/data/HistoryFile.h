#pragma once

#include "data/History.h"

#include <QByteArray>
#include <functional>

// The lines of Rireki.Dat (see History.h): reading them one by one in bounded
// memory and reading a line as a record with its hashes.
namespace history {

inline constexpr int kValues = 14;
inline constexpr int kPrevious = 12; // value index of the hash of the line before
// Longer lines are no record (a record is far shorter); they are skipped, never
// held whole.
inline constexpr qsizetype kMaxLine = 64 << 10;

// SHA-256 of bytes in lower-case hex.
QByteArray hashOf(QByteArrayView bytes);
// The hash that stands before the first line.
QByteArray firstPrevious();

// What is wrong with a line read as a record.
enum class LineFault {
    None,
    Form,    // the line is no record
    Changed, // the line does not match its own hash
    Chain,   // the line before it was changed or removed
    Number,  // its number is not its place
};

// A line read as a record.
struct Inspected {
    LineFault fault = LineFault::Form; // None, Form or Changed
    Record record;                     // its values, unless Form
    QByteArray previous;               // the hash it names of the line before
    QByteArray hash;                   // of the whole line, unless Form
};
// Reads a line (without its line end) as a record: Form when it is none;
// Changed when its values are read but its own hash does not match its bytes.
// A line that is no record is never hashed.
Inspected inspect(QByteArrayView line);
// A line whose values are a record and whose own hash matches its bytes.
bool parseRecord(QByteArrayView line, Record &out);

// The lines of a file in order, each without its line end (LF, or CR LF),
// reading at most a fixed amount at a time.
class LineStream {
public:
    struct Line {
        QByteArray text;         // empty for a line longer than kMaxLine
        qint64 start = 0;        // file offset of its first byte
        qint64 end = 0;          // file offset after its line end
        bool terminated = false; // false for a last line without line end
        bool tooLong = false;
    };
    // From the file offset from on (the start of a line).
    LineStream(FileSystem &fs, QString path, qint64 from = 0)
        : m_fs(fs), m_path(std::move(path)), m_offset(from), m_read(from) {}
    // False at the end of the file or on a read error (error()).
    bool next(Line &line);
    FileError error() const { return m_error; }

private:
    bool fill();

    FileSystem &m_fs;
    QString m_path;
    QByteArray m_buffer; // file bytes from m_offset on
    qint64 m_offset = 0; // file offset of m_buffer[0]
    qint64 m_read = 0;   // file offset up to which bytes were read
    bool m_end = false;  // the file's end was reached
    FileError m_error = FileError::None;
};

// The text of a line to read as a record: a last line cut after the CR of
// its line end is read without it.
QByteArrayView recordText(const LineStream::Line &line);

// Hands every record of one card month to take, in file order, reading the
// history once line by line. A changed line is handed as it reads; the check
// names it. No history yet is no error.
FileError forEachRecordOf(FileSystem &fs, const QString &month,
                          const std::function<void(const Record &)> &take);

} // namespace history
