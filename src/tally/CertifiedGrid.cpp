#include "tally/CertifiedGrid.h"

#include "data/CardMonth.h"
#include "tally/CertifiedMarks.h"
#include "tally/EntryText.h"
#include "tally/TallyEngine.h"

void CertifiedGrid::reset() {
    m_first = 0;
    m_current = 0;
    m_inUse = -1;
    m_valueAtFocus.clear();
}

void CertifiedGrid::scrollTo(int first) {
    if (first >= 0 && first <= kMaxFirstDay)
        m_first = first;
}

bool CertifiedGrid::rowExists(int row) const {
    return row >= 0 && row < CardTable::kDayRows &&
           !m_table.at(row, CardField::Day).trimmed().isEmpty();
}

QString CertifiedGrid::cell(int box) const {
    return m_table.at(rowOf(box), fieldOf(box));
}

QString CertifiedGrid::enter(int box) {
    m_current = box;
    m_inUse = box;
    m_valueAtFocus = cell(box);
    return m_valueAtFocus;
}

QString CertifiedGrid::leave(int box, const QString &text) {
    if (box != m_inUse)
        return cell(box);
    m_current = box;
    m_inUse = -1;
    // A day the month lacks takes no hours.
    if (!rowExists(rowOf(box)))
        return cell(box);
    const QString stored = entrytext::certified(text);
    m_table.at(rowOf(box), fieldOf(box)) = stored;
    if (stored != m_valueAtFocus)
        tally::keisan(m_table);
    return stored;
}

CertifiedGrid::Move CertifiedGrid::enterKey(int box) {
    if (box != kLastBox)
        return {Move::Box, box + 1};
    if (m_first < kMaxFirstDay) {
        ++m_first;
        return {Move::Box, kLastBox - (kColumns - 1)};
    }
    m_current = 0;
    return {Move::Confirm, 0};
}

CertifiedGrid::Line CertifiedGrid::line(int screenRow) const {
    Line l;
    l.row = m_first + screenRow;
    for (int f = 0; f < kLabels; ++f)
        l.labels[static_cast<size_t>(f)] = m_table.at(l.row, f);
    l.exists = rowExists(l.row);
    const QDate date = m_dates[static_cast<size_t>(l.row)];
    QString weekday = m_table.at(l.row, CardField::Weekday).trimmed();
    if (date.isValid()) {
        if (weekday.isEmpty())
            l.weekdayOfDate = CardMonth::weekdayKanji(date.dayOfWeek());
        weekday = CardMonth::weekdayKanji(date.dayOfWeek());
    }
    if (l.exists && weekday == CardMonth::weekdayKanji(Qt::Saturday))
        l.kind = DayKind::Saturday;
    else if (l.exists && weekday == CardMonth::weekdayKanji(Qt::Sunday))
        l.kind = DayKind::Sunday;
    const QList<certifiedmarks::Mark> marks = certifiedmarks::ofRow(m_table, l.row);
    for (int k = 0; k < kColumns; ++k) {
        const QString &v = m_table.at(l.row, CardField::CertWithin + k);
        l.certified[static_cast<size_t>(k)] = v;
        l.bare[static_cast<size_t>(k)] = entrytext::isBare(v);
        l.doubtful[static_cast<size_t>(k)] =
            certifiedmarks::has(marks, l.row, CardField::CertWithin + k);
    }
    return l;
}

QString CertifiedGrid::columnName(int column) {
    static const QString names[] = {QStringLiteral("法定内"), QStringLiteral("法定外"),
                                    QStringLiteral("休日"), QStringLiteral("深夜"),
                                    QStringLiteral("遅刻早退")};
    return column >= 0 && column < kColumns ? names[column] : QString();
}

CertifiedGrid::Totals CertifiedGrid::totals() const {
    const int t = CardTable::kTotalsRow;
    Totals totals;
    totals.daysWorked = m_table.at(t, CardField::DaysWorked);
    totals.work = m_table.at(t, CardField::Work);
    totals.lateNight = m_table.at(t, CardField::LateNight);
    for (int k = 0; k < kColumns; ++k)
        totals.certified[static_cast<size_t>(k)] = m_table.at(t, CardField::CertWithin + k);
    const QList<certifiedmarks::Mark> marks = certifiedmarks::of(m_table);
    // A total below zero, or one that sums minutes of 60 or more.
    for (const certifiedmarks::Mark &m : marks)
        if (m.row == t || m.kind == certifiedmarks::Kind::MinutesOver59)
            totals.doubtful[static_cast<size_t>(m.field - CardField::CertWithin)] = true;
    totals.doubtfulNote = certifiedmarks::note(marks, m_table);
    for (int r = 0; r < CardTable::kDayRows && totals.bareNote.isEmpty(); ++r)
        for (int k = 0; k < kColumns; ++k) {
            const QString &v = m_table.at(r, CardField::CertWithin + k);
            if (!entrytext::isBare(v))
                continue;
            const QString day = m_table.at(r, CardField::Day).trimmed();
            totals.bareNote = QStringLiteral("※%1の「%2」欄の「%3」に「：」がありません。"
                                             "直すまで認定の合計は変わりません。")
                                  .arg(day.isEmpty() ? QStringLiteral("%1行目").arg(r + 1)
                                                     : day + QStringLiteral("日"),
                                       columnName(k), v);
            break;
        }
    return totals;
}
