#pragma once

#include "screen/KeyBurst.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class QKeyEvent;
class QWidget;

// Readers that type, on one screen or window: while the screen listens and no
// entry box has the focus, a run of hex digits and Enter typed as fast as
// only a reader types is a card (KeyBurst). Hex digits are held back, so a
// reader's never reach a list (whose search by typed text would move its
// line); those a person typed come as personKey() a moment later, once it is
// sure no reader typed them. Every other key passes on as it always did.
class WedgeFilter : public QObject {
    Q_OBJECT
public:
    explicit WedgeFilter(QWidget *screen);
    ~WedgeFilter() override;

    // Whether the keys may be a card now (the screen is in front and shows
    // what a card acts on). Without it nothing is listened to.
    void setListening(std::function<bool()> listening) { m_listening = std::move(listening); }

Q_SIGNALS:
    void cardTyped(const QString &id);
    void personKey(QChar c);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool listens(QObject *watched) const;
    bool onKey(QKeyEvent *key);
    void personKeys(const KeyBurst::Result &r);

    QPointer<QWidget> m_screen;
    std::function<bool()> m_listening;
    KeyBurst m_burst;
    QTimer m_pause;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
};
