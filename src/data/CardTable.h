#pragma once

#include "platform/FileSystem.h"

#include <QString>
#include <QStringList>
#include <array>

// Fields of a card row, named CardField::ClockIn and so on. Day rows 0-30 use
// them all; the totals row 31 keeps days worked in DaysWorked and the month's
// totals in Work..CertLateEarly.
namespace CardField {
enum : int {
    Day = 0,
    Weekday = 1,
    ClockIn = 2,
    BreakOut = 3,
    BreakReturn = 4,
    ClockOut = 5,
    Work = 6,
    LateNight = 7,
    CertWithin = 8,     // 法定内
    CertBeyond = 9,     // 法定外
    CertHoliday = 10,   // 休日
    CertLateNight = 11, // 深夜
    CertLateEarly = 12, // 遅刻早退
    Code = 13,
    Name = 14,
    PayType = 15,
    DaysWorked = 5, // on the totals row
};
} // namespace CardField

// One employee's card month: 32 rows of 16 texts.
class CardTable {
public:
    static constexpr int kRows = 32;
    static constexpr int kFields = 16;
    static constexpr int kDayRows = 31;
    static constexpr int kTotalsRow = 31;
    static constexpr int kValues = kRows * kFields;

    QString &at(int row, int field) { return m_cells[index(row, field)]; }
    const QString &at(int row, int field) const { return m_cells[index(row, field)]; }

    QString code() const { return at(0, CardField::Code); }
    QString name() const { return at(0, CardField::Name); }
    QString payType() const { return at(0, CardField::PayType); }
    // A stored card holds the days worked ("0" when none) in its totals row
    // only once the tally's confirm step has written it.
    bool confirmed() const { return !at(kTotalsRow, CardField::DaysWorked).trimmed().isEmpty(); }

    // The day row whose day field holds the day number, or -1.
    int dayRowOf(int day) const;

    QStringList toList() const;
    static CardTable fromList(const QStringList &values);

private:
    static size_t index(int row, int field) {
        return static_cast<size_t>(row) * kFields + static_cast<size_t>(field);
    }
    std::array<QString, kValues> m_cells;
};

namespace cardfile {

inline constexpr char kSuffix[] = ".Card";
inline constexpr int kMaxCodeBytes = 100;
// The largest card file: far more than 512 values ever take. A larger file is
// Damaged and never loaded.
inline constexpr qint64 kMaxBytes = qint64(CardTable::kValues) << 11;

// The card file name of an employee code: the code without surrounding spaces
// and ".Card".
QString fileName(const QString &code);

// Whether a code can name a card file that stays inside its card month folder:
// not empty, not beginning with "." (a hidden file the rack never lists, and
// the names of a save's temporary files), no path separators, no characters a
// file name cannot hold, not longer than kMaxCodeBytes, and storable in the
// data files' code page.
bool isSafeCode(const QString &code);

// The message shown where such a code is refused.
QString unsafeCodeText(const QString &code);

QString path(const QString &monthFolder, const QString &code);

struct Read {
    CardTable table;
    FileError error = FileError::None;
    int found = 0; // values of the card the file held
    bool ok() const { return error == FileError::None; }
};

// Whether a table read whole is the card of that code: every day field a day
// number or blank, and the first row carrying that code or none. A file of
// garbage with enough lines, or a card of another code, is not that code's.
bool isCardOf(const CardTable &table, const QString &code);

// Reads the card of a code. A card file holding fewer than 512 values (an
// empty file, a torn one), larger than kMaxBytes, not a regular file or not
// that code's card (isCardOf) is Damaged: nothing of it may be written over,
// and its reader says so with damagedText(). The table then holds what could
// be read, for display only.
Read read(FileSystem &fs, const QString &monthFolder, const QString &code);
// The same from a file already read (at most kMaxBytes).
Read fromFile(const ReadResult &file);
// The code and the name of day row 0 of a card file's bytes: all the rack and
// the tally's staff list show of a card. The rest of the card is not decoded.
struct Head {
    QString code;
    QString name;
};
Head headOf(const QByteArray &bytes);
// The message for a damaged card: who is the employee as the screen shows
// them (a rack line, a code and name), monthFolder the card month.
QString damagedText(const QString &who, const QString &monthFolder);

FileError write(FileSystem &fs, const QString &monthFolder, const QString &code,
                const CardTable &table);

} // namespace cardfile
