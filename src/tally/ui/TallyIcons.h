#pragma once

#include <QIcon>

// The images of the tally screen's toolbar, drawn rather than shipped.
namespace tallyicons {

// Toolbar button n (1-4, 7): confirm, correct, print, suspend; 7 the payroll export.
QIcon toolbar(int n);

} // namespace tallyicons
