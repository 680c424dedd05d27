#pragma once

#include <QString>

namespace usageguide {
// The fixed text of the usage guide window, section by section.
QString text();
} // namespace usageguide
