#include "data/CardUpdate.h"

#include "data/FileFailure.h"

namespace cardupdate {

namespace {

// The card's locks taken and the card read again as it is now; false, with
// failed saying why, when either could not be.
bool lockAndRead(FileSystem &fs, const QString &month, const QString &code, Locks &locks,
                 cardfile::Read &read, history::Saved &failed) {
    locks = lock(fs, month, code);
    if (locks.error() != FileError::None) {
        failed = {locks.error(), true};
        return false;
    }
    read = cardfile::read(fs, month, code);
    // Gone or damaged meanwhile: nothing of it is written over.
    if (!read.ok())
        failed = {read.error, false};
    return read.ok();
}

} // namespace

Locks lock(FileSystem &fs, const QString &month, const QString &code) {
    return lockFile(fs, cardfile::path(month, code));
}

Locks lockFile(FileSystem &fs, const QString &file) {
    Locks l{fs.lockFile(file), FileLock()};
    if (l.card.held())
        l.history = fs.lockFile(QLatin1String(history::kFileName));
    return l;
}

Locks lockMonths(FileSystem &fs, const QStringList &months) {
    Locks l{fs.lockFolders(months), FileLock()};
    if (l.card.held())
        l.history = fs.lockFile(QLatin1String(history::kFileName));
    return l;
}

Punched putPunches(history::Book book, QLatin1String function, const QString &month,
                   const QString &code, const CardTable &base, const CardTable &mine,
                   const QString &reason) {
    Punched p;
    p.now = base;
    Locks locks;
    cardfile::Read read;
    if (!lockAndRead(book.fs, month, code, locks, read, p.saved))
        return p;
    changemerge::Card merged = changemerge::card(base, mine, read.table, changemerge::kPunchFields);
    p.clashes = merged.clashes;
    p.saved = history::saveCard(book, function, month, code, read.table, merged.table, reason);
    p.now = p.saved.ok() ? merged.table : read.table;
    return p;
}

bool mayRetry(FileError e) {
    return filefailure::transient(e) || e == FileError::NotFound || e == FileError::Damaged;
}

QString clashText(const CardTable &card, const QList<changemerge::Clash> &clashes) {
    QStringList lines;
    for (const changemerge::Clash &c : clashes) {
        const QString what = card.at(c.row, CardField::Day) + QStringLiteral("日の") +
                             history::fieldCaption(c.field);
        lines.append(c.theirs.isEmpty()
                         ? what + QStringLiteral("は、ほかのパソコンで消されていたため、") +
                               c.mine + QStringLiteral(" を記録していません。")
                         : what + QStringLiteral("は、ほかのパソコンで既に ") + c.theirs +
                               QStringLiteral(" と打刻されていたため、") + c.mine +
                               QStringLiteral(" を記録していません。"));
    }
    return lines.join(QLatin1Char('\n'));
}

Stored storeIfUnchanged(history::Book book, QLatin1String function, const QString &month,
                        const QString &code, const CardTable &base, const CardTable &mine,
                        const QHash<int, QString> &rowReasons) {
    Stored s;
    s.now = base;
    Locks locks;
    cardfile::Read read;
    if (!lockAndRead(book.fs, month, code, locks, read, s.saved))
        return s;
    if (read.table.toList() != base.toList()) {
        s.changedMeanwhile = true;
        s.now = read.table;
        return s;
    }
    // Confirming a card that holds these very values changes nothing: the
    // file, its time stamp and the history stay as they are.
    if (mine.toList() == base.toList()) {
        s.now = mine;
        return s;
    }
    s.saved = history::saveCard(book, function, month, code, base, mine, rowReasons);
    s.now = s.saved.ok() ? mine : base;
    return s;
}

} // namespace cardupdate
