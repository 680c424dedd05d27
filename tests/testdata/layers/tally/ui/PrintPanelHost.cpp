#include "printing/ui/PrintPanelWidget.h"
#include "screen/ui/EntryBox.h"
#include "tally/TallyScreen.h"
