#include "data/ui/frmjyunbi.h"

#include "screen/ui/EntryBox.h"
#include "screen/ui/GuidePanel.h"
#include "screen/ui/Lists.h"
#include "screen/ui/ScreenToolbar.h"

#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
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

    auto *body = new QHBoxLayout;
    body->setContentsMargins(8, 4, 8, 8);
    body->addWidget(buildEntry());
    QFrame *guide = buildGuide();
    body->addWidget(guide, 1);
    m_toolbar = screentoolbar::layOut(this, body);
    setGuide(guide, {kNarrowTwips, kHeightTwips}, {kWideTwips, kHeightTwips});
    showGuide(false);
    open();
}

bool frmjyunbi::load() {
    if (!m_logic.open())
        return false;
    render();
    return true;
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
        EntryBox *box = EntryBox::create(entry, QStringLiteral("texcard_") + QString::number(i),
                                         KeyFilter::Digits, maxLength[i]);
        box->lineEdit()->setAlignment(Qt::AlignRight);
        box->lineEdit()->setFixedWidth(i == 0 ? 56 : 40);
        m_texcard[static_cast<size_t>(i)] = box;
        row->addWidget(box->widget());
        row->addWidget(new QLabel(unit[i], entry));
    }
    connect(m_texcard[0], &EntryBox::left, this,
            [this] { m_logic.leaveYear(m_texcard[0]->text()); });
    connect(m_texcard[1], &EntryBox::left, this,
            [this] { m_logic.leaveMonth(m_texcard[1]->text()); });
    row->addStretch();
    m_command2 = new QPushButton(QStringLiteral("準備する"), entry);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setAutoDefault(true);
    connect(m_command2, &QPushButton::clicked, this, [this] {
        m_logic.prepare();
        render();
    });
    row->addWidget(m_command2);
    m_texcard[0]->setNext(m_texcard[1]->widget());
    m_texcard[1]->setNext(m_command2);
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
    return guidepanel::make(
        this,
        {QStringLiteral("◆タイムカードの準備"),
         QStringLiteral("給与計算期間の初日より前に、タイムカードを準備してください。"
                        "タイムカードのない従業員はカード差しに表示されません。"),
         QStringLiteral("◆途中で入社した従業員"),
         QStringLiteral("従業員の登録の後、同じ年月でもう一度「準備する」を押すと、"
                        "足りないタイムカードだけが追加されます。"),
         QStringLiteral("◆給与計算期間とタイムカードの年月（5月分の例）"),
         QStringLiteral("月末締(当月分) ⇒ 5月1日～5月31日\n"
                        "20日締(翌月分) ⇒ 4月21日～5月20日\n"
                        "10日締(当月分) ⇒ 5月11日～6月10日\n"
                        "25日締(翌月分) ⇒ 4月26日～5月25日")},
        [this] { showGuide(false); });
}

void frmjyunbi::render() {
    m_yearStyle->setText(m_logic.settings().wareki() ? QStringLiteral("和暦")
                                                     : QStringLiteral("西暦"));
    lists::show(m_list, m_logic.months());
    m_latest->setText(m_logic.latest());
}
