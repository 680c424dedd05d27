#include "data/History.h"

#include "data/HistoryTail.h"
#include "data/HistoryTargets.h"
#include "data/RecordFile.h"

#include <QHash>

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

Entry punch(const QString &month, const QString &code, const CardTable &t, int row, int field) {
    return {month, code, row, t.at(row, CardField::Day), field, {}, {}};
}

} // namespace

bool makesChange(const QString &function) {
    return function != word::torikesi;
}

QString cardPresent() {
    return QStringLiteral("あり");
}

bool isCardMonth(const QString &month) {
    return month.contains(QStringLiteral("月")) && !month.contains(QLatin1Char('/')) &&
           !month.contains(QLatin1Char('\\')) && month != QLatin1String("..");
}

QString functionCaption(const QString &function) {
    static const QHash<QString, QString> captions = {
        {word::dakoku, QStringLiteral("打刻")},
        {word::tuika, QStringLiteral("追加打刻")},
        {word::teisei, QStringLiteral("訂正")},
        {word::sakujo, QStringLiteral("削除")},
        {word::kaadosakujo, QStringLiteral("カードの削除")},
        {word::seiri, QStringLiteral("タイムカードの整理")},
        {word::hukugen, QStringLiteral("復元")},
        {word::ickaado, QStringLiteral("ICカード")},
        {word::torikesi, QStringLiteral("取消")},
    };
    return captions.value(function, function);
}

QString fieldCaption(int field) {
    switch (field) {
    case CardField::ClockIn:
        return QStringLiteral("出勤");
    case CardField::BreakOut:
        return QStringLiteral("休憩");
    case CardField::BreakReturn:
        return QStringLiteral("戻り");
    case CardField::ClockOut:
        return QStringLiteral("退勤");
    default:
        return {};
    }
}

QList<Entry> cardChanges(const QString &month, const QString &code, const CardTable &before,
                         const CardTable &after) {
    QList<Entry> entries;
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        for (int f = CardField::ClockIn; f <= CardField::ClockOut; ++f) {
            if (before.at(r, f) == after.at(r, f))
                continue;
            Entry e =
                punch(month, code, after.at(r, CardField::Day).isEmpty() ? before : after, r, f);
            e.oldText = before.at(r, f);
            e.newText = after.at(r, f);
            entries.append(e);
        }
    }
    return entries;
}

QList<Entry> cardRemoved(const QString &month, const QString &code, const CardTable &card) {
    QList<Entry> entries;
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        for (int f = CardField::ClockIn; f <= CardField::ClockOut; ++f) {
            if (card.at(r, f).isEmpty())
                continue;
            Entry e = punch(month, code, card, r, f);
            e.oldText = card.at(r, f);
            entries.append(e);
        }
    }
    if (entries.isEmpty())
        entries.append({month, code, -1, {}, -1, {}, {}});
    return entries;
}

namespace {

// The lines of a group after the tail, which then stands after them.
QByteArray groupLines(Tail &tail, const QString &when, QLatin1String function,
                      const QList<Entry> &entries, const QString &reason) {
    const QString why = clean(reason);
    const QString parts = QString::number(entries.size());
    QByteArray group;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Entry &e = entries[i];
        const QStringList values = {QString::number(tail.lastNumber + 1),
                                    when,
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

// One append; what it wrote stands at the end of the file only when it
// succeeded.
FileError append(FileSystem &fs, Tail &tail, const QByteArray &lines) {
    const FileError e = fs.appendFile(QLatin1String(kFileName), tail.lineEnd + lines);
    if (isSaved(e))
        tail.lineEnd.clear();
    return e;
}

} // namespace

Written record(FileSystem &fs, const Clock &clock, QLatin1String function,
               const QList<Entry> &entries, const QString &reason) {
    Written w;
    w.entries = entries;
    if (entries.isEmpty())
        return w;
    Tail tail = prepareTail(fs);
    if (tail.error != FileError::None) {
        w.error = tail.error;
        return w;
    }
    const QString when = clock.now().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    // The changes of the last group that the files do not hold were never
    // made (a crash before its card was written, a "torikesi" that could not
    // be written): the history says so first, as a group of its own. A
    // "torikesi" written now is that very statement.
    const QList<Entry> undone =
        function == word::torikesi ? QList<Entry>() : notMade(fs, tail.lastGroup);
    if (!undone.isEmpty()) {
        QStringList numbers;
        for (const Entry &e : undone)
            numbers.append(e.reason);
        const QString why = QStringLiteral("%1番の変更は、途中で止まったため行われていません")
                                .arg(numbersText(numbers));
        Tail after = tail;
        w.error =
            append(fs, after, groupLines(after, when, word::torikesi, takenBack(undone), why));
        if (!isSaved(w.error))
            return w;
        tail = after;
    }
    const qint64 first = tail.lastNumber + 1;
    const FileError e = append(fs, tail, groupLines(tail, when, function, entries, reason));
    // The "torikesi" before it was written even when the group was not.
    if (!isSaved(e) || w.error == FileError::None)
        w.error = e;
    if (w.ok())
        w.firstNumber = first;
    return w;
}

FileError recordNotMade(FileSystem &fs, const Clock &clock, const Written &w, FileError why,
                        const QList<qsizetype> &which) {
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
    return record(fs, clock, word::torikesi, takenBack(undone), reason).error;
}

namespace {

Saved saveEntries(FileSystem &fs, const Clock &clock, QLatin1String function, const QString &month,
                  const QString &code, const CardTable &newTable, QList<Entry> entries,
                  const QString &reason) {
    if (function == word::teisei)
        for (Entry &e : entries)
            if (e.newText.isEmpty())
                e.function = word::sakujo;
    const Written w = record(fs, clock, function, entries, reason);
    if (!w.ok())
        return {w.error, true};
    const FileError e = cardfile::write(fs, month, code, newTable);
    if (!isSaved(e)) {
        recordNotMade(fs, clock, w, e);
        return {e, false};
    }
    return {e == FileError::None ? w.error : e, false};
}

} // namespace

Saved saveCard(FileSystem &fs, const Clock &clock, QLatin1String function, const QString &month,
               const QString &code, const CardTable &oldTable, const CardTable &newTable,
               const QString &reason) {
    return saveEntries(fs, clock, function, month, code, newTable,
                       cardChanges(month, code, oldTable, newTable), reason);
}

Saved saveCard(FileSystem &fs, const Clock &clock, QLatin1String function, const QString &month,
               const QString &code, const CardTable &oldTable, const CardTable &newTable,
               const QHash<int, QString> &rowReasons) {
    QList<Entry> entries = cardChanges(month, code, oldTable, newTable);
    for (Entry &e : entries)
        e.reason = rowReasons.value(e.row);
    return saveEntries(fs, clock, function, month, code, newTable, entries, {});
}

QList<Record> recordsOf(FileSystem &fs, const QString &month, const QString &code,
                        FileError *error) {
    QList<Record> found;
    const FileError e = forEachRecordOf(fs, month, [&](const Record &rec) {
        if (rec.entry.code == code)
            found.append(rec);
    });
    if (error)
        *error = e;
    return found;
}

} // namespace history
