#pragma once

#include <QString>

// What a working screen asks of the main frame. The frame opens a screen
// (word set, the six working-screen items disabled, punch-clock screen closed);
// the screen calls showPunchClock() once it has saved on its close.
class ScreenHost {
public:
    virtual ~ScreenHost() = default;

    // The six items that open working screens.
    virtual void setWorkingItemsEnabled(bool enabled) = 0;
    // Word := "recorder", the six items enabled, the punch-clock screen shown.
    virtual void showPunchClock() = 0;
    // Opens a working screen by its word without asking for the PIN (the PIN
    // prompt calls this on a match).
    virtual void openScreen(const QString &word) = 0;
    // The usage guide window, modeless (F1).
    virtual void showUsageGuide() = 0;
};
