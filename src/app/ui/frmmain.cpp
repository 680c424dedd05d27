#include "app/ui/frmmain.h"

#include "app/MenuRules.h"
#include "app/ui/ProgramIcon.h"
#include "app/ui/SplashPanel.h"
#include "app/ui/femxp.h"
#include "app/ui/frmhlp.h"
#include "app/ui/frmkensa.h"
#include "app/ui/frmver.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QWindow>

namespace {

const QSize kSplashSize(600, 380);
// A window system's border and title bar, as most draw them.
const QSize kUsualDecoration(10, 36);

// The box the screen chose gets the focus, else its first box in tab order.
void focusFirstBox(QWidget *screen) {
    if (QWidget *chosen = screen->focusWidget(); chosen && chosen != screen) {
        chosen->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QWidget *w = screen->nextInFocusChain(); w && w != screen; w = w->nextInFocusChain()) {
        if (screen->isAncestorOf(w) && w->isEnabled() && w->isVisibleTo(screen) &&
            (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace

frmmain::frmmain(Services &services, const ScreenRegistry &registry, QWidget *parent)
    : QMainWindow(parent), m_s(services), m_registry(registry), m_ctx{services, *this},
      m_startUp(services) {
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(QStringLiteral(" ケルベーン"));

    m_stack = new QStackedWidget(this);
    m_splash = new SplashPanel(m_stack);
    m_splash->setObjectName(QStringLiteral("Picture1"));
    m_mdi = new QMdiArea(m_stack);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setFrameShape(QFrame::NoFrame);
    m_mdi->setBackground(QColor(128, 128, 128));
    m_stack->addWidget(m_splash);
    m_stack->addWidget(m_mdi);
    setCentralWidget(m_stack);
    m_stack->setFixedSize(kSplashSize);

    buildMenus();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(500);
    connect(m_timer, &QTimer::timeout, this, &frmmain::splashTick);
}

frmmain::~frmmain() {
    // Ending the program writes nothing: the screens are destroyed without
    // their close handling.
    m_closing = true;
    delete m_help;
}

void frmmain::buildMenus() {
    struct Entry {
        const char *name;
        QString caption;
    };
    auto addMenu = [this](const char *name, const QString &caption,
                          std::initializer_list<Entry> entries) {
        QMenu *menu = menuBar()->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        for (const Entry &e : entries) {
            if (!e.name) {
                menu->addSeparator();
                continue;
            }
            QAction *a = menu->addAction(e.caption);
            const QString objectName = QLatin1String(e.name);
            a->setObjectName(objectName);
            m_items.insert(objectName, a);
            connect(a, &QAction::triggered, this, [this, objectName] { onMenuItem(objectName); });
        }
    };
    addMenu("menufile", QStringLiteral("ファイル(&F)"),
            {{"menukijyun", QStringLiteral("基本設定(&K)")},
             {"mynustaff", QStringLiteral("従業員の登録(&S)")},
             {nullptr, {}},
             {"mynupw", QStringLiteral("暗証番号登録(&P)")},
             {"menuend", QStringLiteral("終了(&X)")}});
    addMenu("menugetuji", QStringLiteral("タイムカード(&T)"),
            {{"menujyunbi", QStringLiteral("タイムカードを準備する(&J)")},
             {"menusyuukei", QStringLiteral("集計＆勤務実績表の作成(&C)")},
             {nullptr, {}},
             {"menuseiri", QStringLiteral("タイムカードを整理する(&S)")},
             {"menubup", QStringLiteral("データのバックアップ＆復元(&B)")},
             {nullptr, {}},
             {"menurireki", QStringLiteral("変更履歴の検査(&R)")}});
    addMenu("menuhelp", QStringLiteral("ヘルプ(&H)"),
            {{"menugide", QStringLiteral("使い方(&G)")},
             {"menuxp", QStringLiteral("画面調整 (&P)")},
             {"menuver", QStringLiteral("バージョン情報(&V)")}});
    setWorkingItemsEnabled(true);
}

void frmmain::start(const OsVersion &version) {
    m_startUp.run(version);
    place();
    show();
    activateWindow();
    if (const QString readOnly = m_startUp.dataFolderNotice(); !readOnly.isEmpty())
        m_s.dialogs.message(readOnly, QStringLiteral("エラー"), BoxIcon::Warning, BoxButtons::Ok);
    if (m_startUp.smallDisplayNoticeDue(screen()->size()))
        m_s.dialogs.notice(StartUp::smallDisplayText());
    // The tally is guarded at start as from the menu: a wrong PIN or none
    // leaves the suspended tally as it is and the day starts at the punch clock.
    if (m_startUp.resumeTallyAtStart() && m_registry.has(screenword::syuukei) &&
        askPin(screenword::syuukei)) {
        m_s.session.screenWord = screenword::syuukei;
        hideSplash();
        setWorkingItemsEnabled(false);
        addScreen(m_registry.create(screenword::syuukei, m_ctx));
        applyProgramIcon();
        return;
    }
    m_timer->start();
}

void frmmain::applyProgramIcon() {
    if (m_iconApplied)
        return;
    m_iconApplied = true;
    // The program's own icon, for this frame and every window it opens. Its
    // seven sizes take longer to decode than the frame takes to show: it comes
    // with the first tick, once the frame is on the screen.
    QApplication::setWindowIcon(programicon::icon());
    setWindowIcon(QApplication::windowIcon());
}

void frmmain::bringToFront() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    // A window taken off the screen behind the toolkit's back (iconified by
    // a window manager that does not say so) is shown anew.
    if (windowHandle() && !windowHandle()->isExposed())
        hide();
    show();
    raise();
    activateWindow();
}

void frmmain::splashTick() {
    applyProgramIcon();
    if (!m_startUp.tick())
        return;
    m_timer->stop();
    hideSplash();
    openRecorder();
}

void frmmain::hideSplash() {
    m_stack->setCurrentWidget(m_mdi);
    m_stack->setMinimumSize(0, 0);
    m_stack->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

// A closed child window lingers until its deferred deletion; hidden is closed.
bool frmmain::recorderOpen() const {
    return m_recorder && !m_recorder->isHidden();
}

bool frmmain::splashVisible() const {
    return m_stack->currentWidget() == m_splash;
}

void frmmain::openRecorder() {
    if (recorderOpen() || !m_registry.has(screenword::recorder))
        return;
    WorkingScreen *screen = m_registry.create(screenword::recorder, m_ctx);
    if (!screen)
        return;
    m_recorder = addScreen(screen, true);
    if (m_s.session.screenWord.isEmpty())
        m_s.session.screenWord = screenword::recorder;
}

void frmmain::setWorkingItemsEnabled(bool enabled) {
    for (const QString &name : menurules::workingItems())
        if (QAction *a = m_items.value(name))
            a->setEnabled(enabled && m_registry.has(menurules::wordOfItem(name)));
    if (QAction *pw = m_items.value(QStringLiteral("mynupw")))
        pw->setEnabled(m_registry.has(screenword::pw));
}

void frmmain::onMenuItem(const QString &name) {
    if (name == QLatin1String("menuend")) {
        // The screen in front closes first and saves as on any close.
        if (closeAllScreens())
            m_s.programEnd.endProgram();
        return;
    }
    if (name == QLatin1String("menurireki")) {
        // Reads only: it may run over any screen.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        frmkensa result(m_s, this);
        QApplication::restoreOverrideCursor();
        result.exec();
        return;
    }
    if (name == QLatin1String("menugide")) {
        showUsageGuide();
        return;
    }
    if (name == QLatin1String("menuxp")) {
        femxp dialog(m_s, this);
        dialog.exec();
        return;
    }
    if (name == QLatin1String("menuver")) {
        frmver dialog(this);
        dialog.exec();
        return;
    }
    if (!menurules::mayOpen(m_s.session.screenWord))
        return;
    const QString word = menurules::wordOfItem(name);
    if (menurules::pinGuarded(word) && !askPin(word))
        return;
    openScreen(word);
}

void frmmain::openScreen(const QString &word) {
    if (m_closing || !m_registry.has(word))
        return;
    m_s.session.screenWord = word;
    setWorkingItemsEnabled(false);
    // The punch-clock screen goes first, so its closing moves no focus through
    // the new screen's boxes (whose checks run when they lose the focus). It
    // may stay, when its set card was kept set.
    if (recorderOpen() && !closeRecorder()) {
        m_s.session.screenWord = screenword::recorder;
        setWorkingItemsEnabled(true);
        return;
    }
    WorkingScreen *screen = m_registry.create(word, m_ctx);
    if (m_s.programEnd.ended()) {
        delete screen;
        return;
    }
    if (!screen) {
        showPunchClock();
        return;
    }
    addScreen(screen);
}

void frmmain::showPunchClock() {
    if (m_closing)
        return;
    m_s.session.screenWord = screenword::recorder;
    setWorkingItemsEnabled(true);
    openRecorder();
    if (recorderOpen()) {
        m_mdi->setActiveSubWindow(m_recorder);
        fitAround(m_recorder);
    }
}

bool frmmain::askPin(const QString &requester) {
    if (m_s.session.storedPin.isEmpty())
        return true;
    if (!m_registry.pinPrompt())
        return false;
    m_s.session.pinRequester = requester;
    const bool matched = m_registry.pinPrompt()(this, m_ctx);
    m_s.session.pinRequester.clear();
    return matched;
}

void frmmain::showUsageGuide() {
    if (!m_help)
        m_help = new frmhlp(this);
    m_help->showPlaced();
}

WorkingScreen *frmmain::currentScreen() const {
    QMdiSubWindow *sub = m_mdi->activeSubWindow();
    if (!sub) {
        const auto list = m_mdi->subWindowList();
        sub = list.isEmpty() ? nullptr : list.last();
    }
    return sub ? qobject_cast<WorkingScreen *>(sub->widget()) : nullptr;
}

QMdiSubWindow *frmmain::addScreen(WorkingScreen *screen, bool punchClock) {
    if (!screen)
        return nullptr;
    auto *sub = new QMdiSubWindow;
    sub->setObjectName(screen->objectName() + QStringLiteral("_window"));
    sub->setWidget(screen);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint);
    sub->setWindowTitle(screen->windowTitle());
    if (punchClock) {
        // The punch clock is the screen every other returns to: it has no
        // close box, and a user's close is refused, so the frame is never left
        // empty. It closes when another screen opens or the program ends.
        sub->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        sub->setSystemMenu(nullptr);
        sub->installEventFilter(this);
    }
    m_mdi->addSubWindow(sub);
    connect(screen, &WorkingScreen::sizeChanged, sub, [this, sub] {
        sub->adjustSize();
        fitAround(sub);
    });
    connect(screen, &QWidget::windowTitleChanged, sub, &QWidget::setWindowTitle);
    sub->adjustSize();
    sub->move(0, 0);
    sub->show();
    m_mdi->setActiveSubWindow(sub);
    // After the child window's own activation, which may take the focus.
    QTimer::singleShot(0, screen, [screen] { focusFirstBox(screen); });
    fitAround(sub);
    return sub;
}

void frmmain::fitAround(QMdiSubWindow *sub) {
    if (!sub || m_closing)
        return;
    const auto *screen = qobject_cast<WorkingScreen *>(sub->widget());
    const QSize frameTwips = screen ? screen->frameTwips() : QSize();
    // A narrow screen keeps its size, but the frame stays as wide as its
    // menu bar needs: every menu in view, the title readable.
    const int menuWidth = menuBar()->sizeHint().width();
    if (frameTwips.isEmpty()) {
        sub->move(0, 0);
        m_stack->setFixedSize(sub->size().expandedTo(QSize(menuWidth, 0)));
    } else {
        // The screen's own frame size is the outer size: the window system's
        // border and title bar and the menu bar come off it.
        const QPoint at(WorkingScreen::twipsToPixels(screen->placeTwips().x()),
                        WorkingScreen::twipsToPixels(screen->placeTwips().y()));
        const QSize decoration = frameGeometry().size() - geometry().size();
        const QSize client(WorkingScreen::twipsToPixels(frameTwips.width()) - decoration.width(),
                           WorkingScreen::twipsToPixels(frameTwips.height()) - decoration.height() -
                               menuBar()->sizeHint().height());
        sub->move(at);
        m_stack->setFixedSize(
            client.expandedTo(sub->size() + QSize(at.x(), at.y())).expandedTo({menuWidth, 0}));
    }
    adjustSize();
    place();
}

void frmmain::place() {
    const QScreen *s = screen();
    if (!s)
        return;
    const QRect avail = s->availableGeometry();
    QSize frame = frameGeometry().size();
    // Before the window system has framed the window its border and title
    // bar are not counted yet: reckon with a usual one, so the frame stays
    // whole on the screen.
    if (frame == size())
        frame += kUsualDecoration;
    const int x = avail.x() + (avail.width() - frame.width()) * 2 / 5;
    const int y = avail.y() + (avail.height() - frame.height()) / 2;
    move(qMax(avail.x(), x), qMax(avail.y(), y));
}

bool frmmain::closeAllScreens() {
    // Every child closes first, so the settings and roster screens save.
    m_closing = true;
    m_mdi->closeAllSubWindows();
    // A closed child window lingers until its deferred deletion.
    for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
        if (!sub->isHidden()) {
            m_closing = false;
            return false;
        }
    }
    if (m_help)
        m_help->close();
    return true;
}

bool frmmain::closeRecorder() {
    m_replacingRecorder = true;
    const bool closed = m_recorder->close();
    m_replacingRecorder = false;
    return closed;
}

bool frmmain::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Close && watched == m_recorder && !m_closing &&
        !m_replacingRecorder) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmmain::closeEvent(QCloseEvent *event) {
    if (!closeAllScreens()) {
        event->ignore();
        return;
    }
    event->accept();
}
