#include "app/ui/ScreenRegistry.h"
#include "data/ui/frmmeibo.h"

// One line a screen: word, and how its widget is made.
void registerScreens(ScreenRegistry &registry) {
    registry.add(QStringLiteral("meibo"), [](ScreenContext &ctx) { return new frmmeibo(ctx); });
}
