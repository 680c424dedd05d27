#include "screen/ui/EntryBox.h"

#include "screen/ui/EntryQueue.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace {

// A message box, a drop-down list, a menu or the menu bar takes the focus only
// for a moment and gives it back to the box.
bool passesBack(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

bool canTakeFocus(const QWidget *w) {
    return w && w->isEnabled() && w->isVisible();
}

} // namespace

EntryBox::EntryBox(QWidget *box, QLineEdit *line, QComboBox *combo, KeyFilter keys)
    : QObject(box), m_box(box), m_line(line), m_combo(combo), m_keys(keys) {
    box->installEventFilter(this);
    if (combo && line)
        line->installEventFilter(this);
    if (line)
        connect(line, &QLineEdit::textEdited, this, &EntryBox::edited);
}

EntryBox *EntryBox::create(QWidget *parent, const QString &name, KeyFilter keys, int maxLength) {
    auto *line = new QLineEdit(parent);
    line->setObjectName(name);
    if (maxLength > 0)
        line->setMaxLength(maxLength);
    return attach(line, keys);
}

EntryBox *EntryBox::attach(QLineEdit *box, KeyFilter keys) {
    auto *entry = new EntryBox(box, box, nullptr, KeyFilter::None);
    entry->setKeyFilter(keys);
    return entry;
}

void EntryBox::setKeyFilter(KeyFilter keys) {
    if (keys == m_keys || m_combo || !m_line)
        return;
    m_keys = keys;
    // Keys are filtered by the event filter; pasted, dropped and composed text here.
    const QString pattern = acceptedTextPattern(keys);
    const bool filtered = !pattern.isEmpty();
    delete m_validator;
    if (filtered)
        m_validator = new QRegularExpressionValidator(QRegularExpression(pattern), m_line);
    m_line->setValidator(m_validator);
    m_line->setAttribute(Qt::WA_InputMethodEnabled, !filtered);
    m_line->setAcceptDrops(!filtered);
    m_line->setInputMethodHints(keys == KeyFilter::Digits           ? Qt::ImhDigitsOnly
                                : keys == KeyFilter::CertifiedHours ? Qt::ImhFormattedNumbersOnly
                                                                    : Qt::ImhNone);
}

EntryBox *EntryBox::attach(QComboBox *box) {
    return new EntryBox(box, box->lineEdit(), box, KeyFilter::None);
}

EntryBox *EntryBox::of(const QWidget *widget) {
    return widget ? widget->findChild<EntryBox *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QWidget *EntryBox::widget() const {
    return m_box;
}

QLineEdit *EntryBox::lineEdit() const {
    return m_line;
}

QString EntryBox::text() const {
    if (m_combo)
        return m_combo->currentText();
    return m_line ? m_line->text() : QString();
}

void EntryBox::setText(const QString &text) {
    if (m_combo)
        m_combo->setEditText(text);
    else if (m_line)
        m_line->setText(text);
    m_remembered = text;
}

void EntryBox::flushPending() {
    EntryQueue::of(m_box).flush();
}

void EntryBox::post(Notice n) {
    m_inside = n == Notice::Entered;
    EntryQueue::of(m_box).post(this, n);
}

void EntryBox::deliver(Notice n) {
    // A box whose screen has closed, or whose panel was hidden, hears nothing.
    if (!m_box->isVisible())
        return;
    if (n == Notice::Left) {
        Q_EMIT left();
        return;
    }
    Q_EMIT entered();
    m_remembered = text();
}

bool EntryBox::popupShown() const {
    return m_combo && m_combo->view()->isVisible();
}

bool EntryBox::eventFilter(QObject *watched, QEvent *event) {
    // The edit line of a combo box brings its keys; its focus is the box's.
    const bool ownLine = watched != m_box;
    switch (event->type()) {
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // Coming back from a message box or a menu is no new entering, but a
        // window that got the focus in the box while inactive enters it now.
        if (!ownLine && (!passesBack(reason) || !m_inside))
            post(Notice::Entered);
        break;
    }
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (ownLine || passesBack(reason))
            break;
        // Into the box's own edit line, or into a drop-down list, is no leaving.
        const QWidget *now = QApplication::focusWidget();
        if (m_combo && (now == m_combo || now == m_line))
            break;
        if (now && now->window()->windowType() == Qt::Popup)
            break;
        post(Notice::Left);
        break;
    }
    case QEvent::KeyPress:
        return onKey(static_cast<QKeyEvent *>(event));
    default:
        break;
    }
    return false;
}

bool EntryBox::onKey(QKeyEvent *event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (popupShown())
            return false; // the drop-down list takes its choice
        onEnter();
        return true;
    }
    if (key == Qt::Key_Escape) {
        if (popupShown())
            return false;
        onEscape();
        return true;
    }
    return !keyAccepted(m_keys, key, event->text());
}

void EntryBox::onEnter() {
    if (m_line)
        m_line->selectAll();
    if (m_enterToScreen) {
        Q_EMIT enterPressed();
        return;
    }
    // Queued: the key is over before the focus moves and the box's checks run.
    QTimer::singleShot(0, this, &EntryBox::moveOn);
}

void EntryBox::moveOn() {
    if (canTakeFocus(m_next))
        m_next->setFocus(Qt::TabFocusReason);
    else if (canTakeFocus(m_exit))
        m_exit->setFocus(Qt::TabFocusReason);
    else if (m_exit)
        m_box->clearFocus(); // the last box: leaving it runs its checks
    // The focus has moved: the checks of the box run now, as Enter asked.
    flushPending();
}

void EntryBox::onEscape() {
    if (m_escape == Escape::Ignored)
        return;
    if (m_line)
        m_line->clear();
    Q_EMIT edited(QString());
}
