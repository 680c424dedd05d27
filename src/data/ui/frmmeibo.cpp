#include "data/ui/frmmeibo.h"

#include "data/ui/IcCardDialog.h"
#include "data/ui/RosterImportPanel.h"
#include "screen/ui/EntryBox.h"
#include "screen/ui/GuidePanel.h"
#include "screen/ui/ScreenToolbar.h"
#include "screen/ui/ToolIcons.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>

namespace {

// Geometry of the screen in pixels (15 twips each).
constexpr int kNarrowWidth = 456;
constexpr int kWideWidth = 756;
constexpr int kHeight = 458;
constexpr int kHeaderY = 44;
constexpr int kFirstRowY = 68;
constexpr int kRowPitch = 25;
constexpr int kRowHeight = 23;
constexpr int kMarkX = 10;
constexpr int kCodeX = 38;
constexpr int kCodeWidth = 92;
constexpr int kNameX = 134;
constexpr int kNameWidth = 212; // a name of 15 characters shows whole
constexpr int kKubunX = 350;
constexpr int kKubunWidth = 62;
constexpr int kScrollX = kKubunX + kKubunWidth + 6; // clear of the cells' right edge

const QColor kGrey(192, 192, 192);

// The imgsitei mark: an empty box, or the box crossed out in red when the
// row is marked for deletion.
QPixmap markPixmap(bool marked) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(96, 96, 96), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
    if (marked) {
        p.setPen(QPen(QColor(200, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
        p.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
    }
    return pm;
}

void setTextColor(QWidget *w, QPalette::ColorRole role, bool grey) {
    QPalette pal = w->palette();
    pal.setColor(role, grey ? kGrey : QColor(Qt::black));
    w->setPalette(pal);
}

QLabel *headerLabel(QWidget *parent, const QString &text, int x, int width) {
    auto *l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Raised);
    l->setGeometry(x, kHeaderY, width, kRowHeight);
    return l;
}

} // namespace

frmmeibo::frmmeibo(ScreenContext &ctx, QWidget *parent)
    : WorkingScreen(ctx, parent), m_logic(ctx.services), m_import(ctx.services) {
    setObjectName(QStringLiteral("frmmeibo"));
    setWindowTitle(QStringLiteral(" 従業員の登録"));
    setFocusPolicy(Qt::ClickFocus);
    buildToolbar();
    buildGrid();
    buildGuide();

    m_picture4 = new RosterImportPanel(this);
    m_picture4->setGeometry(4, kHeaderY - 4, kNarrowWidth - 8, kHeight - kHeaderY);
    m_picture4->hide();
    connect(m_picture4, &RosterImportPanel::copyRequested, this, &frmmeibo::startImport);

    showGuide(false);
    open();
}

bool frmmeibo::load() {
    const bool loaded = m_logic.open();
    hyouji();
    return loaded;
}

void frmmeibo::buildToolbar() {
    QStyle *st = style();
    m_toolbar = screentoolbar::make(
        this,
        {{st->standardIcon(QStyle::SP_TrashIcon), QStringLiteral("削除"),
          QStringLiteral("名簿から指定の従業員を削除します")},
         {st->standardIcon(QStyle::SP_ArrowDown), QStringLiteral("並べ替え"),
          QStringLiteral("コード順に並び替えます")},
         {st->standardIcon(QStyle::SP_DialogOpenButton), QStringLiteral("マルカから"),
          QStringLiteral("マルカの従業員データを取り込みます")},
         {screentoolbar::closeButton().icon, QStringLiteral("閉じる"),
          QStringLiteral("保存して閉じます")},
         {screentoolbar::guideButton().icon, QStringLiteral("説明"),
          QStringLiteral("操作の説明を表示します")},
         {toolicons::icCard(), QStringLiteral("ICカード"),
          QStringLiteral("従業員のICカードを登録します")}},
        {Qt::ToolButtonTextBesideIcon, QSize(16, 16)});
    m_toolbar->setGeometry(0, 0, kWideWidth, 36);
    const QList<QAction *> actions = m_toolbar->actions();
    connect(actions[0], &QAction::triggered, this, &frmmeibo::deleteMarked);
    connect(actions[1], &QAction::triggered, this, &frmmeibo::sortByCode);
    connect(actions[2], &QAction::triggered, this, [this] {
        commitEdits();
        m_picture4->show();
        m_picture4->raise();
    });
    connect(actions[3], &QAction::triggered, this, &WorkingScreen::closeScreen);
    connect(actions[4], &QAction::triggered, this, [this] { showGuide(true); });
    connect(actions[5], &QAction::triggered, this, &frmmeibo::openIcCards);
}

void frmmeibo::buildGrid() {
    headerLabel(this, QStringLiteral("従業員ｺｰﾄﾞ"), kCodeX, kCodeWidth);
    headerLabel(this, QStringLiteral("氏　　     　　名"), kNameX, kNameWidth);
    headerLabel(this, QStringLiteral("区　　分"), kKubunX, kKubunWidth);
    for (int k = 0; k < RosterScreen::kRows; ++k) {
        const int y = kFirstRowY + k * kRowPitch;
        auto *mark = new QLabel(this);
        mark->setObjectName(QStringLiteral("imgsitei_%1").arg(k));
        mark->setGeometry(kMarkX, y, 22, kRowHeight);
        mark->setAlignment(Qt::AlignCenter);
        mark->setCursor(Qt::PointingHandCursor);
        mark->setToolTip(QStringLiteral("クリックで削除の指定／解除"));
        mark->installEventFilter(this);
        m_marks[k] = mark;
        for (int f = 0; f < 2; ++f) {
            const int box = 2 * k + f;
            EntryBox *e = EntryBox::create(this, QStringLiteral("texdata_%1").arg(box),
                                           KeyFilter::None, RosterScreen::maxLength(box));
            e->widget()->setGeometry(f == 0 ? kCodeX : kNameX, y, f == 0 ? kCodeWidth : kNameWidth,
                                     kRowHeight);
            // Enter goes where the roster's rules say: the name box, the chooser.
            e->handEnterToScreen();
            connect(e, &EntryBox::entered, this, [this, box] { enterBox(box); });
            connect(e, &EntryBox::left, this, [this, box] { leaveBox(box); });
            connect(e, &EntryBox::enterPressed, this, [this, box] {
                QTimer::singleShot(0, this, [this, box] { moveFocus(m_logic.enterKey(box)); });
            });
            m_boxes[box] = e;
        }
        auto *kubun = new QLabel(this);
        kubun->setObjectName(QStringLiteral("lblkubun_%1").arg(k));
        kubun->setGeometry(kKubunX, y, kKubunWidth, kRowHeight);
        // Framed as the entry boxes beside it: every edge shows.
        kubun->setFrameShape(QFrame::StyledPanel);
        kubun->setFrameShadow(QFrame::Sunken);
        kubun->setAlignment(Qt::AlignCenter);
        kubun->setAutoFillBackground(true);
        kubun->setBackgroundRole(QPalette::Base);
        kubun->installEventFilter(this);
        m_kubun[k] = kubun;
    }
    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName(QStringLiteral("VScroll1"));
    m_scroll->setRange(0, RosterScreen::kMaxTop);
    m_scroll->setPageStep(RosterScreen::kRows);
    m_scroll->setGeometry(kScrollX, kFirstRowY, 18, RosterScreen::kRows * kRowPitch - 2);
    connect(m_scroll, &QScrollBar::valueChanged, this, &frmmeibo::onScroll);

    m_combo = new QComboBox(this);
    m_combo->setObjectName(QStringLiteral("Combo1"));
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->addItems(RosterScreen::payTypes());
    m_combo->hide();
    m_chooser = EntryBox::attach(m_combo);
    m_chooser->handEnterToScreen();
    connect(m_chooser, &EntryBox::left, this, &frmmeibo::commitChooser);
    connect(m_chooser, &EntryBox::enterPressed, this, &frmmeibo::chooserEnter);
}

void frmmeibo::buildGuide() {
    QFrame *guide = guidepanel::make(
        this,
        {QStringLiteral("◆従業員ｺｰﾄﾞ"),
         QStringLiteral("３桁以内の数字で入力してください。コードはタイムカードの名前になる"
                        "ため、同じコードを二人に付けないでください。"),
         QStringLiteral("◆氏名と区分"),
         QStringLiteral("氏名は１５文字以内で入力します。区分の欄をクリックするか、氏名の欄"
                        "でEnterキーを押すと、月給・日給・時給を選べます。"),
         QStringLiteral("◆削除と並べ替え"),
         QStringLiteral("削除するときは、行の左の□をクリックして灰色にし、［削除］を押し"
                        "ます。もう一度クリックすると元に戻ります。［並べ替え］でコードの小"
                        "さい順に並びます。コードのない行はなくなります。"),
         QStringLiteral("◆保存"),
         QStringLiteral("Escキーで入力中の欄を空にします。名簿は画面を閉じるときに保存さ"
                        "れます。"),
         QStringLiteral("◆ICカード"),
         QStringLiteral("［ICカード］で、従業員にICカードを登録します。最後に入力した行の"
                        "従業員が選ばれます。登録はすぐに保存されます。")},
        [this] { showGuide(false); });
    guide->setGeometry(kNarrowWidth, kHeaderY, kWideWidth - kNarrowWidth - 10,
                       kHeight - kHeaderY - 12);
    setGuide(guide, {kNarrowWidth * 15, kHeight * 15}, {kWideWidth * 15, kHeight * 15});
}

void frmmeibo::hyouji() {
    const QSignalBlocker block(m_scroll);
    m_scroll->setValue(m_logic.top());
    for (int k = 0; k < RosterScreen::kRows; ++k)
        renderRow(k);
}

void frmmeibo::renderRow(int row) {
    const Employee &e = m_logic.rowEmployee(row);
    const bool grey = m_logic.greyed(row);
    for (int f = 0; f < 2; ++f) {
        const int box = 2 * row + f;
        QWidget *edit = m_boxes[box]->widget();
        // The box being typed in keeps its text until it is left.
        if (!(box == m_editBox && m_logic.editing())) {
            m_boxes[box]->setText(f == 0 ? e.code : e.name);
            // A box not being typed in shows its text from the start.
            m_boxes[box]->lineEdit()->setCursorPosition(0);
        }
        setTextColor(edit, QPalette::Text, grey);
    }
    m_marks[row]->setPixmap(markPixmap(grey));
    m_kubun[row]->setText(e.payType);
    setTextColor(m_kubun[row], QPalette::WindowText, grey);
    setTextColor(m_kubun[row], QPalette::Text, grey);
}

void frmmeibo::moveFocus(RosterFocus f) {
    switch (f.kind) {
    case RosterFocus::Keep:
        return;
    case RosterFocus::CodeBox:
    case RosterFocus::NameBox:
        m_combo->hide();
        hyouji();
        m_boxes[2 * f.row + (f.kind == RosterFocus::NameBox ? 1 : 0)]->widget()->setFocus(
            Qt::OtherFocusReason);
        return;
    case RosterFocus::Chooser:
        m_combo->setGeometry(m_kubun[f.row]->geometry());
        // The arrow keys step on from the slot's own pay type (from the top
        // of the list when it has none), not from the last row's choice.
        m_combo->setCurrentIndex(
            m_logic.chooserText().isEmpty() ? -1 : m_combo->findText(m_logic.chooserText()));
        m_chooser->setText(m_logic.chooserText());
        m_combo->show();
        m_combo->raise();
        m_combo->setFocus(Qt::OtherFocusReason);
        return;
    case RosterFocus::OffGrid:
        m_combo->hide();
        hyouji();
        setFocus(Qt::OtherFocusReason);
        return;
    }
}

void frmmeibo::openChooser(int row) {
    commitChooser();
    moveFocus(m_logic.showChooser(row));
}

void frmmeibo::commitChooser() {
    if (!m_logic.chooserShown())
        return;
    const int row = m_logic.chooserRow();
    m_logic.leaveChooser(m_combo->currentText());
    m_combo->hide();
    if (row >= 0 && row < RosterScreen::kRows)
        renderRow(row);
}

void frmmeibo::commitEdits() {
    commitChooser();
    if (m_editBox >= 0 && m_logic.editing()) {
        const int box = m_editBox;
        m_logic.leaveBox(box, m_boxes[box]->text());
        renderRow(box / 2);
    }
    m_editBox = -1;
    setFocus(Qt::OtherFocusReason);
}

void frmmeibo::onScroll(int value) {
    commitChooser();
    const int box = m_editBox;
    if (box >= 0 && m_logic.editing())
        m_logic.leaveBox(box, m_boxes[box]->text());
    m_logic.setTop(value);
    hyouji();
    // The focused box now stands for another slot and shows its value.
    if (box >= 0 && m_boxes[box]->widget()->hasFocus())
        m_boxes[box]->setText(m_logic.enterBox(box));
}

void frmmeibo::enterBox(int box) {
    m_editBox = box;
    m_lastSlot = m_logic.slotOf(box / 2);
    m_boxes[box]->setText(m_logic.enterBox(box));
}

void frmmeibo::leaveBox(int box) {
    if (box != m_editBox || !m_logic.editing())
        return;
    const RosterScreen::Leave leave = m_logic.leaveBox(box, m_boxes[box]->text());
    m_editBox = -1;
    renderRow(box / 2);
    if (leave == RosterScreen::Leave::Refused)
        m_boxes[box]->widget()->setFocus(Qt::OtherFocusReason);
}

void frmmeibo::chooserEnter() {
    // Queued, as a box's Enter: the key is over before the chooser hides.
    QTimer::singleShot(0, this, [this] {
        if (!m_logic.chooserShown())
            return;
        const RosterFocus f = m_logic.chooserEnter(m_combo->currentText());
        m_combo->hide();
        moveFocus(f.kind == RosterFocus::Keep ? RosterFocus{RosterFocus::OffGrid, 0} : f);
    });
}

bool frmmeibo::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int k = 0; k < RosterScreen::kRows; ++k) {
            if (watched == m_marks[k]) {
                m_logic.toggleMark(k);
                renderRow(k);
                return true;
            }
            if (watched == m_kubun[k]) {
                openChooser(k);
                return true;
            }
        }
    }
    return WorkingScreen::eventFilter(watched, event);
}

void frmmeibo::deleteMarked() {
    commitEdits();
    if (m_logic.deleteMarked())
        hyouji();
}

void frmmeibo::sortByCode() {
    commitEdits();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool sorted = m_logic.soot();
    QApplication::restoreOverrideCursor();
    if (sorted)
        hyouji();
}

void frmmeibo::startImport(const QString &folder) {
    const RosterImport::Outcome asked = m_import.ask(folder);
    if (asked != RosterImport::Outcome::Imported)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const RosterImport::Result r = m_import.read(folder);
    if (r.outcome == RosterImport::Outcome::Imported && m_logic.adoptImport(r.roster))
        hyouji();
    m_picture4->hide();
    QApplication::restoreOverrideCursor();
}

void frmmeibo::openIcCards() {
    commitEdits();
    const QString code = m_lastSlot >= 0 ? m_logic.roster()[m_lastSlot].code : QString();
    IcCardDialog dialog(m_ctx.services, m_logic.roster(), code, this);
    if (dialog.opened() && !m_ctx.services.programEnd.ended())
        dialog.exec();
}

void frmmeibo::wheelEvent(QWheelEvent *event) {
    // The wheel over the grid scrolls it as the scroll bar does.
    QApplication::sendEvent(m_scroll, event);
}

bool frmmeibo::save() {
    commitEdits();
    return m_logic.close();
}
