#pragma once

#include "data/History.h"
#include "data/LeadingNumber.h"
#include "data/Roster.h"
#include "screen/Services.h"

#include <QString>
#include <QStringList>

// Where the focus goes after a key or a click on the roster screen.
struct RosterFocus {
    enum Kind { Keep, CodeBox, NameBox, Chooser, OffGrid };
    Kind kind = Keep;
    int row = 0; // grid row 0-14 for CodeBox, NameBox and Chooser
};

// The roster screen frmmeibo without its widgets: a 15-row window over the
// 999 slots, the pay type chooser, deletion marks, delete, sort and save.
//
// Stored deletion marks are shown as marked (light grey) when the screen
// opens, so the delete button never removes a row the user cannot see marked.
// Codes are refused where typed when they could not name a card file; a code
// shared by two employees is stored but warned about when typed and again
// before the roster is saved on closing, since such employees would share one
// card file.
class RosterScreen {
public:
    static constexpr int kRows = 15;
    static constexpr int kMaxTop = Roster::kSlots - kRows; // 984

    explicit RosterScreen(Services &s);

    // Reads Meibo.Dat (a missing file is created empty). False when the
    // program was ended by a fatal error; the screen then saves nothing.
    bool open();
    bool loaded() const { return m_loaded; }

    const Roster &roster() const { return m_roster; }
    int top() const { return m_top; }
    void setTop(int top);
    int slotOf(int row) const { return m_top + row; }
    const Employee &rowEmployee(int row) const { return m_roster[slotOf(row)]; }
    // Shown in light grey: the row's slot carries the deletion mark.
    bool greyed(int row) const;

    // Entry boxes: box 2k is the code box of row k, 2k + 1 its name box.
    static int maxLength(int box);
    // Focus comes into a box: the stored value it shows.
    QString enterBox(int box);
    enum class Leave { Stored, Refused };
    // The box is left with text: stored into the slot it was entered for. An
    // unsafe code, or a name the file cannot hold, is refused with a message
    // and the slot keeps its old value.
    Leave leaveBox(int box, const QString &text);
    bool editing() const { return m_editSlot >= 0; }
    // Enter in a box: code -> name of the same row; name -> pay type chooser.
    RosterFocus enterKey(int box);

    // The pay type chooser over a row's label (Enter in a name box, a click on
    // the label).
    static QStringList payTypes();
    RosterFocus showChooser(int row);
    bool chooserShown() const { return m_chooserSlot >= 0; }
    int chooserRow() const { return m_chooserSlot - m_top; }
    QString chooserText() const;
    // Leaving the chooser stores its text as the pay type (unless the file
    // cannot hold it) and hides it.
    void leaveChooser(const QString &text);
    RosterFocus chooserEnter(const QString &text);

    // imgsitei: toggles the deletion mark of the row's slot.
    void toggleMark(int row);
    // Toolbar button 1. True when the roster changed.
    bool deleteMarked();
    // Toolbar button 2 (soot). True when the roster changed.
    bool soot();

    // The roster is replaced by an import and written at once. False when
    // the write failed and the program was ended.
    bool adoptImport(const Roster &roster);

    // Warnings on the codes of the slots in use: codes shared by several
    // employees and codes that cannot name a card file. Empty when none.
    QString codeWarnings() const;

    // Writes Meibo.Dat, its changed values into the change history first
    // (function "meibo", or "torikomi" after an import). A failed write shows
    // the fatal box and ends the program; false then. Over a damaged roster it
    // asks first, and keeps the damaged file under another name; without the
    // user's yes nothing is written.
    bool dhozon(QLatin1String function = history::word::meibo);
    // Meibo.Dat was damaged when the screen opened and is still in place.
    bool damaged() const { return m_damaged; }
    // Closing the screen: warns about codes, then saves (not over a file that
    // could not be read, nor over a damaged one left as it was read). False
    // when nothing must follow (the program ended, or the roster was never
    // loaded).
    bool close();

private:
    // Another slot whose trimmed code is the same, or -1.
    int otherSlotWithCode(const QString &code, int slot) const;
    // The user's yes to replace the damaged roster, its bytes kept beside.
    bool replaceDamaged();

    Services &m_s;
    Roster m_roster;
    QStringList m_stored; // what Meibo.Dat holds: read, or last written
    bool m_loaded = false;
    bool m_unreadable = false; // Meibo.Dat exists but could not be read
    bool m_damaged = false;    // Meibo.Dat is not a roster's form: shown as read
    Roster m_asRead;
    int m_top = 0;
    int m_editSlot = -1;
    int m_editField = 0;
    int m_chooserSlot = -1;
};
