#include "punchclock/PunchDay.h"
#include "tally/TallyScreen.h"
