#include "maintenance/MonthHistory.h"

#include "data/CalcSettings.h"
#include "data/HistoryTargets.h"
#include "data/MonthFolders.h"
#include "data/RecordFile.h"
#include "data/Roster.h"

namespace monthhistory {

namespace {

const QString kSuffix = QLatin1String(cardfile::kSuffix);

// The code exactly as the file names it: a padded name is not the card of the
// trimmed code, and its changes are not recorded as that employee's.
QString codeOf(const QString &fileName) {
    return fileName.left(fileName.size() - kSuffix.size());
}

// A card read by its file's name (which may differ from the name its code
// gives): what could be read of it, blank when nothing could.
cardfile::Read readCard(FileSystem &fs, const QString &folder, const QString &name) {
    return cardfile::fromFile(
        fs.readFile(monthfolders::inFolder(folder, name), cardfile::kMaxBytes));
}

void add(Changes &c, const QList<history::Entry> &entries, const QString &month,
         const QString &file) {
    for (const history::Entry &e : entries) {
        c.entries.append(e);
        c.months.append(month);
        c.files.append(file);
    }
}

} // namespace

Changes removal(FileSystem &fs, const QString &month) {
    Changes c;
    for (const QString &name : monthfolders::cardNames(fs, month))
        add(c, history::cardRemoved(month, codeOf(name), readCard(fs, month, name).table), month,
            name);
    return c;
}

Changes restore(FileSystem &fs, const QString &backupBase, const QStringList &months) {
    Changes c;
    for (const QString &month : months) {
        const QString source = monthfolders::inFolder(backupBase, month);
        for (const QString &name : monthfolders::cardNames(fs, source)) {
            const cardfile::Read incoming = readCard(fs, source, name);
            // A card that is not whole is not copied.
            if (!incoming.ok())
                continue;
            const cardfile::Read present = readCard(fs, month, name);
            const QString code = codeOf(name);
            add(c,
                present.error == FileError::NotFound
                    ? history::cardAsItIs(month, code, incoming.table)
                    : history::cardChanges(month, code, present.table, incoming.table),
                month, name);
        }
    }
    return c;
}

QList<qsizetype> ofFiles(const Changes &c, const QString &month, const QStringList &files) {
    QList<qsizetype> found;
    for (qsizetype i = 0; i < c.entries.size(); ++i)
        if (c.months[i] == month && files.contains(c.files[i]))
            found.append(i);
    return found;
}

Changes basicsRestore(FileSystem &fs, const QString &backupBase) {
    Changes c;
    for (const auto &[name, count] : {std::pair{QLatin1String(kSettingsFile), CalcSettings::kCount},
                                      std::pair{QLatin1String(kRosterFile), Roster::kValues}}) {
        const records::Read incoming =
            records::read(fs, monthfolders::inFolder(backupBase, name), count);
        // A file the backup does not hold, or cannot give, is not copied.
        if (!incoming.ok())
            continue;
        add(c, history::valueChanges(name, records::read(fs, name, count).values, incoming.values),
            QString(), name);
    }
    return c;
}

QList<qsizetype> notInPlace(FileSystem &fs, const Changes &c) {
    QList<qsizetype> missing;
    history::Targets now(fs);
    for (qsizetype i = 0; i < c.entries.size(); ++i) {
        const std::optional<QString> value = now.valueOf(c.entries[i]);
        if (!value || *value != c.entries[i].newText)
            missing.append(i);
    }
    return missing;
}

} // namespace monthhistory
