#pragma once

#include "data/OverHours.h"
#include "platform/Printer.h"
#include "printing/SheetPen.h"

#include <QDate>
#include <QString>

// The list of employees whose overtime and holiday work (法定外 + 休日) of
// the month is over the limit (80 hours unless set otherwise): the page the
// office keeps and from which each of them is told their hours. Drawn on A4
// portrait with the sheet's fonts, in points from the printable area.

class OverHoursList : private SheetPen {
public:
    // Employees on one page; more go on to the next with the heading again.
    static constexpr int kRowsPerPage = 30;

    OverHoursList(Printer &printer, double offsetX, double offsetY)
        : SheetPen(printer, offsetX, offsetY) {}

    // The whole list, printed on the date given; the first printer error, or 0.
    int draw(const OverHoursData &data, const QDate &printed);

    static QString title(int limitHours);
    static QString dateText(const QDate &d);

private:
    int page(const OverHoursData &data, const QDate &printed, qsizetype first);
};
