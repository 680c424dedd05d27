#include "tally/ui/HistoryViewWidget.h"

#include "screen/ui/PanelFrame.h"
#include "tally/HistoryView.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

HistoryViewWidget::HistoryViewWidget(QWidget *parent, QSize size) : QFrame(parent) {
    setObjectName(QStringLiteral("Picture8"));
    setFixedSize(size);
    hide();
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("lblrireki"));
    QVBoxLayout *body = dressPanel(this, m_title);
    body->setSpacing(6);

    const QStringList headers = history::rowHeaders();
    m_table = new QTableWidget(0, static_cast<int>(headers.size()), this);
    m_table->setObjectName(QStringLiteral("grdrireki"));
    m_table->setHorizontalHeaderLabels(headers);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(24);
    QHeaderView *h = m_table->horizontalHeader();
    const int widths[] = {148, 92, 34, 46, 62, 62};
    for (int c = 0; c < 6; ++c)
        m_table->setColumnWidth(c, widths[c]);
    h->setStretchLastSection(true);
    h->setDefaultAlignment(Qt::AlignCenter);
    body->addWidget(m_table, 1);

    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblrirekinote"));
    m_note->setStyleSheet(QStringLiteral("font-size: 12px; color: #805000;"));
    m_note->setWordWrap(true);
    body->addWidget(m_note);

    auto *row = new QHBoxLayout;
    m_punches = new QCheckBox(QStringLiteral("打刻機での打刻も表示する"), this);
    m_punches->setObjectName(QStringLiteral("chkdakoku"));
    row->addWidget(m_punches);
    row->addStretch();
    m_close = new QPushButton(QStringLiteral("閉じる"), this);
    m_close->setObjectName(QStringLiteral("cmdrireki"));
    m_close->setMinimumSize(96, 32);
    row->addWidget(m_close);
    body->addLayout(row);
}

void HistoryViewWidget::render(const HistoryView &view, const QString &title, bool pending) {
    m_title->setText(title);
    {
        const QSignalBlocker block(m_punches);
        m_punches->setChecked(view.withPunches());
    }
    // The card's values the history does not explain come first, in red.
    const QList<history::Row> unexplained = view.unexplained();
    const QList<history::Row> rows = unexplained + view.rows();
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const history::Row &v = rows[r];
        const QString cells[] = {v.when,    v.function, v.day,   v.field,
                                 v.oldText, v.newText,  v.reason};
        for (int c = 0; c < 7; ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (c >= 2 && c <= 5)
                item->setTextAlignment(Qt::AlignCenter);
            if (c == 6)
                item->setToolTip(cells[c]);
            if (r < unexplained.size()) {
                item->setForeground(QColor(0xc0, 0, 0));
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            m_table->setItem(r, c, item);
        }
    }
    QString note = view.note();
    if (pending)
        note += (note.isEmpty() ? QString() : QStringLiteral("　")) +
                QStringLiteral("確定していない訂正は、確定したときに記録されます。");
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}

QIcon HistoryViewWidget::toolIcon() {
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // A list of lines beside a clock face.
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 3));
    p.setBrush(QColor(0xe8, 0xf0, 0xff));
    p.drawRoundedRect(QRectF(6, 6, 40, 52), 4, 4);
    p.setPen(QPen(QColor(0x50, 0x60, 0x90), 3));
    for (int y = 18; y <= 46; y += 9)
        p.drawLine(13, y, 38, y);
    p.setPen(QPen(QColor(0x33, 0x33, 0x33), 3));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(30, 30, 30, 30));
    p.setPen(QPen(QColor(0xc0, 0x30, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(45, 45), QPointF(45, 35));
    p.drawLine(QPointF(45, 45), QPointF(53, 49));
    return QIcon(pm);
}
