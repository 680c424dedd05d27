#pragma once

#include <QString>

class QLabel;

namespace fitlabel {

// Shows text whole in the label: in the largest font size from largestPx down
// to smallestPx that fits its width; a text too long even then is cut at its
// end with "…", and the label's tooltip gives it whole. The label keeps its
// font's face and weight and must have no font size in its style sheet.
void show(QLabel *label, const QString &text, int largestPx, int smallestPx);

} // namespace fitlabel
