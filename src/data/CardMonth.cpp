#include "data/CardMonth.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

const QString kYearSign = QStringLiteral("年");
const QString kMonthSign = QStringLiteral("月");

// Year digits, "年", one or two month digits, "月".
struct Parts {
    QStringView year;
    QStringView month;
};

std::optional<Parts> split(QStringView name) {
    static const QRegularExpression form(QStringLiteral("^([0-9]+)年([0-9]{1,2})月$"));
    // A name is taken as listed: " 2007年3月" is another folder, no card month.
    const QRegularExpressionMatch m = form.match(name);
    if (!m.hasMatch())
        return std::nullopt;
    return Parts{m.capturedView(1), m.capturedView(2)};
}

} // namespace

CardMonth CardMonth::inYearStyle(int westernYear, int month, const CalcSettings &s) {
    return {s.wareki() ? daterules::eraYear(westernYear) : westernYear, month};
}

std::optional<CardMonth> CardMonth::parse(const QString &folderName) {
    const std::optional<Parts> p = split(folderName);
    if (!p)
        return std::nullopt;
    return CardMonth(leadingNumber(p->year), leadingNumber(p->month));
}

std::optional<daterules::YearMonth> CardMonth::calendarMonth() const {
    if (m_month < 1 || m_month > 12 || m_year < 1 || m_year > kLastYear)
        return std::nullopt;
    return daterules::YearMonth{eraYear() ? daterules::westernFromEra(m_year) : m_year, m_month};
}

std::optional<daterules::YearMonth> CardMonth::calendarMonth(const QString &folderName) {
    const std::optional<CardMonth> m = parse(folderName);
    return m ? m->calendarMonth() : std::nullopt;
}

std::array<QDate, CardTable::kDayRows> CardMonth::rowDates(const CardTable &card,
                                                           const CalcSettings &s) const {
    std::array<QDate, CardTable::kDayRows> dates{};
    const std::optional<daterules::YearMonth> m = calendarMonth();
    if (!m)
        return dates;
    const daterules::PayPeriod period = daterules::payPeriod(*m, s);
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        const QDate d = period.days[static_cast<size_t>(r)];
        if (d.isValid() && leadingNumber(card.at(r, CardField::Day)) == d.day())
            dates[static_cast<size_t>(r)] = d;
    }
    return dates;
}

QString CardMonth::folderName() const {
    return folderName(QString::number(m_year), QString::number(m_month));
}

QString CardMonth::folderName(const QString &yearText, const QString &monthText) {
    return yearText + kYearSign + monthText + kMonthSign;
}

QString CardMonth::yearTextOf(const QString &folderName) {
    const qsizetype at = folderName.indexOf(kYearSign);
    return at < 0 ? folderName : folderName.left(at);
}

qint64 CardMonth::key(const QString &folderName) {
    const std::optional<Parts> p = split(folderName);
    if (!p)
        return 0;
    QString digits = p->year.toString();
    if (p->month.size() == 1)
        digits.append(QLatin1Char('0'));
    digits.append(p->month);
    return digits.left(18).toLongLong();
}

QStringList CardMonth::sorted(const QStringList &names, Order order, Others others) {
    struct Keyed {
        bool month;
        qint64 key;
        QString name;
    };
    QList<Keyed> keyed;
    keyed.reserve(names.size());
    for (const QString &n : names)
        keyed.append({split(n).has_value(), key(n), n});
    const bool othersFirst = others == Others::First;
    const bool newestFirst = order == Order::NewestFirst;
    std::stable_sort(keyed.begin(), keyed.end(), [&](const Keyed &a, const Keyed &b) {
        if (a.month != b.month)
            return a.month != othersFirst;
        if (!a.month)
            return false;
        return newestFirst ? a.key > b.key : a.key < b.key;
    });
    QStringList out;
    out.reserve(keyed.size());
    for (const Keyed &k : keyed)
        out.append(k.name);
    return out;
}

bool CardMonth::employeeBefore(const QString &code, const QString &other) {
    const int a = leadingNumber(code);
    const int b = leadingNumber(other);
    if ((a > 0) != (b > 0))
        return a > 0;
    if (a != b)
        return a < b;
    return code < other;
}

void CardMonth::sortCodes(QStringList &codes) {
    std::stable_sort(codes.begin(), codes.end(), employeeBefore);
}

QStringList CardMonth::entries(FileSystem &fs, const QString &folder) {
    return fs.list(folder, QStringLiteral("*月*"), ListKind::FilesAndFolders);
}

QStringList CardMonth::links(FileSystem &fs, const QStringList &names, const QString &folder) {
    QStringList found;
    for (const QString &name : names)
        if (fs.isLink(folder.isEmpty() ? name : folder + QLatin1Char('/') + name))
            found.append(name);
    return found;
}

QString CardMonth::weekdayKanji(int dayOfWeek) {
    static const QString names[] = {
        QStringLiteral("月"), QStringLiteral("火"), QStringLiteral("水"), QStringLiteral("木"),
        QStringLiteral("金"), QStringLiteral("土"), QStringLiteral("日"),
    };
    if (dayOfWeek < 1 || dayOfWeek > 7)
        return {};
    return names[dayOfWeek - 1];
}
