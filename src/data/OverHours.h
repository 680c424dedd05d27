#pragma once

#include <QList>
#include <QString>

// The month's employees whose overtime and holiday work (法定外 + 休日) is
// over the limit, as the tally works them out and the print panel prints them.
struct OverHoursLine {
    QString code;
    QString name;
    QString monthHours;    // the month's 法定外 + 休日, as 81:40
    QString averageHours;  // the highest 2- to 6-month average
    int averageMonths = 0; // of how many months
};

struct OverHoursData {
    QString monthFolder;
    int limitHours = 80;
    QList<OverHoursLine> lines;
};
