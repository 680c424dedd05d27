#include "printing/PrintPanel.h"
