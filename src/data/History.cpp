#include "data/History.h"

#include "data/HistoryFile.h"
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

Written record(FileSystem &fs, const Clock &clock, QLatin1String function,
               const QList<Entry> &entries, const QString &reason) {
    Written w;
    w.entries = entries;
    if (entries.isEmpty())
        return w;
    const Tail tail = prepareTail(fs);
    if (tail.error != FileError::None) {
        w.error = tail.error;
        return w;
    }
    const QString when = clock.now().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    const QString why = clean(reason);
    const QString parts = QString::number(entries.size());
    QByteArray previous = tail.lastHash;
    QByteArray group;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Entry &e = entries[i];
        const QString entryReason = e.reason.isEmpty() ? why : clean(e.reason);
        const QStringList values = {QString::number(tail.lastNumber + 1 + i),
                                    when,
                                    e.function.isEmpty() ? QString(function) : clean(e.function),
                                    clean(e.month),
                                    clean(e.code),
                                    numberText(e.row),
                                    clean(e.day),
                                    numberText(e.field),
                                    clean(e.oldText),
                                    clean(e.newText),
                                    entryReason,
                                    QString::number(i + 1) + QLatin1Char('/') + parts,
                                    QString::fromLatin1(previous)};
        QByteArray line = records::formatLine(values) + ',';
        line += '"' + hashOf(line) + '"';
        previous = hashOf(line);
        group += line;
        group += "\r\n";
    }
    // One append for the whole group: it is in the file whole or, after a
    // crash, cut off by the next prepareTail.
    w.error = fs.appendFile(QLatin1String(kFileName), group);
    if (w.ok())
        w.firstNumber = tail.lastNumber + 1;
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
        Entry e = w.entries.value(i);
        std::swap(e.oldText, e.newText);
        e.function.clear();
        e.reason.clear();
        undone.append(e);
        numbers.append(QString::number(w.firstNumber + i));
    }
    // One reason for the group, naming the records it takes back.
    const QString reason =
        QStringLiteral("%1番の変更は書き込めなかったため行われていません"
                       "（エラー番号 %2）")
            .arg(numbers.size() > 3 ? numbers.first() + QStringLiteral("～") + numbers.last()
                                    : numbers.join(QLatin1Char(',')))
            .arg(errorNumber(why));
    return record(fs, clock, word::torikesi, undone, reason).error;
}

FileError recordCardChange(FileSystem &fs, const Clock &clock, QLatin1String function,
                           const QString &month, const QString &code, const CardTable &oldTable,
                           const CardTable &newTable, const QString &reason) {
    return record(fs, clock, function, cardChanges(month, code, oldTable, newTable), reason).error;
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
