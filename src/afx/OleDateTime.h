// COleDateTime: the framework's date and time, a DATE (days since 30 December 1899, the
// fraction being the time of day) with a valid / invalid / null status. Calendar work goes
// through the C++20 calendar; splitting a value into parts rounds to the nearest second.
//
// Negative values follow the OLE rule: the integer part is the day and the fraction counts
// forward from its midnight, so -1.25 is 29 December 1899 06:00. Arithmetic and ordering
// therefore work on the linear day count, not on the raw number.
//
// Valid values lie between 1 January 100 and 31 December 9999; anything else (including a
// DATE outside that range or not a number) carries the invalid status. Part accessors of a
// date that is not valid return -1 (AFX_OLE_DATETIME_ERROR).
#pragma once

#include <ctime>

#include "afx/Export.h"
#include "afx/OleDateTimeSpan.h"
#include "afx/String.h"
#include "afx/SystemTime.h"
#include "afx/Timestamp.h"
#include "afx/Types.h"

#define AFX_OLE_DATETIME_ERROR (-1)

// Flags of Format() and ParseDateTime(), as the OLE conversions spell them.
#ifndef VAR_TIMEVALUEONLY
#define VAR_TIMEVALUEONLY 0x00000001
#endif
#ifndef VAR_DATEVALUEONLY
#define VAR_DATEVALUEONLY 0x00000002
#endif

class ORVEL_API COleDateTime {
public:
    enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

    // 0.0 (30 December 1899 00:00), valid.
    COleDateTime() = default;
    COleDateTime(DATE value);  // NOLINT: implicit as in the framework
    // Local time of a Unix time, as the framework converts a time_t.
    explicit COleDateTime(__time64_t unixTime);
    COleDateTime(const SYSTEMTIME& systemTime);  // NOLINT
    // The fraction (nanoseconds) is ignored; the invalid timestamp gives the invalid status.
    COleDateTime(const TIMESTAMP_STRUCT& timestamp);  // NOLINT
    COleDateTime(int year, int month, int day, int hour, int minute, int second);

    // Now, in local time, to the second.
    static COleDateTime GetCurrentTime();

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }

    // Setters return 0 on success; on failure the value becomes 0.0 with the invalid status
    // and they return 1. SetDate sets midnight, SetTime sets the day of 30 December 1899.
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day);
    int SetTime(int hour, int minute, int second);

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday ... 7 = Saturday
    int GetDayOfYear() const;  // 1 = 1 January

    // Conversions out; false (and the target untouched) when the date is not valid.
    bool GetAsSystemTime(SYSTEMTIME& systemTime) const;
    bool GetAsDBTIMESTAMP(TIMESTAMP_STRUCT& timestamp) const;  // fraction 0

    operator DATE() const { return m_dt; }  // NOLINT: the framework's conversion

    COleDateTime& operator=(DATE value);
    COleDateTime& operator=(const SYSTEMTIME& systemTime);
    COleDateTime& operator=(const TIMESTAMP_STRUCT& timestamp);

    // Arithmetic: a null operand gives a null result, otherwise an invalid one gives invalid;
    // a result outside the valid years is invalid.
    COleDateTime operator+(const COleDateTimeSpan& span) const;
    COleDateTime operator-(const COleDateTimeSpan& span) const;
    COleDateTime& operator+=(const COleDateTimeSpan& span);
    COleDateTime& operator-=(const COleDateTimeSpan& span);
    COleDateTimeSpan operator-(const COleDateTime& other) const;

    // Equality compares status and, for valid dates, the value; ordering holds only between
    // valid dates (any comparison involving a non-valid date is false), as in the framework.
    bool operator==(const COleDateTime& other) const;
    bool operator!=(const COleDateTime& other) const { return !(*this == other); }
    bool operator<(const COleDateTime& other) const;
    bool operator>(const COleDateTime& other) const;
    bool operator<=(const COleDateTime& other) const;
    bool operator>=(const COleDateTime& other) const;

    // strftime formatting of the parts (rounded to the second) in the current LC_TIME locale.
    // A null date formats as an empty text, an invalid one as "Invalid DateTime".
    CString Format(const char* format) const;
    // The locale's date and time ("%x %X"); in the C/POSIX locale the library's own
    // "dd/mm/yyyy hh:mm:ss". As the OLE conversion does, the time is left out at midnight and
    // the date is left out on day 0; VAR_DATEVALUEONLY / VAR_TIMEVALUEONLY force one part.
    CString Format(DWORD flags = 0, LCID locale = 0) const;

    // Reads "dd/mm/yyyy[ hh:mm[:ss]]", "yyyy-mm-dd[( |T)hh:mm[:ss[.fff]]]" or "hh:mm[:ss]"
    // (on day 0), with surrounding blanks allowed. VAR_DATEVALUEONLY drops the time,
    // VAR_TIMEVALUEONLY drops the date. On failure the value becomes 0.0 with the invalid
    // status and the result is false.
    bool ParseDateTime(const char* text, DWORD flags = 0, LCID locale = 0);

    DATE m_dt = 0.0;
    DateTimeStatus m_status = valid;
};
