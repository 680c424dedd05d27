#include "data/MonthFolders.h"

#include "data/CardTable.h"
#include "data/RecordFile.h"

namespace monthfolders {

QString linkText(const QString &month) {
    return QStringLiteral("「") + month +
           QStringLiteral("」は別の場所を指すリンクのため、開けません。");
}

QString inFolder(const QString &folder, const QString &name) {
    if (folder.isEmpty())
        return name;
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

namespace {

// A source file as the copy writes it; empty when it is no whole card. A card
// already in the written form goes as it is, without its texts converted.
QByteArray asCopied(FileSystem &fs, const QString &path) {
    ReadResult file = fs.readFile(path, cardfile::kMaxBytes);
    if (file.ok() && records::isWrittenForm(file.bytes, CardTable::kValues))
        return std::move(file.bytes);
    const cardfile::Read card = cardfile::fromFile(file);
    return card.ok() ? records::format(card.table.toList()) : QByteArray();
}

} // namespace

CopyResult copyMonth(FileSystem &fs, const QString &sourceFolder, const QString &targetFolder) {
    return copyMonths(fs, {{sourceFolder, targetFolder}}).value(0);
}

QList<CopyResult> copyMonths(FileSystem &fs, const QList<std::pair<QString, QString>> &folders) {
    QList<CopyResult> results(folders.size());
    // For each month in the batch: its place in the results, its files' names.
    QList<std::pair<qsizetype, QStringList>> added;
    const std::unique_ptr<FileBatch> batch = fs.batch();
    for (qsizetype i = 0; i < folders.size(); ++i) {
        const auto &[sourceFolder, targetFolder] = folders[i];
        CopyResult &result = results[i];
        // A source that is gone (a backup disk taken out) makes no empty month.
        if (!fs.isFolder(sourceFolder)) {
            result.error = FileError::PathNotFound;
            continue;
        }
        const FileError made = fs.makeFolder(targetFolder);
        if (made != FileError::None && !fs.isFolder(targetFolder)) {
            result.error = made;
            continue;
        }
        QList<std::pair<QString, QByteArray>> files;
        QStringList names;
        for (const QString &name : fs.list(sourceFolder, QStringLiteral("*"), ListKind::Files)) {
            QByteArray bytes = asCopied(fs, inFolder(sourceFolder, name));
            // A torn or emptied card would replace a whole one with blanks.
            if (bytes.isEmpty()) {
                result.skipped.append(name);
                continue;
            }
            files.append({name, std::move(bytes)});
            names.append(name);
        }
        batch->add(targetFolder, files);
        added.append({i, names});
    }
    const QList<FileError> written = batch->commit();
    for (qsizetype k = 0; k < added.size(); ++k) {
        CopyResult &result = results[added[k].first];
        result.error = written.value(k, FileError::DeviceIO);
        const QStringList &names = added[k].second;
        if (result.ok()) {
            result.written = names;
        } else {
            // Cut short among the renames: the files already in place are
            // told apart by what they hold.
            const auto &[sourceFolder, targetFolder] = folders[added[k].first];
            for (const QString &name : names) {
                const ReadResult now =
                    fs.readFile(inFolder(targetFolder, name), cardfile::kMaxBytes);
                if (now.ok() && now.bytes == asCopied(fs, inFolder(sourceFolder, name)))
                    result.written.append(name);
            }
            result.notWritten = static_cast<int>(names.size() - result.written.size());
        }
        result.copied = static_cast<int>(result.written.size());
    }
    return results;
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

QStringList cardNames(FileSystem &fs, const QString &folder) {
    return fs.list(folder, QStringLiteral("*") + QLatin1String(cardfile::kSuffix), ListKind::Files);
}

DeleteResult deleteMonth(FileSystem &fs, const QString &folder) {
    return deleteMonth(fs, folder, cardNames(fs, folder));
}

DeleteResult deleteMonth(FileSystem &fs, const QString &folder, const QStringList &cards) {
    DeleteResult result;
    for (const QString &name : cards) {
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
