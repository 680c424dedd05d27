#include "app/ui/ScreenRegistry.h"

// One line a screen: word, and how its widget is made.
void registerScreens(ScreenRegistry &registry) {
    (void)registry;
}
