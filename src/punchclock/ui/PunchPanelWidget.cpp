#include "punchclock/ui/PunchPanelWidget.h"

#include "punchclock/PunchPanel.h"
#include "punchclock/ui/ClickImage.h"
#include "punchclock/ui/PunchImages.h"
#include "screen/ui/FitLabel.h"
#include "screen/ui/Sheets.h"

#include <QPainter>

PunchPanelWidget::PunchPanelWidget(QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Picture2"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xff, 0xfd, 0xf4));
    setPalette(pal);

    // The caption and the code share the top line, so that the name has the
    // card's whole width below them: fifteen characters fit.
    auto *caption = new QLabel(QStringLiteral("タ イ ム カ ー ド"), this);
    caption->setGeometry(10, 4, 120, 20);
    caption->setStyleSheet(QStringLiteral("color: #804000; font-size: 13px; font-weight: bold;"));

    auto *codeCaption = new QLabel(QStringLiteral("No."), this);
    codeCaption->setGeometry(kWidth - 92, 5, 28, 18);
    codeCaption->setStyleSheet(QStringLiteral("color: #804000;"));
    m_code = new QLabel(this);
    m_code->setObjectName(QStringLiteral("lbldata_0"));
    m_code->setGeometry(kWidth - 64, 2, 58, 22);
    m_code->setStyleSheet(QStringLiteral("font-size: 16px; font-weight: bold;"));
    m_name = new QLabel(this);
    m_name->setObjectName(QStringLiteral("lbldata_1"));
    m_name->setGeometry(6, 28, kWidth - 12, 26);
    m_name->setAlignment(Qt::AlignCenter);
    QFont nameFont(QStringLiteral("IPAGothic"));
    nameFont.setBold(true);
    m_name->setFont(nameFont);

    const QString headStyle = QStringLiteral("font-size: 11px; color: #905020;");
    auto *kindHead = new QLabel(QStringLiteral("種　類"), this);
    kindHead->setGeometry(4, 58, kSplit - 4, 18);
    kindHead->setAlignment(Qt::AlignCenter);
    kindHead->setStyleSheet(headStyle);
    auto *timeHead = new QLabel(QStringLiteral("時　刻"), this);
    timeHead->setGeometry(kSplit, 58, kWidth - kSplit - 4, 18);
    timeHead->setAlignment(Qt::AlignCenter);
    timeHead->setStyleSheet(headStyle);

    for (int k = 0; k < kKinds; ++k) {
        const int y = kTop + k * kRow + (kRow - punchimages::kButtonHeight) / 2;
        auto *up = new ClickImage(this);
        up->setObjectName(QStringLiteral("Image3_%1").arg(k));
        up->setPixmap(punchimages::raised(k));
        up->setGeometry(6, y, punchimages::kButtonWidth, punchimages::kButtonHeight);
        up->setCursor(Qt::PointingHandCursor);
        up->setToolTip(kindCaption(k));
        auto *down = new ClickImage(this);
        down->setObjectName(QStringLiteral("Image4_%1").arg(k));
        down->setPixmap(punchimages::pressed(k));
        down->setGeometry(up->geometry());
        down->setCursor(Qt::PointingHandCursor);
        down->hide();
        connect(up, &ClickImage::clicked, this, [this, k] { Q_EMIT kindChosen(k); });
        connect(down, &ClickImage::clicked, this, [this, k] { Q_EMIT kindUnchosen(k); });
        m_raised[static_cast<size_t>(k)] = up;
        m_pressed[static_cast<size_t>(k)] = down;

        auto *time = new QLabel(this);
        time->setObjectName(QStringLiteral("lbldata_%1").arg(3 + k));
        time->setGeometry(kSplit + 6, kTop + k * kRow, kWidth - kSplit - 12, kRow);
        time->setAlignment(Qt::AlignCenter);
        QFont f(QStringLiteral("IPAGothic"));
        f.setPixelSize(30);
        f.setBold(true);
        time->setFont(f);
        m_times[static_cast<size_t>(k)] = time;
    }
}

void PunchPanelWidget::render(const PunchPanel &panel) {
    m_code->setText(panel.codeLabel());
    fitlabel::show(m_name, panel.nameLabel(), 18, 12);
    for (int k = 0; k < kKinds; ++k) {
        const bool down = panel.kindPressed(k);
        m_raised[static_cast<size_t>(k)]->setVisible(!down);
        m_pressed[static_cast<size_t>(k)]->setVisible(down);
        const TimeLabel &l = panel.timeLabel(k);
        QLabel *t = m_times[static_cast<size_t>(k)];
        t->setText(l.text);
        sheets::apply(t, sheets::textColour(l.pressed() ? kPressedColour : kPendingColour));
    }
}

void PunchPanelWidget::paintEvent(QPaintEvent *e) {
    QFrame::paintEvent(e);
    QPainter p(this);
    // The card's border and ruling lines.
    p.setPen(QPen(QColor(0xb0, 0x70, 0x30), 2));
    p.drawRect(QRectF(1, 1, width() - 2, height() - 2));
    p.setPen(QPen(QColor(0xd8, 0xa0, 0x70), 1));
    p.drawLine(6, 26, width() - 6, 26);
    p.drawLine(6, 56, width() - 6, 56);
    p.setPen(QPen(QColor(0xc0, 0x80, 0x50), 1));
    for (int k = 0; k <= kKinds; ++k) {
        const int y = kTop + k * kRow;
        p.drawLine(4, y, width() - 4, y);
    }
    p.drawLine(kSplit, 56, kSplit, kTop + kKinds * kRow);
    // Faint guide lines inside the time column.
    p.setPen(QPen(QColor(0xf0, 0xd8, 0xc0), 1, Qt::DotLine));
    for (int k = 0; k < kKinds; ++k) {
        const int y = kTop + k * kRow + kRow - 10;
        p.drawLine(kSplit + 10, y, width() - 10, y);
    }
}
