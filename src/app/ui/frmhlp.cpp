#include "app/ui/frmhlp.h"

#include "app/UsageGuide.h"
#include "app/ui/Placement.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

frmhlp::frmhlp(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmhlp"));
    setWindowTitle(QStringLiteral(" このソフトの使い方"));

    auto *text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("Text1"));
    text->setPlainText(usageguide::text());
    text->setFrameShape(QFrame::StyledPanel);
    QFont f = text->font();
    f.setPointSize(f.pointSize() + 1);
    text->setFont(f);

    auto *close = new QPushButton(QStringLiteral("閉 じ る"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setMinimumWidth(100);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(buttons);
    resize(620, 520);
}

void frmhlp::showPlaced() {
    const bool wasVisible = isVisible();
    show();
    if (!wasVisible)
        placement::centre(this, 1.0 / 3.0);
    raise();
    activateWindow();
}
