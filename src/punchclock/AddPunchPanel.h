#pragma once

#include "data/CalcSettings.h"
#include "data/CardMonth.h"
#include "data/CardTable.h"
#include "data/EmployeeLine.h"
#include "punchclock/PunchTypes.h"
#include "screen/Services.h"

#include <QDate>
#include <QStringList>
#include <array>

// The additional punch panel Picture6: the administrator adds a punch that was
// never made to any card of any month. It keeps a card table of its own, so a
// card set on the card panel is never touched by it.
class AddPunchPanel {
public:
    enum Box { MonthBox = 0, DayBox = 1, HourBox = 2, MinuteBox = 3 }; // textukihi(2)..(5)
    static constexpr int kBoxes = 4;

    // The settings give the calendar date of a card's day rows.
    AddPunchPanel(Services &s, const CalcSettings &settings) : m_s(s), m_settings(settings) {}

    // nengetuyomikomi: fills Combo1 with the card month folders, newest first,
    // and shows the panel.
    void nengetuyomikomi();
    // Combo1 chosen.
    void chooseMonth(const QString &folderName);
    // List2 clicked.
    void chooseEmployee(int index);
    // The entry boxes; the screen tells every edit.
    void setBox(int box, const QString &text);
    const QString &box(int b) const { return m_boxes[static_cast<size_t>(b)]; }
    // Leaving the day box: loads the card and the day, and sets the weekday
    // choice to the weekday of that day.
    void leaveDayBox();
    // Leaving the hour or the minute box.
    void leaveTimeBox();
    // Option k clicked.
    void chooseKind(int k);
    // "理由": why the punch is added, kept in the change history with it.
    // It stays for further kinds of the same employee.
    void setReason(const QString &reason) { m_reason = reason; }
    const QString &reason() const { return m_reason; }
    static constexpr int kReasonMaxLength = 60;
    // Combo2: 0 "月曜" .. 6 "日曜", -1 none. While a day of known calendar
    // date is loaded its weekday is the date's: another choice is refused
    // with a message and the date's stays chosen.
    void setWeekday(int index);
    int weekday() const { return m_weekday; }
    // "追加する". True when the card was written.
    bool add();
    // "閉 じ る".
    void close();

    bool visible() const { return m_visible; }
    const QStringList &months() const { return m_months; }
    const QString &monthChoice() const { return m_folder; }
    // List2's lines, and the employee each one stands for.
    const QStringList &employees() const { return m_employees; }
    const QList<EmployeeLine> &employeeEntries() const { return m_entries; }
    const QString &codeLabel() const { return m_code; }
    const QString &nameLabel() const { return m_name; }
    const TimeLabel &timeLabel(int k) const { return m_labels[static_cast<size_t>(k)]; }
    bool optionEnabled(int k) const { return m_optionEnabled[static_cast<size_t>(k)]; }
    bool optionChecked(int k) const { return m_kind == k; }
    bool boxesEnabled() const { return m_boxesEnabled; }
    bool dayLoaded() const { return m_row >= 0; }
    int dayRow() const { return m_row; }
    // The calendar date of the loaded day row, as "2007年3月23日（金）"; empty
    // when no day is loaded, the boxes name another day or the settings do not
    // give the card's dates.
    QString dateText() const;

    // The time text of the boxes: hour as typed, ":", minute with a leading
    // zero when it is 9 or less.
    static QString timeText(const QString &hour, const QString &minute);

    static QStringList weekdayChoices();
    // The choice of a weekday kanji ("木" is 3, "木曜"), -1 for none.
    static int weekdayIndexOf(const QString &kanji);

private:
    TimeLabel &label(int k) { return m_labels[static_cast<size_t>(k)]; }
    bool hasTime() const;
    // Forgets the chosen employee, the day's times and the entry boxes.
    void clearEmployee();
    void unloadDay();
    // The calendar date of the day loaded while the boxes still name it;
    // invalid when unknown.
    QDate loadedDate() const;

    Services &m_s;
    const CalcSettings &m_settings;
    QStringList m_months;
    QString m_folder;
    QList<EmployeeLine> m_entries;
    QStringList m_employees;
    QString m_code;
    QString m_name;
    std::array<QString, kBoxes> m_boxes;
    std::array<TimeLabel, kKinds> m_labels;
    std::array<bool, kKinds> m_optionEnabled{};
    bool m_boxesEnabled = false;
    bool m_visible = false;
    int m_kind = -1;
    int m_weekday = -1;
    QString m_reason;
    CardTable m_table;
    QString m_cardFolder;
    QString m_loadedMonth;
    QString m_loadedDay;
    int m_row = -1;
    QDate m_rowDate;
    QString m_confirmedTold; // the confirmed card last told about
};
