#include "tally/CertifiedMarks.h"

#include "tally/CertifiedGrid.h"
#include "tally/TimeText.h"

namespace certifiedmarks {

namespace {

bool punched(const CardTable &t, int row) {
    for (int f = CardField::ClockIn; f <= CardField::ClockOut; ++f)
        if (!t.at(row, f).trimmed().isEmpty())
            return true;
    return false;
}

void addOfRow(QList<Mark> &marks, const CardTable &t, int r) {
    const bool worked = punched(t, r);
    for (int f = CardField::CertWithin; f <= CardField::CertLateEarly; ++f) {
        const QString &v = t.at(r, f);
        if (!v.contains(QLatin1Char(':')))
            continue; // empty, or a bare number: marked as such
        if (timetext::durationMinutes(v) >= 60)
            marks.append({r, f, Kind::MinutesOver59});
        else if (!worked && f != CardField::CertLateEarly && timetext::certifiedMinutes(v) != 0)
            marks.append({r, f, Kind::NoPunch});
    }
}

} // namespace

QList<Mark> ofRow(const CardTable &t, int row) {
    QList<Mark> marks;
    addOfRow(marks, t, row);
    return marks;
}

QList<Mark> of(const CardTable &t) {
    QList<Mark> marks;
    for (int r = 0; r < CardTable::kDayRows; ++r)
        addOfRow(marks, t, r);
    for (int f = CardField::CertWithin; f <= CardField::CertLateEarly; ++f)
        if (timetext::certifiedMinutes(t.at(CardTable::kTotalsRow, f)) < 0)
            marks.append({CardTable::kTotalsRow, f, Kind::NegativeTotal});
    return marks;
}

bool has(const QList<Mark> &marks, int row, int field) {
    for (const Mark &m : marks)
        if (m.row == row && m.field == field)
            return true;
    return false;
}

QString describe(const Mark &m, const CardTable &t) {
    const QString column = CertifiedGrid::columnName(m.field - CardField::CertWithin);
    const QString value = t.at(m.row, m.field);
    if (m.kind == Kind::NegativeTotal)
        return QStringLiteral("%1の合計「%2」（マイナス）").arg(column, value);
    const QString day = t.at(m.row, CardField::Day).trimmed();
    const QString where =
        day.isEmpty() ? QStringLiteral("%1行目").arg(m.row + 1) : day + QStringLiteral("日");
    return QStringLiteral("%1の%2「%3」（%4）")
        .arg(where, column, value,
             m.kind == Kind::MinutesOver59 ? QStringLiteral("分が60以上")
                                           : QStringLiteral("打刻のない日"));
}

QString note(const QList<Mark> &marks, const CardTable &t) {
    if (marks.isEmpty())
        return {};
    QStringList parts;
    for (const Mark &m : marks)
        parts << describe(m, t);
    return QStringLiteral("確かめてほしい認定時間（%1件）：").arg(parts.size()) +
           parts.join(QStringLiteral("、"));
}

} // namespace certifiedmarks
