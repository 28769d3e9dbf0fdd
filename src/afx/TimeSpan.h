// CTimeSpan: a signed number of seconds, the difference between two CTime values.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "afx/Types.h"

class ORVEL_API CTimeSpan {
public:
    CTimeSpan() = default;
    CTimeSpan(long long seconds) : m_timeSpan(seconds) {}  // NOLINT: implicit as in the framework
    CTimeSpan(long days, int hours, int minutes, int seconds);

    void SetTimeSpan(long days, int hours, int minutes, int seconds);

    // Parts: whole days, then hours 0..23, minutes 0..59, seconds 0..59 of the remainder; a
    // negative span gives negative (or zero) parts.
    long long GetDays() const { return m_timeSpan / 86400; }
    long GetHours() const { return static_cast<long>((m_timeSpan / 3600) % 24); }
    long GetMinutes() const { return static_cast<long>((m_timeSpan / 60) % 60); }
    long GetSeconds() const { return static_cast<long>(m_timeSpan % 60); }
    long long GetTotalHours() const { return m_timeSpan / 3600; }
    long long GetTotalMinutes() const { return m_timeSpan / 60; }
    long long GetTotalSeconds() const { return m_timeSpan; }
    long long GetTimeSpan() const { return m_timeSpan; }

    // %D days, %H hours, %M minutes, %S seconds (two digits each but days), %%.
    CString Format(const char* format) const;

    CTimeSpan operator+(CTimeSpan other) const { return CTimeSpan(m_timeSpan + other.m_timeSpan); }
    CTimeSpan operator-(CTimeSpan other) const { return CTimeSpan(m_timeSpan - other.m_timeSpan); }
    CTimeSpan& operator+=(CTimeSpan other) { m_timeSpan += other.m_timeSpan; return *this; }
    CTimeSpan& operator-=(CTimeSpan other) { m_timeSpan -= other.m_timeSpan; return *this; }
    CTimeSpan operator-() const { return CTimeSpan(-m_timeSpan); }

    friend bool operator==(CTimeSpan a, CTimeSpan b) { return a.m_timeSpan == b.m_timeSpan; }
    friend bool operator!=(CTimeSpan a, CTimeSpan b) { return a.m_timeSpan != b.m_timeSpan; }
    friend bool operator<(CTimeSpan a, CTimeSpan b) { return a.m_timeSpan < b.m_timeSpan; }
    friend bool operator>(CTimeSpan a, CTimeSpan b) { return a.m_timeSpan > b.m_timeSpan; }
    friend bool operator<=(CTimeSpan a, CTimeSpan b) { return a.m_timeSpan <= b.m_timeSpan; }
    friend bool operator>=(CTimeSpan a, CTimeSpan b) { return a.m_timeSpan >= b.m_timeSpan; }

private:
    long long m_timeSpan = 0;
};
