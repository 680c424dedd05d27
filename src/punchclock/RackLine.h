#pragma once

#include <QString>

// One line of the card rack or of the employee list: the code padded (or cut)
// to four characters, then the name.
namespace rackline {

inline constexpr int kCodeWidth = 4;

QString format(const QString &code, const QString &name);
// The code of a line: its first four characters without blanks.
QString codeOf(const QString &line);
// The rest of the line after the code.
QString nameOf(const QString &line);

} // namespace rackline
