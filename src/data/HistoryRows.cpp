#include "data/HistoryRows.h"

#include "data/HistoryFile.h"

namespace history {

QStringList rowHeaders() {
    return {QStringLiteral("日時"), QStringLiteral("処理"),   QStringLiteral("日"),
            QStringLiteral("項目"), QStringLiteral("変更前"), QStringLiteral("変更後"),
            QStringLiteral("理由")};
}

bool isChange(const Record &r) {
    return r.function != word::dakoku || !r.entry.oldText.isEmpty();
}

QList<Row> rowsOf(const QList<Record> &records, bool withPunches) {
    QList<Row> rows;
    for (const Record &r : records) {
        if (!withPunches && !isChange(r))
            continue;
        rows.append({r.when, functionCaption(r.function), r.entry.day, fieldCaption(r.entry.field),
                     r.entry.oldText, r.entry.newText, r.reason});
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
