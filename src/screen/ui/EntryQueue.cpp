#include "screen/ui/EntryQueue.h"

#include "screen/ui/EntryBox.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

EntryQueue &EntryQueue::of(QWidget *widget) {
    QWidget *top = widget;
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (auto *q = w->findChild<EntryQueue *>(QString(), Qt::FindDirectChildrenOnly))
            return *q;
        top = w;
    }
    return *new EntryQueue(top);
}

void EntryQueue::post(EntryBox *box, Notice notice) {
    m_items.push_back({box, notice});
    if (m_items.size() == 1) {
        qApp->installEventFilter(this);
        QMetaObject::invokeMethod(this, &EntryQueue::flush, Qt::QueuedConnection);
    }
}

void EntryQueue::flush() {
    if (m_flushing)
        return;
    m_flushing = true;
    while (!m_items.empty()) {
        const Item item = m_items.front();
        m_items.pop_front();
        if (item.box)
            item.box->deliver(item.notice);
    }
    m_flushing = false;
    qApp->removeEventFilter(this);
}

bool EntryQueue::eventFilter(QObject *, QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        flush();
        break;
    default:
        break;
    }
    return false;
}
