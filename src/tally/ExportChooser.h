#pragma once

#include <QString>

// Where the tally screen asks for the file of a payroll export. The screen's
// widget gives the real file dialog.
class ExportChooser {
public:
    virtual ~ExportChooser() = default;
    // The CSV file the user chooses, offered under the suggested file name;
    // empty when the user cancelled.
    virtual QString askCsvFile(const QString &suggestedName) = 0;
};
