#include "app/ui/Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace placement {

void centre(QWidget *window, double shareOfFreeHeight) {
    const QScreen *s = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    const QRect avail = s->availableGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(avail.x() + (avail.width() - size.width()) / 2,
                 avail.y() + int((avail.height() - size.height()) * shareOfFreeHeight));
}

} // namespace placement
