#pragma once

#include "platform/Dialogs.h"

#include <QFont>
#include <QPointer>
#include <QWidget>

class QMessageBox;

// Message boxes as QMessageBox with Japanese button captions. The parent is
// the active window; it is activated again after the box closes, since nothing
// else gives it the focus back. A box is never wider than the main frame (the
// fallback parent): a longer text is broken into lines at the edges of words;
// a text taller than the screen scrolls inside the box.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget *fallbackParent = nullptr) : m_fallback(fallbackParent) {}
    void setFallbackParent(QWidget *w) { m_fallback = w; }

    BoxAnswer message(const QString &text, const QString &title, BoxIcon icon,
                      BoxButtons buttons) override;
    BoxAnswer choose(const QString &text, const QString &title, BoxIcon icon,
                     const QString &yesCaption, const QString &noCaption) override;

    // The text broken into lines no wider than width in the font.
    static QString wrapToWidth(const QString &text, const QFont &font, int width);

private:
    // Breaks the box's text until the box is no wider than frameWidth.
    static void fitWidth(QMessageBox &box, const QString &text, int frameWidth);
    // Puts a text taller than the screen into a scrolling area of the box.
    static void fitHeight(QMessageBox &box);
    BoxAnswer run(const QString &text, const QString &title, BoxIcon icon, BoxButtons buttons,
                  const QString &yesCaption, const QString &noCaption);

    QPointer<QWidget> m_fallback;
};
