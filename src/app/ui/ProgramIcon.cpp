#include "app/ui/ProgramIcon.h"

// The resources live in a static library: their registration must be pulled in.
static void initResources() {
    Q_INIT_RESOURCE(resources);
}

namespace programicon {

QIcon icon() {
    initResources();
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/kelvane-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace programicon
