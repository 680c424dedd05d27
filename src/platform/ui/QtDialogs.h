#pragma once

#include "platform/Dialogs.h"

#include <QPointer>
#include <QWidget>

// Message boxes as QMessageBox with Japanese button captions. The parent is
// the active window; it is activated again after the box closes, since nothing
// else gives it the focus back.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget *fallbackParent = nullptr) : m_fallback(fallbackParent) {}
    void setFallbackParent(QWidget *w) { m_fallback = w; }

    BoxAnswer message(const QString &text, const QString &title, BoxIcon icon,
                      BoxButtons buttons) override;

private:
    QPointer<QWidget> m_fallback;
};
