#pragma once

#include "data/CardTies.h"
#include "data/IcOptions.h"
#include "screen/ReaderStatus.h"
#include "screen/Services.h"

#include <QDateTime>
#include <QString>

// The IC card side of the punch clock: the options and the ties it reads on
// opening, the readers, the card set by a touch, and the line the screen
// shows about touches. The punching itself is the rack's and the card
// panel's, reached through RecorderScreen.
class TouchPunch {
public:
    // A card set by a touch and left alone returns itself after this long.
    static constexpr int kIdleSeconds = 15;
    // The same card again within this is the same touch (a reader that sees
    // a card come and go as it is held at the edge).
    static constexpr qint64 kRepeatMs = 1000;
    // How long a notice stays.
    static constexpr int kNoticeSeconds = 6;

    enum class Level { Info, Done, Warning };
    struct Notice {
        QString text;
        Level level = Level::Info;
        QDateTime until; // invalid: while the card set by a touch stays set
    };

    // Reads the options and the ties. A ties file that is there but cannot
    // be read is told when cards punch.
    void open(Services &s);

    const IcOptions &options() const { return m_options; }
    bool on() const { return m_options.punchByCard; }
    // The code of a card's employee; empty for a card no one has.
    QString codeOf(const QString &id) const { return m_ties.codeOf(id); }

    // Whether this touch repeats the one before (same card within kRepeatMs);
    // it is remembered either way.
    bool repeated(const QString &id, const QDateTime &now);

    // The card on the panel was set by a touch of this card.
    void setByTouch(const QString &id, const QDateTime &now);
    bool setByTouch() const { return !m_setId.isEmpty(); }
    const QString &touchedId() const { return m_setId; }
    // A key or a kind chosen: the card is not left alone.
    void active(const QDateTime &now);
    // The card set by a touch has been left alone for kIdleSeconds.
    bool idle(const QDateTime &now) const;
    // The card went back (by a touch, a button or by itself).
    void cardGone();

    void tell(const QString &text, Level level, const QDateTime &now);
    // A notice that stays while the card set by a touch is set.
    void tellWhileSet(const QString &text);
    const Notice &notice() const { return m_notice; }
    // Drops a notice whose time is up.
    void expire(const QDateTime &now);

    ReaderStatus &readers() { return m_readers; }
    // The status line: nothing while cards do not punch.
    QString statusText() const { return on() ? m_readers.text() : QString(); }
    bool statusWarning() const { return on() && m_readers.lost(); }

private:
    IcOptions m_options;
    CardTies m_ties;
    ReaderStatus m_readers;
    Notice m_notice;
    QString m_setId;
    qint64 m_activeAt = 0; // wall-clock milliseconds (see TouchPunch.cpp)
    QString m_lastId;
    qint64 m_lastAt = 0;
};
