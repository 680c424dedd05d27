#pragma once

#include <QString>

// One line of the tally screen's staff list: an optional mark "◆" for an
// employee already opened in this tally, the code cut or padded to four
// characters, then the name.
namespace staffentry {

inline constexpr int kCodeWidth = 4;
inline constexpr int kStoredNameLength = 20; // names kept in the suspend file

QString mark();
QString format(const QString &code, const QString &name, bool marked = false);
bool isMarked(const QString &entry);
// The same line with the mark.
QString marked(const QString &entry);
// The code of a line: characters 2-5 after a mark, else 1-4, without blanks.
QString codeOf(const QString &entry);
// The name of a line, without blanks.
QString nameOf(const QString &entry);
// The name of a line as the suspend file keeps it: the 20 characters after the
// code, without blanks.
QString storedNameOf(const QString &entry);

} // namespace staffentry
