#pragma once

#include <QObject>
#include <QPointer>
#include <deque>

class EntryBox;
class QWidget;

// The entered() and left() notices of a screen's entry boxes waiting to be
// delivered, oldest first. It delivers them on the next turn of the event
// loop, or earlier, just before the user's next click or key reaches any
// widget: the checks of a box run after the focus has moved away from it
// (never inside the focus change, where a message box would swallow the click
// that moved the focus) and before the action the user took next.
//
// Every working screen owns one (WorkingScreen::entries); its panels and the
// dialogs it opens find it through their parents.
class EntryQueue : public QObject {
    Q_OBJECT
public:
    explicit EntryQueue(QObject *owner) : QObject(owner) {}

    // The queue of the nearest of widget and its parents that owns one; where
    // none does, the topmost of them is given one.
    static EntryQueue &of(QWidget *widget);

    enum class Notice { Entered, Left };
    void post(EntryBox *box, Notice notice);
    // Delivers every notice still waiting, now. Does nothing while a delivery
    // is under way (a message box of a check is up: the outer delivery goes on
    // after it).
    void flush();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Item {
        QPointer<EntryBox> box;
        Notice notice;
    };
    std::deque<Item> m_items;
    bool m_flushing = false;
};
