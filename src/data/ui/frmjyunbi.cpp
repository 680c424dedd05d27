#include "data/ui/frmjyunbi.h"

#include "data/NumberKeys.h"
#include "data/ui/BoxEvents.h"
#include "data/ui/GuidePanel.h"
#include "data/ui/NumberBox.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kNarrowTwips = 6600;
constexpr int kWideTwips = 12600;
constexpr int kHeightTwips = 6900;

} // namespace

frmjyunbi::frmjyunbi(ScreenContext &ctx, QWidget *parent)
    : WorkingScreen(ctx, parent), m_logic(ctx.services) {
    setObjectName(QStringLiteral("frmjyunbi"));
    setWindowTitle(QStringLiteral(" タイムカードの準備"));
    m_events = new BoxEvents(this);
    m_events->left = [this](QWidget *w) { left(w); };
    m_events->key = [this](QWidget *w, QKeyEvent *e) { return key(w, e); };

    auto *body = new QHBoxLayout;
    body->addWidget(buildEntry());
    m_guide = buildGuide();
    body->addWidget(m_guide, 1);
    m_toolbar = guidepanel::layOut(this, body, [this] { showGuide(true); });

    m_opened = m_logic.open();
    if (m_opened)
        render();
    showGuide(false);
}

QWidget *frmjyunbi::buildEntry() {
    auto *page = new QWidget(this);
    page->setFixedWidth(WorkingScreen::twipsToPixels(kNarrowTwips) - 16);
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(0, 0, 0, 0);

    auto *entry = new QGroupBox(QStringLiteral("準備するタイムカード"), page);
    auto *row = new QHBoxLayout(entry);
    const int maxLength[2] = {CardPreparation::kYearMaxLength, CardPreparation::kMonthMaxLength};
    const QString unit[2] = {QStringLiteral("年"), QStringLiteral("月分")};
    // The year is typed in the year style of the settings.
    m_yearStyle = new QLabel(entry);
    row->addWidget(m_yearStyle);
    for (int i = 0; i < 2; ++i) {
        auto *box = new QLineEdit(entry);
        box->setObjectName(QStringLiteral("texcard_") + QString::number(i));
        makeNumberBox(box, maxLength[i]);
        box->setFixedWidth(i == 0 ? 56 : 40);
        m_texcard[static_cast<size_t>(i)] = box;
        m_events->watch(box);
        row->addWidget(box);
        row->addWidget(new QLabel(unit[i], entry));
    }
    row->addStretch();
    m_command2 = new QPushButton(QStringLiteral("準備する"), entry);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setAutoDefault(true);
    connect(m_command2, &QPushButton::clicked, this, [this] {
        m_logic.prepare();
        render();
    });
    row->addWidget(m_command2);
    v->addWidget(entry);

    v->addWidget(new QLabel(QStringLiteral("◆今までに準備されたタイムカードの一覧"), page));
    m_list = new QListWidget(page);
    m_list->setObjectName(QStringLiteral("List1"));
    v->addWidget(m_list, 1);

    auto *latestRow = new QHBoxLayout;
    latestRow->addWidget(new QLabel(QStringLiteral("最新のタイムカード："), page));
    m_latest = new QLabel(page);
    m_latest->setObjectName(QStringLiteral("lblcard_0"));
    m_latest->setFrameShape(QFrame::Panel);
    m_latest->setFrameShadow(QFrame::Sunken);
    m_latest->setMinimumWidth(120);
    latestRow->addWidget(m_latest);
    latestRow->addStretch();
    v->addLayout(latestRow);
    return page;
}

QFrame *frmjyunbi::buildGuide() {
    QFrame *panel = guidepanel::make(
        this, {QStringLiteral("◆タイムカードの準備"),
               QStringLiteral("給与計算期間の初日より前に、タイムカードを準備してください。"
                              "タイムカードのない従業員はカード差しに表示されません。"),
               QStringLiteral("◆途中で入社した従業員"),
               QStringLiteral("従業員の登録の後、同じ年月でもう一度「準備する」を押すと、"
                              "足りないタイムカードだけが追加されます。"),
               QStringLiteral("◆給与計算期間とタイムカードの年月（5月分の例）"),
               QStringLiteral("月末締(当月分) ⇒ 5月1日～5月31日\n"
                              "20日締(翌月分) ⇒ 4月21日～5月20日\n"
                              "10日締(当月分) ⇒ 5月11日～6月10日\n"
                              "25日締(翌月分) ⇒ 4月26日～5月25日")});
    auto *close = panel->findChild<QPushButton *>(QStringLiteral("Command1"));
    connect(close, &QPushButton::clicked, this, [this] { showGuide(false); });
    return panel;
}

void frmjyunbi::showGuide(bool shown) {
    m_guide->setVisible(shown);
    setTwipsSize(shown ? kWideTwips : kNarrowTwips, kHeightTwips);
}

void frmjyunbi::render() {
    m_yearStyle->setText(m_logic.settings().wareki() ? QStringLiteral("和暦")
                                                     : QStringLiteral("西暦"));
    m_list->clear();
    m_list->addItems(m_logic.months());
    m_latest->setText(m_logic.latest());
}

void frmjyunbi::left(QWidget *box) {
    if (m_closed)
        return;
    if (box == m_texcard[0])
        m_logic.leaveYear(m_texcard[0]->text());
    else if (box == m_texcard[1])
        m_logic.leaveMonth(m_texcard[1]->text());
}

bool frmjyunbi::key(QWidget *box, QKeyEvent *event) {
    const int k = event->key();
    auto *line = qobject_cast<QLineEdit *>(box);
    if (k == Qt::Key_Escape) {
        line->clear();
        return true;
    }
    if (k == Qt::Key_Return || k == Qt::Key_Enter) {
        QWidget *next = box == m_texcard[0] ? static_cast<QWidget *>(m_texcard[1]) : m_command2;
        QTimer::singleShot(0, next, [next] { next->setFocus(Qt::TabFocusReason); });
        return true;
    }
    return !acceptsNumberKey(k, event->text()) && !event->text().isEmpty();
}

void frmjyunbi::closeEvent(QCloseEvent *event) {
    event->accept();
    if (m_closed)
        return;
    m_closed = true;
    if (m_opened) // otherwise the program is ending
        m_ctx.host.showPunchClock();
}
