#include "punchclock/ui/frmrecoder.h"

#include "platform/CardReader.h"
#include "punchclock/ui/AddPunchPanelWidget.h"
#include "punchclock/ui/FirstStepsPanel.h"
#include "punchclock/ui/MonthViewPanel.h"
#include "punchclock/ui/PunchImages.h"
#include "punchclock/ui/PunchPanelWidget.h"
#include "punchclock/ui/RecorderGuide.h"
#include "screen/ui/Lists.h"
#include "screen/ui/ScreenToolbar.h"
#include "screen/ui/Sheets.h"
#include "screen/ui/WedgeFilter.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileSystemWatcher>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>

namespace {

constexpr int kWidth = RecorderScreen::kWidthTwips / 15; // 415
constexpr int kHeight = frmrecoder::kHeightTwips / 15;   // 560
constexpr int kRightX = 172;

QLabel *caption(const QString &t, QWidget *parent, const QRect &r, int px) {
    auto *l = new QLabel(t, parent);
    l->setGeometry(r);
    l->setStyleSheet(QStringLiteral("font-size: %1px;").arg(px));
    return l;
}

} // namespace

frmrecoder::frmrecoder(ScreenContext &ctx, QWidget *parent)
    : WorkingScreen(ctx, parent), m_logic(ctx.services) {
    setObjectName(QStringLiteral("frmrecoder"));
    setWindowTitle(QStringLiteral(" タイムレコーダー"));
    QFont f(QStringLiteral("IPAGothic"));
    f.setPixelSize(13);
    setFont(f);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xf4, 0xf1, 0xea));
    setPalette(pal);

    buildToolbar();
    buildHeader();
    buildRack();
    buildButtons();

    m_card = new PunchPanelWidget(this);
    m_card->move(kRightX, 124);
    connect(m_card, &PunchPanelWidget::kindChosen, this,
            [this](int k) { act([&] { m_logic.chooseKind(k); }); });
    connect(m_card, &PunchPanelWidget::kindUnchosen, this,
            [this](int k) { act([&] { m_logic.unchooseKind(k); }); });

    m_view = new MonthViewPanel(this);
    m_view->move(kRightX - 2, 124);
    connect(m_view->scrollBar(), &QScrollBar::valueChanged, this,
            [this](int v) { act([&] { m_logic.monthView().scroll(v); }); });
    connect(m_view->closeButton(), &QPushButton::clicked, this, [this] {
        act([&] { m_logic.closeMonthView(); });
        m_rack->setFocus();
    });

    m_add = new AddPunchPanelWidget(m_logic.addPanel(), this);
    m_add->move(0, 44);
    connect(m_add, &AddPunchPanelWidget::changed, this, [this] {
        render();
        m_rack->setFocus();
    });

    m_guide = new RecorderGuide(
        kHeight, [this] { setGuideOpen(false); }, this);
    m_guide->move(kWidth, 0);

    buildCardReading();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(500);
    connect(m_timer, &QTimer::timeout, this, &frmrecoder::onTick);
    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this,
            [this] { m_logic.filesChanged(); });

    open();
}

bool frmrecoder::load() {
    m_loaded = m_logic.open();
    setTwipsSize(m_logic.widthTwips(), kHeightTwips);
    if (!m_loaded)
        return false;
    if (CardReader *reader = m_ctx.services.cardReader; reader && m_logic.touch().on()) {
        reader->start();
        m_logic.readersChanged(reader->readers());
    }
    m_timer->start();
    onTick(); // the clock and the punch day at once, not half a second later
    render();
    return true;
}

void frmrecoder::buildToolbar() {
    const QString tips[] = {QStringLiteral("タイムカードの記録を表示します"),
                            QStringLiteral("不要なカードを削除します"),
                            QStringLiteral("追加打刻をします"),
                            QStringLiteral("操作ガイドを開きます")};
    QList<screentoolbar::Button> buttons;
    for (int n = 0; n < 4; ++n)
        buttons.append({punchimages::toolbarIcon(n + 1), tips[n], tips[n]});
    m_toolbar = screentoolbar::make(this, buttons, {Qt::ToolButtonIconOnly, QSize(30, 30)});
    m_toolbar->setGeometry(0, 0, kWidth, 40);
    for (int n = 0; n < 4; ++n)
        m_tool[n] = m_toolbar->actions().at(n);
    // The view and removal modes, then the administrator's and the guide.
    m_toolbar->insertSeparator(m_tool[2]);
    m_toolbar->addSeparator();
    connect(m_tool[0], &QAction::triggered, this,
            [this] { act([&] { m_logic.toolbarMonthView(); }); });
    connect(m_tool[1], &QAction::triggered, this,
            [this] { act([&] { m_logic.toolbarRemoval(); }); });
    connect(m_tool[2], &QAction::triggered, this, &frmrecoder::openAddPanel);
    connect(m_tool[3], &QAction::triggered, this, [this] { setGuideOpen(true); });
}

void frmrecoder::buildHeader() {
    auto *dateFrame = new QFrame(this);
    dateFrame->setGeometry(6, 44, 196, 74);
    dateFrame->setFrameShape(QFrame::StyledPanel);
    for (int b = 0; b < 2; ++b) {
        EntryBox *box = EntryBox::create(dateFrame, QStringLiteral("textukihi_%1").arg(b),
                                         KeyFilter::Digits, 2);
        QLineEdit *line = box->lineEdit();
        line->setAlignment(Qt::AlignCenter);
        line->setGeometry(6 + b * 66, 6, 38, 34);
        line->setToolTip(QStringLiteral("訂正可能です"));
        line->setStyleSheet(QStringLiteral("font-size: 20px; font-weight: bold;"));
        m_dayBoxes[b] = box;
        connect(box, &EntryBox::left, this, [this, b] { leavePunchBox(b); });
    }
    caption(QStringLiteral("月"), dateFrame, {46, 12, 20, 24}, 17);
    caption(QStringLiteral("日"), dateFrame, {112, 12, 20, 24}, 17);
    m_weekday = caption({}, dateFrame, {134, 6, 52, 34}, 20);
    m_weekday->setObjectName(QStringLiteral("lblyoubi"));
    m_weekday->setAlignment(Qt::AlignCenter);
    m_weekday->setStyleSheet(QStringLiteral(
        "font-size: 20px; font-weight: bold; border: 1px solid #b08060; border-radius: 4px;"));

    m_monthRow = new QWidget(dateFrame);
    m_monthRow->setGeometry(0, 46, 196, 22);
    m_year = caption({}, m_monthRow, {6, 0, 42, 22}, 14);
    m_year->setObjectName(QStringLiteral("lbltukihi_3"));
    m_year->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption(QStringLiteral("年"), m_monthRow, {50, 0, 16, 22}, 14);
    m_month = caption({}, m_monthRow, {66, 0, 22, 22}, 14);
    m_month->setObjectName(QStringLiteral("lbltukihi_4"));
    m_month->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption(QStringLiteral("月分のカード"), m_monthRow, {90, 0, 100, 22}, 14);
    m_monthUnset = caption(QStringLiteral("カードの月：未設定"), dateFrame, {6, 46, 186, 22}, 13);
    m_monthUnset->setStyleSheet(QStringLiteral("font-size: 13px; color: #a04020;"));

    m_clock = new QLabel(this);
    m_clock->setObjectName(QStringLiteral("lbltimer"));
    m_clock->setGeometry(208, 44, kWidth - 214, 74);
    m_clock->setAlignment(Qt::AlignCenter);
    QFont cf(QStringLiteral("IPAGothic"));
    cf.setPixelSize(44);
    cf.setBold(true);
    m_clock->setFont(cf);
    m_clock->setStyleSheet(
        QStringLiteral("color: #b8ffe8; background: #17303a; border-radius: 6px;"));
}

void frmrecoder::buildRack() {
    caption(QStringLiteral("◆ タイムカード"), this, {8, 122, 160, 18}, 13);
    m_rack = new QListWidget(this);
    m_rack->setObjectName(QStringLiteral("List1"));
    m_rack->setGeometry(6, 142, 160, 362);
    QFont rf(QStringLiteral("IPAGothic"));
    rf.setPixelSize(16);
    m_rack->setFont(rf);
    m_rack->setSpacing(1);
    // A long name ends in "…" (its tooltip gives it whole); it is never
    // scrolled off at the front.
    m_rack->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rack->setTextElideMode(Qt::ElideRight);
    const auto chosen = [this](int row) { rackLineChosen(row); };
    lists::clickOnEnter(m_rack, chosen);
    connect(m_rack, &QListWidget::itemClicked, this,
            [this, chosen](QListWidgetItem *item) { chosen(m_rack->row(item)); });

    m_dayBoxes[0]->setNext(m_dayBoxes[1]->widget());
    m_dayBoxes[1]->setExitTarget(m_rack);

    m_cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    m_cancel->setObjectName(QStringLiteral("Command6"));
    m_cancel->setGeometry(6, 512, 160, 40);
    m_cancel->hide();
    connect(m_cancel, &QPushButton::clicked, this, [this] { act([&] { m_logic.cancelMode(); }); });
}

void frmrecoder::buildButtons() {
    m_hint = caption(QStringLiteral("← 左の一覧から自分の名前を\n　 クリックしてください。"), this,
                     {kRightX + 10, 224, 224, 72}, 15);
    m_hint->setStyleSheet(QStringLiteral("font-size: 15px; color: #806040;"));

    m_press = new QPushButton(QStringLiteral("カードを押す"), this);
    m_press->setObjectName(QStringLiteral("Command1"));
    m_press->setGeometry(kRightX, 450, 116, 54);
    m_return = new QPushButton(QStringLiteral("カードを戻す"), this);
    m_return->setObjectName(QStringLiteral("Command2"));
    m_return->setGeometry(kRightX + 120, 450, 116, 54);
    const QString style = QStringLiteral("QPushButton { font-size: 16px; font-weight: bold; }");
    m_press->setStyleSheet(style);
    m_return->setStyleSheet(style);
    connect(m_press, &QPushButton::clicked, this, [this] { act([&] { m_logic.press(); }); });
    connect(m_return, &QPushButton::clicked, this, [this] {
        act([&] { m_logic.returnCard(); });
        m_rack->setFocus();
    });
    m_recordHint = caption(QStringLiteral("※「カードを戻す」で記録されます。"), this,
                           {kRightX, 512, 240, 20}, 12);

    m_first = new FirstStepsPanel(this);
    m_first->move(kRightX, 124);
    m_first->hide();
    connect(m_first, &FirstStepsPanel::openScreen, this, [this](const QString &word) {
        entries().flush();
        if (m_ctx.services.session.screenWord == screenword::recorder)
            m_ctx.host.openScreen(word);
    });
}

void frmrecoder::buildCardReading() {
    m_touchNotice = new QLabel(this);
    m_touchNotice->setObjectName(QStringLiteral("lblictouch"));
    m_touchNotice->setWordWrap(true);
    m_touchNotice->setAlignment(Qt::AlignCenter);
    m_touchNotice->hide();
    m_readerLine = new QLabel(this);
    m_readerLine->setObjectName(QStringLiteral("lblic"));
    m_readerLine->setGeometry(6, 537, kWidth - 12, 20);
    m_readerLine->hide();

    if (CardReader *reader = m_ctx.services.cardReader) {
        connect(reader, &CardReader::touched, this, [this](const QString &id) {
            // A box in front is answered first: a touch never acts behind it.
            if (m_loaded && !isClosing() && !QApplication::activeModalWidget())
                act([&] { m_logic.cardTouched(id); });
        });
        connect(reader, &CardReader::readersChanged, this, [this](const QStringList &names) {
            m_logic.readersChanged(names);
            if (m_loaded)
                render();
        });
    }
    // Readers that type: while the rack is there to punch from. A person's
    // keys 1-4 are the kinds while a card is set; otherwise a person's digits
    // search the rack, as they always did.
    m_wedge = new WedgeFilter(this);
    m_wedge->setListening([this] {
        return m_loaded && !isClosing() && m_logic.touch().on() && !m_logic.addPanel().visible();
    });
    connect(m_wedge, &WedgeFilter::cardTyped, this,
            [this](const QString &id) { act([&] { m_logic.cardTouched(id); }); });
    connect(m_wedge, &WedgeFilter::personKey, this, [this](QChar c) {
        if (m_logic.kindKeysActive()) {
            if (c >= QLatin1Char('1') && c <= QLatin1Char('4'))
                act([&] { m_logic.kindKey(c.unicode() - '1'); });
        } else if (m_rack->hasFocus()) {
            m_rack->keyboardSearch(QString(c));
        }
    });
}

void frmrecoder::renderTouch() {
    const TouchPunch &touch = m_logic.touch();
    const bool cardShown = m_logic.panel().visible();
    if (touch.on())
        m_hint->setText(m_logic.rackClickNeedsPin()
                            ? QStringLiteral("ICカードをリーダーに\nタッチしてください。")
                            : QStringLiteral("ICカードをタッチするか、\n← 左の一覧から自分の"
                                             "名前を\n　 クリックしてください。"));
    const TouchPunch::Notice &n = touch.notice();
    static const char *const colours[] = {"color: #1d4f8a; background: #e8f1fb; border: 1px "
                                          "solid #9dbde0;",
                                          "color: #1f6b2a; background: #e6f6e6; border: 1px "
                                          "solid #8cc795;",
                                          "color: #a52a1a; background: #fdecea; border: 1px "
                                          "solid #e5a39a;"};
    m_touchNotice->setVisible(!n.text.isEmpty());
    if (!n.text.isEmpty()) {
        // Over the empty card area in large type; under the card buttons while
        // a card is set.
        m_touchNotice->setGeometry(cardShown ? QRect(kRightX, 505, 236, 32)
                                             : QRect(kRightX + 4, 300, 232, 120));
        m_touchNotice->setText(n.text);
        sheets::apply(m_touchNotice, QStringLiteral("QLabel { %1 border-radius: 4px; "
                                                    "font-size: %2px; font-weight: bold; }")
                                         .arg(QLatin1String(colours[int(n.level)]))
                                         .arg(cardShown ? 12 : 14));
        m_touchNotice->raise();
    }
    m_recordHint->setVisible(!(cardShown && m_touchNotice->isVisible()));
    const QString status = touch.statusText();
    m_readerLine->setVisible(!status.isEmpty());
    // One line; the whole text is in its tool tip.
    m_readerLine->setText(
        m_readerLine->fontMetrics().elidedText(status, Qt::ElideRight, m_readerLine->width()));
    m_readerLine->setToolTip(status);
    sheets::apply(m_readerLine, touch.statusWarning()
                                    ? QStringLiteral("color: #b01c10; font-size: 12px; "
                                                     "font-weight: bold;")
                                    : QStringLiteral("color: #4a6a4a; font-size: 12px;"));
}

void frmrecoder::render() {
    if (!m_loaded)
        return;
    m_rendering = true;
    m_clock->setText(m_logic.clockText());
    if (m_logic.dayRevision() != m_shownDayRevision) {
        // The program set the punch day: the boxes show it, typed text or not.
        m_shownDayRevision = m_logic.dayRevision();
        m_dayBoxes[0]->setText(m_logic.punchDay().monthText);
        m_dayBoxes[1]->setText(m_logic.punchDay().dayText);
    }
    m_weekday->setText(m_logic.weekdayShown());
    m_year->setText(m_logic.yearText());
    m_month->setText(m_logic.monthText());
    m_monthRow->setVisible(!m_logic.monthText().isEmpty());
    m_monthUnset->setVisible(m_logic.monthText().isEmpty());

    const CardRack &rack = m_logic.rack();
    lists::show(m_rack, rack.lines());
    for (int i = 0; i < m_rack->count(); ++i)
        m_rack->item(i)->setToolTip(m_rack->item(i)->text());
    m_rack->setCurrentRow(rack.selected());
    if (rack.selected() < 0)
        m_rack->clearSelection();
    sheets::apply(m_rack, QStringLiteral("QListWidget { %1 } QListWidget::item { padding: 2px; }")
                              .arg(sheets::background(rack.background())));
    m_rack->setEnabled(rack.enabled());
    m_cancel->setVisible(rack.cancelVisible());
    m_tool[0]->setEnabled(m_logic.toolbarViewButtonsEnabled());
    m_tool[1]->setEnabled(m_logic.toolbarViewButtonsEnabled());

    const PunchPanel &panel = m_logic.panel();
    m_card->render(panel);
    m_card->setVisible(panel.visible());
    // Until the rack holds cards, what to do first stands where the card goes.
    const RecorderScreen::FirstSteps steps = m_logic.firstSteps();
    m_hint->setVisible(!panel.visible() && steps.cards);
    const bool firstSteps = !panel.visible() && !steps.cards && !m_logic.monthView().isOpen();
    m_first->setVisible(firstSteps);
    if (firstSteps)
        m_first->render(steps);
    // The panel covers the card buttons: with no card to set they are no use.
    m_press->setVisible(!firstSteps);
    m_return->setVisible(!firstSteps);
    m_press->setEnabled(panel.cardSet());
    m_return->setEnabled(panel.cardSet());

    m_view->setVisible(m_logic.monthView().isOpen());
    m_view->render(m_logic.monthView());
    m_add->render();
    renderTouch();
    m_guide->setVisible(m_logic.widthTwips() != RecorderScreen::kWidthTwips);
    m_rendering = false;
}

void frmrecoder::followMonth() {
    const QString folder =
        m_logic.watchesByEvents()
            ? QDir(m_ctx.services.fs.dataFolder()).filePath(m_logic.monthFolder())
            : QString();
    if (folder == m_watched)
        return;
    if (!m_watched.isEmpty())
        m_watcher->removePath(m_watched);
    m_watched = folder;
    if (!folder.isEmpty())
        m_watcher->addPath(folder);
}

void frmrecoder::onTick() {
    const QString folder = m_logic.monthFolder();
    const QString notice = m_logic.touch().notice().text;
    const bool set = m_logic.panel().cardSet();
    m_logic.tick();
    followMonth();
    // Cards or punches written on another PC show at once.
    if (m_logic.changeRevision() != m_shownChangeRevision) {
        m_shownChangeRevision = m_logic.changeRevision();
        render();
        return;
    }
    // A new punch day or card month shows in full, and what a card left set
    // or a notice whose time is up changed; otherwise only the clock.
    if (m_logic.dayRevision() != m_shownDayRevision || m_logic.monthFolder() != folder ||
        m_logic.touch().notice().text != notice || m_logic.panel().cardSet() != set)
        render();
    else
        m_clock->setText(m_logic.clockText());
}

void frmrecoder::onActivated() {
    if (!m_loaded || m_ctx.services.programEnd.ended())
        return;
    m_logic.activated();
    render();
}

void frmrecoder::leavePunchBox(int box) {
    EntryBox *b = m_dayBoxes[box];
    const QString shown = box == 0 ? m_logic.leavePunchMonth(b->text(), b->remembered())
                                   : m_logic.leavePunchDay(b->text(), b->remembered());
    // Only a text that changes is set: setting it anew would drop the cursor
    // and selection of a box the user has already come back to.
    if (b->text() != shown)
        b->setText(shown);
    render();
}

void frmrecoder::rackLineChosen(int row) {
    entries().flush();
    if (m_logic.rackClickNeedsPin() && !m_ctx.host.askPin(screenword::recorder)) {
        render();
        return;
    }
    act([&] { m_logic.rackClicked(row); });
}

void frmrecoder::openAddPanel() {
    // A set card is refused before the PIN is asked.
    if (m_logic.panel().cardSet() || m_ctx.host.askPin(screenword::recorder))
        m_logic.openAddPanel();
    render();
    if (m_logic.addPanel().visible())
        m_add->findChild<QWidget *>(QStringLiteral("Combo1"))->setFocus();
}

void frmrecoder::setGuideOpen(bool open) {
    m_logic.setGuideOpen(open);
    setTwipsSize(m_logic.widthTwips(), kHeightTwips);
    render();
}

bool frmrecoder::event(QEvent *e) {
    if (e->type() == QEvent::WindowActivate)
        onActivated();
    return WorkingScreen::event(e);
}

void frmrecoder::showEvent(QShowEvent *e) {
    WorkingScreen::showEvent(e);
    if (!m_shownOnce) {
        // The rack is where every employee starts.
        m_shownOnce = true;
        m_rack->setFocus();
    }
    // Being shown is becoming the screen in front, whether or not the window
    // system reports an activation for it (it need not, without a window
    // manager or when the main frame is not the active window).
    QTimer::singleShot(0, this, [this] {
        if (isVisible())
            onActivated();
    });
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (sub && !m_subConnected) {
        m_subConnected = true;
        // Inside the main frame, activation comes from the child window.
        connect(sub, &QMdiSubWindow::windowStateChanged, this,
                [this](Qt::WindowStates old, Qt::WindowStates now) {
                    if ((now & Qt::WindowActive) && !(old & Qt::WindowActive))
                        onActivated();
                });
    }
}

bool frmrecoder::mayClose() {
    const bool may = m_logic.mayClose();
    render();
    return may;
}

bool frmrecoder::save() {
    m_timer->stop();
    m_logic.close();
    return true;
}
