#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// Reading and writing the two time texts of a card: punch times (8:05, 17:30,
// 08:05 after a correction) and durations (8:00, 0:45, 161:15; zero is the
// empty text). Every reader here accepts any text without failing.
namespace timetext {

// A clock time of the day, hour 0-23, minute 0-59.
struct ClockTime {
    int hour = 0;
    int minute = 0;
    friend bool operator==(const ClockTime &, const ClockTime &) = default;
};

// The number value of a text as cards have always been read: leading blanks
// skipped, an optional sign, then the leading digits; 0 when there are none.
// Saturates instead of overflowing on absurdly long digit runs.
qint64 numberValue(QStringView text);

// A punch text as a clock time: surrounding blanks aside, one or two digits, ":", two digits,
// minute 0-59. Hours 24-47 are the next morning written on (25:30 is 1:30) and come back reduced to
// the clock hour. Anything else (empty, letters, "25:99", "8:5", "1:2:3") is no time at all.
std::optional<ClockTime> parsePunch(const QString &text);

// The internal two-digit form of a rounded punch, 09:00.
QString clockText(ClockTime t);

// A duration in minutes as H:MM: hours without a leading zero and without
// limit, two-digit minutes; the empty text for 0. A negative duration (only a
// certified value typed with "-" gives one) is written with a leading "-".
QString durationText(qint64 minutes);
// A duration shown as a number of hours even when it is none: durationText,
// with "0:00" for 0 (the overtime caps, the list of employees over them).
QString hoursText(qint64 minutes);

// The hour part of a duration text: the number value of the text before its
// first ":".
qint64 durationHours(const QString &text);
// The minute part of a duration text: the number value of its last two
// characters.
qint64 durationMinutes(const QString &text);

// A certified value or total in minutes. A value typed with a leading "-"
// takes off its whole length (-1:30 is minus ninety minutes).
qint64 certifiedMinutes(const QString &text);

} // namespace timetext
