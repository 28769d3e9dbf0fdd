// Locale identifiers as the host code passes them to number and date conversions. The library
// knows two kinds: the invariant locale (127), whose number text is fixed ("-1234.5678") and is
// the form amounts are stored in, and every other identifier, which means "the process's own
// locale": the C library's LC_NUMERIC settings decide the separators of the text shown to a user.
#pragma once

#include "afx/Export.h"
#include "afx/Types.h"

// The invariant locale: '.' as decimal separator, no grouping, independent of the process.
constexpr LCID LOCALE_INVARIANT = 0x007F;
// The identifiers the framework uses for "the system's" and "the user's" locale. Both resolve to
// the process's LC_NUMERIC settings here.
constexpr LCID LOCALE_SYSTEM_DEFAULT = 0x0800;
constexpr LCID LOCALE_USER_DEFAULT = 0x0400;

// The identifier of the process's own locale (LOCALE_SYSTEM_DEFAULT). It is a fixed value: the
// settings it stands for are read from the C library when text is made or read, so a host that
// calls setlocale() later is followed without asking for a new identifier.
ORVEL_API LCID GetSystemDefaultLCID();
ORVEL_API LCID GetUserDefaultLCID();

// True for the invariant locale, the one whose text form never depends on the process.
inline bool IsInvariantLocale(LCID locale)
{
    return locale == LOCALE_INVARIANT;
}
