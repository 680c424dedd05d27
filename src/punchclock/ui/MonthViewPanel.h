#pragma once

#include "punchclock/MonthView.h"

#include <QFrame>
#include <array>

class QLabel;
class QPushButton;
class QScrollBar;

// Picture5: the month view grid lblitiran with its scroll bar and "閉 じ る".
class MonthViewPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 240;
    static constexpr int kHeight = 436;

    explicit MonthViewPanel(QWidget *parent);
    void render(const MonthView &view);
    QScrollBar *scrollBar() const { return m_scroll; }
    QPushButton *closeButton() const { return m_close; }

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    static constexpr int kGridTop = 54;
    static constexpr int kLineHeight = 22;

    std::array<QLabel *, MonthView::kLabels> m_labels{};
    QScrollBar *m_scroll;
    QPushButton *m_close;
};
