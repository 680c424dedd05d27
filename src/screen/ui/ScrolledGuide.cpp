#include "screen/ui/ScrolledGuide.h"

#include "screen/ui/WorkingScreen.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
constexpr int kTextTopTwips = 430;
} // namespace

ScrolledGuide::ScrolledGuide(const Look &look, int height, std::function<void()> close,
                             QWidget *parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("Picture3"));
    setFixedSize(look.width, height);
    setFrameShape(look.frame);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, look.background);
    setPalette(pal);

    auto *title = new QLabel(QStringLiteral("操作ガイド"), this);
    title->setGeometry(10, 4, 160, 20);
    title->setStyleSheet(
        QStringLiteral("font-size: %1px; font-weight: bold;").arg(look.titlePixels));
    auto *top = new QPushButton(QStringLiteral("閉じる"), this);
    top->setObjectName(look.topName);
    top->setGeometry(look.width - 84, 3, 76, 24);
    connect(top, &QPushButton::clicked, this, close);

    const int textTop = WorkingScreen::twipsToPixels(kTextTopTwips);
    m_viewport = new QWidget(this);
    m_viewport->setGeometry(6, textTop, look.width - 30, height - textTop - 44);

    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName(QStringLiteral("VScroll2"));
    m_scroll->setGeometry(look.width - 22, textTop, 16, m_viewport->height());
    m_scroll->setSingleStep(300);
    m_scroll->setPageStep(m_viewport->height() * 15);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this, textTop](int v) {
        if (m_text)
            m_text->move(0, WorkingScreen::twipsToPixels(kTextTopTwips - v) - textTop);
    });

    auto *foot = new QPushButton(QStringLiteral("閉じる"), this);
    foot->setObjectName(look.footName);
    foot->setGeometry(look.width - 96, height - 38, 88, 30);
    connect(foot, &QPushButton::clicked, this, std::move(close));
}

void ScrolledGuide::setText(QWidget *text) {
    m_text = text;
    m_text->move(0, 0);
    m_scroll->setRange(0, std::max(0, m_text->height() - m_viewport->height()) * 15);
    m_scroll->setValue(0);
}

void ScrolledGuide::reset() {
    m_scroll->setValue(0);
}

void ScrolledGuide::wheelEvent(QWheelEvent *e) {
    QApplication::sendEvent(m_scroll, e);
}
