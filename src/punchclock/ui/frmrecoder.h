#pragma once

#include "punchclock/RecorderScreen.h"
#include "screen/ui/EntryBox.h"
#include "screen/ui/WorkingScreen.h"

class AddPunchPanelWidget;
class PunchPanelWidget;
class FirstStepsPanel;
class RecorderGuide;
class MonthViewPanel;
class QAction;
class QFileSystemWatcher;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class QToolBar;
class WedgeFilter;

// The punch-clock screen: the widgets of RecorderScreen, which holds the rules.
class frmrecoder : public WorkingScreen {
    Q_OBJECT
public:
    static constexpr int kHeightTwips = 8400;

    explicit frmrecoder(ScreenContext &ctx, QWidget *parent = nullptr);

    RecorderScreen &logic() { return m_logic; }
    // Shows the state of the logic in the widgets.
    void render();

protected:
    bool load() override;
    // The punch clock saves nothing: closing stops its clock and, closed by
    // the user, leaves no screen in front.
    bool save() override;
    // A set card is returned before the screen closes (a chosen time not yet
    // pressed is asked about); the user may keep it set, and the screen open.
    bool mayClose() override;
    // It is the punch-clock screen: nothing comes back in front.
    void closed() override {}
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    void buildHeader();
    void buildRack();
    void buildButtons();
    void buildToolbar();
    void onTick();
    void onActivated();
    // Where changes are told as they happen, a watcher on the card month
    // folder asks the screen to look at once.
    void followMonth();
    void openAddPanel();
    // A rack line clicked or chosen with Enter; the PIN first where cards
    // alone punch.
    void rackLineChosen(int row);
    void buildCardReading();
    void renderTouch();
    void setGuideOpen(bool open);
    void leavePunchBox(int box);
    // Every action first finishes a punch day box the click has just left.
    template <typename F> void act(F f) {
        entries().flush();
        f();
        render();
    }

    RecorderScreen m_logic;
    QTimer *m_timer = nullptr;
    QToolBar *m_toolbar = nullptr;
    QAction *m_tool[4] = {};
    QLabel *m_clock = nullptr;
    EntryBox *m_dayBoxes[2] = {};
    QLabel *m_weekday = nullptr;
    QLabel *m_year = nullptr;
    QLabel *m_month = nullptr;
    QWidget *m_monthRow = nullptr;  // year 年 month 月分のカード
    QLabel *m_monthUnset = nullptr; // in its place while no card month is set
    FirstStepsPanel *m_first = nullptr;
    int m_shownDayRevision = -1;
    int m_shownChangeRevision = 0;
    QFileSystemWatcher *m_watcher = nullptr;
    QString m_watched;
    QListWidget *m_rack = nullptr;
    QPushButton *m_cancel = nullptr;
    PunchPanelWidget *m_card = nullptr;
    QLabel *m_hint = nullptr;
    QPushButton *m_press = nullptr;
    QPushButton *m_return = nullptr;
    QLabel *m_recordHint = nullptr;  // ※「カードを戻す」で記録されます。
    QLabel *m_touchNotice = nullptr; // what a touch did
    QLabel *m_readerLine = nullptr;  // the status line of the readers
    WedgeFilter *m_wedge = nullptr;
    MonthViewPanel *m_view = nullptr;
    AddPunchPanelWidget *m_add = nullptr;
    RecorderGuide *m_guide = nullptr;
    bool m_loaded = false;
    bool m_rendering = false;
    bool m_subConnected = false;
    bool m_shownOnce = false;
};
