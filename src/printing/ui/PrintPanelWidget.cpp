#include "printing/ui/PrintPanelWidget.h"

#include "printing/ui/QtPrintTargets.h"
#include "screen/ui/EntryBox.h"
#include "screen/ui/PanelFrame.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

PrintPanelWidget::PrintPanelWidget(PrintPanel &panel, QWidget *parent, PrintTargets *targets)
    : QFrame(parent), m_panel(panel) {
    if (!targets) {
        m_ownTargets = std::make_unique<QtPrintTargets>(this);
        targets = m_ownTargets.get();
    }
    m_targets = targets;
    setObjectName(QStringLiteral("Picture6"));
    setFocusPolicy(Qt::StrongFocus);
    setFixedWidth(336);
    hide();
    QVBoxLayout *body = dressPanel(this, new QLabel(QStringLiteral("勤務実績表の印刷"), this));

    auto *range = new QGroupBox(QStringLiteral("印刷範囲"), this);
    auto *rangeRow = new QHBoxLayout(range);
    m_all = new QRadioButton(QStringLiteral("全員"), range);
    m_all->setObjectName(QStringLiteral("Option1"));
    m_designated = new QRadioButton(QStringLiteral("指定"), range);
    m_designated->setObjectName(QStringLiteral("Option2"));
    rangeRow->addWidget(m_all);
    rangeRow->addWidget(m_designated);
    rangeRow->addStretch();
    body->addWidget(range);

    auto *codes = new QGroupBox(QStringLiteral("指定の場合"), this);
    auto *codeRow = new QHBoxLayout(codes);
    for (int b = 0; b < PrintPanel::kBoxes; ++b) {
        EntryBox *box = EntryBox::create(this, QStringLiteral("texinsatu_%1").arg(b),
                                         KeyFilter::Digits, PrintPanel::kMaxLength[b]);
        box->setEscape(EntryBox::Escape::Ignored);
        box->lineEdit()->setAlignment(Qt::AlignRight);
        box->lineEdit()->setFixedWidth(b == PrintPanel::CopiesBox ? 44 : 56);
        m_boxes[static_cast<size_t>(b)] = box;
    }
    codeRow->addWidget(new QLabel(QStringLiteral("コード"), codes));
    codeRow->addWidget(m_boxes[PrintPanel::FromBox]->widget());
    codeRow->addWidget(new QLabel(QStringLiteral("～"), codes));
    codeRow->addWidget(m_boxes[PrintPanel::ToBox]->widget());
    codeRow->addStretch();
    body->addWidget(codes);

    auto *guide = new QLabel(QStringLiteral("｢指定｣はコード番号を若い順に入力しま\n"
                                            "す。１名のみ指定する場合は、同じ番号\n"
                                            "を入力してください。"),
                             this);
    guide->setStyleSheet(QStringLiteral("color: #404040;"));
    body->addWidget(guide);

    auto *copiesRow = new QHBoxLayout;
    copiesRow->addWidget(new QLabel(QStringLiteral("印刷部数"), this));
    copiesRow->addWidget(m_boxes[PrintPanel::CopiesBox]->widget());
    copiesRow->addWidget(new QLabel(QStringLiteral("部"), this));
    copiesRow->addStretch();
    body->addLayout(copiesRow);
    auto *paper = new QLabel(QStringLiteral("用紙はＡ４普通紙(縦)です。"), this);
    paper->setStyleSheet(QStringLiteral("color: #404040;"));
    body->addWidget(paper);
    m_history = new QCheckBox(QStringLiteral("打刻の変更履歴を付ける"), this);
    m_history->setObjectName(QStringLiteral("chkrireki"));
    m_history->setToolTip(QStringLiteral("勤務実績表のあとに、その月の打刻の訂正・削除・"
                                         "追加打刻などの履歴を印刷します"));
    body->addWidget(m_history);
    m_toCheck = new QLabel(this);
    m_toCheck->setObjectName(QStringLiteral("lblkakunin"));
    m_toCheck->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_toCheck->hide();
    body->addWidget(m_toCheck);

    const QString captions[] = {QStringLiteral("印　刷"), QStringLiteral("閉じる"),
                                QStringLiteral("ﾌﾟﾘﾝﾀｰ"), QStringLiteral("PDF"),
                                QStringLiteral("プレビュー")};
    for (int i = 0; i < 5; ++i) {
        auto *b = new QPushButton(captions[i], this);
        b->setObjectName(QStringLiteral("cmdinsatu_%1").arg(i));
        b->setMinimumHeight(32);
        m_buttons[static_cast<size_t>(i)] = b;
    }
    auto *buttons = new QGridLayout;
    buttons->setSpacing(6);
    buttons->addWidget(m_buttons[0], 0, 0);
    buttons->addWidget(m_buttons[3], 0, 1);
    buttons->addWidget(m_buttons[4], 0, 2);
    buttons->addWidget(m_buttons[2], 1, 0);
    buttons->addWidget(m_buttons[1], 1, 2);
    // The list of the month's employees over 80 hours, to the same places.
    m_overHours = new QPushButton(QStringLiteral("80時間超の一覧"), this);
    m_overHours->setObjectName(QStringLiteral("cmdichiran"));
    m_overHours->setMinimumHeight(32);
    m_overHours->setToolTip(QStringLiteral(
        "時間外・休日労働が月80時間を超えた者の一覧を、印刷・PDF・プレビューします"));
    auto *listMenu = new QMenu(m_overHours);
    listMenu->setObjectName(QStringLiteral("mnuichiran"));
    const std::pair<QString, PrintPanel::ListTarget> listTargets[] = {
        {QStringLiteral("印刷"), PrintPanel::ListTarget::Office},
        {QStringLiteral("PDF"), PrintPanel::ListTarget::Pdf},
        {QStringLiteral("プレビュー"), PrintPanel::ListTarget::Preview}};
    for (const auto &[caption, where] : listTargets)
        connect(listMenu->addAction(caption), &QAction::triggered, this,
                [this, where = where] { overHoursList(where); });
    m_overHours->setMenu(listMenu);
    buttons->addWidget(m_overHours, 1, 1);
    // The caption and its menu arrow with room to spare; the columns alike.
    m_overHours->setMinimumWidth(m_overHours->fontMetrics().horizontalAdvance(m_overHours->text()) +
                                 48);
    for (int c = 0; c < 3; ++c)
        buttons->setColumnStretch(c, 1);
    body->addSpacing(4);
    body->addLayout(buttons);
    adjustSize();

    connect(m_all, &QRadioButton::clicked, this, [this] {
        m_panel.chooseAll();
        render();
    });
    connect(m_history, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_rendering)
            m_panel.setWithHistory(on);
    });
    connect(m_designated, &QRadioButton::clicked, this, [this] {
        m_panel.chooseDesignated();
        render();
    });
    // Enter moves from-code -> to-code -> copies -> the panel itself.
    for (int b = 0; b < PrintPanel::kBoxes; ++b) {
        EntryBox *box = m_boxes[static_cast<size_t>(b)];
        const int next = PrintPanel::nextAfter(b);
        if (next == PrintPanel::kPanel)
            box->setExitTarget(this);
        else
            box->setNext(m_boxes[static_cast<size_t>(next)]->widget());
        connect(box, &EntryBox::edited, this, [this, b](const QString &t) {
            if (!m_rendering)
                m_panel.setBox(b, t);
        });
        connect(box, &EntryBox::left, this, [this, b] { m_panel.leaveBox(b); });
    }
    connect(m_buttons[0], &QPushButton::clicked, this, [this] { act(&PrintPanel::print); });
    connect(m_buttons[2], &QPushButton::clicked, this, [this] { act(&PrintPanel::setup); });
    connect(m_buttons[3], &QPushButton::clicked, this, [this] { act(&PrintPanel::pdf); });
    connect(m_buttons[4], &QPushButton::clicked, this, [this] { act(&PrintPanel::preview); });
    connect(m_buttons[1], &QPushButton::clicked, this, [this] {
        EntryQueue::of(this).flush();
        m_panel.close();
        render();
        Q_EMIT closed();
    });
}

PrintPanelWidget::~PrintPanelWidget() = default;

void PrintPanelWidget::open(const QList<EmployeeLine> &staff, const QString &monthFolder,
                            const CalcSettings &settings, const SheetReview &review) {
    m_panel.open(staff, monthFolder, settings, review);
    render();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void PrintPanelWidget::act(void (PrintPanel::*f)(PrintTargets &)) {
    // The box the click took the focus from is left before the button acts.
    EntryQueue::of(this).flush();
    (m_panel.*f)(*m_targets);
    render();
}

void PrintPanelWidget::overHoursList(PrintPanel::ListTarget where) {
    EntryQueue::of(this).flush();
    m_panel.overHoursList(*m_targets, where);
    render();
}

void PrintPanelWidget::render() {
    m_rendering = true;
    setVisible(m_panel.visible());
    m_all->setChecked(!m_panel.designated());
    m_designated->setChecked(m_panel.designated());
    m_history->setChecked(m_panel.withHistory());
    for (int b = 0; b < PrintPanel::kBoxes; ++b) {
        EntryBox *box = m_boxes[static_cast<size_t>(b)];
        if (box->text() != m_panel.box(b))
            box->setText(m_panel.box(b));
    }
    m_overHours->setText(QStringLiteral("%1時間超の一覧").arg(m_panel.overHours().limitHours));
    // Two lines: how many, and who (as many as fit); each reason in the tip.
    const QStringList &who = m_panel.toCheckWho();
    QString text;
    if (!who.isEmpty())
        text = QStringLiteral("※ 確かめてから印刷してください（%1名）\n").arg(who.size()) +
               m_toCheck->fontMetrics().elidedText(who.join(QStringLiteral("、")), Qt::ElideRight,
                                                   width() - 40);
    if (m_toCheck->text() != text) {
        m_toCheck->setText(text);
        m_toCheck->setToolTip(m_panel.toCheck().join(QLatin1Char('\n')));
        m_toCheck->setVisible(!text.isEmpty());
        adjustSize();
        // A taller panel stays inside the screen it stands on.
        if (QWidget *host = parentWidget(); host && geometry().bottom() > host->height() - 4)
            move(x(), std::max(0, host->height() - 4 - height()));
    }
    m_rendering = false;
}
