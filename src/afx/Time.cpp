// CTime: Unix seconds read and built in local time through the C library (localtime_r,
// mktime), with strict checks of the parts so that 30 February is an error and not 2 March.
#include "afx/Time.h"

#include <chrono>
#include <cstdio>

#include "afx/Exception.h"
#include "afx/detail/TimeFormat.h"

namespace {

__time64_t localToUnix(int year, int month, int day, int hour, int minute, int second, int daylightSaving)
{
    using namespace std::chrono;
    const year_month_day ymd{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                             std::chrono::day(static_cast<unsigned>(day))};
    if (year < 1900 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31 || !ymd.ok() || hour < 0 ||
        hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        char detail[96];
        std::snprintf(detail, sizeof detail, "not a time: %04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour,
                      minute, second);
        AfxThrowInvalidArgException(detail);
    }
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    parts.tm_isdst = daylightSaving < 0 ? -1 : (daylightSaving > 0 ? 1 : 0);
    const std::time_t result = std::mktime(&parts);
    // -1 is also one second before the epoch: mktime has filled the parts in either case, so
    // it is an error only when they no longer name the requested day.
    if (result == static_cast<std::time_t>(-1) &&
        (parts.tm_year != year - 1900 || parts.tm_mon != month - 1 || parts.tm_mday != day))
        AfxThrowInvalidArgException("time outside the range of the C library");
    return static_cast<__time64_t>(result);
}

}  // namespace

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int daylightSaving)
    : m_time(localToUnix(year, month, day, hour, minute, second, daylightSaving))
{
}

CTime::CTime(const SYSTEMTIME& systemTime, int daylightSaving)
    : CTime(systemTime.wYear, systemTime.wMonth, systemTime.wDay, systemTime.wHour, systemTime.wMinute,
            systemTime.wSecond, daylightSaving)
{
}

CTime::CTime(const TIMESTAMP_STRUCT& timestamp, int daylightSaving)
    : CTime(timestamp.year, timestamp.month, timestamp.day, timestamp.hour, timestamp.minute, timestamp.second,
            daylightSaving)
{
}

CTime::CTime(const COleDateTime& date, int daylightSaving)
{
    SYSTEMTIME st;
    if (!date.GetAsSystemTime(st))
        AfxThrowInvalidArgException("a date that is not valid cannot become a CTime");
    *this = CTime(st, daylightSaving);
}

CTime CTime::GetCurrentTime()
{
    return CTime(_time64(nullptr));
}

bool CTime::localParts(std::tm& parts) const
{
    const std::tm* local = _localtime64(&m_time);
    if (local == nullptr)
        return false;
    parts = *local;
    return true;
}

int CTime::GetYear() const
{
    std::tm parts;
    return localParts(parts) ? parts.tm_year + 1900 : -1;
}

int CTime::GetMonth() const
{
    std::tm parts;
    return localParts(parts) ? parts.tm_mon + 1 : -1;
}

int CTime::GetDay() const
{
    std::tm parts;
    return localParts(parts) ? parts.tm_mday : -1;
}

int CTime::GetHour() const
{
    std::tm parts;
    return localParts(parts) ? parts.tm_hour : -1;
}

int CTime::GetMinute() const
{
    std::tm parts;
    return localParts(parts) ? parts.tm_min : -1;
}

int CTime::GetSecond() const
{
    std::tm parts;
    return localParts(parts) ? parts.tm_sec : -1;
}

int CTime::GetDayOfWeek() const
{
    std::tm parts;
    return localParts(parts) ? parts.tm_wday + 1 : -1;
}

bool CTime::GetAsSystemTime(SYSTEMTIME& systemTime) const
{
    std::tm parts;
    if (!localParts(parts) || parts.tm_year + 1900 < 0 || parts.tm_year + 1900 > 0xFFFF)
        return false;
    systemTime.wYear = static_cast<WORD>(parts.tm_year + 1900);
    systemTime.wMonth = static_cast<WORD>(parts.tm_mon + 1);
    systemTime.wDay = static_cast<WORD>(parts.tm_mday);
    systemTime.wDayOfWeek = static_cast<WORD>(parts.tm_wday);
    systemTime.wHour = static_cast<WORD>(parts.tm_hour);
    systemTime.wMinute = static_cast<WORD>(parts.tm_min);
    systemTime.wSecond = static_cast<WORD>(parts.tm_sec > 59 ? 59 : parts.tm_sec);
    systemTime.wMilliseconds = 0;
    return true;
}

bool CTime::GetAsDBTIMESTAMP(TIMESTAMP_STRUCT& timestamp) const
{
    SYSTEMTIME st;
    if (!GetAsSystemTime(st) || st.wYear > 0x7FFF)
        return false;
    timestamp.year = static_cast<SQLSMALLINT>(st.wYear);
    timestamp.month = st.wMonth;
    timestamp.day = st.wDay;
    timestamp.hour = st.wHour;
    timestamp.minute = st.wMinute;
    timestamp.second = st.wSecond;
    timestamp.fraction = 0;
    return true;
}

COleDateTime CTime::GetAsOleDateTime() const
{
    return COleDateTime(m_time);
}

CString CTime::Format(const char* format) const
{
    std::tm parts;
    if (!localParts(parts))
        return CString();
    return afx_detail::FormatTm(format, parts);
}

CString CTime::FormatGmt(const char* format) const
{
    const std::time_t t = static_cast<std::time_t>(m_time);
    std::tm parts;
    if (gmtime_r(&t, &parts) == nullptr)
        return CString();
    return afx_detail::FormatTm(format, parts);
}
