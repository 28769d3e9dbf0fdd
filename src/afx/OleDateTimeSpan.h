// COleDateTimeSpan: the difference between two COleDateTime values, held as a number of days
// (the fraction being part of a day) with the framework's valid / invalid / null status.
// Part accessors count whole seconds after rounding to the nearest second, the same rule the
// dates use, so 1/1440 of a day reads as exactly one minute.
#pragma once

#include "afx/Export.h"
#include "afx/String.h"
#include "afx/Types.h"

class ORVEL_API COleDateTimeSpan {
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan() = default;
    COleDateTimeSpan(double days);  // NOLINT: implicit as in the framework
    COleDateTimeSpan(long days, int hours, int minutes, int seconds);

    void SetDateTimeSpan(long days, int hours, int minutes, int seconds);
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }
    DateTimeSpanStatus GetStatus() const { return m_status; }

    // Totals, in whole seconds expressed in the unit asked for (GetTotalHours of 90 minutes is 1.5).
    double GetTotalDays() const;
    double GetTotalHours() const;
    double GetTotalMinutes() const;
    double GetTotalSeconds() const;

    // Parts: whole days, then hours 0..23, minutes 0..59, seconds 0..59 of the remainder. A
    // negative span gives negative (or zero) parts.
    long GetDays() const;
    long GetHours() const;
    long GetMinutes() const;
    long GetSeconds() const;

    operator double() const { return m_span; }  // NOLINT: the framework's conversion

    COleDateTimeSpan& operator=(double days);

    // Arithmetic: a null operand gives a null result, otherwise an invalid one gives invalid.
    COleDateTimeSpan operator+(const COleDateTimeSpan& other) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& other) const;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& other);
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& other);
    COleDateTimeSpan operator-() const;

    // Equality compares status and, for valid spans, the value; ordering holds only between
    // valid spans (any comparison with a non-valid span is false).
    bool operator==(const COleDateTimeSpan& other) const;
    bool operator!=(const COleDateTimeSpan& other) const { return !(*this == other); }
    bool operator<(const COleDateTimeSpan& other) const;
    bool operator>(const COleDateTimeSpan& other) const;
    bool operator<=(const COleDateTimeSpan& other) const;
    bool operator>=(const COleDateTimeSpan& other) const;

    // strftime-like: %D days, %H hours, %M minutes, %S seconds (two digits each but days), %%.
    // Null gives an empty text, invalid gives "Invalid DateTimeSpan".
    CString Format(const char* format) const;

    double m_span = 0.0;
    DateTimeSpanStatus m_status = valid;

private:
    long long totalSeconds() const;
};
