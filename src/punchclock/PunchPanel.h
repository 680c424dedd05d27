#pragma once

#include "data/CardTable.h"
#include "data/DateRules.h"
#include "data/EmployeeLine.h"
#include "data/History.h"
#include "punchclock/PunchTypes.h"
#include "screen/Services.h"

#include <array>

// Where the set card's punches go: the card month folder, its pay period and
// the punch day.
struct PunchTarget {
    QString folder;
    daterules::PayPeriod period;
    bool periodKnown = false;
    int month = 0; // the punch day's month
    int day = 0;   // the punch day number
    // The card month before, where the last day worked may lie when no day of
    // this one was worked before the punch day; empty when unknown.
    QString previousFolder;
    daterules::PayPeriod previousPeriod;
};

// The day row of a punch day: the row with that day number whose date in the
// pay period lies in the punch day's month. A day of another month (the day
// before the day change hour, across a card month's end) finds no row rather
// than the same day number of the wrong month.
int findPunchRow(const CardTable &table, const PunchTarget &target);

// The card panel Picture2: setting a card, choosing a kind, pressing and
// returning the card.
class PunchPanel {
public:
    explicit PunchPanel(Services &s) : m_s(s) {}

    // A rack click in punching mode on the line of who: the card of who's
    // whole code is set. The rack selection afterwards is selectedIndex().
    void setCard(int index, const EmployeeLine &who, const PunchTarget &target);
    // The raised image of kind k clicked; clockText is the clock shown.
    void chooseKind(int k, const QString &clockText);
    // The pressed image of kind k clicked.
    void unchooseKind(int k);
    // "カードを押す".
    void press();
    // Presses the chosen time of kind k, whichever kind is selected.
    void pressKind(int k);
    // The kind whose time is chosen but not pressed, -1 when none.
    int pendingKind() const;
    // The kind the punch day's row calls for next: clock-in on an empty day,
    // the return from an open break, else clock-out; -1 once clocked out or
    // with no card set.
    int suggestedKind() const;
    // "カードを戻す" with the weekday shown for the punch day. False when the
    // card could not be written: the user is told that the punches were not
    // recorded and why, the card file stays as it was, and the panel is
    // cleared as after a return, ready for the next card.
    bool returnCard(const QString &weekday);
    // The set card was written by another program: the panel shows its
    // punches as they are now. A time pressed here and not yet returned stays,
    // unless the card now holds another time of that kind (told). True when
    // the card had changed.
    bool refresh();
    // The punch day boxes changed the day while a card is set. Returns the
    // weekday to show for the new day.
    QString retarget(const PunchTarget &target);

    bool cardSet() const { return m_set; }
    bool visible() const { return m_set; }
    const QString &codeLabel() const { return m_code; }
    // The code the set card's file is named by.
    const QString &cardCode() const { return m_cardCode; }
    const QString &nameLabel() const { return m_name; }
    const TimeLabel &timeLabel(int k) const { return m_labels[static_cast<size_t>(k)]; }
    bool kindPressed(int k) const { return m_buttonDown[static_cast<size_t>(k)]; }
    int selectedIndex() const { return m_selected; }
    int lastSetIndex() const { return m_lastSet; }
    int dayRow() const { return m_row; }
    // The set card's file, which the punch clock watches for other PCs' punches.
    QString cardPath() const { return cardfile::path(m_target.folder, m_cardCode); }
    const CardTable &card() const { return m_table; }
    // Clears the rack selection as the rack does after a return or a mode change.
    void clearSelection();
    // The rack was rebuilt while a card is set: its line is now at index.
    void rackRebuilt(int index) {
        m_lastSet = index;
        m_selected = index;
    }

private:
    TimeLabel &label(int k) { return m_labels[static_cast<size_t>(k)]; }
    void showDayRow();
    bool rowMissing();
    // The last day worked before the punch day, in this card or the previous
    // period's, was left without clock-out.
    void warnOpenClockIn();
    // What a return that could not be written says: who, which punches, why.
    QString notRecordedText(const history::Saved &saved) const;

    Services &m_s;
    CardTable m_table;
    CardTable m_read; // as the card file held it: the history's "before"
    PunchTarget m_target;
    QString m_code;
    QString m_name;
    QString m_cardCode;
    std::array<TimeLabel, kKinds> m_labels;
    std::array<bool, kKinds> m_buttonDown{};
    bool m_set = false;
    int m_row = -1;
    int m_kind = -1;
    int m_selected = -1;
    int m_lastSet = -1;
};
