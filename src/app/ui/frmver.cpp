#include "app/ui/frmver.h"

#include "app/ui/Placement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmver::frmver(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmver"));
    setWindowTitle(QStringLiteral(" バージョン情報"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *name = new QLabel(QStringLiteral("ケルベーン"), this);
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    name->setFont(big);
    auto *date = new QLabel(QStringLiteral("2007-03"), this);
    date->setObjectName(QStringLiteral("lbldate"));
    auto *version = new QLabel(QStringLiteral("Version 3.0"), this);
    version->setObjectName(QStringLiteral("lblversion"));
    auto *ok = new QPushButton(QStringLiteral("O K"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    ok->setMinimumWidth(100);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    text->addWidget(date);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 16);
    layout->addLayout(text);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

void frmver::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    placement::centre(this, 0.5);
}
