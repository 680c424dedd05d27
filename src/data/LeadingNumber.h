#pragma once

#include <QStringView>

// The number value of a text as the legacy read it: leading blanks and tabs
// skipped, a sign, then the leading digits; 0 when there are none. A long run
// of digits saturates at 999999999, so callers can add a day or a row to it.
// Every typed or stored number of the program is read through this one rule.
int leadingNumber(QStringView text);
