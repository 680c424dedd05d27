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
// only a reader types is a card (KeyBurst). Keys a person types pass on as
// they always did, but for the hex digits held while the screen holds them:
// those come as personKey() once it is sure no reader typed them.
class WedgeFilter : public QObject {
    Q_OBJECT
public:
    explicit WedgeFilter(QWidget *screen);
    ~WedgeFilter() override;

    // Whether the keys may be a card now (the screen is in front and shows
    // what a card acts on). Without it nothing is listened to.
    void setListening(std::function<bool()> listening) { m_listening = std::move(listening); }
    // Whether a person's digits are held back (they mean something else to
    // the screen now) rather than passed on at once.
    void setHolding(std::function<bool()> holding) { m_holding = std::move(holding); }

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
    std::function<bool()> m_holding;
    KeyBurst m_burst;
    QTimer m_pause;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    bool m_held = false; // the keys of the run so far were held back
};
