#include "printing/ui/PrintBox.h"

#include "data/ui/NumberBox.h"
#include "printing/PrintPanel.h"

#include <QKeyEvent>

PrintBox::PrintBox(const QString &name, int maxLength, QWidget *parent) : QLineEdit(parent) {
    setObjectName(name);
    makeNumberBox(this, maxLength);
}

void PrintBox::keyPressEvent(QKeyEvent *e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT enterPressed();
        return;
    case Qt::Key_Escape:
        return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        QLineEdit::keyPressEvent(e);
        return;
    default:
        break;
    }
    const QString t = e->text();
    if (t.size() == 1 && PrintPanel::acceptsChar(t[0]))
        QLineEdit::keyPressEvent(e);
}

void PrintBox::focusOutEvent(QFocusEvent *e) {
    QLineEdit::focusOutEvent(e);
    if (e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason)
        Q_EMIT left();
}
