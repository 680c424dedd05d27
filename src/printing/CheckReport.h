#pragma once

#include "platform/Printer.h"
#include "printing/SheetPen.h"

#include <QList>
#include <QString>
#include <QStringList>

// The report of "変更履歴の検査" on A4 pages, for the office's file: its
// lines as the result window shows them, wrapped to the page, under a title
// with the folder and the time of the check; the history's head in short form
// at the foot of every page, so that a printed page anchors the history too.
class CheckReport : private SheetPen {
public:
    static constexpr int kLinesPerPage = 48;
    // Half-width columns of a line; a full-width character takes two.
    static constexpr int kColumns = 100;

    struct Heading {
        QString folder; // the data folder checked
        QString when;   // "2007/03/01 09:00:00"
        QString head;   // the history's head in short form
    };

    // The lines wrapped, in pages; at least one page.
    static QList<QStringList> pages(const QStringList &lines);

    CheckReport(Printer &printer, double offsetX, double offsetY)
        : SheetPen(printer, offsetX, offsetY) {}

    // Every page, the first on the page the run has opened; the first
    // printer error, or 0.
    int draw(const QStringList &lines, const Heading &heading);

private:
    int page(const QStringList &lines, int number, int count, const Heading &heading);
};
