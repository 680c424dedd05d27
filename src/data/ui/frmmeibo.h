#pragma once

#include "data/RosterImport.h"
#include "data/RosterScreen.h"
#include "screen/ui/WorkingScreen.h"

#include <array>

class EntryBox;
class QComboBox;
class QLabel;
class QScrollBar;
class QToolBar;
class RosterImportPanel;

// " 従業員の登録": the roster grid of 15 rows, the pay type chooser, the
// toolbar, the guide panel and the import panel. All rules live in
// RosterScreen and RosterImport; this widget forwards events and shows state.
class frmmeibo : public WorkingScreen {
    Q_OBJECT
public:
    explicit frmmeibo(ScreenContext &ctx, QWidget *parent = nullptr);

    RosterScreen &logic() { return m_logic; }

protected:
    bool load() override;
    bool save() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void buildGrid();
    void buildToolbar();
    void buildGuide();
    void hyouji();
    void renderRow(int row);
    void moveFocus(RosterFocus f);
    void openChooser(int row);
    void commitChooser();
    // Stores what the focused box and the chooser hold, and takes the focus
    // off the grid, before a toolbar action works on the whole roster.
    void commitEdits();
    void onScroll(int value);
    void enterBox(int box);
    void leaveBox(int box);
    void chooserEnter();
    void deleteMarked();
    void sortByCode();
    void startImport(const QString &folder);
    // Toolbar button 6: "ICカードの登録" for the employee of the row last
    // typed in.
    void openIcCards();

    RosterScreen m_logic;
    RosterImport m_import;
    std::array<EntryBox *, 2 * RosterScreen::kRows> m_boxes{};
    std::array<QLabel *, RosterScreen::kRows> m_marks{};
    std::array<QLabel *, RosterScreen::kRows> m_kubun{};
    QScrollBar *m_scroll = nullptr;
    QComboBox *m_combo = nullptr;
    EntryBox *m_chooser = nullptr;
    QToolBar *m_toolbar = nullptr;
    RosterImportPanel *m_picture4 = nullptr;
    int m_editBox = -1;
    int m_lastSlot = -1; // the slot of the row last typed in
};
