#include "screen/ui/GuidePanel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace guidepanel {

QFrame *make(QWidget *parent, const QStringList &texts, std::function<void()> close,
             const CloseButton &button) {
    auto *panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("guide"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 225));
    panel->setPalette(pal);
    auto *v = new QVBoxLayout(panel);
    v->setContentsMargins(10, 10, 10, 10);
    const QString headingSign = QStringLiteral("◆");
    const bool headed = std::any_of(texts.begin(), texts.end(),
                                    [&](const QString &t) { return t.startsWith(headingSign); });
    if (headed) {
        auto *title = new QLabel(QStringLiteral("操作ガイド"), panel);
        QFont big = title->font();
        big.setBold(true);
        big.setPointSizeF(big.pointSizeF() * 1.2);
        title->setFont(big);
        v->addWidget(title);
    }
    for (const QString &t : texts) {
        auto *label = new QLabel(t, panel);
        label->setWordWrap(true);
        if (t.startsWith(headingSign)) {
            QFont f = label->font();
            f.setBold(true);
            label->setFont(f);
            label->setContentsMargins(0, 6, 0, 0);
        } else if (headed) {
            label->setContentsMargins(12, 0, 0, 0);
        }
        v->addWidget(label);
    }
    v->addStretch();
    auto *row = new QHBoxLayout;
    row->addStretch();
    auto *closeButton = new QPushButton(button.caption, panel);
    closeButton->setObjectName(button.objectName);
    QObject::connect(closeButton, &QPushButton::clicked, panel, std::move(close));
    row->addWidget(closeButton);
    v->addLayout(row);
    return panel;
}

} // namespace guidepanel
