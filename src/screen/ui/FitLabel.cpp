#include "screen/ui/FitLabel.h"

#include <QLabel>

namespace fitlabel {

void show(QLabel *label, const QString &text, int largestPx, int smallestPx) {
    const int room = label->contentsRect().width() - 2 * label->margin() - 2;
    QFont font = label->font();
    int px = largestPx;
    for (; px > smallestPx; --px) {
        font.setPixelSize(px);
        if (QFontMetrics(font).horizontalAdvance(text) <= room)
            break;
    }
    font.setPixelSize(px);
    label->setFont(font);
    const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, room);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

} // namespace fitlabel
