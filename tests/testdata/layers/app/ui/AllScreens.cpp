#include "punchclock/ui/frmrecoder.h"
#include "tally/ui/frmsyuukei.h"
