#include "screen/ui/WedgeFilter.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace {

bool isHexDigit(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('F')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

// A box the user types into: what is typed there is the box's, never a card.
bool isEntryBox(const QWidget *w) {
    if (!w)
        return false;
    if (qobject_cast<const QLineEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w) ||
        qobject_cast<const QTextEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w))
        return true;
    const auto *combo = qobject_cast<const QComboBox *>(w);
    return combo && combo->isEditable();
}

} // namespace

WedgeFilter::WedgeFilter(QWidget *screen) : QObject(screen), m_screen(screen) {
    m_clock.start();
    m_pause.setSingleShot(true);
    m_pause.setInterval(int(KeyBurst::kMaxGapMs) + 20);
    connect(&m_pause, &QTimer::timeout, this,
            [this] { personKeys(m_burst.pause(m_last + KeyBurst::kMaxGapMs + 1)); });
    qApp->installEventFilter(this);
}

WedgeFilter::~WedgeFilter() {
    qApp->removeEventFilter(this);
}

bool WedgeFilter::listens(QObject *watched) const {
    if (!m_screen || !m_screen->isVisible() || !m_listening || !m_listening())
        return false;
    // A key goes first to the focus widget (to the active window when none
    // has the focus); the same key passed on to its parents is not new.
    QWidget *focus = QApplication::focusWidget();
    QWidget *target = focus ? focus : QApplication::activeWindow();
    if (watched != target || !target)
        return false;
    if (focus && focus != m_screen && !m_screen->isAncestorOf(focus) &&
        focus->window() != m_screen->window())
        return false;
    return !isEntryBox(focus);
}

bool WedgeFilter::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress || !listens(watched))
        return false;
    return onKey(static_cast<QKeyEvent *>(event));
}

bool WedgeFilter::onKey(QKeyEvent *key) {
    // The window system's time of the key where it gives one: keys that wait
    // while the program is busy keep the pace they were typed at.
    const qint64 ms = key->timestamp() != 0 ? qint64(key->timestamp()) : m_clock.elapsed();
    const QString text = key->text();
    const Qt::KeyboardModifiers mods = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (text.size() == 1 && isHexDigit(text[0]) && mods == Qt::NoModifier && !key->isAutoRepeat()) {
        personKeys(m_burst.key(text[0], ms));
        m_last = ms;
        m_pause.start();
        return true;
    }
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && mods == Qt::NoModifier &&
        m_burst.holding()) {
        m_pause.stop();
        const KeyBurst::Result r = m_burst.enter(ms);
        if (!r.card.isEmpty()) {
            Q_EMIT cardTyped(r.card);
            return true;
        }
        personKeys(r);
        return false;
    }
    if (m_burst.holding()) {
        m_pause.stop();
        personKeys(m_burst.interrupt());
    }
    return false;
}

void WedgeFilter::personKeys(const KeyBurst::Result &r) {
    for (const QChar c : r.person)
        Q_EMIT personKey(c);
}
