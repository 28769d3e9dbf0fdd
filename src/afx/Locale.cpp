// Locale identifiers: the process's locale is a fixed identifier whose separators are read from
// the C library at the moment text is converted, so it never goes stale after a setlocale().
#include "afx/Locale.h"

LCID GetSystemDefaultLCID()
{
    return LOCALE_SYSTEM_DEFAULT;
}

LCID GetUserDefaultLCID()
{
    return LOCALE_USER_DEFAULT;
}
