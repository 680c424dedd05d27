#pragma once

#include "data/History.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The change history of one card month and employee as a person reads it:
// the tally screen's list and the page printed after the work record sheet.
namespace history {

// One record in the words of the screen.
struct Row {
    QString when;     // "2007/03/16 18:02:11"
    QString function; // "訂正", "削除", ...
    QString day;      // day of the month; empty for a whole card
    QString field;    // "出勤", "休憩", "戻り", "退勤"; empty for a whole card
    QString oldText;
    QString newText;
    QString reason;
    bool operator==(const Row &) const = default;
};

// 日時, 処理, 日, 項目, 変更前, 変更後, 理由.
QStringList rowHeaders();

// The card's preparation, its baseline and the first punches made at the
// punch clock are the card's own record, not a change of it; of the tally's
// confirm only a certified value typed over another is a change (the times
// it works out follow the punches). Everything else is a change.
bool isChange(const Record &r);
// A punch made at the punch clock into an empty field.
bool isFirstPunch(const Record &r);

// The changes as rows, in file order; withPunches keeps the first punches
// made at the punch clock too.
QList<Row> rowsOf(const QList<Record> &records, bool withPunches);

// The records of one card month by employee code, in file order, read in one
// pass as recordsOf reads those of one code.
QHash<QString, QList<Record>> recordsOfMonth(FileSystem &fs, const QString &month,
                                             FileError *error = nullptr);

} // namespace history
