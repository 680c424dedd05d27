#pragma once

#include "data/CardTable.h"
#include "data/EmployeeLine.h"
#include "screen/Services.h"

// The month view Picture5: one card's day rows, 15 lines of day, weekday and
// the four punch times, scrolled by VScroll1.
class MonthView {
public:
    static constexpr int kLines = 15;
    static constexpr int kColumns = 6;
    static constexpr int kGridLabels = kLines * kColumns; // 0..89
    static constexpr int kLabels = kGridLabels + 3;       // 90 year, 91 month, 92 name
    static constexpr int kMaxOffset = 16;

    explicit MonthView(Services &s) : m_s(s) {}

    // A rack click in month view choice mode: opens the card of who.
    void open(const EmployeeLine &who, const QString &folder, const QString &yearText,
              const QString &monthText);
    // VScroll1 moved.
    void scroll(int value);
    // "閉 じ る".
    void close();

    bool isOpen() const { return m_open; }
    int offset() const { return m_offset; }
    // The text of lblitiran(i), 0..92.
    QString label(int i) const;
    // itiranhyouji: refills the labels from the card at the offset.
    void itiranhyouji();

private:
    Services &m_s;
    CardTable m_table;
    QString m_year;
    QString m_month;
    std::array<QString, kLabels> m_labels;
    bool m_open = false;
    bool m_loaded = false;
    int m_offset = 0;
};
