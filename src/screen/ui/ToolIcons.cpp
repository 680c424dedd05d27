#include "screen/ui/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace toolicons {

namespace {
constexpr int kSize = 24;

QPixmap canvas() {
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    return pm;
}
} // namespace

QIcon closeScreen() {
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // Door frame and the door swung open.
    p.setPen(QPen(QColor(90, 60, 30), 1.5));
    p.setBrush(QColor(235, 225, 200));
    p.drawRect(QRectF(3.5, 2.5, 11, 19));
    p.setBrush(QColor(170, 110, 50));
    QPolygonF door;
    door << QPointF(3.5, 2.5) << QPointF(9.5, 5.5) << QPointF(9.5, 23) << QPointF(3.5, 21.5);
    p.drawPolygon(door);
    // Arrow pointing out.
    p.setPen(QPen(QColor(0, 110, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(12, 12), QPointF(21, 12));
    p.drawLine(QPointF(17.5, 8.5), QPointF(21, 12));
    p.drawLine(QPointF(17.5, 15.5), QPointF(21, 12));
    return QIcon(pm);
}

QIcon guide() {
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 50, 120), 1.5));
    p.setBrush(QColor(250, 250, 240));
    QPainterPath left;
    left.moveTo(12, 6);
    left.cubicTo(9, 4, 5, 4, 2, 5);
    left.lineTo(2, 20);
    left.cubicTo(5, 19, 9, 19, 12, 21);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(12, 6);
    right.cubicTo(15, 4, 19, 4, 22, 5);
    right.lineTo(22, 20);
    right.cubicTo(19, 19, 15, 19, 12, 21);
    right.closeSubpath();
    p.drawPath(left);
    p.drawPath(right);
    // Lines of text.
    p.setPen(QPen(QColor(110, 130, 170), 1));
    for (int y = 9; y <= 16; y += 3) {
        p.drawLine(QPointF(4.5, y), QPointF(10, y + 0.5));
        p.drawLine(QPointF(14, y + 0.5), QPointF(19.5, y));
    }
    return QIcon(pm);
}

QIcon icCard() {
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 70, 120), 1.2));
    p.setBrush(QColor(120, 170, 230));
    p.drawRoundedRect(QRectF(1.5, 7.5, 15, 11), 2, 2);
    // The chip.
    p.setBrush(QColor(230, 190, 80));
    p.setPen(QPen(QColor(150, 110, 30), 0.8));
    p.drawRect(QRectF(3.5, 10.5, 4, 3.5));
    // The waves.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 120, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal r = 3 + i * 2.6;
        p.drawArc(QRectF(18 - r, 6 - r, 2 * r, 2 * r), -30 * 16, 120 * 16);
    }
    return QIcon(pm);
}

} // namespace toolicons
