#pragma once

#include "platform/FileSystem.h"

#include <QString>
#include <QStringList>

// The card month folders the tally screen lists and works in.
namespace tallymonth {

// The entries of the data folder that name card months, newest first; names
// of another form come after them, in listing order.
QStringList listNewestFirst(FileSystem &fs);

// Whether a folder name stays inside the data folder: one plain name, not "."
// or "..", without separators or control characters.
bool isSafeFolder(const QString &name);
QString unsafeFolderText(const QString &name);

} // namespace tallymonth
