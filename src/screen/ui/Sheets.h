#pragma once

#include <QString>

class QWidget;

// Style sheets of the screens. A sheet is set when a widget is built; what a
// render changes (a colour) is set through apply(), which leaves an equal
// sheet alone: setting one re-polishes the widget, and on a screen of many
// labels that costs more than the rest of the render.
namespace sheets {

// "color: #rrggbb;"
QString textColour(quint32 rgb);
// "background: #rrggbb;"
QString background(quint32 rgb);

void apply(QWidget *w, const QString &sheet);

} // namespace sheets
