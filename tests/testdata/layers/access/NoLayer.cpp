#include "Unnamed.h"
