#include "data/History.h"

#include "data/CalcSettings.h"
#include "data/HistoryFile.h"
#include "data/RecordFile.h"
#include "data/Roster.h"

#include <QHash>

namespace history {

namespace {

Entry cell(const QString &month, const QString &code, const CardTable &t, int row, int field) {
    return {month, code, row, row < CardTable::kDayRows ? t.at(row, CardField::Day) : QString(),
            field, {},   {}};
}

} // namespace

bool makesChange(const QString &function) {
    return function != word::torikesi && function != word::kiten;
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
        {word::kakutei, QStringLiteral("確定")},
        {word::junbi, QStringLiteral("準備")},
        {word::settei, QStringLiteral("基本設定")},
        {word::meibo, QStringLiteral("名簿")},
        {word::torikomi, QStringLiteral("名簿の取込")},
        {word::kiten, QStringLiteral("記録開始")},
        {word::hikaesakujo, QStringLiteral("控えの削除")},
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

bool isTracked(int row, int field) {
    if (row >= 0 && row < CardTable::kDayRows)
        return field >= CardField::ClockIn && field <= CardField::CertLateEarly;
    if (row == CardTable::kTotalsRow)
        return field >= CardField::DaysWorked && field <= CardField::CertLateEarly;
    return false;
}

namespace {

// Row 0's name and pay type are followed too.
bool followed(int row, int field) {
    return isTracked(row, field) ||
           (row == 0 && (field == CardField::Name || field == CardField::PayType));
}

} // namespace

QList<Entry> cardChanges(const QString &month, const QString &code, const CardTable &before,
                         const CardTable &after) {
    QList<Entry> entries;
    for (int r = 0; r < CardTable::kRows; ++r) {
        for (int f = 0; f < CardTable::kFields; ++f) {
            if (!followed(r, f) || before.at(r, f) == after.at(r, f))
                continue;
            Entry e =
                cell(month, code, after.at(r, CardField::Day).isEmpty() ? before : after, r, f);
            e.oldText = before.at(r, f);
            e.newText = after.at(r, f);
            entries.append(e);
        }
    }
    return entries;
}

QList<Entry> punchChanges(const CardTable &before, const CardTable &after) {
    QList<Entry> entries = cardChanges({}, {}, before, after);
    entries.removeIf([](const Entry &e) {
        return e.row >= CardTable::kDayRows || e.field < CardField::ClockIn ||
               e.field > CardField::ClockOut;
    });
    return entries;
}

QList<Entry> cardRemoved(const QString &month, const QString &code, const CardTable &card) {
    QList<Entry> entries;
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        for (int f = CardField::ClockIn; f <= CardField::ClockOut; ++f) {
            if (card.at(r, f).isEmpty())
                continue;
            Entry e = cell(month, code, card, r, f);
            e.oldText = card.at(r, f);
            entries.append(e);
        }
    }
    entries.append({month, code, -1, {}, -1, cardPresent(), {}});
    return entries;
}

QList<Entry> cardAsItIs(const QString &month, const QString &code, const CardTable &card) {
    QList<Entry> entries{{month, code, -1, {}, -1, {}, cardPresent()}};
    entries += cardChanges(month, code, CardTable(), card);
    return entries;
}

QList<Entry> valueChanges(const QString &file, const QStringList &before,
                          const QStringList &after) {
    QList<Entry> entries;
    const bool roster = file == QLatin1String(kRosterFile);
    const int width = roster ? Roster::kFields : CalcSettings::kCount;
    const qsizetype count = std::max(before.size(), after.size());
    for (qsizetype i = 0; i < count; ++i) {
        if (before.value(i) == after.value(i))
            continue;
        const int slot = static_cast<int>(i / width);
        const qsizetype codeAt = qsizetype(slot) * width;
        const QString code =
            roster ? (after.value(codeAt).isEmpty() ? before.value(codeAt) : after.value(codeAt))
                   : QString();
        entries.append({file,
                        code,
                        roster ? slot : -1,
                        {},
                        static_cast<int>(i % width),
                        before.value(i),
                        after.value(i)});
    }
    return entries;
}

namespace {

Saved saveEntries(Book book, QLatin1String function, const QString &month, const QString &code,
                  const CardTable &newTable, QList<Entry> entries, const QString &reason) {
    // The tally's confirm: punches it changed are corrections.
    if (function == word::kakutei || function == word::teisei) {
        for (Entry &e : entries) {
            const bool punch = e.row < CardTable::kDayRows && e.field >= CardField::ClockIn &&
                               e.field <= CardField::ClockOut;
            e.function = !punch                ? QString(word::kakutei)
                         : e.newText.isEmpty() ? QString(word::sakujo)
                                               : QString(word::teisei);
        }
    }
    const Written w = record(book, function, entries, reason);
    if (!w.ok())
        return {w.error, true};
    const FileError e = cardfile::write(book.fs, month, code, newTable);
    if (!isSaved(e)) {
        recordNotMade(book, w, e);
        return {e, false};
    }
    return {e == FileError::None ? w.error : e, false};
}

} // namespace

Saved saveCard(Book book, QLatin1String function, const QString &month, const QString &code,
               const CardTable &oldTable, const CardTable &newTable, const QString &reason) {
    return saveEntries(book, function, month, code, newTable,
                       cardChanges(month, code, oldTable, newTable), reason);
}

Saved saveCard(Book book, QLatin1String function, const QString &month, const QString &code,
               const CardTable &oldTable, const CardTable &newTable,
               const QHash<int, QString> &rowReasons) {
    QList<Entry> entries = cardChanges(month, code, oldTable, newTable);
    for (Entry &e : entries)
        e.reason = rowReasons.value(e.row);
    return saveEntries(book, function, month, code, newTable, entries, {});
}

Saved saveValues(Book book, QLatin1String function, const QString &file, const QStringList &before,
                 const QStringList &after) {
    const Written w = record(book, function, valueChanges(file, before, after));
    if (!w.ok())
        return {w.error, true};
    const FileError e = records::write(book.fs, file, after);
    if (!isSaved(e)) {
        recordNotMade(book, w, e);
        return {e, false};
    }
    return {e == FileError::None ? w.error : e, false};
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
