#include "tally/ui/CapsMonitorWidget.h"
