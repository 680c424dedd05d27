#pragma once

#include "data/EmployeeLine.h"
#include "data/Roster.h"
#include "screen/Services.h"

#include <QStringList>
#include <functional>

// What a click in the rack does.
enum class RackMode {
    Punch,       // "": sets a card on the card panel
    MonthChoice, // "itiran": opens the month view of the card
    Removal,     // "y": removes the card
};

// The card rack List1: one line per card of the current card month, its mode
// and background, and the removal of cards.
class CardRack {
public:
    static constexpr quint32 kNormal = 0xFFE0C0;      // 255, 224, 192
    static constexpr quint32 kMonthChoice = 0xFFFFC0; // 255, 255, 192
    static constexpr quint32 kRemoval = 0xE0E0E0;     // 224, 224, 224

    explicit CardRack(Services &s) : m_s(s) {}

    // The lines as List1 shows them, and the employee each one stands for.
    const QStringList &lines() const { return m_lines; }
    QString line(int index) const { return m_lines.value(index); }
    const QList<EmployeeLine> &entries() const { return m_entries; }
    EmployeeLine entry(int index) const { return m_entries.value(index); }
    // The line of an employee by the whole code; -1 when the rack has none.
    int indexOfCode(const QString &code) const { return employeeline::indexOf(m_entries, code); }

    RackMode mode() const { return m_mode; }
    QString modeWord() const;
    quint32 background() const { return m_background; }
    bool cancelVisible() const { return m_cancelVisible; }
    bool enabled() const { return m_enabled; }
    int selected() const { return m_selected; }
    void select(int index) { m_selected = index; }

    // Toolbar buttons 1 and 2, and "キャンセル".
    void startMonthChoice();
    void startRemoval();
    void cancelMode();
    // The month view takes the rack while it is open.
    void setEnabled(bool enabled) { m_enabled = enabled; }
    void setModeOnly(RackMode mode) { m_mode = mode; }

    // Rebuilds the rack from the cards of the month folder; a missing folder of
    // another month than the one shown empties it. The message that no
    // card is prepared is shown once until the screen is shown anew or cards are
    // found again: closing that very box activates the screen again. Returns
    // the card codes the folder listed.
    QStringList rebuild(const Roster &roster, const QString &folder);
    void screenShown() { m_announced = false; }

    // A rack click in removal mode: asks, deletes the card and rebuilds the rack
    // from the roster.
    void removeCard(int index, const Roster &roster, const QString &folder);

private:
    // The card's file goes into the safety folder before it is deleted.
    FileError keepCard(const QString &folder, const QString &code, QString &reason);
    // Under the card's lock and the history's: kept, recorded and deleted.
    // What the user is told when it was not; empty when it was.
    QString removeLocked(const QString &folder, const QString &code, const QString &who);
    void backToPunching();
    void announceNotPrepared();
    void setEntries(QList<EmployeeLine> entries);

    Services &m_s;
    QString m_folder; // the month folder the lines are of
    QList<EmployeeLine> m_entries;
    QStringList m_lines;
    RackMode m_mode = RackMode::Punch;
    quint32 m_background = kNormal;
    bool m_cancelVisible = false;
    bool m_enabled = true;
    bool m_announced = false;
    int m_selected = -1;
};
