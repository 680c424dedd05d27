#pragma once

#include "data/EmployeeLine.h"
#include "screen/Services.h"

#include <QStringList>

// The month list Combo1 and the staff list List1 of the tally screen: the
// card months of the data folder, and one line per card of the chosen month,
// marked "◆" once the employee was opened in this tally.
class StaffLists {
public:
    explicit StaffLists(Services &s) : m_s(s) {}

    // The load step: the card month folders, newest first.
    void fillMonths();
    // Combo1 chosen: the lines of the month's cards, each under its file's
    // whole code, in the order of employees. Returns how many card files the
    // folder holds; with none the user is told so. A card that cannot be read
    // at all is left out; a damaged one is listed, and says so when opened.
    int chooseMonth(const QString &folderText);
    // The list of a suspended tally, with its month.
    void restore(const QString &folder, const QList<EmployeeLine> &entries);

    const QStringList &months() const { return m_months; }
    const QString &folder() const { return m_folder; }
    // The employees of the list, and List1's lines of them.
    const QList<EmployeeLine> &entries() const { return m_entries; }
    EmployeeLine entry(int i) const { return m_entries.value(i); }
    QStringList lines() const { return employeeline::texts(m_entries); }
    int count() const { return static_cast<int>(m_entries.size()); }
    // The line at i gets the mark "◆" (a marked line keeps its one mark).
    void markAt(int i);
    // The first unmarked line after i, wrapping round; -1 when every line is marked.
    int nextUnmarked(int i) const;

    int selected() const { return m_selected; }
    void select(int i) { m_selected = i >= 0 && i < count() ? i : -1; }

    bool monthListEnabled() const { return m_monthEnabled; }
    bool staffListEnabled() const { return m_staffEnabled; }
    void setMonthListEnabled(bool on) { m_monthEnabled = on; }
    void setStaffListEnabled(bool on) { m_staffEnabled = on; }

private:
    Services &m_s;
    QStringList m_months;
    QString m_folder;
    QList<EmployeeLine> m_entries;
    int m_selected = -1;
    bool m_monthEnabled = true;
    bool m_staffEnabled = true;
};
