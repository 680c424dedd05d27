#pragma once

#include "data/EmployeeLine.h"

#include <QStyledItemDelegate>

class CapsMonitor;
class QListWidget;

// The overtime caps in the staff list List1: a red "！" after the name of an
// employee who exceeds a cap, and a tool tip naming the caps. The line's text
// stays the list's own entry; the mark is drawn over the item.
namespace staffcapsmarks {

// The item data role holding whether a line is marked.
inline constexpr int kRole = Qt::UserRole + 41;

// Draws the lists' marks: set once on List1.
void install(QListWidget *list);
// Marks the lines of the list, one for each of the employees, by the caps of
// the month.
void render(QListWidget *list, const CapsMonitor &caps, const QList<EmployeeLine> &employees);

} // namespace staffcapsmarks
