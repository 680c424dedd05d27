#pragma once

#include "platform/Printer.h"
#include "printing/PrintProgress.h"

#include <QString>
#include <functional>

// Where the print panel's runs go: the office printer, a PDF file or the
// preview window. The panel's widget gives the real ones.
class PrintTargets {
public:
    virtual ~PrintTargets() = default;
    // The system's default printer or the one chosen in the setup dialog;
    // null when the system has no printer.
    virtual Printer *office() = 0;
    // The PDF file the user chooses, offered under the suggested file name;
    // empty when the user cancelled.
    virtual QString askPdfFile(const QString &suggestedName) = 0;
    // A printer writing the PDF file; the file appears when the document
    // ends. The targets keep it until the next call.
    virtual Printer &pdfFile(const QString &path, const QString &title) = 0;
    // The file of the last pdfFile() is in place, but its write to the disk
    // could not be confirmed.
    virtual bool pdfUnconfirmed() const { return false; }
    // Shows the preview window until the user closes it; draw fills the
    // printer it is given whenever the window needs the pages. True when the
    // user asked from it to print.
    virtual bool preview(const QString &title, const std::function<void(Printer &)> &draw) = 0;
    // The progress of a run of this many sheets; null when a run that short
    // shows none.
    virtual PrintProgress *progress(int sheets) = 0;
};
