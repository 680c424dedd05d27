#pragma once

#include <QDateTime>
#include <QString>

// The day that punches go to: today, or yesterday before the day change hour.
struct PunchDay {
    QString monthText; // two digits, "03"
    QString dayText;   // two digits, "01"
    QString weekday;   // "日" .. "土"
    QString dayNumber; // the day without a leading zero: the key of the day row
    QDate date;        // the calendar date it stands for
};

namespace punchday {

// The clock shown on the screen: 24-hour, hour without a leading zero,
// minutes and seconds with two digits ("9:05:07", "17:30:00").
QString clockText(const QTime &t);

// A punch time: the clock text without its seconds ("9:05").
QString timeText(const QString &clockText);

// The hour of a clock text: the first two characters of an 8-character text,
// the first of a 7-character one, 0 for any other length.
int hourOfClockText(const QString &clockText);

// The punch day at the given moment. Before the day change hour it is the day
// before, across month and year ends by the Gregorian calendar.
PunchDay hizukehyouji(const QDate &today, const QString &clockText, int dayChangeHour);

// A punch day for a date, as typed into the punch day boxes.
PunchDay ofDate(const QDate &date);

} // namespace punchday
