#pragma once

#include "screen/EntryKeys.h"
#include "screen/ui/EntryQueue.h"

#include <QObject>
#include <QPointer>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QValidator;
class QWidget;

// The one entry box of every screen: a line edit, or an editable combo box,
// given the key rules all screens share.
//
//  - Keys: a per-box filter (KeyFilter) drops the characters the box does not
//    take; pasted and dropped text is held to the same filter.
//  - Enter selects the text and moves on: to next(), else to the exit target
//    (setExitTarget) when that can take the focus, else the focus stays. A screen that
//    decides itself where the focus goes sets handEnterToScreen() and gets
//    enterPressed() instead.
//  - Esc empties the box (edited("") follows), or is dropped with
//    Escape::Ignored.
//  - entered() and left() report the focus coming into the box and really
//    leaving it. A message box, a drop-down list, a menu or the menu bar that
//    takes the focus for a moment and gives it back is no leaving and no new
//    entering. Both are delivered just after the focus has moved, in the
//    order they happened (a box's leaving before the next box's entering),
//    and before the next click or key of the user is handled; a hidden box
//    (its screen closed) hears nothing more.
//  - remembered(): the text the box showed when the focus came in (after the
//    screen's entered() handler), or as the screen last set it with setText().
class EntryBox : public QObject {
    Q_OBJECT
public:
    enum class Escape { Empties, Ignored };

    // A new line edit inside parent, named name, made an entry box. A
    // maxLength of 0 leaves the line edit's own limit.
    static EntryBox *create(QWidget *parent, const QString &name, KeyFilter keys = KeyFilter::None,
                            int maxLength = 0);
    // Makes an existing line edit, or an editable combo box, an entry box; it
    // lives as long as the widget.
    static EntryBox *attach(QLineEdit *box, KeyFilter keys = KeyFilter::None);
    static EntryBox *attach(QComboBox *box);
    // The entry box a widget was made into, or null.
    static EntryBox *of(const QWidget *widget);

    QWidget *widget() const;
    // The line edit typed into (a combo box's own).
    QLineEdit *lineEdit() const;

    QString text() const;
    // Text put in by the screen, not typed: it also becomes the remembered text.
    void setText(const QString &text);
    const QString &remembered() const { return m_remembered; }

    // The filter can change while the box lives (a screen that takes keys only
    // while something is open); a line edit's validator follows it.
    void setKeyFilter(KeyFilter keys);
    void setEscape(Escape e) { m_escape = e; }
    void setNext(QWidget *next) { m_next = next; }
    QWidget *next() const { return m_next; }
    void setExitTarget(QWidget *exit) { m_exit = exit; }
    void handEnterToScreen(bool hand = true) { m_enterToScreen = hand; }

    // Delivers every entered() and left() still waiting in the box's queue
    // (its screen's, see EntryQueue), now. Does nothing while a delivery is
    // under way.
    void flushPending();

Q_SIGNALS:
    void entered();
    void left();
    void enterPressed();
    // The user changed the text: typing, pasting, Esc.
    void edited(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class EntryQueue;

    EntryBox(QWidget *box, QLineEdit *line, QComboBox *combo, KeyFilter keys);
    bool onKey(QKeyEvent *event);
    void onEnter();
    void onEscape();
    void moveOn();
    bool popupShown() const;

    using Notice = EntryQueue::Notice;
    void post(Notice n);
    void deliver(Notice n);

    QWidget *m_box;
    QLineEdit *m_line;
    QComboBox *m_combo;
    KeyFilter m_keys;
    Escape m_escape = Escape::Empties;
    QPointer<QWidget> m_next;
    QPointer<QWidget> m_exit;
    bool m_enterToScreen = false;
    QPointer<QValidator> m_validator;
    bool m_inside = false; // entered and not yet left
    QString m_remembered;
};
