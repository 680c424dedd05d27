#pragma once

#include "data/CardTies.h"
#include "data/Roster.h"
#include "screen/ReaderStatus.h"
#include "screen/Services.h"

#include <QList>
#include <QString>

// The window "ICカードの登録" opened from the roster: the administrator
// chooses an employee and touches a card on the reader to tie it to them.
// Every change is written at once, into the change history first.
class CardRegistration {
public:
    struct Person {
        QString code; // without blanks around it
        QString name;
    };
    // What the last touch or removal did, for the window's result line.
    enum class Outcome { None, Tied, Moved, AlreadyTied, NotMoved, Removed, Refused };

    explicit CardRegistration(Services &s) : m_s(s) {}

    // Lists the employees in use of the roster as the roster screen holds
    // it, chooses the one of the code given, and reads the ties. False when
    // the program was ended by a fatal error.
    bool open(const Roster &roster, const QString &code);

    const QList<Person> &people() const { return m_people; }
    int selected() const { return m_selected; }
    void select(int index);
    // The cards of the chosen employee, and the one chosen among them.
    QStringList cards() const;
    int selectedCard() const { return m_selectedCard; }
    void selectCard(int index) { m_selectedCard = index; }
    int cardCount(const QString &code) const { return int(m_ties.idsOf(code).size()); }

    // A card touched on a reader, or typed by a reader that types. A card of
    // another employee is moved only after asking.
    void touched(const QString &id);
    // "登録を解除": the chosen card is taken from the employee, after asking.
    void removeCard();

    void readersChanged(const QStringList &names) { m_readers.update(names); }
    const ReaderStatus &readers() const { return m_readers; }
    // The result line and what it was.
    const QString &message() const { return m_message; }
    Outcome outcome() const { return m_outcome; }
    // The ties file is there but could not be read: nothing is written.
    bool readOnly() const { return m_readOnly; }

private:
    QString who(const QString &code) const;
    // Puts this window's change of the card id (after, against the ties
    // shown) onto the file as it is now, and shows the ties as they are then.
    // False when the change was not made: the result line says why, or the
    // program was ended.
    bool save(const QString &id, const CardTies &after, const QString &reason);
    static QString fullText();
    void tell(Outcome o, const QString &text);

    Services &m_s;
    QList<Person> m_people;
    CardTies m_ties;
    ReaderStatus m_readers;
    QString m_message;
    Outcome m_outcome = Outcome::None;
    int m_selected = -1;
    int m_selectedCard = -1;
    bool m_readOnly = false;
};
