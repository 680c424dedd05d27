#include "tally/TallyMonth.h"

#include "data/DateRules.h"

#include <QRegularExpression>
#include <algorithm>

namespace tallymonth {

namespace {

// Year and month of a name of the form year "年" month "月"; the month is
// read from the one or two characters after "年" as the folder names have
// always been ordered.
struct Key {
    bool valid = false;
    qint64 value = 0;
};

Key keyOf(const QString &name) {
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,6})年([0-9]{1,2})月$"));
    const QRegularExpressionMatch m = form.match(name);
    if (!m.hasMatch())
        return {};
    return {true, m.captured(1).toLongLong() * 100 + m.captured(2).toInt()};
}

} // namespace

QStringList sortNewestFirst(const QStringList &names) {
    QStringList sorted = names;
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        const Key ka = keyOf(a);
        const Key kb = keyOf(b);
        if (ka.valid != kb.valid)
            return ka.valid;
        return ka.valid && ka.value > kb.value;
    });
    return sorted;
}

QStringList listNewestFirst(FileSystem &fs) {
    return sortNewestFirst(
        fs.list(QStringLiteral("."), QStringLiteral("*月*"), ListKind::FilesAndFolders));
}

bool isSafeFolder(const QString &name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return false;
    return true;
}

QString unsafeFolderText(const QString &name) {
    return QStringLiteral("「") + name +
           QStringLiteral("」はデータフォルダーの外を指すため、開けません。");
}

std::array<QDate, CardTable::kDayRows> rowDates(const QString &folder, const CardTable &card,
                                                const CalcSettings &settings) {
    std::array<QDate, CardTable::kDayRows> dates{};
    const Key key = keyOf(folder);
    if (!key.valid)
        return dates;
    int year = static_cast<int>(key.value / 100);
    const int month = static_cast<int>(key.value % 100);
    // A short year is an era year: folders keep the year style they were made in.
    if (year < 1000)
        year = daterules::westernFromEra(year);
    if (month < 1 || month > 12)
        return dates;
    const daterules::PayPeriod period = daterules::payPeriod({year, month}, settings);
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        const QDate d = period.days[static_cast<size_t>(r)];
        if (d.isValid() && leadingNumber(card.at(r, Day)) == d.day())
            dates[static_cast<size_t>(r)] = d;
    }
    return dates;
}

} // namespace tallymonth
