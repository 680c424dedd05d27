#include "data/HistoryRows.h"

#include "data/HistoryFile.h"
#include "data/HistoryReplay.h"

namespace history {

QStringList rowHeaders() {
    return {QStringLiteral("日時"), QStringLiteral("処理"),   QStringLiteral("日"),
            QStringLiteral("項目"), QStringLiteral("変更前"), QStringLiteral("変更後"),
            QStringLiteral("理由")};
}

bool isChange(const Record &r) {
    // How a card came to be (prepared, or as it was when the history began)
    // and the first punches are its own record; of what the tally confirms,
    // only a certified value typed over another is a change, the times it
    // works out follow the punches.
    if (r.function == word::kiten || r.function == word::junbi)
        return false;
    if (r.function == word::kakutei)
        return !r.entry.oldText.isEmpty() && r.entry.row < CardTable::kDayRows &&
               r.entry.field >= CardField::CertWithin && r.entry.field <= CardField::CertLateEarly;
    return r.function != word::dakoku || !r.entry.oldText.isEmpty();
}

bool isFirstPunch(const Record &r) {
    return r.function == word::dakoku && r.entry.oldText.isEmpty();
}

QList<Row> rowsOf(const QList<Record> &records, bool withPunches) {
    QList<Row> rows;
    for (const Record &r : records) {
        if (!isChange(r) && !(withPunches && isFirstPunch(r)))
            continue;
        rows.append({r.when, functionCaption(r.function), r.entry.day,
                     valueCaption(r.entry.month, r.entry.row, r.entry.field), r.entry.oldText,
                     r.entry.newText, r.reason});
    }
    return rows;
}

QHash<QString, QList<Record>> recordsOfMonth(FileSystem &fs, const QString &month,
                                             FileError *error) {
    QHash<QString, QList<Record>> found;
    const FileError e =
        forEachRecordOf(fs, month, [&](const Record &rec) { found[rec.entry.code].append(rec); });
    if (error)
        *error = e;
    return found;
}

} // namespace history
