#pragma once

#include "data/EmployeeLine.h"

#include <QStyledItemDelegate>

class CapsMonitor;
class QListWidget;

// The overtime caps in the staff list List1: a red "！" at the visible right
// edge of the line of an employee who exceeds a cap, and a tool tip naming the
// caps. The line's text stays the list's own entry; the mark is drawn over the
// item. A line longer than the list is wide ends with "…" (the list never
// scrolls sideways, which would take the marks out of view) and shows whole in
// its tool tip.
namespace staffcapsmarks {

// The item data role holding whether a line is marked.
inline constexpr int kRole = Qt::UserRole + 41;

// Draws the lists' marks: set once on List1.
void install(QListWidget *list);
// Marks the lines of the list, one for each of the employees, by the caps of
// the month.
void render(QListWidget *list, const CapsMonitor &caps, const QList<EmployeeLine> &employees);

} // namespace staffcapsmarks
