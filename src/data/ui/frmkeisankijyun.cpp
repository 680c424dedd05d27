#include "data/ui/frmkeisankijyun.h"

#include "data/LabourRules.h"
#include "screen/ui/EntryBox.h"
#include "screen/ui/GuidePanel.h"
#include "screen/ui/ScreenToolbar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kNarrowTwips = 8700;
constexpr int kWideTwips = 13500;
// With room for the notice under the rounding boxes and the IC card options.
constexpr int kHeightTwips = 10200;

EntryBox *numberBox(QWidget *parent, const QString &name) {
    EntryBox *box =
        EntryBox::create(parent, name, KeyFilter::Digits, SettingsScreen::kTextMaxLength);
    box->lineEdit()->setAlignment(Qt::AlignRight);
    box->lineEdit()->setFixedWidth(40);
    return box;
}

} // namespace

frmkeisankijyun::frmkeisankijyun(ScreenContext &ctx, QWidget *parent)
    : WorkingScreen(ctx, parent), m_logic(ctx.services) {
    setObjectName(QStringLiteral("frmkeisankijyun"));
    setWindowTitle(QStringLiteral(" 基本設定"));

    auto *body = new QHBoxLayout;
    body->setContentsMargins(8, 4, 8, 8);
    body->addWidget(buildSettings(), 0, Qt::AlignTop);
    QFrame *guide = buildGuide();
    body->addWidget(guide);
    m_toolbar = screentoolbar::layOut(this, body);
    setGuide(guide, {kNarrowTwips, kHeightTwips}, {kWideTwips, kHeightTwips});
    wireBoxes();
    showGuide(false);
    open();
}

bool frmkeisankijyun::load() {
    if (!m_logic.open())
        return false;
    render();
    return true;
}

QWidget *frmkeisankijyun::buildSettings() {
    auto *page = new QWidget(this);
    page->setFixedWidth(WorkingScreen::twipsToPixels(kNarrowTwips) - 16);
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(0, 0, 0, 0);

    auto *top = new QHBoxLayout;
    auto *day = new QGroupBox(QStringLiteral("日付の切り替え"), page);
    auto *dayRow = new QHBoxLayout(day);
    m_text[0] = numberBox(day, QStringLiteral("texkijyun_0"));
    dayRow->addWidget(m_text[0]->widget());
    dayRow->addWidget(new QLabel(QStringLiteral("時に日付を切り替える"), day));
    dayRow->addStretch();
    top->addWidget(day, 1);

    auto *year = new QGroupBox(QStringLiteral("年号"), page);
    auto *yearRow = new QHBoxLayout(year);
    for (int n : {3, 4}) {
        auto *o = new QRadioButton(n == 3 ? QStringLiteral("西暦") : QStringLiteral("和暦"), year);
        m_option[static_cast<size_t>(n - 1)] = o;
        yearRow->addWidget(o);
    }
    yearRow->addStretch();
    top->addWidget(year, 1);
    v->addLayout(top);

    auto *period = new QGroupBox(QStringLiteral("給与計算期間"), page);
    auto *pv = new QVBoxLayout(period);
    m_option[0] = new QRadioButton(QStringLiteral("月初～月末"), period);
    m_option[1] = new QRadioButton(QStringLiteral("２１日～翌月２０日（翌月分）"), period);
    pv->addWidget(m_option[0]);
    pv->addWidget(m_option[1]);
    auto *other = new QGroupBox(QStringLiteral("その他の場合"), period);
    auto *ov = new QVBoxLayout(other);
    auto *days = new QHBoxLayout;
    m_text[1] = numberBox(other, QStringLiteral("texkijyun_1"));
    m_text[2] = numberBox(other, QStringLiteral("texkijyun_2"));
    days->addWidget(m_text[1]->widget());
    days->addWidget(new QLabel(QStringLiteral("日～"), other));
    days->addWidget(m_text[2]->widget());
    days->addWidget(new QLabel(QStringLiteral("日までを"), other));
    days->addStretch();
    ov->addLayout(days);
    auto *attribution = new QHBoxLayout;
    m_option[4] = new QRadioButton(QStringLiteral("当月分にする"), other);
    m_option[5] = new QRadioButton(QStringLiteral("翌月分にする"), other);
    attribution->addWidget(m_option[4]);
    attribution->addWidget(m_option[5]);
    attribution->addStretch();
    ov->addLayout(attribution);
    pv->addWidget(other);
    v->addWidget(period);

    v->addWidget(buildRounding());
    v->addWidget(buildIcCard());

    auto *notice = new QLabel(QStringLiteral("***** ご注意 ******\n"
                                             "年号又は給与計算期間の設定を変更された場合は、\n"
                                             "使用中のタイムカード は削除し、再準備してください。"),
                              page);
    notice->setStyleSheet(QStringLiteral("color: #a00000;"));
    v->addWidget(notice);
    v->addStretch();

    for (int n = 1; n <= SettingsScreen::kOptions; ++n) {
        QRadioButton *o = m_option[static_cast<size_t>(n - 1)];
        o->setObjectName(QStringLiteral("Option") + QString::number(n));
        // Which options clear which is the logic's rule, not Qt's grouping.
        o->setAutoExclusive(false);
        connect(o, &QRadioButton::clicked, this, [this, n] {
            m_logic.chooseOption(n);
            renderOptions(n);
        });
    }
    return page;
}

QWidget *frmkeisankijyun::buildRounding() {
    auto *box = new QGroupBox(QStringLiteral("端数処理"), this);
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(6);
    grid->addWidget(new QLabel(QStringLiteral("時刻の端数"), box), 0, 1, 1, 2, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("勤 務 時 間 数 （月間）"), box), 0, 3, 1, 3,
                    Qt::AlignCenter);
    const QStringList units = {QString(),
                               QStringLiteral("5"),
                               QStringLiteral("10"),
                               QStringLiteral("15"),
                               QStringLiteral("20"),
                               QStringLiteral("30")};
    const QStringList methods = {QString(), QStringLiteral("切上げ"), QStringLiteral("切捨て"),
                                 QStringLiteral("切上げ切捨て")};
    const QString rows[3] = {QStringLiteral("月給"), QStringLiteral("日給"),
                             QStringLiteral("時給")};
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(new QLabel(rows[row], box), row + 1, 0);
        for (int c = 0; c < 3; ++c) {
            const int k = row * 3 + c;
            auto *combo = new QComboBox(box);
            combo->setObjectName(QStringLiteral("cmbhasuu_") + QString::number(k));
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->addItems(c == 2 ? methods : units);
            combo->setFixedWidth(c == 2 ? 130 : 60);
            m_rounding[static_cast<size_t>(k)] = EntryBox::attach(combo);
            // The notice follows what the box shows, before it is stored.
            connect(combo, &QComboBox::currentTextChanged, this, [this, k](const QString &t) {
                m_roundingNotice->setVisible(m_logic.roundingNoticeShownWith(k, t));
            });
            grid->addWidget(combo, row + 1, 1 + c * 2);
            if (c < 2)
                grid->addWidget(new QLabel(QStringLiteral("分単位"), box), row + 1, 2 + c * 2);
        }
    }
    grid->setColumnStretch(6, 1);
    // Shown while a setting counts working time short; it never refuses one.
    m_roundingNotice = new QLabel(labourrules::roundingNoticeText(), box);
    m_roundingNotice->setObjectName(QStringLiteral("lblhasuutyuui"));
    m_roundingNotice->setWordWrap(true);
    m_roundingNotice->setStyleSheet(QStringLiteral(
        "color: #7a4a00; background: #fff6d8; border: 1px solid #e0c070; padding: 3px;"));
    m_roundingNotice->setVisible(false);
    grid->addWidget(m_roundingNotice, 4, 0, 1, 7);
    return box;
}

QWidget *frmkeisankijyun::buildIcCard() {
    auto *box = new QGroupBox(QStringLiteral("ICカード"), this);
    auto *v = new QVBoxLayout(box);
    m_icPunch = new QCheckBox(QStringLiteral("ICカードで打刻する"), box);
    m_icPunch->setObjectName(QStringLiteral("chkic"));
    m_icPunch->setToolTip(QStringLiteral("リーダーにタッチしたカードの従業員のタイムカードを"
                                         "セットします。カードは従業員の登録画面で登録します。"));
    m_icClick =
        new QCheckBox(QStringLiteral("名前のクリックでの打刻には管理者の暗証番号を求める"), box);
    m_icClick->setObjectName(QStringLiteral("chkickanri"));
    m_icPinMissing = new QLabel(
        QStringLiteral("管理者暗証番号が登録されていないため、名前のクリックでも打刻できます。"),
        box);
    m_icPinMissing->setObjectName(QStringLiteral("lblicpw"));
    m_icPinMissing->setStyleSheet(QStringLiteral("color: #7a4a00;"));
    v->addWidget(m_icPunch);
    auto *indent = new QHBoxLayout;
    indent->addSpacing(20);
    auto *sub = new QVBoxLayout;
    sub->addWidget(m_icClick);
    sub->addWidget(m_icPinMissing);
    indent->addLayout(sub);
    v->addLayout(indent);
    connect(m_icPunch, &QCheckBox::toggled, this, [this](bool on) {
        m_logic.setPunchByCard(on);
        renderIcCard();
    });
    connect(m_icClick, &QCheckBox::toggled, this, [this](bool on) {
        m_logic.setClickNeedsPin(on);
        renderIcCard();
    });
    return box;
}

void frmkeisankijyun::renderIcCard() {
    const IcOptions &ic = m_logic.icOptions();
    const QSignalBlocker a(m_icPunch);
    const QSignalBlocker b(m_icClick);
    m_icPunch->setChecked(ic.punchByCard);
    m_icClick->setChecked(ic.clickNeedsPin);
    m_icClick->setEnabled(m_logic.clickChoiceEnabled());
    m_icPinMissing->setVisible(m_logic.pinMissingShown());
}

QFrame *frmkeisankijyun::buildGuide() {
    return guidepanel::make(
        this,
        {QStringLiteral("◆日付の切り替え"),
         QStringLiteral("この時刻より前の打刻は前日の分になります。深夜勤務がない場合は「0」"
                        "のままにしてください。"),
         QStringLiteral("◆年号"),
         QStringLiteral("タイムカードの年を西暦（2007）又は和暦（19）で表します。"),
         QStringLiteral("◆給与計算期間"),
         QStringLiteral("タイムカード１ヶ月分の期間です。「その他の場合」は開始日と締め日を入れ、"
                        "当月分か翌月分かを選んでください。"),
         QStringLiteral("◆端数処理"),
         QStringLiteral("給与区分ごとに、打刻時刻と月間の勤務時間数を何分単位で処理するかを"
                        "選びます。月間の処理方法は計算単位を選んだ場合だけ有効です。"),
         QStringLiteral("◆ICカード"),
         QStringLiteral("「ICカードで打刻する」にすると、リーダーにカードをタッチして打刻できま"
                        "す。暗証番号を求める設定にすると、名前のクリックは管理者だけになり、"
                        "従業員は自分のカードでしか打刻できません。")},
        [this] { showGuide(false); });
}

// After an option: the options, and the day boxes that Option1 and Option2
// empty. Other boxes keep what is being typed into them.
void frmkeisankijyun::renderOptions(int chosen) {
    for (int n = 1; n <= SettingsScreen::kOptions; ++n)
        m_option[static_cast<size_t>(n - 1)]->setChecked(m_logic.option(n));
    if (chosen == 1 || chosen == 2)
        for (int i : {1, 2})
            m_text[static_cast<size_t>(i)]->setText(m_logic.textBox(i));
}

void frmkeisankijyun::render() {
    for (int i = 0; i < SettingsScreen::kTextBoxes; ++i)
        m_text[static_cast<size_t>(i)]->setText(m_logic.textBox(i));
    for (int k = 0; k < SettingsScreen::kRoundingBoxes; ++k)
        m_rounding[static_cast<size_t>(k)]->setText(m_logic.roundingBox(k));
    for (int n = 1; n <= SettingsScreen::kOptions; ++n)
        m_option[static_cast<size_t>(n - 1)]->setChecked(m_logic.option(n));
    m_roundingNotice->setVisible(m_logic.roundingNoticeShown());
    renderIcCard();
}

void frmkeisankijyun::wireBoxes() {
    auto wire = [this](EntryBox *box, auto enter, auto leave) {
        box->setNext(
            findChild<QWidget *>(SettingsScreen::enterTarget(box->widget()->objectName())));
        connect(box, &EntryBox::entered, this, enter);
        connect(box, &EntryBox::left, this, leave);
    };
    for (int i = 0; i < SettingsScreen::kTextBoxes; ++i) {
        EntryBox *box = m_text[static_cast<size_t>(i)];
        wire(
            box, [this, i, box] { box->setText(m_logic.enterTextBox(i)); },
            [this, i] { leaveText(i); });
    }
    for (int k = 0; k < SettingsScreen::kRoundingBoxes; ++k) {
        EntryBox *box = m_rounding[static_cast<size_t>(k)];
        wire(
            box, [this, k, box] { box->setText(m_logic.enterRoundingBox(k)); },
            [this, k] { leaveRounding(k); });
    }
}

void frmkeisankijyun::leaveText(int i) {
    EntryBox *box = m_text[static_cast<size_t>(i)];
    const SettingsScreen::Leave leave = m_logic.leaveTextBox(i, box->text());
    box->setText(leave.boxText);
    if (leave.keepFocus)
        box->widget()->setFocus(Qt::OtherFocusReason);
}

void frmkeisankijyun::leaveRounding(int k) {
    EntryBox *box = m_rounding[static_cast<size_t>(k)];
    const SettingsScreen::Leave leave = m_logic.leaveRoundingBox(k, box->text());
    box->setText(leave.boxText);
    m_roundingNotice->setVisible(m_logic.roundingNoticeShown());
}

bool frmkeisankijyun::save() {
    // A box still holding the focus keeps what was typed into it.
    for (int i = 0; i < SettingsScreen::kTextBoxes; ++i)
        if (EntryBox *box = m_text[static_cast<size_t>(i)]; box->widget()->hasFocus())
            m_logic.leaveTextBox(i, box->text(), true);
    for (int k = 0; k < SettingsScreen::kRoundingBoxes; ++k)
        if (EntryBox *box = m_rounding[static_cast<size_t>(k)]; box->widget()->hasFocus())
            m_logic.leaveRoundingBox(k, box->text(), true);
    return m_logic.close();
}
