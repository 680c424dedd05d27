#include "maintenance/MonthHistory.h"

#include "data/MonthFolders.h"

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
            add(c, history::cardChanges(month, codeOf(name), present.table, incoming.table), month,
                name);
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

QList<qsizetype> notInPlace(FileSystem &fs, const Changes &c) {
    QList<qsizetype> missing;
    // The entries of one card follow each other: one card read at a time.
    QString key;
    cardfile::Read now;
    for (qsizetype i = 0; i < c.entries.size(); ++i) {
        const history::Entry &e = c.entries[i];
        if (const QString k = c.months[i] + QLatin1Char('/') + c.files[i]; k != key) {
            key = k;
            now = readCard(fs, c.months[i], c.files[i]);
        }
        if (!now.ok() || e.row < 0 || now.table.at(e.row, e.field) != e.newText)
            missing.append(i);
    }
    return missing;
}

} // namespace monthhistory
