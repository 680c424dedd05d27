#pragma once

#include "data/CalcSettings.h"
#include "data/CardTable.h"
#include "screen/Services.h"
#include "tally/CapsMonitor.h"
#include "tally/CertifiedGrid.h"
#include "tally/CorrectionPanel.h"
#include "tally/ExportChooser.h"
#include "tally/HistoryView.h"
#include "tally/StaffLists.h"
#include "tally/TallyEngine.h"

#include <QHash>
#include <array>
#include <optional>

// The tally screen frmsyuukei without its widgets: the month and staff lists,
// the open employee's card with the certified-hours grid, the correction
// panel, the toolbar's rules, and the suspend files.
//
// The open card is stored only by the confirm step. While it holds values not
// yet stored the lists stay locked, and closing or suspending asks whether to
// confirm them first.
class TallyScreen {
public:
    // Toolbar1 buttons by position.
    // ExportTool, the payroll export, acts when printing does.
    enum Tool {
        ConfirmTool = 1,
        CorrectTool,
        PrintTool,
        SuspendTool,
        CloseTool,
        GuideTool,
        ExportTool = 7,
        HistoryTool = 8
    };
    static constexpr int kTools = 8;

    // Where the focus goes after an action.
    struct Focus {
        enum Where {
            Keep,
            Box,
            CardArea,
            CorrectionExecute,
            PrintPanel,
            StaffList,
            CorrectionReason,
            HistoryPanel
        } where = Keep;
        int box = 0;
    };

    explicit TallyScreen(Services &s);

    // The load step: settings, month list, a suspended tally's list. False
    // when a fatal file error ended the program.
    bool open();

    // Combo1 chosen.
    void chooseMonth(const QString &folderText);
    // List1 clicked (or Enter on a line).
    void chooseEmployee(int index);

    // The entry boxes 0-79. Entering returns the text the box shows from now
    // on, or nothing when it keeps its own; leaving returns what it shows.
    void boxClicked(int box);
    std::optional<QString> boxEntered(int box);
    std::optional<QString> boxLeft(int box, const QString &text);
    // Enter in a box holding text: the box is left, then the focus moves on.
    void enterKey(int box, const QString &text);
    // Whether the boxes act: an employee is open.
    bool guarded() const;

    // VScroll1.
    void scroll(int firstShownDay);

    // kakutei: the whole card table is stored. False when it was not.
    bool kakutei();
    // Toolbar buttons.
    void toolConfirm();
    void toolCorrect();
    void toolPrint();
    // The payroll export of the month's marked employees.
    void toolExport(ExportChooser &chooser);
    // Suspend: true when the program ends (the screen goes without clearing).
    bool toolSuspend();
    // Before the screen closes by button 5 or by the window: hours or
    // corrections not yet stored are confirmed or dropped as the user says.
    // False when the user goes back to the screen (or the program ended).
    bool settleBeforeClose();
    // The screen closes: the suspend flags are cleared. False when the
    // program ended meanwhile.
    bool close();
    void toolGuide() { m_guideOpen = true; }

    // The keyboard's confirm: stores the card and opens the next employee not
    // yet opened in this tally.
    void confirmAndNext();

    // The correction panel's "理由" box.
    void setCorrectionReason(const QString &reason) { m_correction.setReason(reason); }
    // The correction panel's buttons.
    void executeCorrection();
    void closeCorrection();
    // The print panel's "閉じる".
    void closePrint();
    // The guide panel's "閉じる".
    void closeGuide();

    bool toolEnabled(int tool) const {
        if (tool == HistoryTool)
            return historyToolEnabled();
        if (tool == ExportTool)
            tool = PrintTool;
        return m_tools[static_cast<size_t>(tool - 1)];
    }
    // Why "訂正・追加" (F2) cannot be used now, for its tool tip and for a
    // press of F2 while it is off; empty when it can, or when it is beside
    // the point (no month chosen, the correction panel already open).
    QString correctionLockText() const;
    // The panel over the card area: the correction panel, the print panel or
    // the history, one at a time. The guide is beside them, open or not
    // whichever of them is.
    enum class Overlay { None, Correction, Print, History };
    Overlay overlay() const { return m_overlay; }
    bool correctionOpen() const { return m_overlay == Overlay::Correction; }
    bool printOpen() const { return m_overlay == Overlay::Print; }
    bool guideOpen() const { return m_guideOpen; }

    // Toolbar button 8 "履歴": the open employee's change history for the
    // month, over the card area; everything else waits until it is closed.
    void toolHistory();
    void closeHistory();
    void setHistoryWithPunches(bool on) { m_history.setWithPunches(on); }
    bool historyOpen() const { return m_overlay == Overlay::History; }
    const HistoryView &history() const { return m_history; }
    // Punches corrected and not yet stored (the history gets them at the confirm).
    bool pendingPunches() const { return !history::punchChanges(m_saved, m_table).isEmpty(); }
    // The reasons of corrections not yet stored, by day row.
    const QHash<int, QString> &pendingReasons() const { return m_reasons; }
    bool employeeOpen() const { return m_listPosition >= 0; }
    int listPosition() const { return m_listPosition; }
    // The open card holds punches or certified hours not yet stored.
    bool pendingChanges() const;

    Focus takeFocus();

    const StaffLists &lists() const { return m_lists; }
    const CertifiedGrid &grid() const { return m_grid; }
    const CorrectionPanel &correction() const { return m_correction; }
    const tally::TallyResult &tallyResult() const { return m_tally; }
    const CardTable &card() const { return m_table; }
    const QString &code() const { return m_code; }

    // What the print panel prints from.
    const QList<EmployeeLine> &staffEntries() const { return m_lists.entries(); }
    const QString &monthFolder() const { return m_lists.folder(); }
    const CalcSettings &settings() const { return m_settings; }

    // The overtime caps of the chosen month's employees.
    const CapsMonitor &caps() const { return m_caps; }
    CapsMonitor &caps() { return m_caps; }

private:
    bool openCard(int index);
    void datin(bool opening);
    void lock();
    void unlock();
    void lockWhilePending();
    void setTools(int first, int last, bool on);
    void forgetCard();
    // Unconfirmed values before the screen goes: true to go on.
    bool settlePending(const QString &going);
    bool writeSuspend();
    void clearFlags();
    bool failed(FileError e, const QString &what);
    bool historyToolEnabled() const;
    // A save in place but not known to be on the disk is a save, with a warning.
    void warnUnconfirmed(FileError e);

    Services &m_s;
    CalcSettings m_settings;
    StaffLists m_lists;
    CardTable m_table;
    CardTable m_saved;
    QString m_code;
    CertifiedGrid m_grid{m_table};
    CorrectionPanel m_correction;
    tally::TallyResult m_tally;
    std::array<bool, kTools> m_tools{};
    int m_listPosition = -1;
    bool m_newlyOpened = false;
    Overlay m_overlay = Overlay::None;
    bool m_guideOpen = false;
    Focus m_focus;
    // The last reason given for each day row corrected since the card was
    // stored; the confirm step writes them into the history with the punches.
    QHash<int, QString> m_reasons;
    HistoryView m_history;
    struct Locks {
        std::array<bool, kTools> tools{};
        bool staff = false;
        bool months = false;
    } m_beforeHistory;
    CapsMonitor m_caps{m_s};
};
