#pragma once

#include "app/ui/WorkingScreen.h"
#include "data/RosterImport.h"
#include "data/RosterScreen.h"

#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
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

    RosterScreen &screen() { return m_screen; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
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
    void onBoxFocusIn(int box, QFocusEvent *e);
    void onBoxFocusOut(int box, QFocusEvent *e);
    bool onBoxKey(int box, QKeyEvent *e);
    bool onChooserEvent(QEvent *e);
    void deleteMarked();
    void sortByCode();
    void startImport(const QString &folder);
    void setGuideShown(bool shown);

    RosterScreen m_screen;
    RosterImport m_import;
    std::array<QLineEdit *, 2 * RosterScreen::kRows> m_boxes{};
    std::array<QLabel *, RosterScreen::kRows> m_marks{};
    std::array<QLabel *, RosterScreen::kRows> m_kubun{};
    QScrollBar *m_scroll = nullptr;
    QComboBox *m_combo = nullptr;
    QToolBar *m_toolbar = nullptr;
    QFrame *m_guide = nullptr;
    QPushButton *m_command1 = nullptr;
    RosterImportPanel *m_picture4 = nullptr;
    int m_editBox = -1;
    bool m_closed = false;
};
