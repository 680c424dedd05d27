#pragma once

#include <QStringList>
#include <functional>

class QComboBox;
class QListWidget;

// Lists that a render fills: their lines are replaced only when they differ,
// so a render leaves the scroll position and the user's place alone.
namespace lists {

void show(QListWidget *list, const QStringList &lines);
void show(QComboBox *combo, const QStringList &lines);

// Enter or Space on the list's current line acts as a click on it. With
// Ctrl held the key is left to the screen's own shortcuts.
void clickOnEnter(QListWidget *list, std::function<void(int row)> click);

} // namespace lists
