#include "maintenance/MonthList.h"

void MonthList::setLines(const QStringList &lines, const QStringList &damaged) {
    m_lines = lines;
    m_selected = QList<bool>(lines.size(), false);
    m_damaged.clear();
    for (const QString &line : lines)
        m_damaged.append(damaged.contains(line));
}

void MonthList::setSelected(int index, bool selected) {
    if (index >= 0 && index < m_selected.size())
        m_selected[index] = selected;
}

int MonthList::selectedCount() const {
    return static_cast<int>(m_selected.count(true));
}

QStringList MonthList::selection() const {
    QStringList out;
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        if (m_selected[i])
            out.append(m_lines[i]);
    return out;
}
