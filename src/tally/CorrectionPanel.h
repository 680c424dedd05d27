#pragma once

#include "data/CardTable.h"
#include "platform/Dialogs.h"

#include <QString>
#include <array>

// The correction panel "◆訂正（取消し）又は追加処理": boxes 75-79 of the
// tally screen take a target day and new clock-in, break-out, break-return and
// clock-out times for it; "999" deletes a punch, an empty box keeps it.
class CorrectionPanel {
public:
    static constexpr int kFirstBox = 75;
    static constexpr int kBoxes = 5;
    static constexpr int kLastBox = kFirstBox + kBoxes - 1; // 79
    enum Box {
        TargetDay = 0,
        ClockInBox = 1,
        BreakOutBox = 2,
        BreakReturnBox = 3,
        ClockOutBox = 4
    };

    // What the execute button found.
    struct Outcome {
        enum Kind {
            Stopped, // a message was shown or the day is not in the card
            NoItems, // no punch box holds anything
            Applied, // the day row was changed
        } kind = Stopped;
        int focusBox = -1; // the box (75-79) the focus goes back to, or -1
        int row = -1;      // Applied: the day row changed
    };

    static QString label(int i);
    static bool isPanelBox(int box) { return box >= kFirstBox && box <= kLastBox; }

    // Toolbar button 2 opens the panel (the tally screen keeps it open):
    // the boxes and the reason are emptied.
    void open();

    const QString &text(int i) const { return m_boxes[static_cast<size_t>(i)]; }
    // "理由": why the punches are changed, kept in the change history with
    // them. Optional; emptied with the boxes when the panel opens.
    void setReason(const QString &reason) { m_reason = reason.left(kReasonMaxLength); }
    const QString &reason() const { return m_reason; }
    static constexpr int kReasonMaxLength = 60;
    // Box 75-79 left with a text: a punch box tidies it. Returns what it shows.
    QString leave(int box, const QString &typed);

    // "訂正・追加": checks the boxes and writes the punches into the day row of
    // the target day. A time the day cannot hold (hour above 47, minute above
    // 59, anything not a time) is refused with a message naming its box.
    Outcome apply(CardTable &table, Dialogs &dialogs) const;

private:
    std::array<QString, kBoxes> m_boxes;
    QString m_reason;
};
