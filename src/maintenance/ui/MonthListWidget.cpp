#include "maintenance/ui/MonthListWidget.h"

#include "maintenance/MonthList.h"
#include "screen/ui/Lists.h"

#include <QColor>
#include <QTimer>

MonthListWidget::MonthListWidget(QWidget *parent, Rule rule)
    : QListWidget(parent), m_rule(std::move(rule)) {
    setObjectName(QStringLiteral("List1"));
    setSelectionMode(QAbstractItemView::MultiSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_rendering || m_pending)
            return;
        // A question box must not open inside the mouse press that toggled
        // the entry.
        m_pending = true;
        QTimer::singleShot(0, this, &MonthListWidget::handOver);
    });
}

void MonthListWidget::handOver() {
    m_pending = false;
    bool handled = false;
    for (int i = 0; i < count() && i < m_shown.size(); ++i) {
        const bool now = item(i)->isSelected();
        if (now == m_shown[i])
            continue;
        m_shown[i] = now;
        const bool kept = m_rule(i, now);
        handled = true;
        if (kept != now) {
            m_rendering = true;
            item(i)->setSelected(kept);
            m_shown[i] = kept;
            m_rendering = false;
        }
    }
    if (handled)
        Q_EMIT clickHandled();
}

void MonthListWidget::render(const MonthList &list) {
    m_rendering = true;
    // A link is shown as damaged; the logic keeps the name itself.
    QStringList shown = list.lines();
    for (int i = 0; i < shown.size(); ++i)
        if (list.isDamaged(i))
            shown[i] += QStringLiteral("（リンク）");
    lists::show(this, shown);
    m_shown.clear();
    for (int i = 0; i < count(); ++i) {
        if (list.isDamaged(i)) {
            item(i)->setForeground(QColor(0xB0, 0x00, 0x00));
            item(i)->setToolTip(
                QStringLiteral("別の場所を指すリンクです。削除もコピーもできません。"));
        }
        const bool selected = list.isSelected(i);
        item(i)->setSelected(selected);
        m_shown.append(selected);
    }
    m_rendering = false;
}
