#include "app/ui/frmhlp.h"

#include "app/UsageGuide.h"
#include "app/ui/Placement.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

frmhlp::frmhlp(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmhlp"));
    setWindowTitle(QStringLiteral(" このソフトの使い方"));

    auto *text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("Text1"));
    // Section headings stand out; the text itself stays as written.
    QString html;
    for (const QString &line : usageguide::text().split(QLatin1Char('\n'))) {
        if (line.isEmpty())
            continue;
        const QString escaped = line.toHtmlEscaped();
        html +=
            line.startsWith(QStringLiteral("■"))
                ? QStringLiteral("<h3 style='margin-top:14px'>") + escaped + QStringLiteral("</h3>")
                : QStringLiteral("<p style='margin:4px 0'>") + escaped + QStringLiteral("</p>");
    }
    text->setHtml(html);
    text->setFrameShape(QFrame::StyledPanel);
    QFont f = text->font();
    f.setPointSize(f.pointSize() + 1);
    text->setFont(f);

    auto *close = new QPushButton(QStringLiteral("閉 じ る"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setMinimumWidth(100);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(buttons);
    resize(680, 640);
}

void frmhlp::showPlaced() {
    const bool wasVisible = isVisible();
    show();
    if (!wasVisible)
        placement::centre(this, 1.0 / 3.0);
    raise();
    activateWindow();
}
