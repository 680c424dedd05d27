#pragma once

#include <QString>

// What a working screen asks of the main frame. The frame opens a screen
// (word set, the six working-screen items disabled, punch-clock screen closed);
// WorkingScreen calls showPunchClock() once the screen has saved on its close.
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
    // The guard of the administrator's functions: with a stored PIN, sets the
    // PIN requester word ("recorder", "syuukei", "seiri"), shows the modal PIN
    // prompt and empties the word again. True when the function may open: no
    // PIN is stored, or the prompt matched.
    virtual bool askPin(const QString &requester) = 0;
    // The usage guide window, modeless (F1).
    virtual void showUsageGuide() = 0;
};
