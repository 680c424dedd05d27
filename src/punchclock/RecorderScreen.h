#pragma once

#include "data/CalcSettings.h"
#include "data/ChangeWatch.h"
#include "data/Roster.h"
#include "punchclock/AddPunchPanel.h"
#include "punchclock/CardRack.h"
#include "punchclock/MonthView.h"
#include "punchclock/PunchDay.h"
#include "punchclock/PunchPanel.h"
#include "punchclock/TouchPunch.h"
#include "screen/Services.h"

// The punch-clock screen frmrecoder: clock, punch day, current card month and
// the rack, with the card panel, the month view and the additional punch panel.
class RecorderScreen {
public:
    static constexpr int kWidthTwips = 6225;
    static constexpr int kGuideWidthTwips = 10740;

    explicit RecorderScreen(Services &s);

    // The load step. False when a fatal file error ended the program.
    bool open();
    // Timer1: the clock; while no card is set, the punch day the clock gives
    // now (yesterday before the day change hour) and the current card month.
    void tick();
    // The screen became the active window.
    void activated();
    // What other PCs wrote, looked for on the timer (a light poll) or at
    // once after a watcher's event (filesChanged): cards prepared or removed
    // show in the rack, a punch on the set card shows on the panel. Counts
    // the times the screen changed by it, so the widget shows it.
    void lookForChanges();
    void filesChanged() { m_watch.nudge(); }
    // Whether a watcher tells of changes in the card month folder as they
    // happen; else only the poll sees them.
    bool watchesByEvents() const { return m_watch.events(); }
    int changeRevision() const { return m_changeRevision; }
    // The screen is closing: closed by the user, the system or the main frame,
    // no screen is in front any more; closed by the program to open another
    // screen, whose word the frame has already set, that word stays.
    void close();

    // nengetuhyouji: the current card month, that of the punch day the clock
    // gives now (yesterday before the day change hour), so that a night shift
    // clocks out into the card of the day it began.
    void nengetuhyouji();

    // A click on line i of the rack, by the rack mode.
    void rackClicked(int index);
    // Sets the card of the employee of this whole code, as a click on its
    // rack line does while punching. False when the rack has no line of that
    // code (or the rack is not punching).
    bool setCardOf(const QString &code);
    // Toolbar buttons 1 and 2, "キャンセル", the month view's "閉 じ る".
    void toolbarMonthView();
    void toolbarRemoval();
    void cancelMode();
    void closeMonthView();
    // Toolbar button 3 once the PIN guard let it through. False (with a
    // message) while a card is set on the card panel.
    bool openAddPanel();

    // The punch day boxes textukihi(0) (month) and textukihi(1) (day): the text
    // they held when they got the focus and the text they hold on leaving.
    // Returns the text the box shows afterwards.
    QString leavePunchMonth(const QString &text, const QString &remembered) {
        return leavePunchBox(true, text, remembered);
    }
    QString leavePunchDay(const QString &text, const QString &remembered) {
        return leavePunchBox(false, text, remembered);
    }

    // Kind buttons and the two card buttons. A card set by a touch is not
    // left alone while they are used.
    void chooseKind(int k);
    void unchooseKind(int k);
    void press();
    // "カードを戻す". A time chosen but not pressed is asked about first: Yes
    // presses it, No drops it, Cancel keeps the card set. True when the card
    // was written (or none was set). A card that could not be written is
    // told about and taken off the panel all the same; the punch day is then
    // the clock's again.
    bool returnCard();
    // The screen is about to close: a set card is returned first. False when
    // the user kept it set.
    bool mayClose();

    // IC cards, while "ICカードで打刻する" is on; otherwise these do nothing.
    // A card touched on a reader, or typed by a reader that types: sets its
    // employee's card as a click on the line does, with the kind the day
    // calls for chosen; the same card again presses that time and returns the
    // card. A card set by a touch and then left alone returns itself after
    // TouchPunch::kIdleSeconds, its chosen time pressed as the second touch
    // would. Another card touched while one is set switches nothing.
    void cardTouched(const QString &id);
    // A key 1-4 while a card is set: chooses 出勤, 休憩, 戻り or 退勤.
    void kindKey(int k);
    bool kindKeysActive() const { return m_touch.on() && m_panel.cardSet(); }
    // The readers there are now.
    void readersChanged(const QStringList &names) { m_touch.readers().update(names); }
    // A click on a rack line must first be let through by the administrator
    // PIN: cards punch, the option asks it, and a PIN is registered.
    bool rackClickNeedsPin() const;
    const TouchPunch &touch() const { return m_touch; }

    // What a new user has still to do before the rack holds cards; for an
    // office that has card months already, which month is not prepared.
    struct FirstSteps {
        bool settings = false; // a pay period is registered
        bool roster = false;   // an employee is entered
        bool cards = false;    // the rack holds cards
        bool months = false;   // some card month is prepared (looked at while the rack is empty)
        QString missing;       // the current card month's folder, while the rack is empty
        // A new installation: the steps from the start, not a month missing.
        bool newInstallation() const { return !cards && !months; }
    };
    FirstSteps firstSteps() const;

    const QString &clockText() const { return m_clockText; }
    const PunchDay &punchDay() const { return m_day; }
    // Counts the times the program set the punch day, so the boxes follow it.
    int dayRevision() const { return m_dayRevision; }
    const QString &weekdayShown() const { return m_weekdayShown; }
    bool dateShown() const { return m_dateShown; }
    const QString &yearText() const { return m_yearText; }
    const QString &monthText() const { return m_monthText; }
    QString monthFolder() const;
    int widthTwips() const { return m_widthTwips; }
    void setGuideOpen(bool open) { m_widthTwips = open ? kGuideWidthTwips : kWidthTwips; }
    bool toolbarViewButtonsEnabled() const { return !m_view.isOpen(); }

    const CalcSettings &settings() const { return m_settings; }
    const Roster &roster() const { return m_roster; }
    CardRack &rack() { return m_rack; }
    const CardRack &rack() const { return m_rack; }
    PunchPanel &panel() { return m_panel; }
    const PunchPanel &panel() const { return m_panel; }
    MonthView &monthView() { return m_view; }
    const MonthView &monthView() const { return m_view; }
    AddPunchPanel &addPanel() { return m_add; }
    const AddPunchPanel &addPanel() const { return m_add; }

private:
    PunchTarget target() const;
    PunchDay clockDay(const QDateTime &now) const;
    void cardMonthOf(const QDate &punchDate);
    // The rack was built: what the watch compares from now on.
    void watchMonth(QStringList rackCodes);
    void showClockDay(const QDateTime &now);
    QString unpressedText(int k) const;
    QString leavePunchBox(bool monthBox, const QString &text, const QString &remembered);
    // The second touch, or the card left alone: presses the chosen time and
    // returns the card.
    void finishTouch(bool byItself);
    // Someone works on a card set by a touch: its time to return itself
    // starts again, and the notice says what the next touch does.
    void touchWorkedOn();

    Services &m_s;
    Roster m_roster;
    CalcSettings m_settings;
    CardRack m_rack;
    PunchPanel m_panel;
    MonthView m_view;
    AddPunchPanel m_add;
    TouchPunch m_touch;
    PunchDay m_day;
    QString m_weekdayShown;
    QString m_clockText;
    QString m_yearText;
    QString m_monthText;
    daterules::YearMonth m_cardMonth;
    daterules::PayPeriod m_period;
    bool m_periodKnown = false;
    bool m_dateShown = false;
    int m_dayRevision = 0;
    QDate m_monthDate; // the punch day the current card month was worked out for
    ChangeWatch m_watch{m_s.fs, m_s.clock};
    QStringList m_rackCodes; // the month folder's cards as the rack was built from them
    int m_changeRevision = 0;
    int m_widthTwips = kWidthTwips;
};
