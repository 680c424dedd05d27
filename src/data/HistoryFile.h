#pragma once

#include "data/History.h"
#include "platform/Dialogs.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <functional>

// The lines of Rireki.Dat (see History.h): reading them one by one in bounded
// memory, finding where the last complete group ends, dropping an incomplete
// one, and checking the hash chain.
namespace history {

inline constexpr int kValues = 14;
inline constexpr int kPrevious = 12; // value index of the hash of the line before
// Longer lines are no record (a record is far shorter); they are hashed whole
// but never held whole.
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
    Unended, // the last line ends without line end
};

// Reads a line as a record: Form when it is none; Changed when its values
// are read (into out) but its own hash does not match its bytes. previous
// gets the hash it names of the line before.
LineFault inspect(QByteArrayView line, Record &out, QByteArray &previous);
// A line whose values are a record and whose own hash matches its bytes.
bool parseRecord(QByteArrayView line, Record &out);

// The lines of a file in order, each without its line end (LF, or CR LF),
// reading at most a fixed amount at a time.
class LineStream {
public:
    struct Line {
        QByteArray text;         // empty for a line longer than kMaxLine
        QByteArray hash;         // of the whole line
        qint64 end = 0;          // file offset after its line end
        bool terminated = false; // false for a last line without line end
        bool tooLong = false;
    };
    LineStream(FileSystem &fs, QString path) : m_fs(fs), m_path(std::move(path)) {}
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

// Hands every record of one card month to take, in file order, reading the
// history once line by line. A changed line is handed as it reads; the check
// names it. No history yet is no error.
FileError forEachRecordOf(FileSystem &fs, const QString &month,
                          const std::function<void(const Record &)> &take);

// Where new records go: after the last complete group.
struct Tail {
    FileError error = FileError::None; // NotFound reads as an empty history
    qint64 lastNumber = 0;
    QByteArray lastHash; // of the last line kept; firstPrevious() when none
    int dropped = 0;     // records of an incomplete group dropped
};

// Reads the end of the history; when it does not end with a complete group,
// reads it whole, line by line, and cuts off the incomplete group.
Tail prepareTail(FileSystem &fs);

struct CheckResult {
    using Fault = LineFault;
    FileError error = FileError::None; // NotFound: no history yet
    qint64 lines = 0;                  // lines read
    qint64 badLine = 0;                // the first line that does not match, from 1
    Fault fault = Fault::None;
    QString badWhen;  // its time, where its values can be read
    QString lastWhen; // of the last line read
    int dropped = 0;  // records of an incomplete group dropped first
    bool intact() const { return error == FileError::None && fault == Fault::None; }
};

// Drops an incomplete group at the end (as prepareTail), then reads every
// line and names the first that does not match.
CheckResult check(FileSystem &fs);
// What the check found, for the administrator.
QString checkText(const CheckResult &r);
// Shows what the check found ("変更履歴の検査"), with a warning icon when the
// history does not match or cannot be read.
void tell(const CheckResult &r, Dialogs &dialogs);

} // namespace history
