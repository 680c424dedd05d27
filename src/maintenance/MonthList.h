#pragma once

#include <QList>
#include <QStringList>

// List1 of the maintenance screens: names of card month folders in a
// multi-selection list, where each click selects or deselects one entry.
class MonthList {
public:
    // The lines, and those of them listed as damaged: links, never followed.
    void setLines(const QStringList &lines, const QStringList &damaged = {});
    void clear() { setLines({}); }

    const QStringList &lines() const { return m_lines; }
    bool isDamaged(int index) const { return m_damaged.value(index, false); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    bool isSelected(int index) const { return m_selected.value(index, false); }
    void setSelected(int index, bool selected);

    // The selected count and the selection (the selected names in list
    // order), as the screens rebuild them after each click.
    int selectedCount() const;
    QStringList selection() const;

private:
    QStringList m_lines;
    QList<bool> m_selected;
    QList<bool> m_damaged;
};
