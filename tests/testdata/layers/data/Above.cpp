#include "app/StartUp.h"
