// CTimeSpan: construction from parts and formatting.
#include "afx/TimeSpan.h"

#include "afx/detail/TimeFormat.h"

CTimeSpan::CTimeSpan(long days, int hours, int minutes, int seconds)
{
    SetTimeSpan(days, hours, minutes, seconds);
}

void CTimeSpan::SetTimeSpan(long days, int hours, int minutes, int seconds)
{
    m_timeSpan = static_cast<long long>(days) * 86400 + static_cast<long long>(hours) * 3600 +
                 static_cast<long long>(minutes) * 60 + seconds;
}

CString CTimeSpan::Format(const char* format) const
{
    return afx_detail::FormatSpanSeconds(format, m_timeSpan);
}
