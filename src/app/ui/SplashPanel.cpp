#include "app/ui/SplashPanel.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

SplashPanel::SplashPanel(QWidget *parent) : QWidget(parent) {}

void SplashPanel::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();

    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(0, 70, 120));
    sky.setColorAt(1, QColor(0, 128, 128));
    p.fillRect(r, sky);

    // A time card standing in its rack, the product's picture.
    const QRectF card(r.width() * 0.08, r.height() * 0.18, r.width() * 0.26, r.height() * 0.64);
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.setBrush(QColor(250, 248, 235));
    p.drawRoundedRect(card, 6, 6);
    p.setPen(QPen(QColor(180, 60, 60), 1));
    const int rows = 9;
    for (int i = 1; i < rows; ++i) {
        const qreal y = card.top() + card.height() * 0.22 + (card.height() * 0.72) * i / rows;
        p.drawLine(QPointF(card.left() + 8, y), QPointF(card.right() - 8, y));
    }
    p.setPen(QColor(40, 40, 40));
    QFont cardFont = font();
    cardFont.setPixelSize(int(card.height() * 0.09));
    cardFont.setBold(true);
    p.setFont(cardFont);
    p.drawText(QRectF(card.left(), card.top() + 8, card.width(), card.height() * 0.16),
               Qt::AlignCenter, QStringLiteral("TIME CARD"));

    // The clock face beside it.
    const qreal radius = r.height() * 0.16;
    const QPointF centre(card.right() - radius * 0.2, card.bottom() - radius * 0.4);
    p.setPen(QPen(QColor(30, 30, 30), 3));
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(30, 30, 30), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(0, -radius * 0.6));
    p.drawLine(centre, centre + QPointF(radius * 0.45, radius * 0.15));

    QFont title = font();
    title.setPixelSize(int(r.height() * 0.15));
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    const QRectF text(r.width() * 0.47, r.height() * 0.22, r.width() * 0.55, r.height() * 0.22);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ケルベーン"));

    QFont sub = font();
    sub.setPixelSize(int(r.height() * 0.055));
    p.setFont(sub);
    p.drawText(QRectF(text.left(), text.bottom(), text.width(), r.height() * 0.1),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("タイムレコーダー ＆ 勤務実績表"));

    QFont date = font();
    date.setPixelSize(int(r.height() * 0.045));
    p.setFont(date);
    p.setPen(QColor(220, 235, 235));
    p.drawText(QRectF(text.left(), r.height() * 0.7, text.width(), r.height() * 0.08),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Version 3.0   2007-03"));
}
