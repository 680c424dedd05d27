#include "tally/ui/StaffCapsMarks.h"

#include "tally/CapsMonitor.h"

#include <QListWidget>
#include <QPainter>

namespace {

const QString kMark = QStringLiteral("！");

// The room the mark takes at the right edge of the visible line.
int markRoom(const QFont &font) {
    QFont bold = font;
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(kMark) + 6;
}

// The width a line of the list has in view: never beyond the list's visible
// edge, so a long name is ended with "…" instead of scrolling the list.
int visibleWidth(const QWidget *view) {
    const auto *list = qobject_cast<const QListWidget *>(view);
    return list ? list->viewport()->width() : 0;
}

class MarkDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        const bool marked = index.data(staffcapsmarks::kRole).toBool();
        QStyleOptionViewItem line(option);
        if (const int width = visibleWidth(option.widget); width > 0)
            line.rect.setRight(qMin(line.rect.right(), width - 1));
        const QRect whole = line.rect;
        // The text leaves the mark its place at the visible edge.
        if (marked)
            line.rect.setRight(line.rect.right() - markRoom(option.font));
        line.textElideMode = Qt::ElideRight;
        QStyledItemDelegate::paint(painter, line, index);
        if (!marked)
            return;
        painter->save();
        QFont f = option.font;
        f.setBold(true);
        painter->setFont(f);
        painter->setPen(QColor(0xd0, 0x00, 0x00));
        painter->drawText(whole.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, kMark);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (const int width = visibleWidth(option.widget); width > 0)
            size.setWidth(qMin(size.width(), width));
        return size;
    }
};

} // namespace

namespace staffcapsmarks {

void install(QListWidget *list) {
    list->setItemDelegate(new MarkDelegate(list));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setTextElideMode(Qt::ElideRight);
}

void render(QListWidget *list, const CapsMonitor &caps, const QList<EmployeeLine> &employees) {
    const int room = list->viewport()->width() - markRoom(list->font()) - 8;
    for (int i = 0; i < list->count() && i < employees.size(); ++i) {
        QListWidgetItem *item = list->item(i);
        const overtimecaps::Result *r = caps.of(employees[i].code);
        const bool over = r && r->rules != 0;
        if (item->data(kRole).toBool() != over)
            item->setData(kRole, over);
        // A line ended with "…" shows whole in its tool tip.
        QStringList tip;
        if (list->fontMetrics().horizontalAdvance(item->text()) > room)
            tip << item->text();
        if (over)
            tip << QStringLiteral("上限超過：\n") +
                       overtimecaps::ruleTexts(r->rules, caps.limits()).join(QLatin1Char('\n'));
        const QString text = tip.join(QLatin1Char('\n'));
        if (item->toolTip() != text)
            item->setToolTip(text);
    }
}

} // namespace staffcapsmarks
