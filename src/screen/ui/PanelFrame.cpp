#include "screen/ui/PanelFrame.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

QVBoxLayout *dressPanel(QFrame *panel, QLabel *title) {
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);

    auto *outer = new QVBoxLayout(panel);
    outer->setContentsMargins(0, 0, 0, 10);
    outer->setSpacing(8);
    title->setStyleSheet(QStringLiteral("background: #1f3f7a; color: white; font-size: 15px;"
                                        "font-weight: bold; padding: 5px 10px;"));
    outer->addWidget(title);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 0, 12, 0);
    body->setSpacing(8);
    outer->addLayout(body);
    return body;
}
