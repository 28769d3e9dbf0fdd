// CTime: an absolute time as seconds since the Unix epoch (__time64_t), read and built in
// local time as the framework does. It converts to and from SYSTEMTIME, TIMESTAMP_STRUCT
// (members) and COleDateTime (a constructor here and GetAsOleDateTime; COleDateTime itself
// also takes a __time64_t). Parts that do not make a time (month 13, 30 February, hour 24)
// throw CInvalidArgException, as do timestamps and dates that are not valid.
#pragma once

#include "afx/Export.h"
#include "afx/OleDateTime.h"
#include "afx/String.h"
#include "afx/SystemTime.h"
#include "afx/TimeSpan.h"
#include "afx/Timestamp.h"
#include "afx/Types.h"

class ORVEL_API CTime {
public:
    CTime() = default;
    CTime(__time64_t time) : m_time(time) {}  // NOLINT: implicit as in the framework
    // Local time; daylightSaving < 0 lets the C library decide, 0 standard, > 0 summer time.
    CTime(int year, int month, int day, int hour, int minute, int second, int daylightSaving = -1);
    CTime(const SYSTEMTIME& systemTime, int daylightSaving = -1);  // NOLINT
    CTime(const TIMESTAMP_STRUCT& timestamp, int daylightSaving = -1);  // NOLINT
    explicit CTime(const COleDateTime& date, int daylightSaving = -1);

    static CTime GetCurrentTime();

    __time64_t GetTime() const { return m_time; }

    // Local-time parts.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday ... 7 = Saturday

    // Conversions out; false when the C library cannot split the time.
    bool GetAsSystemTime(SYSTEMTIME& systemTime) const;
    bool GetAsDBTIMESTAMP(TIMESTAMP_STRUCT& timestamp) const;  // fraction 0
    COleDateTime GetAsOleDateTime() const;

    // strftime of the local time; FormatGmt of the UTC time.
    CString Format(const char* format) const;
    CString FormatGmt(const char* format) const;

    CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTimeSpan()); }
    CTime operator-(CTimeSpan span) const { return CTime(m_time - span.GetTimeSpan()); }
    CTime& operator+=(CTimeSpan span) { m_time += span.GetTimeSpan(); return *this; }
    CTime& operator-=(CTimeSpan span) { m_time -= span.GetTimeSpan(); return *this; }
    CTimeSpan operator-(CTime other) const { return CTimeSpan(m_time - other.m_time); }

    friend bool operator==(CTime a, CTime b) { return a.m_time == b.m_time; }
    friend bool operator!=(CTime a, CTime b) { return a.m_time != b.m_time; }
    friend bool operator<(CTime a, CTime b) { return a.m_time < b.m_time; }
    friend bool operator>(CTime a, CTime b) { return a.m_time > b.m_time; }
    friend bool operator<=(CTime a, CTime b) { return a.m_time <= b.m_time; }
    friend bool operator>=(CTime a, CTime b) { return a.m_time >= b.m_time; }

private:
    bool localParts(std::tm& parts) const;

    __time64_t m_time = 0;
};
