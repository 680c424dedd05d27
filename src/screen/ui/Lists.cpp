#include "screen/ui/Lists.h"

#include <QComboBox>
#include <QListWidget>

namespace lists {

namespace {
template <typename List, typename TextOf>
void replaceIfChanged(List *list, const QStringList &lines, TextOf textOf) {
    bool same = list->count() == lines.size();
    for (int i = 0; same && i < list->count(); ++i)
        same = textOf(i) == lines[i];
    if (same)
        return;
    list->clear();
    list->addItems(lines);
}
} // namespace

void show(QListWidget *list, const QStringList &lines) {
    replaceIfChanged(list, lines, [list](int i) { return list->item(i)->text(); });
}

void show(QComboBox *combo, const QStringList &lines) {
    replaceIfChanged(combo, lines, [combo](int i) { return combo->itemText(i); });
}

} // namespace lists
