#pragma once

#include <QLineEdit>

// An entry box of the punch-clock screen: digits only; Enter selects the text
// and moves on, Esc empties it; it remembers its text when it gets the focus
// and reports leaving it once the focus has really moved elsewhere.
class EntryBox : public QLineEdit {
    Q_OBJECT
public:
    EntryBox(const QString &name, int maxLength, QWidget *parent);

    const QString &remembered() const { return m_remembered; }
    // Text put in by the screen, not typed: it counts as the text the box had.
    void setShownText(const QString &t) {
        setText(t);
        m_remembered = t;
    }
    // Where Enter sends the focus; none leaves the entry boxes for exitTarget.
    void setNext(QWidget *next) { m_next = next; }
    void setExitTarget(QWidget *exit) { m_exit = exit; }
    // Runs a leaving that is still queued now, so that a click that took the
    // focus away sees the box's checks done first, as the user did them.
    void flushLeave();

Q_SIGNALS:
    void left();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;

private:
    QString m_remembered;
    QWidget *m_next = nullptr;
    QWidget *m_exit = nullptr;
    bool m_leavePending = false;
};
