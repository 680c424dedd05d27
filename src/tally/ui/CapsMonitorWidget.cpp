#include "tally/ui/CapsMonitorWidget.h"

#include "tally/TimeText.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kNormal = QStringLiteral("color: #202020;");
const QString kOver = QStringLiteral("color: #c00000; font-weight: bold;");

// The rule each line of the box is held against.
constexpr overtimecaps::Rule kLineRule[] = {overtimecaps::MonthOver, overtimecaps::MonthTotalOver,
                                            overtimecaps::AverageOver, overtimecaps::YearOver,
                                            overtimecaps::TooManyMonths};

} // namespace

CapsMonitorWidget::CapsMonitorWidget(int width, QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("fracaps"));
    setFrameShape(QFrame::StyledPanel);
    setFixedSize(width, kHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xfb, 0xfa, 0xf4));
    setPalette(pal);
    setStyleSheet(QStringLiteral("QLabel { font-size: 12px; }"));

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 4, 6, 4);
    outer->setSpacing(2);
    auto *head = new QHBoxLayout;
    auto *title = new QLabel(QStringLiteral("時間外・休日の上限"), this);
    title->setStyleSheet(QStringLiteral("font-size: 13px; font-weight: bold; color: #303030;"));
    head->addWidget(title);
    head->addStretch();
    m_settings = new QPushButton(QStringLiteral("設定..."), this);
    m_settings->setObjectName(QStringLiteral("cmdjougen"));
    m_settings->setToolTip(QStringLiteral("上限の時間数を設定します"));
    m_settings->setFocusPolicy(Qt::TabFocus);
    m_settings->setFixedSize(54, 22);
    head->addWidget(m_settings);
    outer->addLayout(head);

    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    for (int i = 0; i < kRows; ++i) {
        m_captions[static_cast<size_t>(i)] = new QLabel(this);
        m_values[static_cast<size_t>(i)] = new QLabel(this);
        m_values[static_cast<size_t>(i)]->setObjectName(QStringLiteral("lblcaps_%1").arg(i));
        m_values[static_cast<size_t>(i)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_rules[static_cast<size_t>(i)] = new QLabel(this);
        m_rules[static_cast<size_t>(i)]->setObjectName(QStringLiteral("lblcapsrule_%1").arg(i));
        m_rules[static_cast<size_t>(i)]->setStyleSheet(QStringLiteral("color: #c00000;"));
        m_rules[static_cast<size_t>(i)]->setIndent(10);
        m_rules[static_cast<size_t>(i)]->hide();
        grid->addWidget(m_captions[static_cast<size_t>(i)], 2 * i, 0);
        grid->addWidget(m_values[static_cast<size_t>(i)], 2 * i, 1);
        grid->addWidget(m_rules[static_cast<size_t>(i)], 2 * i + 1, 0, 1, 2);
    }
    outer->addLayout(grid);
    outer->addStretch();
    m_note = new QLabel(this);
    m_note->setStyleSheet(QStringLiteral("font-size: 11px; color: #707070;"));
    m_note->setToolTip(QStringLiteral(
        "時間数は、確定したタイムカードの認定時間数（法定外・休日）から集計します。\n"
        "タイムカードのない月や確定していない月は、平均でも0時間として数えます。"));
    outer->addWidget(m_note);
    render(nullptr, CapLimits());
}

void CapsMonitorWidget::render(const overtimecaps::Result *caps, const CapLimits &limits) {
    const QString captions[kRows] = {
        QStringLiteral("今月の法定外"), QStringLiteral("今月の法定外＋休日"),
        caps ? QStringLiteral("平均の最高（%1か月）").arg(caps->averageMonths)
             : QStringLiteral("2～6か月平均の最高"),
        QStringLiteral("12か月の法定外"),
        QStringLiteral("%1時間超の月数").arg(limits[CapLimits::MonthBeyond])};
    QString values[kRows];
    if (caps) {
        values[0] = timetext::hoursText(caps->monthBeyond);
        values[1] = timetext::hoursText(caps->monthTotal);
        values[2] = timetext::hoursText(caps->averageMinutes());
        values[3] = timetext::hoursText(caps->yearBeyond);
        values[4] = QStringLiteral("%1回").arg(caps->monthsOver);
    }
    for (int i = 0; i < kRows; ++i) {
        const auto k = static_cast<size_t>(i);
        const bool over = caps && caps->exceeds(kLineRule[i]);
        m_captions[k]->setText(captions[i]);
        m_captions[k]->setStyleSheet(over ? kOver : kNormal);
        m_values[k]->setText(caps ? values[i] : QStringLiteral("－"));
        m_values[k]->setStyleSheet(over ? kOver : kNormal);
        m_rules[k]->setText(
            over ? QStringLiteral("▲ ") + overtimecaps::ruleText(kLineRule[i], limits) : QString());
        m_rules[k]->setVisible(over);
    }
    if (caps && caps->monthsMissing > 0)
        m_note->setText(QStringLiteral("未確定の月（%1）は0時間で計算").arg(caps->monthsMissing));
    else
        m_note->setText(QStringLiteral("未確定の月は0時間で計算"));
}

QStringList CapsMonitorWidget::shownRules() const {
    QStringList out;
    for (const QLabel *l : m_rules)
        if (l->isVisibleTo(this))
            out.append(l->text().mid(2));
    return out;
}
