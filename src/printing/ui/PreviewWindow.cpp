#include "printing/ui/PreviewWindow.h"

#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

PreviewWindow::PreviewWindow(QPrinter &printer, const QString &title,
                             std::function<void(QPrinter &)> paint, QWidget *parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(title + QStringLiteral(" - プレビュー"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_view = new QPrintPreviewWidget(&printer, this);
    m_view->setObjectName(QStringLiteral("preview"));
    connect(m_view, &QPrintPreviewWidget::paintRequested, this,
            [paint](QPrinter *p) { paint(*p); });
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, [this] { showPage(); });

    bar->addAction(QStringLiteral("前のページ"), this, [this] {
        m_view->setCurrentPage(m_view->currentPage() - 1);
        showPage();
    });
    bar->addAction(QStringLiteral("次のページ"), this, [this] {
        m_view->setCurrentPage(m_view->currentPage() + 1);
        showPage();
    });
    m_page = new QLabel(bar);
    m_page->setMinimumWidth(90);
    m_page->setAlignment(Qt::AlignCenter);
    bar->addWidget(m_page);
    bar->addSeparator();
    bar->addAction(QStringLiteral("拡大"), m_view, [this] { m_view->zoomIn(); });
    bar->addAction(QStringLiteral("縮小"), m_view, [this] { m_view->zoomOut(); });
    bar->addAction(QStringLiteral("ページ全体"), m_view, [this] { m_view->fitInView(); });
    bar->addAction(QStringLiteral("幅に合わせる"), m_view, [this] { m_view->fitToWidth(); });
    auto *spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    auto *print = new QPushButton(QStringLiteral("印　刷"), bar);
    print->setObjectName(QStringLiteral("print"));
    auto *close = new QPushButton(QStringLiteral("閉じる"), bar);
    close->setObjectName(QStringLiteral("close"));
    bar->addWidget(print);
    bar->addWidget(close);
    connect(print, &QPushButton::clicked, this, [this] {
        m_print = true;
        accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    layout->addWidget(bar);
    layout->addWidget(m_view, 1);
    resize(760, 900);
}

void PreviewWindow::showPage() {
    m_page->setText(QString::number(m_view->currentPage()) + QStringLiteral(" / ") +
                    QString::number(m_view->pageCount()) + QStringLiteral(" ページ"));
}
