#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

// Watches the entry boxes of a screen: a box getting the focus, a box losing
// it (not to a message box or a drop-down list, which come back to it) and
// its key presses. Handlers get the box itself.
class BoxEvents : public QObject {
    Q_OBJECT
public:
    explicit BoxEvents(QObject *parent) : QObject(parent) {}

    void watch(QWidget *box);

    std::function<void(QWidget *)> entered;
    std::function<void(QWidget *)> left;
    // Returns true when the key was handled and the box must not see it.
    std::function<bool(QWidget *, QKeyEvent *)> key;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *boxOf(QObject *watched) const;
};
