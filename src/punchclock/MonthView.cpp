#include "punchclock/MonthView.h"

void MonthView::open(const EmployeeLine &who, const QString &folder, const QString &yearText,
                     const QString &monthText) {
    m_open = true;
    m_loaded = false;
    for (QString &l : m_labels)
        l.clear();
    m_table = CardTable();
    m_year.clear();
    m_month.clear();
    const cardfile::Read read = cardfile::read(m_s.fs, folder, who.code);
    if (!read.ok()) {
        m_s.dialogs.notice(read.error == FileError::Damaged
                               ? cardfile::damagedText(employeeline::text(who), folder)
                               : QStringLiteral("タイムカードが見つかりません。"));
        return;
    }
    m_table = read.table;
    m_year = yearText;
    m_month = monthText;
    m_loaded = true;
    m_offset = 0;
    itiranhyouji();
}

void MonthView::itiranhyouji() {
    for (int l = 0; l < kLines; ++l) {
        const int row = m_offset + l;
        for (int j = 0; j < kColumns; ++j)
            m_labels[static_cast<size_t>(l * kColumns + j)] =
                row < CardTable::kDayRows ? m_table.at(row, j) : QString();
    }
    m_labels[90] = m_year;
    m_labels[91] = m_month;
    m_labels[92] = m_table.at(0, CardField::Name);
}

void MonthView::scroll(int value) {
    if (value < 0 || value > kMaxOffset)
        return;
    m_offset = value;
    if (m_open && m_loaded)
        itiranhyouji();
}

void MonthView::close() {
    m_open = false;
}

QString MonthView::label(int i) const {
    if (i < 0 || i >= kLabels)
        return {};
    return m_labels[static_cast<size_t>(i)];
}
