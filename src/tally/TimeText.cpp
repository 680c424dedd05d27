#include "tally/TimeText.h"

#include "data/CalcSettings.h"

#include <algorithm>

namespace timetext {

namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool allDigits(QStringView text) {
    for (const QChar c : text)
        if (!isDigit(c))
            return false;
    return !text.isEmpty();
}

QString twoDigits(qint64 n) {
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

} // namespace

qint64 numberValue(QStringView text) {
    return leadingNumber(text);
}

std::optional<ClockTime> parsePunch(const QString &raw) {
    const QStringView text = QStringView(raw).trimmed();
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 1 || colon > 2 || text.size() != colon + 3)
        return std::nullopt;
    const QStringView hourText = text.left(colon);
    const QStringView minuteText = text.mid(colon + 1);
    if (!allDigits(hourText) || !allDigits(minuteText))
        return std::nullopt;
    const int hour = static_cast<int>(numberValue(hourText));
    const int minute = static_cast<int>(numberValue(minuteText));
    if (hour > 47 || minute > 59)
        return std::nullopt;
    return ClockTime{hour % 24, minute};
}

QString clockText(ClockTime t) {
    return twoDigits(t.hour) + QLatin1Char(':') + twoDigits(t.minute);
}

QString durationText(qint64 minutes) {
    if (minutes == 0)
        return QString();
    // Written backwards into one buffer: a card's tally makes hundreds of these.
    char buf[32];
    char *const end = buf + sizeof buf;
    char *p = end;
    const quint64 m = minutes < 0 ? 0 - quint64(minutes) : quint64(minutes);
    *--p = char('0' + m % 60 % 10);
    *--p = char('0' + m % 60 / 10);
    *--p = ':';
    quint64 hours = m / 60;
    do {
        *--p = char('0' + hours % 10);
        hours /= 10;
    } while (hours != 0);
    if (minutes < 0)
        *--p = '-';
    return QString::fromLatin1(p, end - p);
}

QString hoursText(qint64 minutes) {
    return minutes == 0 ? QStringLiteral("0:00") : durationText(minutes);
}

qint64 durationHours(const QString &text) {
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    return numberValue(colon < 0 ? QStringView(text) : QStringView(text).left(colon));
}

qint64 durationMinutes(const QString &text) {
    return numberValue(QStringView(text).right(2));
}

qint64 certifiedMinutes(const QString &text) {
    const qint64 h = durationHours(text);
    const qint64 m = durationMinutes(text);
    const qint64 length = (h < 0 ? -h : h) * 60 + (m < 0 ? -m : m);
    return text.trimmed().startsWith(QLatin1Char('-')) ? -length : length;
}

} // namespace timetext
