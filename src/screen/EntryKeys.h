#pragma once

#include <QString>

// Which typed characters an entry box takes.
enum class KeyFilter {
    None,           // any character
    Digits,         // 0-9: number boxes
    CertifiedHours, // 0-9 . : - : certified hours, where "." stands for ":"
};

// Whether a key press reaches the box. Enter, Backspace, Esc, Tab and Delete
// always do: they move on, edit or empty; keys that type nothing (arrows,
// Home) do too. A key that types a character reaches the box only when the
// filter takes that character.
bool keyAccepted(KeyFilter filter, int qtKey, const QString &text);

// The characters the filter takes, as a regular expression over a whole box
// text (pasted or dropped text is held to it too); empty for None.
QString acceptedTextPattern(KeyFilter filter);
