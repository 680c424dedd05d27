#include "screen/ui/Lists.h"

#include <QComboBox>
#include <QKeyEvent>
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

class EnterClicks : public QObject {
public:
    EnterClicks(QListWidget *list, std::function<void(int)> click)
        : QObject(list), m_list(list), m_click(std::move(click)) {}

    bool eventFilter(QObject *watched, QEvent *e) override {
        if (e->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, e);
        const auto *key = static_cast<QKeyEvent *>(e);
        const bool click = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                           key->key() == Qt::Key_Space;
        if (!click || (key->modifiers() & Qt::ControlModifier) || m_list->currentRow() < 0)
            return QObject::eventFilter(watched, e);
        m_click(m_list->currentRow());
        return true;
    }

private:
    QListWidget *m_list;
    std::function<void(int)> m_click;
};
} // namespace

void show(QListWidget *list, const QStringList &lines) {
    replaceIfChanged(list, lines, [list](int i) { return list->item(i)->text(); });
}

void show(QComboBox *combo, const QStringList &lines) {
    replaceIfChanged(combo, lines, [combo](int i) { return combo->itemText(i); });
}

void clickOnEnter(QListWidget *list, std::function<void(int row)> click) {
    list->installEventFilter(new EnterClicks(list, std::move(click)));
}

} // namespace lists
