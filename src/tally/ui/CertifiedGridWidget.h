#pragma once

#include "tally/CertifiedGrid.h"
#include "tally/DayAnomalies.h"

#include <QFrame>
#include <array>

class QLabel;
class QLineEdit;
class QScrollBar;

// The card area of the tally screen: the headings, 15 day lines of labels
// (lblcard) and certified-hours boxes (texnintei 0-74), VScroll1, the totals
// line and the entry hints. Saturdays and Sundays are shaded, days the month
// lacks are greyed and take no input.
class CertifiedGridWidget : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 708;
    static constexpr int kHeight = 510;

    explicit CertifiedGridWidget(QWidget *parent);

    QLineEdit *box(int i) const { return m_boxes[static_cast<size_t>(i)]; }
    QScrollBar *scrollBar() const { return m_scroll; }

    // The days to mark at the next render: the day cell in red with what is
    // wrong as its tool tip, the cells at fault framed in red.
    void setMarks(const dayanomaly::Month &marks) { m_marks = marks; }
    // Shows the grid; the box in use keeps the text being typed.
    void render(const CertifiedGrid &grid, int boxInUse, bool cardOpen);

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    void buildHeadings();
    void buildLines();
    void buildTotals();

    std::array<QLabel *, CertifiedGrid::kRows * CertifiedGrid::kLabels> m_labels{};
    std::array<QLineEdit *, CertifiedGrid::kBoxes> m_boxes{};
    std::array<CertifiedGrid::DayKind, CertifiedGrid::kRows> m_kinds{};
    std::array<bool, CertifiedGrid::kRows> m_exists{};
    dayanomaly::Month m_marks{};
    std::array<dayanomaly::Day, CertifiedGrid::kRows> m_shownMarks{};
    std::array<QLabel *, 3 + CertifiedGrid::kColumns> m_totals{};
    QLabel *m_bareNote = nullptr;
    QScrollBar *m_scroll = nullptr;
};
