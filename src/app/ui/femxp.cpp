#include "app/ui/femxp.h"

#include "app/ui/Placement.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

femxp::femxp(Services &services, QWidget *parent)
    : QDialog(parent), m_s(services), m_style(services) {
    setObjectName(QStringLiteral("femxp"));
    setWindowTitle(QStringLiteral(" 画面調整"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    m_check = new QCheckBox(QStringLiteral("デスクトップは Windowsクラシックを使用する"), this);
    m_check->setObjectName(QStringLiteral("Check1"));
    m_check->setEnabled(m_style.checkEnabled());
    m_check->setChecked(m_style.checked());
    connect(m_check, &QCheckBox::toggled, this, [this](bool on) { m_style.setChecked(on); });

    auto *note = new QLabel(QStringLiteral("（ ＸＰ、Ｖｉｓｔａ　の場合 ）"), this);
    auto *next = new QLabel(QStringLiteral("次に開く画面から有効になります"), this);
    next->setStyleSheet(QStringLiteral("color: #800000;"));
    auto *close = new QPushButton(QStringLiteral("閉 じ る"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setMinimumWidth(100);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->addWidget(m_check);
    auto *noteRow = new QHBoxLayout;
    noteRow->addSpacing(24);
    noteRow->addWidget(note);
    noteRow->addStretch();
    layout->addLayout(noteRow);
    layout->addSpacing(12);
    layout->addWidget(next);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

void femxp::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    placement::centre(this, 0.5);
}

void femxp::done(int result) {
    // Both the button and the window's close write the file, once.
    if (!m_written) {
        m_written = true;
        if (!m_style.close())
            m_s.dialogs.notice(QStringLiteral("画面調整の設定を保存できませんでした。"));
    }
    QDialog::done(result);
}
