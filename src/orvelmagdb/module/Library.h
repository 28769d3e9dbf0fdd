// Identity of the shared library, for hosts that log which library they loaded.
#pragma once

#include "afx/Export.h"

#define ORVEL_VERSION_TEXT "0.1.0"

// The library's version as "major.minor.patch".
ORVEL_API const char* OrvelMagDbVersion();
