#include "tally/ui/frmsyuukei.h"

#include "printing/ui/PrintPanelWidget.h"
#include "screen/ui/EntryBox.h"
#include "screen/ui/Lists.h"
#include "screen/ui/ScreenToolbar.h"
#include "tally/StoredReview.h"
#include "tally/ui/CapLimitsDialog.h"
#include "tally/ui/CapsMonitorWidget.h"
#include "tally/ui/CertifiedGridWidget.h"
#include "tally/ui/CorrectionPanelWidget.h"
#include "tally/ui/CsvFileChooser.h"
#include "tally/ui/HistoryViewWidget.h"
#include "tally/ui/StaffCapsMarks.h"
#include "tally/ui/TallyGuidePanel.h"
#include "tally/ui/TallyIcons.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = frmsyuukei::kWidthTwips / 15;   // 930
constexpr int kHeight = frmsyuukei::kHeightTwips / 15; // 622
constexpr int kToolbarHeight = 56;
constexpr int kListLeft = 8;
constexpr int kListWidth = 196;
constexpr int kCardLeft = kListLeft + kListWidth + 10;
constexpr int kCardTop = 106;
constexpr int kCertifiedLeft = 376; // in the card area

QLabel *caption(const QString &text, QWidget *parent, const QRect &r) {
    auto *l = new QLabel(text, parent);
    l->setGeometry(r);
    l->setStyleSheet(QStringLiteral("font-size: 13px; font-weight: bold; color: #303030;"));
    return l;
}

} // namespace

frmsyuukei::frmsyuukei(ScreenContext &ctx, QWidget *parent)
    : WorkingScreen(ctx, parent), m_logic(ctx.services), m_print(ctx.services) {
    setObjectName(QStringLiteral("frmsyuukei"));
    setWindowTitle(QStringLiteral(" タイムカードの月次集計"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xf0, 0xef, 0xe8));
    setPalette(pal);

    buildToolbar();
    buildLists();
    m_card = new CertifiedGridWidget(this);
    m_card->move(kCardLeft, kCardTop);
    for (int i = 0; i < CertifiedGrid::kBoxes; ++i)
        watchBox(i, m_card->box(i));
    connect(m_card->scrollBar(), &QScrollBar::valueChanged, this,
            [this](int v) { act([&] { m_logic.scroll(v); }); });
    buildPanels();
    buildKeys();
    setTwipsSize(kWidthTwips, kHeightTwips);
    open();
}

bool frmsyuukei::load() {
    m_loaded = m_logic.open();
    if (m_loaded)
        render();
    return m_loaded;
}

bool frmsyuukei::save() {
    return m_logic.close();
}

namespace {

QString correctionTip() {
    return QStringLiteral("訂正・取り消し/打刻漏れの追加をします");
}

} // namespace

void frmsyuukei::buildToolbar() {
    const QString tips[] = {QStringLiteral("確定します"), correctionTip(),
                            QStringLiteral("勤務実績表を印刷します"),
                            QStringLiteral("集計作業を中断して、プログラムを終了します")};
    const QString texts[] = {QStringLiteral("確定"), QStringLiteral("訂正・追加"),
                             QStringLiteral("印刷"), QStringLiteral("中断")};
    QList<screentoolbar::Button> buttons;
    for (int n = 0; n < 4; ++n)
        buttons.append({tallyicons::toolbar(n + 1), texts[n], tips[n]});
    buttons.append(screentoolbar::closeButton());
    buttons.append(screentoolbar::guideButton());
    buttons.append({tallyicons::toolbar(TallyScreen::ExportTool), QStringLiteral("出力"),
                    QStringLiteral("給与計算用データを出力します")});
    m_toolbar = screentoolbar::make(this, buttons, {Qt::ToolButtonTextUnderIcon, QSize(28, 28)});
    m_toolbar->setGeometry(0, 0, kWidth, kToolbarHeight);
    for (int n = 0; n < buttons.size(); ++n) {
        QAction *a = m_toolbar->actions().at(n);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a); // its shortcut works anywhere on the screen
        m_tool[n] = a;
    }
    // The export stands with print and suspend, before close.
    m_toolbar->removeAction(m_tool[TallyScreen::ExportTool - 1]);
    m_toolbar->insertAction(m_tool[4], m_tool[TallyScreen::ExportTool - 1]);
    buildHistory();
    // Confirm and correct; print, suspend, export and history; close; the guide.
    m_toolbar->insertSeparator(m_tool[2]);
    m_toolbar->insertSeparator(m_tool[4]);
    m_toolbar->insertSeparator(m_tool[5]);
    m_tool[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_tool[1]->setShortcut(QKeySequence(Qt::Key_F2));
    connect(m_tool[0], &QAction::triggered, this, [this] { act([&] { m_logic.toolConfirm(); }); });
    connect(m_tool[1], &QAction::triggered, this, [this] { act([&] { m_logic.toolCorrect(); }); });
    connect(m_tool[2], &QAction::triggered, this, &frmsyuukei::openPrintPanel);
    connect(m_tool[3], &QAction::triggered, this, &frmsyuukei::suspend);
    connect(m_tool[4], &QAction::triggered, this, [this] {
        flushBox();
        closeScreen();
    });
    connect(m_tool[5], &QAction::triggered, this, [this] { setGuideOpen(true); });
    m_ownChooser = std::make_unique<CsvFileChooser>(this);
    m_chooser = m_ownChooser.get();
    connect(m_tool[TallyScreen::ExportTool - 1], &QAction::triggered, this,
            [this] { act([&] { m_logic.toolExport(*m_chooser); }); });
}

void frmsyuukei::setExportChooser(ExportChooser *chooser) {
    m_chooser = chooser ? chooser : m_ownChooser.get();
}

void frmsyuukei::buildHistory() {
    // Button 8 stands after "中断", before "閉じる".
    auto *a = new QAction(HistoryViewWidget::toolIcon(), QStringLiteral("履歴"), m_toolbar);
    a->setObjectName(QStringLiteral("Toolbar1_8"));
    a->setToolTip(QStringLiteral("この人の打刻の変更履歴を表示します"));
    m_toolbar->insertAction(m_tool[TallyScreen::CloseTool - 1], a);
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(a);
    m_tool[TallyScreen::HistoryTool - 1] = a;
    connect(a, &QAction::triggered, this, [this] { act([&] { m_logic.toolHistory(); }); });
}

void frmsyuukei::buildLists() {
    caption(QStringLiteral("集計対象年月"), this, {kListLeft, 62, kListWidth, 20});
    m_months = new QComboBox(this);
    m_months->setObjectName(QStringLiteral("Combo1"));
    m_months->setGeometry(kListLeft, 84, kListWidth, 28);
    connect(m_months, &QComboBox::activated, this, [this](int index) {
        const QString text = m_months->itemText(index);
        act([&] { m_logic.chooseMonth(text); });
    });
    caption(QStringLiteral("対象者"), this, {kListLeft, 120, kListWidth, 20});
    m_staff = new QListWidget(this);
    m_staff->setObjectName(QStringLiteral("List1"));
    // The open employee's overtime caps take the bottom of the column, above
    // where HScroll1 shows with the guide.
    const int capsTop = kHeight - 20 - CapsMonitorWidget::kHeight;
    m_staff->setGeometry(kListLeft, 142, kListWidth, capsTop - 6 - 142);
    staffcapsmarks::install(m_staff);
    m_caps = new CapsMonitorWidget(kListWidth, this);
    m_caps->move(kListLeft, capsTop);
    connect(m_caps->settingsButton(), &QPushButton::clicked, this, &frmsyuukei::openCapLimits);
    QFont f(QStringLiteral("IPAGothic"));
    f.setPixelSize(15);
    m_staff->setFont(f);
    const auto staffClicked = [this](int row) { act([&] { m_logic.chooseEmployee(row); }); };
    lists::clickOnEnter(m_staff, staffClicked);
    connect(m_staff, &QListWidget::itemClicked, this,
            [this, staffClicked](QListWidgetItem *item) { staffClicked(m_staff->row(item)); });

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("lbltitle"));
    m_title->setGeometry(kCardLeft, 60, CertifiedGridWidget::kWidth, 24);
    m_title->setStyleSheet(QStringLiteral("font-size: 16px; font-weight: bold; color: #202840;"));
    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("lblnotice"));
    m_notice->setGeometry(kCardLeft, 84, CertifiedGridWidget::kWidth, 20);
    m_notice->setStyleSheet(QStringLiteral("font-size: 12px; color: #805000;"));
    // Right of the rounding notice: how many days want a look.
    m_marks = new QLabel(this);
    m_marks->setObjectName(QStringLiteral("lblijou"));
    m_marks->setGeometry(kCardLeft + CertifiedGridWidget::kWidth - 330, 84, 330, 20);
    m_marks->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_marks->setStyleSheet(QStringLiteral("font-size: 12px; font-weight: bold; color: #c00000;"));
}

void frmsyuukei::buildPanels() {
    m_correction = new CorrectionPanelWidget(this);
    m_correction->move(kCardLeft + kCertifiedLeft, kCardTop + 108);
    m_correction->hide();
    for (int i = 0; i < CorrectionPanel::kBoxes; ++i)
        watchBox(CorrectionPanel::kFirstBox + i, m_correction->box(i));
    connect(m_correction->execute(), &QPushButton::clicked, this,
            [this] { act([&] { m_logic.executeCorrection(); }); });
    connect(m_correction->closeButton(), &QPushButton::clicked, this,
            [this] { act([&] { m_logic.closeCorrection(); }); });
    connect(m_correction->reason(), &EntryBox::edited, this,
            [this](const QString &t) { m_logic.setCorrectionReason(t); });

    m_history = new HistoryViewWidget(
        this, QSize(CertifiedGridWidget::kWidth, CertifiedGridWidget::kHeight));
    m_history->move(kCardLeft, kCardTop);
    connect(m_history->closeButton(), &QPushButton::clicked, this,
            [this] { act([&] { m_logic.closeHistory(); }); });
    connect(m_history->punches(), &QCheckBox::toggled, this,
            [this](bool on) { act([&] { m_logic.setHistoryWithPunches(on); }); });

    m_printPanel = new PrintPanelWidget(m_print, this);
    m_printPanel->adjustSize();
    m_printPanel->move(kCardLeft + (CertifiedGridWidget::kWidth - m_printPanel->width()) / 2,
                       kCardTop + 60);
    connect(m_printPanel, &PrintPanelWidget::closed, this,
            [this] { act([&] { m_logic.closePrint(); }); });

    m_guide = new TallyGuidePanel(
        kHeight - kToolbarHeight, [this] { setGuideOpen(false); }, this);
    m_guide->move(kWidth - TallyGuidePanel::kWidth, kToolbarHeight);
    m_guide->hide();

    m_hscroll = new QScrollBar(Qt::Horizontal, this);
    m_hscroll->setObjectName(QStringLiteral("HScroll1"));
    const int guideLeft = kWidth - TallyGuidePanel::kWidth;
    m_hscroll->setGeometry(kListLeft, kHeight - 18, guideLeft - kListLeft - 4, 16);
    // Far enough to bring the right edge of the card area out from under the guide.
    m_hscroll->setRange(0, (kCardLeft + CertifiedGridWidget::kWidth - guideLeft + 8) * 15);
    m_hscroll->setSingleStep(300);
    m_hscroll->setPageStep(1500);
    m_hscroll->hide();
    connect(m_hscroll, &QScrollBar::valueChanged, this,
            [this](int v) { m_card->move(kCardLeft - twipsToPixels(v), kCardTop); });
}

void frmsyuukei::openPrintPanel() {
    act([&] { m_logic.toolPrint(); });
    if (m_logic.printOpen())
        m_print.setOverHours(m_logic.caps().overHoursList());
    if (m_logic.printOpen())
        m_printPanel->open(m_logic.staffEntries(), m_logic.monthFolder(), m_logic.settings(),
                           [settings = m_logic.settings()](const CardTable &stored) {
                               // The same sheet the export tallies: the times anew.
                               storedreview::Review r = storedreview::review(stored, settings);
                               return SheetCard{std::move(r.table), std::move(r.notes)};
                           });
}

void frmsyuukei::openCapLimits() {
    flushBox();
    CapLimitsDialog d(m_logic.caps().limits(), m_ctx.services.dialogs, this);
    if (d.exec() == QDialog::Accepted)
        m_logic.caps().setLimits(d.limits());
    afterAction();
}

void frmsyuukei::renderCaps() {
    const CapsMonitor &caps = m_logic.caps();
    staffcapsmarks::render(m_staff, caps, m_logic.lists().entries());
    m_caps->render(m_logic.employeeOpen() ? caps.of(m_logic.code()) : nullptr, caps.limits());
    // The print panel holds the list of the limits it was opened with.
    m_caps->settingsButton()->setEnabled(!m_logic.printOpen());
}

void frmsyuukei::buildKeys() {
    for (const QKeyCombination k : {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter}) {
        auto *s = new QShortcut(QKeySequence(k), this);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, this, [this] { act([&] { m_logic.confirmAndNext(); }); });
    }
    // F2 while "訂正・追加" is off (its own shortcut is off with it): the
    // reason beside the button.
    m_correctionWhy = new QShortcut(QKeySequence(Qt::Key_F2), this);
    m_correctionWhy->setContext(Qt::WidgetWithChildrenShortcut);
    m_correctionWhy->setEnabled(false);
    connect(m_correctionWhy, &QShortcut::activated, this, [this] {
        const QString why = m_logic.correctionLockText();
        QWidget *button = m_toolbar->widgetForAction(m_tool[1]);
        if (!why.isEmpty() && button)
            QToolTip::showText(button->mapToGlobal(QPoint(0, button->height())), why, button);
    });
}

void frmsyuukei::watchBox(int i, QLineEdit *b) {
    EntryBox *box = EntryBox::attach(b, KeyFilter::CertifiedHours);
    box->setEscape(EntryBox::Escape::Ignored);
    box->handEnterToScreen();
    connect(box, &EntryBox::entered, this, [this, i] { boxEntered(i); });
    connect(box, &EntryBox::left, this, [this, i] { boxLeft(i); });
    connect(box, &EntryBox::enterPressed, this, [this, i] { boxEnter(i); });
    // A click on a box is told apart from the focus coming in.
    b->installEventFilter(this);
    m_boxIndex.insert(b, i);
}

QLineEdit *frmsyuukei::box(int i) const {
    return CorrectionPanel::isPanelBox(i) ? m_correction->box(i - CorrectionPanel::kFirstBox)
                                          : m_card->box(i);
}

int frmsyuukei::focusedBox() const {
    return m_boxIndex.value(QApplication::focusWidget(), -1);
}

void frmsyuukei::render() {
    if (!m_loaded)
        return;
    for (int n = 0; n < TallyScreen::kTools; ++n)
        if (m_tool[n])
            m_tool[n]->setEnabled(m_logic.toolEnabled(n + 1));
    // "訂正・追加" off says why, on its tool tip and when F2 is pressed.
    const QString lock = m_logic.correctionLockText();
    m_tool[1]->setToolTip(lock.isEmpty() ? correctionTip() : lock);
    m_correctionWhy->setEnabled(!m_tool[1]->isEnabled());

    const StaffLists &lists = m_logic.lists();
    {
        const QSignalBlocker block(m_months);
        lists::show(m_months, lists.months());
        m_months->setCurrentIndex(lists.months().indexOf(lists.folder()));
    }
    m_months->setEnabled(lists.monthListEnabled());
    lists::show(m_staff, lists.lines());
    m_staff->setCurrentRow(lists.selected());
    if (lists.selected() < 0)
        m_staff->clearSelection();
    m_staff->setEnabled(lists.staffListEnabled());
    renderCaps();

    const CardTable &card = m_logic.card();
    if (m_logic.employeeOpen())
        m_title->setText(
            QStringLiteral("%1分　　%2　%3（%4）")
                .arg(lists.folder(), card.code().trimmed(), card.name().trimmed(), card.payType()));
    else
        m_title->setText(lists.folder().isEmpty() ? QString()
                                                  : lists.folder() + QStringLiteral("分"));
    const tally::TallyResult &t = m_logic.tallyResult();
    m_notice->setText(t.notice);
    m_notice->setVisible(m_logic.employeeOpen() && t.noticeShown);

    const dayanomaly::Month marks =
        m_logic.employeeOpen() ? dayanomaly::check(card) : dayanomaly::Month();
    m_marks->setText(dayanomaly::summary(marks, card));
    m_marks->setToolTip(dayanomaly::listing(marks, card));
    m_card->setMarks(marks);
    m_card->render(m_logic.grid(), m_logic.grid().boxInUse(), m_logic.employeeOpen());
    m_correction->setVisible(m_logic.correctionOpen());
    m_correction->render(m_logic.correction(), focusedBox());
    m_correction->raise();
    m_printPanel->setVisible(m_logic.printOpen());
    m_printPanel->raise();
    m_history->setVisible(m_logic.historyOpen());
    if (m_logic.historyOpen())
        m_history->render(m_logic.history(),
                          QStringLiteral("変更履歴　%1分　%2　%3")
                              .arg(lists.folder(), card.code().trimmed(), card.name().trimmed()),
                          m_logic.pendingPunches());
    m_history->raise();
    m_guide->setVisible(m_logic.guideOpen());
    m_hscroll->setVisible(m_logic.guideOpen());
    m_guide->raise();
}

void frmsyuukei::flushBox() {
    entries().flush();
    const int i = focusedBox();
    if (i < 0)
        return;
    if (const std::optional<QString> shown = m_logic.boxLeft(i, box(i)->text()))
        box(i)->setText(*shown);
}

void frmsyuukei::afterAction() {
    if (m_ctx.services.programEnd.ended())
        return;
    render();
    applyFocus(m_logic.takeFocus());
    // A box that kept the focus through the action is in use again.
    const int i = focusedBox();
    if (i >= 0 && i <= CertifiedGrid::kLastBox && m_logic.grid().boxInUse() != i)
        if (const std::optional<QString> shown = m_logic.boxEntered(i))
            box(i)->setText(*shown);
}

void frmsyuukei::applyFocus(const TallyScreen::Focus &f) {
    switch (f.where) {
    case TallyScreen::Focus::Keep:
        return;
    case TallyScreen::Focus::Box:
        box(f.box)->setFocus(Qt::OtherFocusReason);
        box(f.box)->selectAll();
        return;
    case TallyScreen::Focus::CardArea:
        m_card->setFocus(Qt::OtherFocusReason);
        return;
    case TallyScreen::Focus::CorrectionExecute:
        m_correction->execute()->setFocus(Qt::OtherFocusReason);
        return;
    case TallyScreen::Focus::PrintPanel:
        for (QWidget *w : m_printPanel->findChildren<QWidget *>())
            if (w->isVisibleTo(m_printPanel) && w->isEnabled() &&
                (w->focusPolicy() & Qt::TabFocus)) {
                w->setFocus(Qt::TabFocusReason);
                return;
            }
        return;
    case TallyScreen::Focus::CorrectionReason:
        m_correction->reason()->widget()->setFocus(Qt::OtherFocusReason);
        return;
    case TallyScreen::Focus::HistoryPanel:
        m_history->table()->setFocus(Qt::OtherFocusReason);
        return;
    case TallyScreen::Focus::StaffList:
        m_staff->setFocus(Qt::OtherFocusReason);
        return;
    }
}

void frmsyuukei::boxEntered(int i) {
    if (const std::optional<QString> shown = m_logic.boxEntered(i))
        box(i)->setText(*shown);
}

void frmsyuukei::boxLeft(int i) {
    if (const std::optional<QString> shown = m_logic.boxLeft(i, box(i)->text()))
        box(i)->setText(*shown);
    render();
}

void frmsyuukei::boxEnter(int i) {
    m_logic.enterKey(i, box(i)->text());
    afterAction();
}

bool frmsyuukei::eventFilter(QObject *watched, QEvent *e) {
    const int i = m_boxIndex.value(watched, -1);
    if (i >= 0 && e->type() == QEvent::MouseButtonPress)
        // After the press has put the focus in the box, as a click follows it.
        QTimer::singleShot(0, this, [this, i] { act([&] { m_logic.boxClicked(i); }); });
    return WorkingScreen::eventFilter(watched, e);
}

void frmsyuukei::wheelEvent(QWheelEvent *e) {
    // The wheel over the card area scrolls the days as VScroll1 does.
    QApplication::sendEvent(m_card->scrollBar(), e);
}

void frmsyuukei::setGuideOpen(bool open) {
    if (open) {
        act([&] { m_logic.toolGuide(); });
        return;
    }
    m_hscroll->setValue(0);
    m_guide->reset();
    m_card->move(kCardLeft, kCardTop);
    act([&] { m_logic.closeGuide(); });
}

void frmsyuukei::suspend() {
    flushBox();
    // The program ends: the screen goes without clearing the suspend flags.
    if (m_logic.toolSuspend())
        closeScreen();
    else
        afterAction();
}

void frmsyuukei::closeEvent(QCloseEvent *e) {
    // Hours not yet stored are confirmed or dropped as the user says, or the
    // screen stays.
    if (!isClosing() && m_loaded && !m_ctx.services.programEnd.ended()) {
        flushBox();
        if (!m_logic.settleBeforeClose()) {
            e->ignore();
            afterAction();
            return;
        }
    }
    WorkingScreen::closeEvent(e);
}
