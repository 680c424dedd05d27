#include "tally/ui/CapLimitsDialog.h"

#include "screen/ui/EntryBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CapLimitsDialog::CapLimitsDialog(const CapLimits &limits, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs), m_limits(limits) {
    setObjectName(QStringLiteral("frmjougen"));
    setWindowTitle(QStringLiteral("時間外・休日労働の上限"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(16, 14, 16, 12);
    outer->setSpacing(10);
    auto *guide = new QLabel(QStringLiteral("次の時間数を超えると、集計画面で赤く表示します。\n"
                                            "法定外・休日は、確定した認定時間数から集計します。"),
                             this);
    outer->addWidget(guide);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    for (int i = 0; i < CapLimits::kCount; ++i) {
        EntryBox *box =
            EntryBox::create(this, QStringLiteral("texjougen_%1").arg(i), KeyFilter::Digits, 4);
        box->setEscape(EntryBox::Escape::Empties);
        box->lineEdit()->setAlignment(Qt::AlignRight);
        box->lineEdit()->setFixedWidth(60);
        m_boxes[static_cast<size_t>(i)] = box;
        grid->addWidget(new QLabel(CapLimits::caption(i), this), i, 0);
        grid->addWidget(box->widget(), i, 1);
        grid->addWidget(new QLabel(CapLimits::unit(i), this), i, 2);
        const auto range = new QLabel(
            QStringLiteral("（初期値 %1）").arg(CapLimits::kDefaults[static_cast<size_t>(i)]),
            this);
        range->setStyleSheet(QStringLiteral("color: #606060;"));
        grid->addWidget(range, i, 3);
    }
    outer->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    auto *defaults = new QPushButton(QStringLiteral("初期値に戻す"), this);
    defaults->setObjectName(QStringLiteral("cmdsyokiti"));
    auto *save = new QPushButton(QStringLiteral("保存"), this);
    save->setObjectName(QStringLiteral("cmdhozon"));
    save->setDefault(false);
    save->setAutoDefault(false);
    auto *cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("cmdcancel"));
    cancel->setAutoDefault(false);
    defaults->setAutoDefault(false);
    buttons->addWidget(defaults);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    outer->addLayout(buttons);

    for (int i = 0; i < CapLimits::kCount; ++i)
        m_boxes[static_cast<size_t>(i)]->setNext(
            i + 1 < CapLimits::kCount ? m_boxes[static_cast<size_t>(i + 1)]->widget() : save);
    connect(defaults, &QPushButton::clicked, this, [this] { fill(CapLimits()); });
    connect(save, &QPushButton::clicked, this, &CapLimitsDialog::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    fill(limits);
}

void CapLimitsDialog::fill(const CapLimits &limits) {
    for (int i = 0; i < CapLimits::kCount; ++i)
        m_boxes[static_cast<size_t>(i)]->setText(QString::number(limits[i]));
}

void CapLimitsDialog::save() {
    EntryQueue::of(this).flush();
    QStringList texts;
    for (const EntryBox *b : m_boxes)
        texts.append(b->text());
    const caplimits::Typed typed = caplimits::fromTyped(texts);
    if (!typed.limits) {
        m_dialogs.notice(typed.message);
        QLineEdit *box = m_boxes[static_cast<size_t>(typed.box)]->lineEdit();
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        return;
    }
    m_limits = *typed.limits;
    accept();
}
