#include "data/MonthFolders.h"

#include "data/CardTable.h"
#include "data/RecordFile.h"

namespace monthfolders {

namespace {

QString inFolder(const QString &folder, const QString &name) {
    return folder.isEmpty() ? name : folder + QLatin1Char('/') + name;
}

// A source file as the copy writes it; empty when it is no whole card.
QByteArray asCopied(FileSystem &fs, const QString &path) {
    const cardfile::Read card = cardfile::fromFile(fs.readFile(path, cardfile::kMaxBytes));
    return card.ok() ? records::format(card.table.toList()) : QByteArray();
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
        QByteArray bytes = asCopied(fs, inFolder(sourceFolder, name));
        // A torn or emptied card would replace a whole one with blanks.
        if (bytes.isEmpty()) {
            result.skipped.append(name);
            continue;
        }
        batch.append({name, std::move(bytes)});
    }
    result.error = fs.replaceFiles(targetFolder, batch);
    if (!result.ok()) {
        result.notWritten = static_cast<int>(batch.size());
        return result;
    }
    result.copied = static_cast<int>(batch.size());
    for (const auto &file : batch)
        result.written.append(file.first);
    return result;
}

QStringList verifyMonth(FileSystem &fs, const QString &sourceFolder, const QString &targetFolder,
                        const QStringList &names) {
    QStringList differing;
    for (const QString &name : names) {
        const QString target = inFolder(targetFolder, name);
        fs.forgetCached(target);
        const ReadResult back = fs.readFile(target, cardfile::kMaxBytes);
        if (!back.ok() || back.bytes != asCopied(fs, inFolder(sourceFolder, name)))
            differing.append(name);
    }
    return differing;
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
