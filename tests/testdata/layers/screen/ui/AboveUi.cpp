#include "data/Roster.h"
