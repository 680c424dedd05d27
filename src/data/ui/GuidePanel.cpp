#include "data/ui/GuidePanel.h"

#include "app/ui/WorkingScreen.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace guidepanel {

QToolBar *makeToolbar(QWidget *parent) {
    auto *bar = new QToolBar(parent);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setIconSize(QSize(24, 24));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QStyle *style = parent->style();
    QAction *close =
        bar->addAction(style->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("閉じる"));
    close->setToolTip(QStringLiteral("この画面を閉じます"));
    QAction *guide = bar->addAction(style->standardIcon(QStyle::SP_MessageBoxQuestion),
                                    QStringLiteral("ガイド"));
    guide->setToolTip(QStringLiteral("操作ガイドを開きます"));
    return bar;
}

QFrame *make(QWidget *parent, const QStringList &texts) {
    auto *panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("guide"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 225));
    panel->setPalette(pal);
    auto *v = new QVBoxLayout(panel);
    v->setContentsMargins(10, 10, 10, 10);
    auto *title = new QLabel(QStringLiteral("操作ガイド"), panel);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.2);
    title->setFont(big);
    v->addWidget(title);
    for (const QString &t : texts) {
        auto *label = new QLabel(t, panel);
        label->setWordWrap(true);
        if (t.startsWith(QStringLiteral("◆"))) {
            QFont f = label->font();
            f.setBold(true);
            label->setFont(f);
            label->setContentsMargins(0, 6, 0, 0);
        } else {
            label->setContentsMargins(12, 0, 0, 0);
        }
        v->addWidget(label);
    }
    v->addStretch();
    auto *row = new QHBoxLayout;
    row->addStretch();
    auto *close = new QPushButton(QStringLiteral("閉じる"), panel);
    close->setObjectName(QStringLiteral("Command1"));
    row->addWidget(close);
    v->addLayout(row);
    return panel;
}

QToolBar *layOut(WorkingScreen *screen, QBoxLayout *body, std::function<void()> openGuide) {
    QToolBar *toolbar = makeToolbar(screen);
    QObject::connect(toolbar->actions().at(0), &QAction::triggered, screen,
                     [screen] { screen->closeScreen(); });
    QObject::connect(toolbar->actions().at(1), &QAction::triggered, screen, std::move(openGuide));
    body->setContentsMargins(8, 4, 8, 8);
    auto *outer = new QVBoxLayout(screen);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(toolbar);
    outer->addLayout(body);
    return toolbar;
}

} // namespace guidepanel
