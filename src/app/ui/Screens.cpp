#include "app/ui/ScreenRegistry.h"
#include "punchclock/ui/frmrecoder.h"

// One line a screen: word, and how its widget is made.
void registerScreens(ScreenRegistry &registry) {
    registry.add(QStringLiteral("recorder"),
                 [](ScreenContext &ctx) { return new frmrecoder(ctx); });
}
