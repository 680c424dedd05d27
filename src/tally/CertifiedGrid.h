#pragma once

#include "data/CardTable.h"

#include <QDate>
#include <QString>
#include <array>

// The card area of the tally screen: 15 screen rows over the 31 day rows of
// the open card, each with its punches and times as labels and five
// certified-hours boxes (texnintei 0-74, five a row: 法定内, 法定外, 休日,
// 深夜, 遅刻早退), and the totals line under them.
class CertifiedGrid {
public:
    static constexpr int kRows = 15;
    static constexpr int kColumns = 5;
    static constexpr int kBoxes = kRows * kColumns;                  // 75
    static constexpr int kLastBox = kBoxes - 1;                      // 74
    static constexpr int kMaxFirstDay = CardTable::kDayRows - kRows; // 16
    static constexpr int kLabels = 8; // day, weekday, four punches, working and late-night time

    enum class DayKind { Workday, Saturday, Sunday };

    // One screen row as shown.
    struct Line {
        int row = 0;                         // day row of the card
        std::array<QString, kLabels> labels; // fields 0-7 as stored
        QString weekdayOfDate;               // the date's weekday when field 1 is empty
        bool exists = false;                 // the month has this day
        DayKind kind = DayKind::Workday;
        std::array<QString, kColumns> certified;
        std::array<bool, kColumns> bare{}; // a value without ":"
        // A value no one would pay as it stands (certifiedmarks).
        std::array<bool, kColumns> doubtful{};
    };

    // The totals line: the totals row as stored, and where a bare number
    // holds the certified totals back.
    struct Totals {
        QString daysWorked;
        QString work;
        QString lateNight;
        std::array<QString, kColumns> certified;
        QString bareNote; // empty when every certified value has ":"
        // A total below zero, or one summing minutes of 60 or more.
        std::array<bool, kColumns> doubtful{};
        QString doubtfulNote; // the doubtful values; empty when none
    };

    // Where Enter in a box sends the focus.
    struct Move {
        enum Kind { Box, Confirm } kind = Box;
        int box = 0;
    };

    explicit CertifiedGrid(CardTable &table) : m_table(table) {}

    // A card was opened: top row day 0, current box 0, no box in use.
    void reset();
    void setDates(const std::array<QDate, CardTable::kDayRows> &dates) { m_dates = dates; }

    int firstShownDay() const { return m_first; }
    // VScroll1: a value outside 0-16 is not taken.
    void scrollTo(int first);

    int currentBox() const { return m_current; }
    void setCurrentBox(int box) { m_current = box; }
    // The box in use: entered and not yet left; -1 when none.
    int boxInUse() const { return m_inUse; }

    // The focus came into a box: the text it shows from its cell.
    QString enter(int box);
    // The box in use was left with this text: tidied and stored into its
    // cell; the certified totals are recomputed when it differs from the
    // text the box showed on entering. Returns the text the box shows. A box
    // that is not in use (already left, or entered before a card was open)
    // stores nothing.
    QString leave(int box, const QString &text);
    // Enter in a box that was just left: the next box, the first box of the
    // next day at the bottom right, or the confirm step at the last day.
    Move enterKey(int box);

    // The day row a box edits, and its field.
    int rowOf(int box) const { return m_first + box / kColumns; }
    static int fieldOf(int box) { return CardField::CertWithin + box % kColumns; }
    bool rowExists(int row) const;

    Line line(int screenRow) const;
    Totals totals() const;

    // The card cell a box edits, as stored.
    QString cell(int box) const;

    static QString columnName(int column);

private:
    CardTable &m_table;
    std::array<QDate, CardTable::kDayRows> m_dates{};
    int m_first = 0;
    int m_current = 0;
    int m_inUse = -1;
    QString m_valueAtFocus;
};
