#include "app/ui/ScreenRegistry.h"
#include "data/ui/frmjyunbi.h"
#include "data/ui/frmkeisankijyun.h"

// One line a screen: word, and how its widget is made.
void registerScreens(ScreenRegistry &registry) {
    registry.add(QStringLiteral("keisankijyun"),
                 [](ScreenContext &ctx) { return new frmkeisankijyun(ctx); });
    registry.add(QStringLiteral("cardjyunbi"),
                 [](ScreenContext &ctx) { return new frmjyunbi(ctx); });
}
