#pragma once

#include "printing/PrintPanel.h"
#include "screen/ui/WorkingScreen.h"
#include "tally/TallyScreen.h"

#include <QHash>
#include <memory>

class CapsMonitorWidget;
class CertifiedGridWidget;
class CorrectionPanelWidget;
class HistoryViewWidget;
class PrintPanelWidget;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;
class QShortcut;
class QToolBar;
class TallyGuidePanel;

// The tally screen: the widgets of TallyScreen, which holds the rules.
class frmsyuukei : public WorkingScreen {
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 930 * 15;
    static constexpr int kHeightTwips = 622 * 15;

    explicit frmsyuukei(ScreenContext &ctx, QWidget *parent = nullptr);

    TallyScreen &logic() { return m_logic; }
    // The print panel Picture6 and its settings, which live as long as the screen.
    PrintPanelWidget *printPanel() const { return m_printPanel; }
    // Where the payroll export asks for its file: the file dialog unless
    // another is given.
    void setExportChooser(ExportChooser *chooser);
    // Shows the state of the logic in the widgets.
    void render();

protected:
    bool load() override;
    bool save() override;
    bool eventFilter(QObject *watched, QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;

private:
    void buildToolbar();
    void buildLists();
    void buildPanels();
    void buildKeys();
    void watchBox(int i, QLineEdit *box);
    QLineEdit *box(int i) const;
    int focusedBox() const;
    void boxEntered(int i);
    void boxLeft(int i);
    void boxEnter(int i);
    void applyFocus(const TallyScreen::Focus &f);
    void setGuideOpen(bool open);
    void suspend();
    void openPrintPanel();
    void buildHistory();
    void openCapLimits();
    void renderCaps();
    // Every action first finishes the box that has the focus, as leaving it
    // would, and the box keeps working afterwards.
    template <typename F> void act(F f) {
        flushBox();
        f();
        afterAction();
    }
    void flushBox();
    void afterAction();

    TallyScreen m_logic;
    QToolBar *m_toolbar = nullptr;
    QAction *m_tool[TallyScreen::kTools] = {};
    QShortcut *m_correctionWhy = nullptr;
    QComboBox *m_months = nullptr;
    QListWidget *m_staff = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_notice = nullptr;
    QLabel *m_marks = nullptr;
    CertifiedGridWidget *m_card = nullptr;
    CorrectionPanelWidget *m_correction = nullptr;
    PrintPanel m_print;
    PrintPanelWidget *m_printPanel = nullptr;
    HistoryViewWidget *m_history = nullptr;
    TallyGuidePanel *m_guide = nullptr;
    QScrollBar *m_hscroll = nullptr;
    std::unique_ptr<ExportChooser> m_ownChooser;
    ExportChooser *m_chooser = nullptr;
    CapsMonitorWidget *m_caps = nullptr;
    QHash<QObject *, int> m_boxIndex;
    bool m_loaded = false;
};
