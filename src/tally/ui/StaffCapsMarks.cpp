#include "tally/ui/StaffCapsMarks.h"

#include "tally/CapsMonitor.h"

#include <QListWidget>
#include <QPainter>

namespace {

class MarkDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (!index.data(staffcapsmarks::kRole).toBool())
            return;
        painter->save();
        QFont f = option.font;
        f.setBold(true);
        painter->setFont(f);
        painter->setPen(QColor(0xd0, 0x00, 0x00));
        const QRect r = option.rect.adjusted(0, 0, -4, 0);
        painter->drawText(r, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("！"));
        painter->restore();
    }
};

} // namespace

namespace staffcapsmarks {

void install(QListWidget *list) {
    list->setItemDelegate(new MarkDelegate(list));
}

void render(QListWidget *list, const CapsMonitor &caps, const QList<EmployeeLine> &employees) {
    for (int i = 0; i < list->count() && i < employees.size(); ++i) {
        QListWidgetItem *item = list->item(i);
        const overtimecaps::Result *r = caps.of(employees[i].code);
        const bool over = r && r->rules != 0;
        if (item->data(kRole).toBool() != over)
            item->setData(kRole, over);
        const QString tip =
            over ? QStringLiteral("上限超過：\n") +
                       overtimecaps::ruleTexts(r->rules, caps.limits()).join(QLatin1Char('\n'))
                 : QString();
        if (item->toolTip() != tip)
            item->setToolTip(tip);
    }
}

} // namespace staffcapsmarks
