// The operating-system time services the library's date code is written against: the
// SYSTEMTIME record, its conversions to and from the OLE date number, and the 64-bit C-runtime
// clock (_time64, _localtime64). On Linux they are thin layers over the C++ calendar and the
// C library's thread-safe localtime_r.
#pragma once

#include <ctime>

#include "afx/Export.h"
#include "afx/Types.h"

// A broken-down date and time. wDayOfWeek is 0 for Sunday; wMilliseconds is carried but, as
// in the system's own conversions, not used by SystemTimeToVariantTime.
struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};
using PSYSTEMTIME = SYSTEMTIME*;
using LPSYSTEMTIME = SYSTEMTIME*;

// Seconds since 1 January 1970 00:00 UTC, 64 bits wide.
using __time64_t = long long;

// Turns a SYSTEMTIME into an OLE date (days since 30 December 1899). Returns FALSE, leaving
// *variantTime untouched, when a part is out of range (year outside 100..9999, month 13,
// 30 February, hour 24...) or a pointer is null.
ORVEL_API int SystemTimeToVariantTime(const SYSTEMTIME* systemTime, double* variantTime);

// Splits an OLE date into a SYSTEMTIME, rounding to the nearest second (wMilliseconds is 0).
// Returns FALSE when the value is outside the years 100..9999, not a number, or the pointer is
// null.
ORVEL_API int VariantTimeToSystemTime(double variantTime, SYSTEMTIME* systemTime);

// The current time in seconds since the Unix epoch; also stored in *destination when given.
ORVEL_API __time64_t _time64(__time64_t* destination);

// The local-time parts of *time, in storage owned by the calling thread (valid until that
// thread's next call). Returns nullptr for a null pointer or a time the C library cannot
// represent.
ORVEL_API std::tm* _localtime64(const __time64_t* time);
