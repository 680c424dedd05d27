#pragma once

class QWidget;

namespace placement {
// Centres a window horizontally on its screen and puts its top at the given
// share of the free height (0.5 centres it).
void centre(QWidget *window, double shareOfFreeHeight);
} // namespace placement
