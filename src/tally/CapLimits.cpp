#include "tally/CapLimits.h"

#include "data/RecordFile.h"

namespace {

// A whole number of at most six digits, blanks around it aside.
std::optional<int> wholeNumber(const QString &text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 6)
        return std::nullopt;
    for (const QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    return t.toInt();
}

bool inBounds(int i, int v) {
    return v >= CapLimits::kMin[static_cast<size_t>(i)] &&
           v <= CapLimits::kMax[static_cast<size_t>(i)];
}

} // namespace

QString CapLimits::caption(int i) {
    switch (i) {
    case MonthBeyond:
        return QStringLiteral("1か月の法定外");
    case MonthTotal:
        return QStringLiteral("1か月の法定外＋休日");
    case Average:
        return QStringLiteral("2～6か月平均（法定外＋休日）");
    case Year:
        return QStringLiteral("12か月の法定外");
    default:
        return QStringLiteral("1か月の法定外が上限を超える月");
    }
}

QString CapLimits::unit(int i) {
    return i == MonthsOver ? QStringLiteral("回まで") : QStringLiteral("時間まで");
}

QStringList CapLimits::toList() const {
    QStringList out;
    for (const int v : m_values)
        out.append(QString::number(v));
    return out;
}

CapLimits CapLimits::fromList(const QStringList &values, int *bad) {
    CapLimits l;
    int wrong = 0;
    for (int i = 0; i < kCount; ++i) {
        const std::optional<int> v = wholeNumber(values.value(i));
        if (!v || !l.set(i, *v))
            ++wrong;
    }
    if (bad)
        *bad = wrong;
    return l;
}

bool CapLimits::set(int i, int value) {
    if (i < 0 || i >= kCount || !inBounds(i, value))
        return false;
    m_values[static_cast<size_t>(i)] = value;
    return true;
}

namespace caplimits {

Typed fromTyped(const QStringList &texts) {
    CapLimits l;
    for (int i = 0; i < CapLimits::kCount; ++i) {
        const std::optional<int> v = wholeNumber(texts.value(i));
        if (!v || !l.set(i, *v))
            return {std::nullopt, i,
                    QStringLiteral("「%1」には %2～%3 の整数を入力してください。")
                        .arg(CapLimits::caption(i))
                        .arg(CapLimits::kMin[static_cast<size_t>(i)])
                        .arg(CapLimits::kMax[static_cast<size_t>(i)])};
    }
    return {l, -1, QString()};
}

Load read(FileSystem &fs) {
    const records::Read r = records::read(fs, QLatin1String(kFile), CapLimits::kCount);
    Load load;
    load.error = r.error;
    if (r.ok())
        load.limits = CapLimits::fromList(r.values, &load.badValues);
    return load;
}

FileError write(FileSystem &fs, const CapLimits &limits) {
    return records::write(fs, QLatin1String(kFile), limits.toList());
}

} // namespace caplimits
