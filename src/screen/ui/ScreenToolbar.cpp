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

QToolBar *closeAndGuide(WorkingScreen *screen, const Look &look) {
    QToolBar *toolbar = make(screen, {closeButton(), guideButton()}, look);
    QObject::connect(toolbar->actions().at(0), &QAction::triggered, screen,
                     &WorkingScreen::closeScreen);
    QObject::connect(toolbar->actions().at(1), &QAction::triggered, screen,
                     [screen] { screen->showGuide(true); });
    return toolbar;
}

QToolBar *layOut(WorkingScreen *screen, QBoxLayout *body, const Look &look) {
    QToolBar *toolbar = closeAndGuide(screen, look);
    auto *outer = new QVBoxLayout(screen);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(toolbar);
    outer->addLayout(body, 1);
    return toolbar;
}

} // namespace screentoolbar
