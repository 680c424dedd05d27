#include "screen/ui/WorkingScreen.h"

#include "screen/ui/EntryQueue.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QShortcut>

WorkingScreen::WorkingScreen(ScreenContext &ctx, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_entries(new EntryQueue(this)) {
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, [this] { m_ctx.host.showUsageGuide(); });
}

void WorkingScreen::setTwipsSize(int widthTwips, int heightTwips) {
    setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    Q_EMIT sizeChanged();
}

QSize WorkingScreen::sizeHint() const {
    if (minimumSize() == maximumSize())
        return maximumSize();
    return QWidget::sizeHint();
}

void WorkingScreen::setFrameTwips(const QSize &frame, const QPoint &place) {
    m_frameTwips = frame;
    m_placeTwips = place;
    Q_EMIT sizeChanged();
}

void WorkingScreen::setGuide(QWidget *panel, const QSize &narrowTwips, const QSize &wideTwips) {
    m_guide = panel;
    m_narrowTwips = narrowTwips;
    m_wideTwips = wideTwips;
}

void WorkingScreen::showGuide(bool shown) {
    if (!m_guide)
        return;
    // Hidden, not only clipped: the keyboard must not reach the panel's buttons.
    m_guide->setVisible(shown);
    guideShowing(shown);
    const QSize size = shown ? m_wideTwips : m_narrowTwips;
    setTwipsSize(size.width(), size.height());
}

bool WorkingScreen::guideOpen() const {
    return m_guide && !m_guide->isHidden();
}

void WorkingScreen::closeScreen() {
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void WorkingScreen::open() {
    m_opened = load();
}

void WorkingScreen::closed() {
    m_ctx.host.showPunchClock();
}

void WorkingScreen::closeEvent(QCloseEvent *event) {
    event->accept();
    if (m_closing)
        return;
    // A box left just before the close has its checks run as the user made them.
    m_entries->flush();
    if (m_opened && !m_ctx.services.programEnd.ended() && !mayClose()) {
        event->ignore();
        return;
    }
    m_closing = true;
    if (!m_opened || m_ctx.services.programEnd.ended())
        return;
    if (save())
        closed();
}
