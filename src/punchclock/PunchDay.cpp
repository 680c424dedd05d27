#include "punchclock/PunchDay.h"

#include "data/CardMonth.h"

namespace punchday {

QString clockText(const QTime &t) {
    return QString::number(t.hour()) + QLatin1Char(':') +
           QStringLiteral("%1").arg(t.minute(), 2, 10, QLatin1Char('0')) + QLatin1Char(':') +
           QStringLiteral("%1").arg(t.second(), 2, 10, QLatin1Char('0'));
}

QString timeText(const QString &clockText) {
    return clockText.size() > 3 ? clockText.left(clockText.size() - 3) : QString();
}

int hourOfClockText(const QString &clockText) {
    if (clockText.size() == 8)
        return clockText.left(2).toInt();
    if (clockText.size() == 7)
        return clockText.left(1).toInt();
    return 0;
}

PunchDay ofDate(const QDate &date) {
    PunchDay p;
    p.date = date;
    p.monthText = QStringLiteral("%1").arg(date.month(), 2, 10, QLatin1Char('0'));
    p.dayText = QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
    p.weekday = CardMonth::weekdayKanji(date.dayOfWeek());
    p.dayNumber = QString::number(date.day());
    return p;
}

PunchDay hizukehyouji(const QDate &today, const QString &clockText, int dayChangeHour) {
    // QDate counts by the Gregorian calendar, so 1 March of 1900 or 2100 goes
    // back to 28 February and of 2000 to 29 February.
    if (dayChangeHour > hourOfClockText(clockText))
        return ofDate(today.addDays(-1));
    return ofDate(today);
}

} // namespace punchday
