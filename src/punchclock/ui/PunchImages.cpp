#include "punchclock/ui/PunchImages.h"

#include "punchclock/PunchTypes.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace punchimages {

namespace {

// One colour a kind, so that an employee finds the button without reading.
QColor kindColour(int k) {
    switch (k) {
    case 0:
        return QColor(0x1f, 0x6f, 0xc0); // 出勤 blue
    case 1:
        return QColor(0x2e, 0x8b, 0x57); // 休憩 green
    case 2:
        return QColor(0xd0, 0x80, 0x10); // 戻り amber
    default:
        return QColor(0xc0, 0x39, 0x2b); // 退勤 red
    }
}

QPixmap button(int k, bool down) {
    const qreal ratio = 2.0;
    QPixmap pm(QSize(kButtonWidth, kButtonHeight) * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1.5, 1.5, kButtonWidth - 3, kButtonHeight - 3);
    const QColor base = kindColour(k);
    QPainterPath shape;
    shape.addRoundedRect(r, 7, 7);

    QLinearGradient g(r.topLeft(), r.bottomLeft());
    if (down) {
        g.setColorAt(0, base.darker(160));
        g.setColorAt(1, base.darker(115));
    } else {
        g.setColorAt(0, base.lighter(135));
        g.setColorAt(1, base);
    }
    p.fillPath(shape, g);
    // A bevel: light on top for raised, shadow on top for pressed.
    p.setPen(QPen(down ? base.darker(220) : base.lighter(170), 1.5));
    p.drawPath(shape);
    QPen edge(down ? QColor(255, 255, 255, 90) : QColor(0, 0, 0, 80), 2);
    p.setPen(edge);
    const QRectF inner = r.adjusted(2, 2, -2, -2);
    if (down)
        p.drawLine(QPointF(inner.left() + 6, inner.bottom()),
                   QPointF(inner.right() - 6, inner.bottom()));
    else
        p.drawLine(QPointF(inner.left() + 6, inner.bottom() + 0.5),
                   QPointF(inner.right() - 6, inner.bottom() + 0.5));

    QFont f(QStringLiteral("IPAGothic"));
    f.setPixelSize(19);
    f.setBold(true);
    p.setFont(f);
    const QRectF text = r.adjusted(down ? 14 : 0, down ? 2 : 0, 0, down ? 2 : 0);
    if (!down) {
        p.setPen(QColor(0, 0, 0, 90));
        p.drawText(text.translated(1, 1), Qt::AlignCenter, kindCaption(k));
    }
    p.setPen(down ? QColor(255, 255, 210) : Qt::white);
    p.drawText(text, Qt::AlignCenter, kindCaption(k));
    if (down) {
        // A check mark: the chosen kind.
        p.setPen(QPen(QColor(255, 255, 210), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const qreal x = r.left() + 7, y = r.center().y() + 1;
        p.drawPolyline(QPolygonF({QPointF(x, y), QPointF(x + 4, y + 5), QPointF(x + 11, y - 6)}));
    }
    return pm;
}

QPixmap canvas() {
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    return pm;
}

} // namespace

QPixmap raised(int k) {
    return button(k, false);
}

QPixmap pressed(int k) {
    return button(k, true);
}

QIcon toolbarIcon(int n) {
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(QColor(0x33, 0x33, 0x33), 3);
    switch (n) {
    case 1: { // a card with its month grid
        p.setPen(outline);
        p.setBrush(QColor(0xff, 0xff, 0xc0));
        p.drawRoundedRect(QRectF(10, 6, 44, 52), 4, 4);
        p.setPen(QPen(QColor(0x80, 0x60, 0x20), 2));
        for (int y = 18; y <= 50; y += 8)
            p.drawLine(14, y, 50, y);
        p.drawLine(24, 12, 24, 54);
        break;
    }
    case 2: { // a card with a red cross
        p.setPen(outline);
        p.setBrush(QColor(0xe0, 0xe0, 0xe0));
        p.drawRoundedRect(QRectF(8, 6, 40, 50), 4, 4);
        p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(30, 30, 54, 54);
        p.drawLine(54, 30, 30, 54);
        break;
    }
    case 3: { // a card with a green plus
        p.setPen(outline);
        p.setBrush(QColor(0xff, 0xe0, 0xc0));
        p.drawRoundedRect(QRectF(8, 6, 40, 50), 4, 4);
        p.setPen(QPen(QColor(0x20, 0x90, 0x40), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(42, 30, 42, 58);
        p.drawLine(28, 44, 56, 44);
        break;
    }
    default: { // a question mark in a blue disc
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x6f, 0xc0));
        p.drawEllipse(QRectF(6, 6, 52, 52));
        QFont f(QStringLiteral("IPAGothic"));
        f.setPixelSize(40);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(6, 4, 52, 52), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
    return QIcon(pm);
}

} // namespace punchimages
