#pragma once

#include "data/History.h"

#include <QList>
#include <QString>
#include <QStringList>

// The change history of whole card months: what deleting a month or
// restoring months over the data folder changes, gathered before the change,
// and which of those changes are not in place after it.
namespace monthhistory {

struct Changes {
    QList<history::Entry> entries;
    QStringList months; // the card month folder of each entry
    QStringList files;  // the card file of each entry (a name in its folder)
    void append(const Changes &more) {
        entries += more.entries;
        months += more.months;
        files += more.files;
    }
};

// Every card of a card month of the data folder, as deleting it takes it.
Changes removal(FileSystem &fs, const QString &month);

// What copying the cards of months from backupBase over the data folder's
// months changes: each punch of a card that will be copied, against the
// data folder's card of that name (blank where there is none).
Changes restore(FileSystem &fs, const QString &backupBase, const QStringList &months);

// What copying Kijyun.Dat and Meibo.Dat from backupBase changes: each value
// that differs (entries of no month, their files the file names).
Changes basicsRestore(FileSystem &fs, const QString &backupBase);

// The entries of the named files of a month.
QList<qsizetype> ofFiles(const Changes &c, const QString &month, const QStringList &files);

// The entries whose new text the data folder does not hold now.
QList<qsizetype> notInPlace(FileSystem &fs, const Changes &c);

} // namespace monthhistory
