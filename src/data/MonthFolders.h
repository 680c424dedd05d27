#pragma once

#include "platform/FileSystem.h"

#include <QString>
#include <QStringList>

// Whole card months, for card organizing (deleting months) and for backup and
// restore (copying months between the data folder and a backup folder). Every
// file is written through the one save primitive and deleted by its exact
// name, so an error or a crash leaves each file either as it was or complete
// with its new content; never torn, never another file.
//
// Folders are paths as FileSystem takes them: relative ones lie below the
// data folder ("2009年5月"), absolute ones anywhere (a backup folder's month).
namespace monthfolders {

// "「2026年1月」は別の場所を指すリンクのため、開けません。": a month folder of
// the data folder that is a symbolic link is never followed.
QString linkText(const QString &month);

// A name below a folder: the data folder is the empty folder; a root folder
// gives "/name", not "//name".
QString inFolder(const QString &folder, const QString &name);

struct CopyResult {
    // Files whose new content is in place in the target folder.
    int copied = 0;
    // Their names, in listing order. After a copy cut short (error), those
    // found holding their new content when read back.
    QStringList written;
    // Files read whole whose new content is not in place (the copy stopped
    // with error).
    int notWritten = 0;
    // Source files left out, by name: files that could not be read, and files
    // that are no whole card (damaged, see cardfile::read). The target's file
    // of that name keeps what it held.
    QStringList skipped;
    // None; Unconfirmed when every file was written but the flush to the disk
    // was not confirmed (the copy counts as done); or the error that stopped
    // the copy: the source folder is missing (PathNotFound) or the target
    // folder could not be made (nothing written), or the writing failed (each
    // target file then holds its old content or its new one: written names
    // those in place).
    FileError error = FileError::None;
    bool ok() const { return isSaved(error); }
};

// Copies a card month: makes targetFolder when it is missing (an existing one
// is used as it is), then reads each file of sourceFolder (sub-folders and
// hidden files aside) as a card, 32 rows of 16 values, and writes it in the
// card format to the file of the same name in targetFolder, replacing it.
// Files of the target that the source lacks stay. The files go to the disk as
// one batch: one flush for the whole month.
CopyResult copyMonth(FileSystem &fs, const QString &sourceFolder, const QString &targetFolder);

// Copies several card months, each one as copyMonth does and with a result of
// its own, with one flush for them all (FileSystem::batch): a month that
// cannot be written leaves its target folder's files as they were, and the
// others go on. folders holds pairs of source and target folder.
QList<CopyResult> copyMonths(FileSystem &fs, const QList<std::pair<QString, QString>> &folders);

// Reads back the named files of a copy from targetFolder, from the disk rather
// than from the system's memory where it can (FileSystem::forgetCached), and
// compares each with what copyMonth makes of the file of that name in
// sourceFolder. Returns the names that differ or could not be read back.
QStringList verifyMonth(FileSystem &fs, const QString &sourceFolder, const QString &targetFolder,
                        const QStringList &names);

struct DeleteResult {
    int removed = 0;                   // card files deleted
    QStringList kept;                  // card files that could not be deleted
    bool folderRemoved = false;        // false while any file (another kind, a kept card) is in it
    FileError error = FileError::None; // the first error of deleting a card or the folder
};

// The names of the card files of a folder: those ending in ".Card" exactly
// (letter case counts: "x.card" is no card).
QStringList cardNames(FileSystem &fs, const QString &folder);

// Deletes a card month: the card files (cardNames), one by one, each failure
// skipped; then the folder itself when nothing is left in it.
DeleteResult deleteMonth(FileSystem &fs, const QString &folder);
// The same for exactly the named card files (those kept before).
DeleteResult deleteMonth(FileSystem &fs, const QString &folder, const QStringList &cards);

} // namespace monthfolders
