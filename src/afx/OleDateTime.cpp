// COleDateTime. Conversions between the DATE number and calendar parts go through
// SystemTimeToVariantTime / VariantTimeToSystemTime (C++20 calendar underneath); arithmetic
// and ordering use the linear day count, which differs from the DATE number for negative
// values (see OleDateTime.h).
#include "afx/OleDateTime.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <ctime>
#include <clocale>

#include "afx/detail/TimeFormat.h"

namespace {

using Status = COleDateTime::DateTimeStatus;

// DATE -> position on a continuous time line (-1.25 -> -0.75).
double toLinear(DATE value)
{
    if (value >= 0)
        return value;
    const double dayPart = std::ceil(value);
    return dayPart + (dayPart - value);
}

// Continuous time line -> DATE (-0.75 -> -1.25). Values in (-1, 0) of the line are on the day
// before day 0 and so get a DATE below -1.
DATE fromLinear(double linear)
{
    if (linear >= 0)
        return linear;
    const double dayPart = std::floor(linear);
    const double fraction = linear - dayPart;
    return fraction == 0.0 ? dayPart : dayPart - fraction;
}

bool inRange(DATE value)
{
    SYSTEMTIME st;
    return VariantTimeToSystemTime(value, &st) != FALSE;
}

Status combined(Status date, COleDateTimeSpan::DateTimeSpanStatus span)
{
    if (date == COleDateTime::null || span == COleDateTimeSpan::null)
        return COleDateTime::null;
    if (date != COleDateTime::valid || span != COleDateTimeSpan::valid)
        return COleDateTime::invalid;
    return COleDateTime::valid;
}

COleDateTime resultOf(double linear, Status status)
{
    COleDateTime result;
    if (status == COleDateTime::valid) {
        result = fromLinear(linear);
    } else {
        result.m_dt = 0.0;
        result.SetStatus(status);
    }
    return result;
}

bool fitsWord(int value)
{
    return value >= 0 && value <= 0xFFFF;
}

// Reads 1..maxDigits decimal digits (at least minDigits).
bool readNumber(const char*& p, int minDigits, int maxDigits, int& out)
{
    int digits = 0;
    int value = 0;
    while (digits < maxDigits && *p >= '0' && *p <= '9') {
        value = value * 10 + (*p - '0');
        ++p;
        ++digits;
    }
    if (digits < minDigits)
        return false;
    out = value;
    return true;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

struct ParsedTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    double fraction = 0.0;  // of a second
};

// "hh:mm[:ss[.fff]]"
bool readTime(const char*& p, ParsedTime& time)
{
    if (!readNumber(p, 1, 2, time.hour) || *p != ':')
        return false;
    ++p;
    if (!readNumber(p, 2, 2, time.minute))
        return false;
    if (*p == ':') {
        ++p;
        if (!readNumber(p, 2, 2, time.second))
            return false;
        if (*p == '.') {
            ++p;
            double scale = 0.1;
            if (*p < '0' || *p > '9')
                return false;
            while (*p >= '0' && *p <= '9') {
                time.fraction += (*p - '0') * scale;
                scale /= 10;
                ++p;
            }
        }
    }
    return true;
}

}  // namespace

COleDateTime::COleDateTime(DATE value)
{
    *this = value;
}

COleDateTime::COleDateTime(__time64_t unixTime)
{
    const std::tm* parts = _localtime64(&unixTime);
    if (parts == nullptr) {
        m_status = invalid;
        return;
    }
    SetDateTime(parts->tm_year + 1900, parts->tm_mon + 1, parts->tm_mday, parts->tm_hour, parts->tm_min,
                // a leap second (60) counts as the last second of its minute
                parts->tm_sec > 59 ? 59 : parts->tm_sec);
}

COleDateTime::COleDateTime(const SYSTEMTIME& systemTime)
{
    *this = systemTime;
}

COleDateTime::COleDateTime(const TIMESTAMP_STRUCT& timestamp)
{
    *this = timestamp;
}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second)
{
    SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime COleDateTime::GetCurrentTime()
{
    return COleDateTime(_time64(nullptr));
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    SYSTEMTIME st{};
    DATE value = 0.0;
    const bool ok = fitsWord(year) && fitsWord(month) && fitsWord(day) && fitsWord(hour) && fitsWord(minute) &&
                    fitsWord(second) && [&] {
                        st.wYear = static_cast<WORD>(year);
                        st.wMonth = static_cast<WORD>(month);
                        st.wDay = static_cast<WORD>(day);
                        st.wHour = static_cast<WORD>(hour);
                        st.wMinute = static_cast<WORD>(minute);
                        st.wSecond = static_cast<WORD>(second);
                        return SystemTimeToVariantTime(&st, &value) != FALSE;
                    }();
    m_dt = ok ? value : 0.0;
    m_status = ok ? valid : invalid;
    return ok ? 0 : 1;
}

int COleDateTime::SetDate(int year, int month, int day)
{
    return SetDateTime(year, month, day, 0, 0, 0);
}

int COleDateTime::SetTime(int hour, int minute, int second)
{
    return SetDateTime(1899, 12, 30, hour, minute, second);
}

bool COleDateTime::GetAsSystemTime(SYSTEMTIME& systemTime) const
{
    return m_status == valid && VariantTimeToSystemTime(m_dt, &systemTime) != FALSE;
}

bool COleDateTime::GetAsDBTIMESTAMP(TIMESTAMP_STRUCT& timestamp) const
{
    SYSTEMTIME st;
    if (!GetAsSystemTime(st))
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

int COleDateTime::GetYear() const
{
    SYSTEMTIME st;
    return GetAsSystemTime(st) ? st.wYear : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetMonth() const
{
    SYSTEMTIME st;
    return GetAsSystemTime(st) ? st.wMonth : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetDay() const
{
    SYSTEMTIME st;
    return GetAsSystemTime(st) ? st.wDay : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetHour() const
{
    SYSTEMTIME st;
    return GetAsSystemTime(st) ? st.wHour : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetMinute() const
{
    SYSTEMTIME st;
    return GetAsSystemTime(st) ? st.wMinute : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetSecond() const
{
    SYSTEMTIME st;
    return GetAsSystemTime(st) ? st.wSecond : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetDayOfWeek() const
{
    SYSTEMTIME st;
    return GetAsSystemTime(st) ? st.wDayOfWeek + 1 : AFX_OLE_DATETIME_ERROR;
}

int COleDateTime::GetDayOfYear() const
{
    using namespace std::chrono;
    SYSTEMTIME st;
    if (!GetAsSystemTime(st))
        return AFX_OLE_DATETIME_ERROR;
    const year y{st.wYear};
    const sys_days date{y / month(st.wMonth) / day(st.wDay)};
    return static_cast<int>((date - sys_days(y / January / 1)).count()) + 1;
}

COleDateTime& COleDateTime::operator=(DATE value)
{
    m_dt = value;
    m_status = inRange(value) ? valid : invalid;
    return *this;
}

COleDateTime& COleDateTime::operator=(const SYSTEMTIME& systemTime)
{
    DATE value = 0.0;
    const bool ok = SystemTimeToVariantTime(&systemTime, &value) != FALSE;
    m_dt = ok ? value : 0.0;
    m_status = ok ? valid : invalid;
    return *this;
}

COleDateTime& COleDateTime::operator=(const TIMESTAMP_STRUCT& timestamp)
{
    SetDateTime(timestamp.year, timestamp.month, timestamp.day, timestamp.hour, timestamp.minute, timestamp.second);
    return *this;
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const
{
    return resultOf(toLinear(m_dt) + span.m_span, combined(m_status, span.m_status));
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const
{
    return resultOf(toLinear(m_dt) - span.m_span, combined(m_status, span.m_status));
}

COleDateTime& COleDateTime::operator+=(const COleDateTimeSpan& span)
{
    return *this = *this + span;
}

COleDateTime& COleDateTime::operator-=(const COleDateTimeSpan& span)
{
    return *this = *this - span;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& other) const
{
    COleDateTimeSpan span;
    if (m_status == null || other.m_status == null) {
        span.SetStatus(COleDateTimeSpan::null);
    } else if (m_status != valid || other.m_status != valid) {
        span.SetStatus(COleDateTimeSpan::invalid);
    } else {
        span = toLinear(m_dt) - toLinear(other.m_dt);
    }
    return span;
}

bool COleDateTime::operator==(const COleDateTime& other) const
{
    if (m_status != other.m_status)
        return false;
    return m_status != valid || m_dt == other.m_dt;
}

bool COleDateTime::operator<(const COleDateTime& other) const
{
    return m_status == valid && other.m_status == valid && toLinear(m_dt) < toLinear(other.m_dt);
}

bool COleDateTime::operator>(const COleDateTime& other) const
{
    return m_status == valid && other.m_status == valid && toLinear(m_dt) > toLinear(other.m_dt);
}

bool COleDateTime::operator<=(const COleDateTime& other) const
{
    return m_status == valid && other.m_status == valid && toLinear(m_dt) <= toLinear(other.m_dt);
}

bool COleDateTime::operator>=(const COleDateTime& other) const
{
    return m_status == valid && other.m_status == valid && toLinear(m_dt) >= toLinear(other.m_dt);
}

CString COleDateTime::Format(const char* format) const
{
    if (m_status == null)
        return CString();
    SYSTEMTIME st;
    if (!GetAsSystemTime(st))
        return CString("Invalid DateTime");
    std::tm parts{};
    parts.tm_year = st.wYear - 1900;
    parts.tm_mon = st.wMonth - 1;
    parts.tm_mday = st.wDay;
    parts.tm_hour = st.wHour;
    parts.tm_min = st.wMinute;
    parts.tm_sec = st.wSecond;
    parts.tm_wday = st.wDayOfWeek;
    parts.tm_yday = GetDayOfYear() - 1;
    parts.tm_isdst = -1;
    return afx_detail::FormatTm(format, parts);
}

CString COleDateTime::Format(DWORD flags, LCID /*locale: the process's LC_TIME decides*/) const
{
    if (m_status == null)
        return CString();
    SYSTEMTIME st;
    if (!GetAsSystemTime(st))
        return CString("Invalid DateTime");
    const char* localeName = std::setlocale(LC_TIME, nullptr);
    const bool plain = localeName == nullptr || std::strcmp(localeName, "C") == 0 || std::strcmp(localeName, "POSIX") == 0;
    const char* dateFormat = plain ? "%d/%m/%Y" : "%x";
    const char* timeFormat = plain ? "%H:%M:%S" : "%X";

    const bool dayZero = st.wYear == 1899 && st.wMonth == 12 && st.wDay == 30;
    const bool midnight = st.wHour == 0 && st.wMinute == 0 && st.wSecond == 0;
    bool showDate = !dayZero;
    bool showTime = !midnight || dayZero;
    if ((flags & VAR_DATEVALUEONLY) != 0) {
        showDate = true;
        showTime = false;
    } else if ((flags & VAR_TIMEVALUEONLY) != 0) {
        showDate = false;
        showTime = true;
    }
    CString text;
    if (showDate)
        text = Format(dateFormat);
    if (showTime) {
        if (!text.IsEmpty())
            text += ' ';
        text += Format(timeFormat);
    }
    return text;
}

bool COleDateTime::ParseDateTime(const char* text, DWORD flags, LCID /*locale*/)
{
    auto fail = [this] {
        m_dt = 0.0;
        m_status = invalid;
        return false;
    };
    if (text == nullptr)
        return fail();
    const char* p = text;
    while (isBlank(*p))
        ++p;

    int year = 1899;
    int month = 12;
    int day = 30;
    ParsedTime time;
    bool haveTime = false;

    const char* start = p;
    int first = 0;
    if (!readNumber(p, 1, 4, first))
        return fail();
    if (*p == '/') {  // dd/mm/yyyy
        if (p - start > 2)
            return fail();
        day = first;
        ++p;
        if (!readNumber(p, 1, 2, month) || *p != '/')
            return fail();
        ++p;
        if (!readNumber(p, 4, 4, year))
            return fail();
    } else if (*p == '-') {  // yyyy-mm-dd
        if (p - start != 4)
            return fail();
        year = first;
        ++p;
        if (!readNumber(p, 1, 2, month) || *p != '-')
            return fail();
        ++p;
        if (!readNumber(p, 1, 2, day))
            return fail();
    } else if (*p == ':') {  // time of day alone
        p = start;
        if (!readTime(p, time))
            return fail();
        haveTime = true;
    } else {
        return fail();
    }

    if (!haveTime && (isBlank(*p) || *p == 'T')) {
        const char* afterDate = p;
        if (*p == 'T') {
            ++p;
        } else {
            while (isBlank(*p))
                ++p;
        }
        if (*p != '\0') {
            if (!readTime(p, time))
                return fail();
            haveTime = true;
        } else {
            p = afterDate;
        }
    }
    while (isBlank(*p))
        ++p;
    if (*p != '\0')
        return fail();

    if ((flags & VAR_DATEVALUEONLY) != 0)
        time = ParsedTime{};
    if ((flags & VAR_TIMEVALUEONLY) != 0) {
        year = 1899;
        month = 12;
        day = 30;
    }
    if (SetDateTime(year, month, day, time.hour, time.minute, time.second) != 0)
        return fail();
    if (time.fraction > 0.0) {
        *this = fromLinear(toLinear(m_dt) + time.fraction / 86400.0);
        if (m_status != valid)
            return fail();
    }
    return true;
}
