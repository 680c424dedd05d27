#pragma once

#include "data/Roster.h"
#include "screen/Services.h"

#include <QString>
#include <QStringList>

// Fills the roster from the employee files of the sibling payroll product マルカ:
// Tourokusuu.Dat gives the record count as its third number, its Meibo.Dat
// holds the records of 61 values each. Employees in service keep the slot of
// their source position; everyone else leaves an empty slot.
class RosterImport {
public:
    static constexpr int kValuesPerRecord = 61;
    static constexpr int kCodeValue = 0;
    static constexpr int kNameValue = 1;
    static constexpr int kStatusValue = 46;
    static constexpr int kPayTypeValue = 47;

    enum class Outcome {
        Refused,   // the folder is not マルカ's; the panel stays
        Declined,  // No at the question; the panel stays
        NotFound,  // "データファイルが見つかりません。"; the roster is unchanged
        NoRecords, // a negative count; unchanged, no message
        Imported,  // roster replaced; the caller saves it at once
    };
    struct Result {
        Outcome outcome = Outcome::Refused;
        Roster roster; // the new roster when Imported
        // The panel is hidden after every import that got past the question.
        bool hidesPanel() const {
            return outcome != Outcome::Refused && outcome != Outcome::Declined;
        }
    };

    explicit RosterImport(Services &s);

    // Command2 "コピー開始" with the folder chosen in Dir1: ask, then read.
    Result run(const QString &folder);
    // The folder check and the question. Refused or Declined stop the import;
    // Imported here means "go on".
    Outcome ask(const QString &folder);
    // Reads the two files and builds the new roster.
    Result read(const QString &folder);

    // The largest files of マルカ that are read: far more than their kinds
    // hold. A larger file is damaged and not read.
    static constexpr qint64 kMaxCountFileBytes = 64 << 10;
    static constexpr qint64 kMaxSourceBytes = 16 << 20;

    // The record count of Tourokusuu.Dat: its third number.
    static qint64 recordCount(const QByteArray &countFile);
    // The roster that count records of a Meibo.Dat of マルカ give; only the
    // values those records take are read.
    static Roster rosterOf(const QByteArray &source, qint64 count);

    // The mapping of one source record, 61 values from first.
    static Employee employeeOf(const QStringList &values, int first);

    // The drives to choose from: the mounted volumes that hold files.
    static QStringList drives();

private:
    Services &m_s;
};
