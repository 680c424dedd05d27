#pragma once

#include "platform/FileSystem.h"
#include "screen/Session.h"
