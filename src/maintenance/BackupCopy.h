#pragma once

#include "data/MonthFolders.h"
#include "maintenance/HistoryCopy.h"
#include "platform/FileSystem.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Copying card months, and the settings and roster files, between the data
// folder and a backup folder, with what went wrong told month by month.
namespace backupcopy {

struct MonthResult {
    QString month;
    monthfolders::CopyResult copy;
    // Files that read back differently from their source after the copy.
    QStringList differing;
    // Copied whole: every file is in place and, when checked, read back equal.
    bool whole() const { return copy.ok() && copy.skipped.isEmpty() && differing.isEmpty(); }
};

// Copies the card month folders months of sourceBase into targetBase
// (through the card table, each month's files replaced as one, with one flush
// for all, see monthfolders::copyMonths), after clearing what interrupted
// copies left in the target months. With verify, each copied file is then
// read back and compared with its source.
QList<MonthResult> copyMonths(FileSystem &fs, const QString &sourceBase, const QString &targetBase,
                              const QStringList &months, bool verify);

// The settings, the roster, the overtime limits and the IC cards' ties and
// options, copied as they are when the user asks for them (the change history
// goes with them, see HistoryCopy).
inline const QStringList &basicFiles() {
    static const QStringList names = {QStringLiteral("Kijyun.Dat"), QStringLiteral("Meibo.Dat"),
                                      QStringLiteral("Jougen.Dat"), QStringLiteral("ICKaado.Dat"),
                                      QStringLiteral("ICSettei.Dat")};
    return names;
}

struct FileResult {
    QString name;
    FileError error = FileError::None; // of reading the source or writing the target
    bool differs = false;              // read back differently
    bool whole() const { return isSaved(error) && !differs; }
};

// Copies one file byte for byte from sourceBase to targetBase through the
// save primitive; with verify it is read back and compared.
FileResult copyFile(FileSystem &fs, const QString &sourceBase, const QString &targetBase,
                    const QString &name, bool verify);

struct Report {
    QList<MonthResult> months;
    QList<FileResult> files;
    // Months left out before the copy, one line each with the reason.
    QStringList refused;
    // What became of the change history, when it went along.
    std::optional<historycopy::Result> history;

    // Months copied whole: the count of "ケ月分コピーしました。".
    int wholeMonths() const;
    // One line per month or file that was not copied whole.
    QStringList problems() const;
    // Months and files in place whose flush to the disk was not confirmed.
    QStringList unconfirmed() const;
};

} // namespace backupcopy
