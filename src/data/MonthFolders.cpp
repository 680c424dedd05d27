#include "data/MonthFolders.h"

#include "data/CardTable.h"
#include "data/RecordFile.h"

namespace monthfolders {

namespace {

QString inFolder(const QString &folder, const QString &name) {
    return folder.isEmpty() ? name : folder + QLatin1Char('/') + name;
}

} // namespace

CopyResult copyMonth(FileSystem &fs, const QString &sourceFolder, const QString &targetFolder) {
    CopyResult result;
    // A source that is gone (a backup disk taken out) makes no empty month.
    if (!fs.isFolder(sourceFolder)) {
        result.error = FileError::PathNotFound;
        return result;
    }
    const FileError made = fs.makeFolder(targetFolder);
    if (made != FileError::None && !fs.isFolder(targetFolder)) {
        result.error = made;
        return result;
    }
    QList<std::pair<QString, QByteArray>> batch;
    for (const QString &name : fs.list(sourceFolder, QStringLiteral("*"), ListKind::Files)) {
        const cardfile::Read card =
            cardfile::fromFile(fs.readFile(inFolder(sourceFolder, name), cardfile::kMaxBytes));
        // A torn or emptied card would replace a whole one with blanks.
        if (!card.ok()) {
            result.skipped.append(name);
            continue;
        }
        batch.append({name, records::format(card.table.toList())});
    }
    result.error = fs.replaceFiles(targetFolder, batch);
    if (result.ok())
        result.copied = static_cast<int>(batch.size());
    return result;
}

DeleteResult deleteMonth(FileSystem &fs, const QString &folder) {
    DeleteResult result;
    const QString pattern = QStringLiteral("*") + QLatin1String(cardfile::kSuffix);
    for (const QString &name : fs.list(folder, pattern, ListKind::Files)) {
        const FileError e = fs.removeFile(inFolder(folder, name));
        if (e == FileError::None) {
            ++result.removed;
            continue;
        }
        result.kept.append(name);
        if (result.error == FileError::None)
            result.error = e;
    }
    const FileError removed = fs.removeFolder(folder);
    result.folderRemoved = removed == FileError::None;
    // A folder that other files keep alive is the documented outcome, no error.
    if (!result.folderRemoved && result.error == FileError::None && !fs.isFolder(folder))
        result.error = removed;
    return result;
}

} // namespace monthfolders
