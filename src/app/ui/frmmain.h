#pragma once

#include "app/StartUp.h"
#include "app/ui/ScreenRegistry.h"
#include "screen/ScreenHost.h"
#include "screen/ui/WorkingScreen.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QStackedWidget;
class QTimer;
class SplashPanel;
class frmhlp;

// The main frame: menus, splash, and the one working screen in front.
class frmmain : public QMainWindow, public ScreenHost {
    Q_OBJECT
public:
    frmmain(Services &services, const ScreenRegistry &registry, QWidget *parent = nullptr);
    ~frmmain() override;

    // The start-up steps after the single-instance check and the data folder:
    // OS kind, display style, placement, PIN, start second, suspended tally.
    void start(const OsVersion &version);
    // A second start of the program: this window comes to the front, out of
    // its minimized state.
    void bringToFront();

    // ScreenHost
    void setWorkingItemsEnabled(bool enabled) override;
    void showPunchClock() override;
    void openScreen(const QString &word) override;
    bool askPin(const QString &requester) override;
    void showUsageGuide() override;

    // For tests and people: the menu item of an object name, the screen in front.
    QAction *item(const QString &name) const { return m_items.value(name); }
    WorkingScreen *currentScreen() const;
    bool splashVisible() const;
    QTimer *splashTimer() const { return m_timer; }
    // The handler of Timer1, every 500 ms while the splash shows.
    void splashTick();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyProgramIcon();
    void buildMenus();
    void onMenuItem(const QString &name);
    QMdiSubWindow *addScreen(WorkingScreen *screen, bool punchClock = false);
    void fitAround(QMdiSubWindow *sub);
    void place();
    void hideSplash();
    void openRecorder();
    bool recorderOpen() const;
    // Closes the punch clock to open another screen; false when it stays.
    bool closeRecorder();
    // Closes every screen, each saving as on any close; false when one stays.
    bool closeAllScreens();

    Services &m_s;
    const ScreenRegistry &m_registry;
    ScreenContext m_ctx;
    StartUp m_startUp;
    QStackedWidget *m_stack = nullptr;
    SplashPanel *m_splash = nullptr;
    QMdiArea *m_mdi = nullptr;
    QTimer *m_timer = nullptr;
    bool m_iconApplied = false;
    QHash<QString, QAction *> m_items;
    QPointer<QMdiSubWindow> m_recorder;
    QPointer<frmhlp> m_help;
    bool m_closing = false;
    bool m_replacingRecorder = false;
};
