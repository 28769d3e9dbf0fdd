// Identity of the shared library.
#include "orvelmagdb/module/Library.h"

const char* OrvelMagDbVersion()
{
    return ORVEL_VERSION_TEXT;
}
