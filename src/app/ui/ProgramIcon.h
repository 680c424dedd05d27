#pragma once

#include <QIcon>

namespace programicon {
// The program's own icon, a time card with a clock, in every size it is drawn in.
QIcon icon();
} // namespace programicon
