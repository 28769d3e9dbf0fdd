// COleDateTimeSpan: days as a double, parts and totals counted in whole seconds.
#include "afx/OleDateTimeSpan.h"

#include <cmath>

#include "afx/detail/TimeFormat.h"

namespace {

constexpr double kSecondsPerDay = 86400.0;

// The status of a result computed from two operands: null wins over invalid, invalid over valid.
COleDateTimeSpan::DateTimeSpanStatus combined(COleDateTimeSpan::DateTimeSpanStatus a,
                                              COleDateTimeSpan::DateTimeSpanStatus b)
{
    if (a == COleDateTimeSpan::null || b == COleDateTimeSpan::null)
        return COleDateTimeSpan::null;
    if (a != COleDateTimeSpan::valid || b != COleDateTimeSpan::valid)
        return COleDateTimeSpan::invalid;
    return COleDateTimeSpan::valid;
}

COleDateTimeSpan withStatus(double days, COleDateTimeSpan::DateTimeSpanStatus status)
{
    COleDateTimeSpan result(days);
    if (status != COleDateTimeSpan::valid) {
        result.m_span = 0.0;
        result.SetStatus(status);
    }
    return result;
}

}  // namespace

COleDateTimeSpan::COleDateTimeSpan(double days)
{
    *this = days;
}

COleDateTimeSpan::COleDateTimeSpan(long days, int hours, int minutes, int seconds)
{
    SetDateTimeSpan(days, hours, minutes, seconds);
}

void COleDateTimeSpan::SetDateTimeSpan(long days, int hours, int minutes, int seconds)
{
    const double partSeconds = static_cast<double>(hours) * 3600.0 + static_cast<double>(minutes) * 60.0 +
                               static_cast<double>(seconds);
    *this = static_cast<double>(days) + partSeconds / kSecondsPerDay;
}

COleDateTimeSpan& COleDateTimeSpan::operator=(double days)
{
    m_span = days;
    m_status = std::isfinite(days) ? valid : invalid;
    return *this;
}

long long COleDateTimeSpan::totalSeconds() const
{
    if (m_status != valid)
        return 0;
    return std::llround(m_span * kSecondsPerDay);
}

double COleDateTimeSpan::GetTotalDays() const
{
    return static_cast<double>(totalSeconds()) / kSecondsPerDay;
}

double COleDateTimeSpan::GetTotalHours() const
{
    return static_cast<double>(totalSeconds()) / 3600.0;
}

double COleDateTimeSpan::GetTotalMinutes() const
{
    return static_cast<double>(totalSeconds()) / 60.0;
}

double COleDateTimeSpan::GetTotalSeconds() const
{
    return static_cast<double>(totalSeconds());
}

long COleDateTimeSpan::GetDays() const
{
    return static_cast<long>(totalSeconds() / 86400);
}

long COleDateTimeSpan::GetHours() const
{
    return static_cast<long>(totalSeconds() / 3600 % 24);
}

long COleDateTimeSpan::GetMinutes() const
{
    return static_cast<long>(totalSeconds() / 60 % 60);
}

long COleDateTimeSpan::GetSeconds() const
{
    return static_cast<long>(totalSeconds() % 60);
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& other) const
{
    return withStatus(m_span + other.m_span, combined(m_status, other.m_status));
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& other) const
{
    return withStatus(m_span - other.m_span, combined(m_status, other.m_status));
}

COleDateTimeSpan& COleDateTimeSpan::operator+=(const COleDateTimeSpan& other)
{
    return *this = *this + other;
}

COleDateTimeSpan& COleDateTimeSpan::operator-=(const COleDateTimeSpan& other)
{
    return *this = *this - other;
}

COleDateTimeSpan COleDateTimeSpan::operator-() const
{
    return withStatus(-m_span, m_status);
}

bool COleDateTimeSpan::operator==(const COleDateTimeSpan& other) const
{
    if (m_status != other.m_status)
        return false;
    return m_status != valid || m_span == other.m_span;
}

bool COleDateTimeSpan::operator<(const COleDateTimeSpan& other) const
{
    return m_status == valid && other.m_status == valid && m_span < other.m_span;
}

bool COleDateTimeSpan::operator>(const COleDateTimeSpan& other) const
{
    return m_status == valid && other.m_status == valid && m_span > other.m_span;
}

bool COleDateTimeSpan::operator<=(const COleDateTimeSpan& other) const
{
    return m_status == valid && other.m_status == valid && m_span <= other.m_span;
}

bool COleDateTimeSpan::operator>=(const COleDateTimeSpan& other) const
{
    return m_status == valid && other.m_status == valid && m_span >= other.m_span;
}

CString COleDateTimeSpan::Format(const char* format) const
{
    if (m_status == null)
        return CString();
    if (m_status != valid)
        return CString("Invalid DateTimeSpan");
    return afx_detail::FormatSpanSeconds(format, totalSeconds());
}
