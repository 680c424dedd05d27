#include "data/CardTable.h"

#include "data/CalcSettings.h"
#include "data/RecordFile.h"
#include "data/StorableText.h"

int CardTable::dayRowOf(int day) const {
    // The day field is read as a number; a blank row (a day the month lacks)
    // reads as 0 and must never be taken for a day.
    if (day <= 0)
        return -1;
    for (int r = 0; r < kDayRows; ++r)
        if (leadingNumber(at(r, CardField::Day)) == day)
            return r;
    return -1;
}

QStringList CardTable::toList() const {
    QStringList list;
    list.reserve(kValues);
    for (const QString &v : m_cells)
        list.append(v);
    return list;
}

CardTable CardTable::fromList(const QStringList &values) {
    CardTable t;
    const qsizetype n = std::min<qsizetype>(values.size(), kValues);
    for (qsizetype i = 0; i < n; ++i)
        t.m_cells[static_cast<size_t>(i)] = values[i];
    return t;
}

namespace cardfile {

QString fileName(const QString &code) {
    return code.trimmed() + QLatin1String(kSuffix);
}

bool isSafeCode(const QString &code) {
    const QString c = code.trimmed();
    if (c.isEmpty() || c.startsWith(QLatin1Char('.')))
        return false;
    // The card's file name and the save's temporary name beside it must fit
    // the file system's limit of 255 bytes a name.
    if (c.size() > kMaxCodeBytes / 3 && c.toUtf8().size() > kMaxCodeBytes)
        return false;
    static const QString forbidden = QStringLiteral("/\\:*?<>|");
    for (const QChar ch : c)
        if (forbidden.contains(ch))
            return false;
    return storable::holds(c);
}

QString unsafeCodeText(const QString &code) {
    return QStringLiteral("従業員コード「") + code +
           QStringLiteral("」はファイル名に使えない文字を含むため使用できません。");
}

QString path(const QString &monthFolder, const QString &code) {
    return monthFolder + QLatin1Char('/') + fileName(code);
}

bool isCardOf(const CardTable &table, const QString &code) {
    const QString own = table.code().trimmed();
    if (!own.isEmpty() && own != code.trimmed())
        return false;
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        const QString day = table.at(r, CardField::Day).trimmed();
        if (day.isEmpty())
            continue;
        bool number = false;
        const int n = day.toInt(&number);
        if (!number || n < 1 || n > 31 || !day.front().isDigit())
            return false;
    }
    return true;
}

Read read(FileSystem &fs, const QString &monthFolder, const QString &code) {
    if (!isSafeCode(code)) {
        Read refused;
        refused.error = FileError::PathFileAccess;
        return refused;
    }
    // Made in place: a card's table is a thousand texts to clear and move.
    Read r = fromFile(fs.readFile(path(monthFolder, code), kMaxBytes));
    // Used as that code's card it would put garbage, or another employee's
    // punches, on this one.
    if (r.ok() && !isCardOf(r.table, code))
        r.error = FileError::Damaged;
    return r;
}

Read fromFile(const ReadResult &file) {
    Read r;
    const records::Read values = records::fromFile(file, CardTable::kValues);
    r.error = values.error;
    r.found = values.found;
    if (values.ok())
        r.table = CardTable::fromList(values.values);
    // Every card is written whole: fewer values are a torn or emptied file,
    // which a save would make final.
    if (r.ok() && r.found < CardTable::kValues)
        r.error = FileError::Damaged;
    return r;
}

Head headOf(const QByteArray &bytes) {
    const QStringList v = records::valuesAt(bytes, {CardField::Code, CardField::Name});
    return {v[0], v[1]};
}

QString damagedText(const QString &who, const QString &monthFolder) {
    return QStringLiteral("「") + who.trimmed() + QStringLiteral("」の") + monthFolder.trimmed() +
           QStringLiteral("のタイムカードは壊れているため、使用できません。"
                          "カードは書き換えずに残してあります。");
}

FileError write(FileSystem &fs, const QString &monthFolder, const QString &code,
                const CardTable &table) {
    if (!isSafeCode(code))
        return FileError::PathFileAccess;
    return records::write(fs, path(monthFolder, code), table.toList());
}

} // namespace cardfile
