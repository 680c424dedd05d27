#pragma once

#include <QStringList>

class QComboBox;
class QListWidget;

// Lists that a render fills: their lines are replaced only when they differ,
// so a render leaves the scroll position and the user's place alone.
namespace lists {

void show(QListWidget *list, const QStringList &lines);
void show(QComboBox *combo, const QStringList &lines);

} // namespace lists
