#pragma once

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/ProgramEnd.h"
#include "platform/SettingsStore.h"
#include "screen/Session.h"

class CardReader;

// What every screen's logic reaches the outside world through.
struct Services {
    FileSystem &fs;
    Dialogs &dialogs;
    const Clock &clock;
    SettingsStore &settings;
    ProgramEnd &programEnd;
    Session &session;
    // The IC card readers; null where the program has none (no card is ever
    // touched).
    CardReader *cardReader = nullptr;
};
