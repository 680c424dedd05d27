#pragma once

#include <QString>

struct ProgramOptions {
    // The data folder; empty for the program's own folder.
    QString dataFolder;
    // The folder of the single-instance lock; empty for the user session's.
    QString instanceFolder;
    // Leaves as soon as the main frame is shown (start-up measurements).
    bool quitWhenShown = false;
};

// Builds the real platform, the main frame, and runs.
int programMain(int argc, char **argv, const ProgramOptions &options = {});
