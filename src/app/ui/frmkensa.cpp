#include "app/ui/frmkensa.h"

#include "printing/ui/QtPrintTargets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

QColor toneColor(history::ReportLine::Tone tone) {
    switch (tone) {
    case history::ReportLine::Tone::Unexplained:
        return QColor(0xc0, 0, 0);
    case history::ReportLine::Tone::Interrupted:
        return QColor(0x9a, 0x5b, 0);
    case history::ReportLine::Tone::Plain:
        break;
    }
    return QColor(Qt::black);
}

// A wrapped line measured a little taller than the view measures it: the
// view cuts a line that is a pixel short of its last text line with "…".
class WrapDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(0, 2);
    }
};

} // namespace

frmkensa::frmkensa(Services &s, QWidget *parent)
    : QDialog(parent), m_logic(s), m_targets(std::make_unique<QtPrintTargets>(this)) {
    setObjectName(QStringLiteral("frmkensa"));
    setWindowTitle(QStringLiteral("変更履歴の検査"));
    resize(760, 520);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(14, 12, 14, 12);
    auto *summary = new QLabel(m_logic.summary(), this);
    summary->setObjectName(QStringLiteral("lblkekka"));
    QFont big = summary->font();
    big.setPointSizeF(big.pointSizeF() * 1.25);
    big.setBold(true);
    summary->setFont(big);
    summary->setStyleSheet(m_logic.fine() ? QStringLiteral("color: #1a5e20;")
                                          : QStringLiteral("color: #c00000;"));
    outer->addWidget(summary);
    auto *list = new QListWidget(this);
    list->setObjectName(QStringLiteral("List1"));
    list->setWordWrap(true);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    // Long lines wrap to the width the window ends up with.
    list->setResizeMode(QListView::Adjust);
    list->setItemDelegate(new WrapDelegate(list));
    for (const history::ReportLine &l : m_logic.lines()) {
        auto *item = new QListWidgetItem(l.text, list);
        item->setForeground(toneColor(l.tone));
    }
    outer->addWidget(list, 1);
    auto *buttons = new QHBoxLayout;
    auto *print = new QPushButton(QStringLiteral("印刷"), this);
    print->setObjectName(QStringLiteral("cmdinsatu"));
    auto *pdf = new QPushButton(QStringLiteral("PDF"), this);
    pdf->setObjectName(QStringLiteral("cmdpdf"));
    auto *close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("cmdtojiru"));
    for (QPushButton *b : {print, pdf, close}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(96);
    }
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    buttons->addStretch();
    buttons->addWidget(close);
    outer->addLayout(buttons);
    connect(print, &QPushButton::clicked, this, [this] { m_logic.print(*m_targets); });
    connect(pdf, &QPushButton::clicked, this, [this] { m_logic.pdf(*m_targets); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

frmkensa::~frmkensa() = default;
