#pragma once

#include "data/CalcSettings.h"
#include "data/EmployeeLine.h"
#include "screen/Services.h"
#include "tally/ExportChooser.h"
#include "tally/PayrollCsv.h"

#include <QStringList>
#include <optional>

// The payroll export of the tally screen (toolbar button 7): the employees
// marked "◆" in the staff list, in list order, each from its stored card,
// into one CSV file the user chooses.
//
// Days worked and the monthly working and late-night times are tallied anew
// from the stored punches, as the screen shows them on opening the card; the
// five certified totals are the ones confirmed into the card. A card never
// confirmed has no certified totals and is left out; the notice at the end
// names it, as it names every card that could not be read and every exported
// one whose stored figures are no longer those of its punches.
class PayrollExport {
public:
    struct Input {
        QList<EmployeeLine> staff; // List1's employees
        QString monthFolder;
        CalcSettings settings;
        // The employee open on the screen with changes not yet confirmed,
        // whose stored card lacks them; empty when none.
        QString pendingCode;
    };

    // What the marked cards give, before anything is written.
    struct Gathered {
        QList<payrollcsv::Line> lines;
        QStringList notConfirmed; // left out: never confirmed
        QStringList unreadable;   // left out: the card could not be read
        QStringList toCheck;      // exported, with the reason to look again
        int unmarked = 0;         // entries without the mark, never exported
    };

    enum class End { Written, Nothing, Cancelled, Refused, Failed };
    struct Result {
        End end = End::Nothing;
        QString path;
        FileError error = FileError::None;
        Gathered gathered;
    };

    explicit PayrollExport(Services &s) : m_s(s) {}

    // Asks for the time form and the file, writes it and tells the outcome.
    Result run(const Input &in, ExportChooser &chooser);

    static Gathered gather(FileSystem &fs, const Input &in);

private:
    // The question of the time form: nothing when the user cancelled.
    std::optional<payrollcsv::TimeForm> askForm();
    QString doneText(const Result &r) const;

    Services &m_s;
};
