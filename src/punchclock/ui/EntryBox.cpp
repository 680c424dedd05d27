#include "punchclock/ui/EntryBox.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMetaObject>

EntryBox::EntryBox(const QString &name, int maxLength, QWidget *parent) : QLineEdit(parent) {
    setObjectName(name);
    setMaxLength(maxLength);
    setAlignment(Qt::AlignCenter);
}

void EntryBox::keyPressEvent(QKeyEvent *e) {
    const int key = e->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        selectAll();
        if (m_next)
            m_next->setFocus(Qt::TabFocusReason);
        else if (m_exit && m_exit->isEnabled() && m_exit->isVisible())
            m_exit->setFocus(Qt::TabFocusReason);
        else
            clearFocus();
        return;
    }
    if (key == Qt::Key_Escape) {
        clear();
        Q_EMIT textEdited(QString());
        return;
    }
    const QString t = e->text();
    const bool digit = t.size() == 1 && t[0] >= QLatin1Char('0') && t[0] <= QLatin1Char('9');
    const bool editing = key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Left ||
                         key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End ||
                         key == Qt::Key_Tab || key == Qt::Key_Backtab;
    if (digit || editing || t.isEmpty())
        QLineEdit::keyPressEvent(e);
}

void EntryBox::focusInEvent(QFocusEvent *e) {
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
        m_remembered = text();
    QLineEdit::focusInEvent(e);
}

void EntryBox::focusOutEvent(QFocusEvent *e) {
    QLineEdit::focusOutEvent(e);
    // A message box or a popup over the box is no leaving.
    if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason)
        return;
    m_leavePending = true;
    QMetaObject::invokeMethod(this, &EntryBox::flushLeave, Qt::QueuedConnection);
}

void EntryBox::flushLeave() {
    if (!m_leavePending)
        return;
    m_leavePending = false;
    Q_EMIT left();
}
