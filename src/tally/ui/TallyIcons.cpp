#include "tally/ui/TallyIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tallyicons {

namespace {

const QPen kOutline(QColor(0x33, 0x33, 0x33), 3);

void card(QPainter &p, const QColor &fill) {
    p.setPen(kOutline);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(8, 6, 40, 50), 4, 4);
    p.setPen(QPen(QColor(0x90, 0x80, 0x60), 2));
    for (int y = 18; y <= 46; y += 7)
        p.drawLine(14, y, 42, y);
}

void confirm(QPainter &p) {
    card(p, QColor(0xff, 0xff, 0xe0));
    p.setPen(QPen(QColor(0x10, 0x90, 0x30), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(26, 38), QPointF(38, 52), QPointF(58, 22)}));
}

void correct(QPainter &p) {
    card(p, QColor(0xff, 0xe8, 0xd0));
    // A pencil across the card.
    p.save();
    p.translate(40, 36);
    p.rotate(-45);
    p.setPen(QPen(QColor(0x40, 0x30, 0x10), 2));
    p.setBrush(QColor(0xf0, 0xb0, 0x20));
    p.drawRect(QRectF(-20, -6, 32, 12));
    p.setBrush(QColor(0xf0, 0xd8, 0xb0));
    p.drawPolygon(QPolygonF({QPointF(12, -6), QPointF(24, 0), QPointF(12, 6)}));
    p.setBrush(QColor(0xe0, 0x70, 0x80));
    p.drawRect(QRectF(-26, -6, 6, 12));
    p.restore();
}

void print(QPainter &p) {
    p.setPen(kOutline);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(18, 6, 28, 22)); // the sheet going in
    p.setBrush(QColor(0x9a, 0xa8, 0xb8));
    p.drawRoundedRect(QRectF(6, 24, 52, 24), 5, 5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(16, 40, 32, 18)); // the sheet coming out
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 2));
    p.drawLine(21, 47, 43, 47);
    p.drawLine(21, 52, 38, 52);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0xb0, 0x40));
    p.drawEllipse(QRectF(48, 29, 6, 6));
}

void suspend(QPainter &p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe0, 0x90, 0x10));
    p.drawEllipse(QRectF(6, 6, 52, 52));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(21, 18, 8, 28), 2, 2);
    p.drawRoundedRect(QRectF(35, 18, 8, 28), 2, 2);
}

// A sheet of rows and columns with an arrow leaving it.
void exportData(QPainter &p) {
    p.setPen(kOutline);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 8, 38, 46));
    p.setPen(QPen(QColor(0x30, 0x80, 0x50), 2));
    for (int y = 18; y <= 46; y += 7)
        p.drawLine(10, y, 40, y);
    p.drawLine(20, 12, 20, 50);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x70, 0xd0));
    p.drawPolygon(QPolygonF({QPointF(32, 28), QPointF(46, 28), QPointF(46, 20), QPointF(60, 34),
                             QPointF(46, 48), QPointF(46, 40), QPointF(32, 40)}));
}

} // namespace

QIcon toolbar(int n) {
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (n) {
    case 1:
        confirm(p);
        break;
    case 2:
        correct(p);
        break;
    case 3:
        print(p);
        break;
    case 7:
        exportData(p);
        break;
    default:
        suspend(p);
        break;
    }
    return QIcon(pm);
}

} // namespace tallyicons
