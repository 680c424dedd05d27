#include "data/History.h"

#include "data/CalcSettings.h"
#include "data/HistoryAnchor.h"
#include "data/HistoryCover.h"
#include "data/HistoryTail.h"
#include "data/HistoryTargets.h"
#include "data/RecordFile.h"
#include "data/Roster.h"

#include <QSet>

// Writing groups of records: each group one append at the end of Rireki.Dat,
// synced; before it, what the last group left unsettled and the baselines of
// what the history does not cover yet; after it, the anchor in the settings
// store.
namespace history {

namespace {

constexpr qsizetype kMaxText = 500;

// A text as a value of a line: no quote, no line end or other control
// character, and not longer than a record ever needs.
QString clean(const QString &text) {
    QString out = text.left(kMaxText);
    for (QChar &c : out) {
        if (c == QLatin1Char('"'))
            c = QChar(0x201D); // ”
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char(' ');
    }
    if (text.size() > kMaxText)
        out += QChar(0x2026); // …
    return out;
}

QString numberText(int n) {
    return n >= 0 ? QString::number(n) : QString();
}

// "5", "5,6,7" or "5～40".
QString numbersText(const QStringList &numbers) {
    return numbers.size() > 3 ? numbers.first() + QStringLiteral("～") + numbers.last()
                              : numbers.join(QLatin1Char(','));
}

// Entries taking back changes not made: old and new swapped.
QList<Entry> takenBack(QList<Entry> entries) {
    for (Entry &e : entries) {
        std::swap(e.oldText, e.newText);
        e.function.clear();
        e.reason.clear();
    }
    return entries;
}

// The history's end as the writer goes on: where the next record chains on,
// and the head the anchor keeps.
struct End {
    Tail tail;
    Known known;
    QString when;
};

// The lines of a group after the end, which then stands after them.
QByteArray groupLines(End &end, QLatin1String function, const QList<Entry> &entries,
                      const QString &reason) {
    Tail &tail = end.tail;
    const QString why = clean(reason);
    const QString parts = QString::number(entries.size());
    QByteArray group;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Entry &e = entries[i];
        const QStringList values = {QString::number(tail.lastNumber + 1),
                                    end.when,
                                    e.function.isEmpty() ? QString(function) : clean(e.function),
                                    clean(e.month),
                                    clean(e.code),
                                    numberText(e.row),
                                    clean(e.day),
                                    numberText(e.field),
                                    clean(e.oldText),
                                    clean(e.newText),
                                    e.reason.isEmpty() ? why : clean(e.reason),
                                    QString::number(i + 1) + QLatin1Char('/') + parts,
                                    QString::fromLatin1(tail.lastHash)};
        QByteArray line = records::formatLine(values) + ',';
        line += '"' + hashOf(line) + '"';
        tail.lastHash = hashOf(line);
        ++tail.lastNumber;
        group += line;
        group += "\r\n";
    }
    return group;
}

// One group appended; the end moves on only when it is in the file.
FileError append(End &end, FileSystem &fs, QLatin1String function, const QList<Entry> &entries,
                 const QString &reason) {
    End after = end;
    const QByteArray bytes = after.tail.lineEnd + groupLines(after, function, entries, reason);
    const FileError e = fs.appendFile(QLatin1String(kFileName), bytes);
    if (!isSaved(e))
        return e;
    after.tail.lineEnd.clear();
    Head &h = after.known.head;
    h.lines += entries.size();
    h.end += bytes.size();
    h.hash = after.tail.lastHash;
    h.when = end.when;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        Record r;
        r.function = entries[i].function.isEmpty() ? QString(function) : entries[i].function;
        r.entry = entries[i];
        if (const QString c = coverageOf(r); !c.isEmpty())
            after.known.covered.insert(c);
    }
    end = after;
    return e;
}

// The card months and files a group writes into that the history does not
// cover yet; a month deleted whole needs no baseline.
QStringList uncovered(const QList<Entry> &entries, QLatin1String function, const Known &k) {
    QStringList files;
    if (function == word::seiri || function == word::kiten || function == word::torikesi)
        return files;
    for (const Entry &e : entries) {
        const bool basic =
            e.month == QLatin1String(kSettingsFile) || e.month == QLatin1String(kRosterFile);
        if ((basic || isCardMonth(e.month)) && !k.covered.contains(e.month) &&
            !files.contains(e.month))
            files.append(e.month);
    }
    return files;
}

} // namespace

Written record(Book book, QLatin1String function, const QList<Entry> &entries,
               const QString &reason) {
    Written w;
    w.entries = entries;
    if (entries.isEmpty())
        return w;
    End end;
    end.tail = prepareTail(book.fs);
    if (end.tail.error != FileError::None) {
        w.error = end.tail.error;
        return w;
    }
    Anchor anchor(book.store, book.fs);
    end.known = known(book.fs, anchor);
    const qsizetype coveredBefore = end.known.covered.size();
    if (end.known.error != FileError::None) {
        w.error = end.known.error;
        return w;
    }
    end.when = book.clock.now().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    FileError before = FileError::None;
    // The changes of the last group that the files do not hold were never
    // made (a crash before its card was written, a "torikesi" that could not
    // be written): the history says so first, as a group of its own. A
    // "torikesi" written now is that very statement.
    const QList<Entry> undone =
        function == word::torikesi ? QList<Entry>() : notMade(book.fs, end.tail.lastGroup);
    if (!undone.isEmpty()) {
        QStringList numbers;
        for (const Entry &e : undone)
            numbers.append(e.reason);
        before = append(end, book.fs, word::torikesi, takenBack(undone),
                        QStringLiteral("%1番の変更は、途中で止まったため行われていません")
                            .arg(numbersText(numbers)));
    }
    // What the history does not explain yet is recorded as it is, before it
    // changes.
    for (const QString &file : uncovered(entries, function, end.known)) {
        if (!isSaved(before))
            break;
        const QList<Entry> baseline = baselineOf(book.fs, file);
        if (!baseline.isEmpty())
            before = append(end, book.fs, word::kiten, baseline,
                            QStringLiteral("変更履歴の記録を始める前の値"));
    }
    const qint64 first = end.tail.lastNumber + 1;
    w.error = isSaved(before) ? append(end, book.fs, function, entries, reason) : before;
    if (w.ok()) {
        w.firstNumber = first;
        if (before == FileError::Unconfirmed)
            w.error = before;
    }
    // The anchor follows what is in the file, whatever else failed.
    anchor.setHead(end.known.head);
    if (end.known.covered.size() != coveredBefore || !end.known.fromAnchor)
        anchor.setCovered(end.known.covered);
    return w;
}

FileError recordNotMade(Book book, const Written &w, FileError why, const QList<qsizetype> &which) {
    if (w.firstNumber == 0)
        return FileError::None;
    QList<qsizetype> indexes = which;
    if (indexes.isEmpty())
        for (qsizetype i = 0; i < w.entries.size(); ++i)
            indexes.append(i);
    QList<Entry> undone;
    QStringList numbers;
    for (const qsizetype i : indexes) {
        undone.append(w.entries.value(i));
        numbers.append(QString::number(w.firstNumber + i));
    }
    // One reason for the group, naming the records it takes back. When it
    // cannot be written, the next group written says the same (see record).
    const QString reason = QStringLiteral("%1番の変更は書き込めなかったため行われていません"
                                          "（エラー番号 %2）")
                               .arg(numbersText(numbers))
                               .arg(errorNumber(why));
    return record(book, word::torikesi, takenBack(undone), reason).error;
}

} // namespace history
