#include "punchclock/ui/AddPunchPanelWidget.h"

#include "data/StorableText.h"
#include "screen/ui/EntryBox.h"
#include "screen/ui/FitLabel.h"
#include "screen/ui/Lists.h"
#include "screen/ui/Sheets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace {

QLabel *text(const QString &t, QWidget *parent, const QRect &r, const QString &style = {}) {
    auto *l = new QLabel(t, parent);
    l->setGeometry(r);
    if (!style.isEmpty())
        l->setStyleSheet(style);
    return l;
}

} // namespace

AddPunchPanelWidget::AddPunchPanelWidget(AddPunchPanel &panel, QWidget *parent)
    : QFrame(parent), m_panel(panel) {
    setObjectName(QStringLiteral("Picture6"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xf0, 0xf6, 0xff));
    setPalette(pal);

    text(QStringLiteral("【追加打刻】"), this, {10, 8, 200, 26},
         QStringLiteral("font-size: 17px; font-weight: bold; color: #203060;"));
    text(QStringLiteral("既に打刻されている場合は、\n追加打刻できません。"), this,
         {kRight, 6, kWidth - kRight - 8, 36}, QStringLiteral("font-size: 12px; color: #a02020;"));

    text(QStringLiteral("タイムカードの月"), this, {10, 44, 160, 20});
    m_months = new QComboBox(this);
    m_months->setObjectName(QStringLiteral("Combo1"));
    m_months->setGeometry(10, 64, 160, 28);
    text(QStringLiteral("従業員"), this, {10, 100, 160, 20});
    m_employees = new QListWidget(this);
    m_employees->setObjectName(QStringLiteral("List2"));
    m_employees->setGeometry(10, 120, 160, 386);
    m_employees->setStyleSheet(QStringLiteral("font-size: 14px;"));
    m_employees->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_employees->setTextElideMode(Qt::ElideRight);

    text(QStringLiteral("No."), this, {kRight, 52, 30, 24});
    m_code = text({}, this, {kRight + 28, 50, 40, 28},
                  QStringLiteral("font-size: 16px; font-weight: bold;"));
    m_code->setObjectName(QStringLiteral("lbldata_7"));
    m_name = text({}, this, {kRight + 68, 50, kWidth - kRight - 74, 28});
    QFont nameFont(QStringLiteral("IPAGothic"));
    nameFont.setBold(true);
    m_name->setFont(nameFont);
    m_name->setObjectName(QStringLiteral("lbldata_8"));

    const QString unitNames[] = {QStringLiteral("月"), QStringLiteral("日"), QStringLiteral("時"),
                                 QStringLiteral("分")};
    for (int b = 0; b < AddPunchPanel::kBoxes; ++b) {
        EntryBox *box =
            EntryBox::create(this, QStringLiteral("textukihi_%1").arg(2 + b), KeyFilter::Digits, 2);
        const int row = b / 2, col = b % 2;
        const int x = kRight + col * 64, y = 100 + row * 60;
        box->lineEdit()->setAlignment(Qt::AlignCenter);
        box->lineEdit()->setGeometry(x, y, 40, 32);
        box->lineEdit()->setStyleSheet(QStringLiteral("font-size: 17px;"));
        text(unitNames[b], this, {x + 42, y + 6, 20, 22}, QStringLiteral("font-size: 14px;"));
        m_boxes[static_cast<size_t>(b)] = box;
        connect(box, &EntryBox::edited, this, [this, b](const QString &t) {
            if (m_rendering)
                return;
            m_panel.setBox(b, t);
            // The day shown goes as soon as the boxes name another day.
            if (b <= AddPunchPanel::DayBox && m_panel.dateText().isEmpty())
                m_date->clear();
        });
    }
    // The calendar day the punch goes to, under the month and day it was typed as.
    m_date = text({}, this, {kRight, 135, kWidth - kRight - 10, 20},
                  QStringLiteral("font-size: 12px; color: #a02020; font-weight: bold;"));
    m_date->setObjectName(QStringLiteral("lblhizuke"));
    m_weekday = new QComboBox(this);
    m_weekday->setObjectName(QStringLiteral("Combo2"));
    m_weekday->setGeometry(kRight + 128, 100, 92, 32);
    m_weekday->addItems(AddPunchPanel::weekdayChoices());
    m_weekday->setPlaceholderText(QStringLiteral("曜日"));
    m_weekday->setCurrentIndex(-1);

    for (int k = 0; k < kKinds; ++k) {
        auto *o = new QRadioButton(kindCaption(k), this);
        o->setObjectName(QStringLiteral("optuika_%1").arg(k));
        o->setAutoExclusive(false);
        o->setGeometry(kRight + 8, kKindTop + k * kKindRow + 6, 80, kKindRow - 12);
        o->setStyleSheet(QStringLiteral("font-size: 15px;"));
        m_options[static_cast<size_t>(k)] = o;
        connect(o, &QRadioButton::clicked, this, [this, k] {
            EntryQueue::of(this).flush();
            m_panel.chooseKind(k);
            render();
        });
        QLabel *t = text({}, this, {kRight + 96, kKindTop + k * kKindRow, 120, kKindRow});
        t->setObjectName(QStringLiteral("lbldata_%1").arg(9 + k));
        t->setAlignment(Qt::AlignCenter);
        QFont f(QStringLiteral("IPAGothic"));
        f.setPixelSize(22);
        f.setBold(true);
        t->setFont(f);
        m_times[static_cast<size_t>(k)] = t;
    }

    // Why the punch is added: kept in the change history with it.
    const int reasonTop = kKindTop + 4 * kKindRow + 12;
    text(QStringLiteral("理由"), this, {kRight, reasonTop + 4, 34, 24},
         QStringLiteral("font-size: 14px;"));
    m_reason = EntryBox::create(this, QStringLiteral("texriyuu"), KeyFilter::None,
                                AddPunchPanel::kReasonMaxLength);
    m_reason->lineEdit()->setGeometry(kRight + 36, reasonTop, kWidth - kRight - 46, 30);
    m_reason->lineEdit()->setPlaceholderText(QStringLiteral("（任意）打刻忘れ など"));
    connect(m_reason, &EntryBox::edited, this, [this](const QString &t) {
        if (!m_rendering)
            m_panel.setReason(t);
    });

    const int buttonTop = reasonTop + 44;
    m_add = new QPushButton(QStringLiteral("追加する"), this);
    m_add->setObjectName(QStringLiteral("Command7"));
    m_add->setGeometry(kRight, buttonTop, 106, 40);
    m_close = new QPushButton(QStringLiteral("閉 じ る"), this);
    m_close->setObjectName(QStringLiteral("Command8"));
    m_close->setGeometry(kWidth - 118, buttonTop, 106, 40);

    // Enter moves month -> day -> hour -> minute, then to "追加する".
    for (int b = 0; b + 1 < AddPunchPanel::kBoxes; ++b)
        m_boxes[static_cast<size_t>(b)]->setNext(m_boxes[static_cast<size_t>(b + 1)]->widget());
    m_boxes[3]->setNext(m_reason->widget());
    m_reason->setExitTarget(m_add);
    connect(m_boxes[AddPunchPanel::DayBox], &EntryBox::left, this,
            [this] { act(&AddPunchPanel::leaveDayBox); });
    connect(m_boxes[AddPunchPanel::HourBox], &EntryBox::left, this,
            [this] { act(&AddPunchPanel::leaveTimeBox); });
    connect(m_boxes[AddPunchPanel::MinuteBox], &EntryBox::left, this,
            [this] { act(&AddPunchPanel::leaveTimeBox); });

    connect(m_months, &QComboBox::activated, this, [this](int i) {
        m_panel.chooseMonth(m_months->itemText(i));
        render();
    });
    connect(m_employees, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_rendering || row < 0)
            return;
        m_panel.chooseEmployee(row);
        render();
    });
    connect(m_employees, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        m_panel.chooseEmployee(m_employees->row(item));
        render();
    });
    // Queued: a refused choice is told after the list has closed, and the
    // date's weekday shown again.
    connect(
        m_weekday, &QComboBox::currentIndexChanged, this,
        [this](int i) {
            if (m_rendering || i == m_panel.weekday())
                return;
            m_panel.setWeekday(i);
            render();
        },
        Qt::QueuedConnection);
    connect(m_add, &QPushButton::clicked, this, [this] {
        EntryQueue::of(this).flush();
        const bool refused = !m_panel.add() && !storable::holds(m_panel.reason());
        render();
        if (refused)
            m_reason->widget()->setFocus(Qt::OtherFocusReason);
    });
    connect(m_close, &QPushButton::clicked, this, [this] {
        m_panel.close();
        render();
        Q_EMIT changed();
    });
}

void AddPunchPanelWidget::act(void (AddPunchPanel::*f)()) {
    (m_panel.*f)();
    render();
}

void AddPunchPanelWidget::render() {
    m_rendering = true;
    setVisible(m_panel.visible());
    lists::show(m_months, m_panel.months());
    m_months->setCurrentIndex(m_panel.months().indexOf(m_panel.monthChoice()));
    if (m_panel.monthChoice().isEmpty())
        m_months->setCurrentIndex(-1);
    lists::show(m_employees, m_panel.employees());
    m_code->setText(m_panel.codeLabel());
    fitlabel::show(m_name, m_panel.nameLabel(), 16, 10);
    for (int b = 0; b < AddPunchPanel::kBoxes; ++b) {
        EntryBox *box = m_boxes[static_cast<size_t>(b)];
        if (box->text() != m_panel.box(b))
            box->setText(m_panel.box(b));
        box->widget()->setEnabled(m_panel.boxesEnabled());
    }
    m_weekday->setCurrentIndex(m_panel.weekday());
    if (m_reason->text() != m_panel.reason())
        m_reason->setText(m_panel.reason());
    m_reason->widget()->setEnabled(m_panel.boxesEnabled());
    const QString date = m_panel.dateText();
    m_date->setText(date.isEmpty() ? QString() : QStringLiteral("→ ") + date);
    for (int k = 0; k < kKinds; ++k) {
        QRadioButton *o = m_options[static_cast<size_t>(k)];
        o->setEnabled(m_panel.optionEnabled(k));
        o->setChecked(m_panel.optionChecked(k));
        const TimeLabel &l = m_panel.timeLabel(k);
        QLabel *t = m_times[static_cast<size_t>(k)];
        t->setText(l.text);
        sheets::apply(t, sheets::textColour(l.pressed() ? kPressedColour : kPendingColour));
    }
    m_rendering = false;
    update();
}

void AddPunchPanelWidget::paintEvent(QPaintEvent *e) {
    QFrame::paintEvent(e);
    QPainter p(this);
    p.setPen(QPen(QColor(0x60, 0x80, 0xb0), 2));
    p.drawRect(QRectF(1, 1, width() - 2, height() - 2));
    p.setPen(QPen(QColor(0x90, 0xa8, 0xd0), 1));
    const int left = kRight, right = kWidth - 10;
    p.fillRect(left, kKindTop, right - left, 4 * kKindRow, Qt::white);
    for (int k = 0; k <= kKinds; ++k)
        p.drawLine(left, kKindTop + k * kKindRow, right, kKindTop + k * kKindRow);
    p.drawLine(left, kKindTop, left, kKindTop + 4 * kKindRow);
    p.drawLine(right, kKindTop, right, kKindTop + 4 * kKindRow);
    p.drawLine(left + 92, kKindTop, left + 92, kKindTop + 4 * kKindRow);
    p.drawLine(left, 88, right, 88);
}
