#include "screen/ui/Sheets.h"

#include <QWidget>

namespace sheets {

namespace {
QString hex(quint32 rgb) {
    return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0'));
}
} // namespace

QString textColour(quint32 rgb) {
    return QStringLiteral("color: %1;").arg(hex(rgb));
}

QString background(quint32 rgb) {
    return QStringLiteral("background: %1;").arg(hex(rgb));
}

void apply(QWidget *w, const QString &sheet) {
    if (w->styleSheet() != sheet)
        w->setStyleSheet(sheet);
}

} // namespace sheets
