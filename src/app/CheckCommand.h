#pragma once

#include "platform/SettingsStore.h"

#include <QString>
#include <QTextStream>

// "kelvane --check [FOLDER]": the change history's whole check without a
// window, for a scheduled run. It prints the report and writes nothing.
// Exit code: 0 every value is accounted for, 1 something is not, 2 a file
// cannot be read (or no such data folder).
namespace checkcommand {

// The data folder the command names, made absolute; the program's own folder
// when it names none.
QString dataFolderOf(const QStringList &arguments, const QString &programFolder);

int run(const QString &dataFolder, SettingsStore &store, QTextStream &out, QTextStream &err);

// The whole command: argv as given to main.
int main(int argc, char **argv);

} // namespace checkcommand
