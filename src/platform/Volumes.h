#pragma once

#include <QStringList>

// The mounted volumes a user can pick a folder on (a second disk, a USB
// stick, a network share): their root folders, sorted. Kernel file systems
// and the system's device and process folders are left out.
namespace volumes {

QStringList mountedRoots();

} // namespace volumes
