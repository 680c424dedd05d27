#include "screen/ui/ScreenToolbar.h"

#include "screen/ui/ToolIcons.h"
#include "screen/ui/WorkingScreen.h"

#include <QAction>
#include <QToolBar>
#include <QVBoxLayout>

namespace screentoolbar {

Button closeButton() {
    return {toolicons::closeScreen(), QStringLiteral("閉じる"),
            QStringLiteral("この画面を閉じます")};
}

Button guideButton() {
    return {toolicons::guide(), QStringLiteral("ガイド"), QStringLiteral("操作ガイドを開きます")};
}

QToolBar *make(QWidget *parent, const QList<Button> &buttons, const Look &look) {
    auto *bar = new QToolBar(parent);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setMovable(false);
    bar->setIconSize(look.iconSize);
    bar->setToolButtonStyle(look.style);
    for (qsizetype n = 0; n < buttons.size(); ++n) {
        const Button &b = buttons[n];
        QAction *a = bar->addAction(b.icon, b.text);
        a->setObjectName(QStringLiteral("Toolbar1_%1").arg(n + 1));
        a->setToolTip(b.tip);
    }
    return bar;
}

QToolBar *layOut(WorkingScreen *screen, QBoxLayout *body, std::function<void()> openGuide) {
    QToolBar *toolbar = make(screen, {closeButton(), guideButton()});
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

} // namespace screentoolbar
