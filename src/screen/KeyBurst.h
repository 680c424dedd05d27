#pragma once

#include <QString>
#include <QtGlobal>

// Readers that type: many cheap card readers are USB keyboards that type the
// card's number and Enter, far faster than anyone types. KeyBurst tells such
// a burst from a person at the keyboard by the time between the keys, as
// kiosk software does: a card is a run of at least kMinLength hex digits and
// the Enter after them, each key within kMaxGapMs of the one before.
class KeyBurst {
public:
    // A reader types a key every few milliseconds; a person, even in a fast
    // run, leaves 80 ms and more between most keys.
    static constexpr qint64 kMaxGapMs = 50;
    // The shortest number such a reader types (a 125 kHz fob 8 or 10 digits,
    // a MIFARE UID 8 hex digits).
    static constexpr int kMinLength = 6;

    struct Result {
        QString card;   // the ID of a card, upper-case; empty when none
        QString person; // keys a person typed, held until it was sure
    };

    // A key of one hex digit typed at ms (milliseconds of a steady clock).
    // Keys held from before a pause were a person's and come back.
    Result key(QChar c, qint64 ms);
    // Enter at ms: a card when the run of keys since the last pause is one;
    // otherwise the keys held were a person's. Either way none stays held.
    Result enter(qint64 ms);
    // No key for a while (now is ms): the keys held were a person's once
    // kMaxGapMs has passed since the last of them.
    Result pause(qint64 ms);
    // Any other key: the keys held were a person's.
    Result interrupt();
    bool holding() const { return !m_keys.isEmpty(); }

private:
    QString m_keys;
    qint64 m_last = 0;
};
