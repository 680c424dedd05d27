#pragma once

#include <QString>

// What the tally screen's entry boxes take and how it tidies what was typed:
// the certified-hours boxes and the punch boxes of the correction panel.
namespace entrytext {

// A certified value as stored: the first "." becomes ":" and a lone digit
// after the ":" gets a leading zero (1.5 is 1:05). A text without ":" stays
// as typed.
QString certified(const QString &typed);

// Whether a certified text is a bare number: not empty and without ":".
bool isBare(const QString &text);

// The code that deletes a punch.
inline constexpr char kDeleteCode[] = "999";

// A punch of the correction panel as stored: the first "." becomes ":", a
// text without ":" is minutes after 0:00 (13 is 0:13), a lone digit after the
// ":" gets a leading zero. Empty and "999" stay as they are.
QString punch(const QString &typed);

// Whether a tidied punch text is a time that can be stored: one or two digits
// of hour up to 47 (24-47 being the next morning), ":", two digits of minute
// up to 59.
bool isStorablePunch(const QString &text);

// The day of the month a target day text names: its number value rounded to
// the nearest whole number (halves to even), or 0 when it names no day.
int targetDay(const QString &text);

} // namespace entrytext
