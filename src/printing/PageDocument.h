#pragma once

#include "printing/PrintRun.h"
#include "printing/PrintTargets.h"
#include "screen/Services.h"

#include <QString>
#include <functional>

// A document of the program's own pages (a list, a report; not work record
// sheets) sent where the print panel sends its sheets: the office printer
// (a PDF file offered when there is none), a PDF file the user names, or the
// preview window from which the user may go on to print.
namespace pagedocument {

enum class Where { Office, Pdf, Preview };

struct Document {
    QString title;   // of the job and of the preview window
    QString pdfName; // offered in the file dialog
    QString noun;    // what the messages call it: "一覧", "検査の結果"
    // Draws every page with the printable-area offsets in points; the first
    // printer error, or 0.
    std::function<int(Printer &, double offsetX, double offsetY)> draw;
};

PrintRun::Result send(Services &s, PrintTargets &targets, Where where, const Document &doc);

// The notice after a job went to the office printer: the sheets come out of
// a printer the user may not stand beside.
void tellSent(Services &s, const Printer &office, const QString &what);

// The notice of a PDF file saved: what it holds ("勤務実績表") and where; a
// file in place whose flush is not confirmed is saved, with the warning, as a
// card is.
void tellSaved(Services &s, const PrintTargets &targets, const QString &what, const QString &path);

// The preview window with draw; true when the user asked from it to print.
// The window draws again whenever it needs the pages: what a drawing asks or
// tells is shown once.
bool previewOnce(Services &s, PrintTargets &targets, const QString &title,
                 const std::function<void(Printer &, Services &)> &draw);

} // namespace pagedocument
