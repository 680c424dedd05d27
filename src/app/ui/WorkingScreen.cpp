#include "app/ui/WorkingScreen.h"

#include <QMdiSubWindow>
#include <QShortcut>

WorkingScreen::WorkingScreen(ScreenContext &ctx, QWidget *parent) : QWidget(parent), m_ctx(ctx) {
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, [this] { m_ctx.host.showUsageGuide(); });
}

void WorkingScreen::setTwipsSize(int widthTwips, int heightTwips) {
    setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    Q_EMIT sizeChanged();
}

void WorkingScreen::closeScreen() {
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}
