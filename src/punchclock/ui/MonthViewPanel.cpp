#include "punchclock/ui/MonthViewPanel.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

namespace {
// Column edges: day, weekday, then the four punch times.
constexpr std::array<int, 7> kEdges{4, 30, 52, 94, 136, 178, 220};
} // namespace

MonthViewPanel::MonthViewPanel(QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Picture5"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xff, 0xff, 0xf0));
    setPalette(pal);

    const QString headStyle = QStringLiteral("font-size: 14px; font-weight: bold;");
    auto place = [&](int i, int x, int w, int y, int h, const QString &style) {
        auto *l = new QLabel(this);
        l->setObjectName(QStringLiteral("lblitiran_%1").arg(i));
        l->setGeometry(x, y, w, h);
        l->setStyleSheet(style);
        m_labels[static_cast<size_t>(i)] = l;
        return l;
    };
    place(90, 4, 42, 6, 24, headStyle)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *nen = new QLabel(QStringLiteral("年"), this);
    nen->setGeometry(47, 6, 16, 24);
    place(91, 62, 22, 6, 24, headStyle)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *tuki = new QLabel(QStringLiteral("月"), this);
    tuki->setGeometry(85, 6, 16, 24);
    auto *simei = new QLabel(QStringLiteral("氏名："), this);
    simei->setGeometry(106, 6, 40, 24);
    place(92, 144, kWidth - 150, 6, 24, headStyle);

    const QStringList heads = {QStringLiteral("日（曜）"), QStringLiteral("出 勤"),
                               QStringLiteral("休 憩"), QStringLiteral("休 戻"),
                               QStringLiteral("退 勤")};
    const int headX[] = {kEdges[0], kEdges[2], kEdges[3], kEdges[4], kEdges[5], kEdges[6]};
    for (int h = 0; h < heads.size(); ++h) {
        auto *l = new QLabel(heads[h], this);
        l->setGeometry(headX[h], kGridTop - 20, headX[h + 1] - headX[h], 20);
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("font-size: 11px; color: #604020;"));
    }
    for (int line = 0; line < MonthView::kLines; ++line) {
        for (int j = 0; j < MonthView::kColumns; ++j) {
            const size_t e = static_cast<size_t>(j);
            QLabel *l = place(line * MonthView::kColumns + j, kEdges[e] + 1,
                              kEdges[e + 1] - kEdges[e] - 2, kGridTop + line * kLineHeight + 1,
                              kLineHeight - 2, QStringLiteral("font-size: 13px;"));
            l->setAlignment(Qt::AlignCenter);
        }
    }

    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName(QStringLiteral("VScroll1"));
    m_scroll->setGeometry(kEdges[6] + 2, kGridTop, 16, MonthView::kLines * kLineHeight);
    m_scroll->setRange(0, MonthView::kMaxOffset);
    m_scroll->setValue(0);

    m_close = new QPushButton(QStringLiteral("閉 じ る"), this);
    m_close->setObjectName(QStringLiteral("Command3"));
    m_close->setGeometry(kWidth - 110, kHeight - 42, 100, 34);
}

void MonthViewPanel::render(const MonthView &view) {
    for (int i = 0; i < MonthView::kLabels; ++i)
        m_labels[static_cast<size_t>(i)]->setText(view.label(i));
}

void MonthViewPanel::paintEvent(QPaintEvent *e) {
    QFrame::paintEvent(e);
    QPainter p(this);
    p.setPen(QPen(QColor(0x90, 0x90, 0x60), 2));
    p.drawRect(QRectF(1, 1, width() - 2, height() - 2));
    const int bottom = kGridTop + MonthView::kLines * kLineHeight;
    // Weekend-friendly zebra rows make a line easy to follow across.
    for (int line = 0; line < MonthView::kLines; line += 2)
        p.fillRect(kEdges[0], kGridTop + line * kLineHeight, kEdges[6] - kEdges[0], kLineHeight,
                   QColor(0xf4, 0xf4, 0xe0));
    p.setPen(QPen(QColor(0xa0, 0xa0, 0x80), 1));
    for (int line = 0; line <= MonthView::kLines; ++line)
        p.drawLine(kEdges[0], kGridTop + line * kLineHeight, kEdges[6],
                   kGridTop + line * kLineHeight);
    for (size_t j = 0; j < kEdges.size(); ++j) {
        if (j == 1)
            continue; // day and weekday share one heading
        p.drawLine(kEdges[j], kGridTop - 20, kEdges[j], bottom);
    }
    p.drawLine(kEdges[0], kGridTop - 20, kEdges[6], kGridTop - 20);
    p.setPen(QPen(QColor(0xc8, 0xc8, 0xb0), 1, Qt::DotLine));
    p.drawLine(kEdges[1], kGridTop, kEdges[1], bottom);
}
