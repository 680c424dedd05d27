#include "tally/TallyMonth.h"

#include "data/CardMonth.h"
#include "data/DateRules.h"

namespace tallymonth {

QStringList sortNewestFirst(const QStringList &names) {
    return CardMonth::sorted(names, CardMonth::Order::NewestFirst, CardMonth::Others::Last);
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
    const std::optional<CardMonth> m = CardMonth::parse(folder);
    if (!m || m->month() < 1 || m->month() > 12)
        return dates;
    // A short year is an era year: a folder keeps the year style it was made
    // in, whatever the settings say now. The day fields check the guess.
    const int year = m->year() < 1000 ? daterules::westernFromEra(m->year()) : m->year();
    const int month = m->month();
    const daterules::PayPeriod period = daterules::payPeriod({year, month}, settings);
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        const QDate d = period.days[static_cast<size_t>(r)];
        if (d.isValid() && leadingNumber(card.at(r, CardField::Day)) == d.day())
            dates[static_cast<size_t>(r)] = d;
    }
    return dates;
}

} // namespace tallymonth
