#pragma once

#include "data/HistoryRows.h"
#include "platform/Printer.h"
#include "printing/SheetPen.h"

#include <QList>
#include <QString>

// The pages printed after an employee's work record sheet when the print
// panel asks for them: the month's changes of the employee's punches, in the
// sheet's fonts and on its coordinates (millimetres from the paper's corner,
// driven in points from the printable area), as many pages as they take.
class HistoryPage : private SheetPen {
public:
    static constexpr int kLinesPerPage = 46;
    // Half-width columns of the reason; a full-width character takes two.
    static constexpr int kReasonColumns = 40;

    // One printed line: a record, the rest of its long reason, or a note.
    struct Line {
        history::Row row;
        bool continued = false; // only row.reason is printed
        QString note;           // printed across the line instead of a row
        bool operator==(const Line &) const = default;
    };

    // The rows (and a note after them, if any) in pages of kLinesPerPage
    // lines; at least one page.
    static QList<QList<Line>> pages(const QList<history::Row> &rows, const QString &note);
    // The text in pieces of at most columns half-width columns.
    static QStringList wrap(const QString &text, int columns);

    HistoryPage(Printer &printer, double offsetX, double offsetY)
        : SheetPen(printer, offsetX, offsetY) {}

    // Draws page (from 1) of pages on the page the print run has opened, the
    // history's head in short form under the frame. Returns the first printer
    // error (the rest is skipped), or 0.
    int draw(const QList<Line> &lines, int page, int pages, const QString &monthFolder,
             const QString &name, const QString &head);
};
