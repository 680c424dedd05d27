#include "data/ui/BoxEvents.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

void BoxEvents::watch(QWidget *box) {
    box->installEventFilter(this);
    if (auto *combo = qobject_cast<QComboBox *>(box); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
}

QWidget *BoxEvents::boxOf(QObject *watched) const {
    auto *w = qobject_cast<QWidget *>(watched);
    // The edit line of a combo box stands for its combo box.
    if (w && qobject_cast<QLineEdit *>(w))
        if (auto *combo = qobject_cast<QComboBox *>(w->parentWidget()))
            return combo;
    return w;
}

namespace {

// A message box, a drop-down list or the menu bar takes the focus only for a
// moment and gives it back to the box: no leave, no new entry.
bool passesBack(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

} // namespace

bool BoxEvents::eventFilter(QObject *watched, QEvent *event) {
    QWidget *box = boxOf(watched);
    const bool isProxy = box != watched;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (!isProxy && entered) {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            if (!passesBack(reason))
                entered(box);
        }
        break;
    case QEvent::FocusOut:
        if (!isProxy && left) {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            if (!passesBack(reason))
                left(box);
        }
        break;
    case QEvent::KeyPress:
        if (key && key(box, static_cast<QKeyEvent *>(event)))
            return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
