// The time services of SystemTime.h. Day numbers come from the C++20 calendar: day 0 of the
// OLE date is 30 December 1899, and a negative date keeps its time of day as a fraction that
// counts forward from the day's midnight (-1.25 is 29 December 1899 06:00).
#include "afx/SystemTime.h"

#include <chrono>
#include <cmath>

namespace {

using namespace std::chrono;

constexpr sys_days kOleEpoch = sys_days(year(1899) / December / 30);
constexpr long long kSecondsPerDay = 86400;
constexpr int kMinYear = 100;
constexpr int kMaxYear = 9999;

}  // namespace

int SystemTimeToVariantTime(const SYSTEMTIME* systemTime, double* variantTime)
{
    if (systemTime == nullptr || variantTime == nullptr)
        return FALSE;
    const SYSTEMTIME& st = *systemTime;
    if (st.wYear < kMinYear || st.wYear > kMaxYear || st.wHour > 23 || st.wMinute > 59 || st.wSecond > 59)
        return FALSE;
    const year_month_day ymd{year(st.wYear), month(st.wMonth), day(st.wDay)};
    if (!ymd.ok())
        return FALSE;
    const long long dayNumber = (sys_days(ymd) - kOleEpoch).count();
    const double fraction =
        static_cast<double>(st.wHour * 3600 + st.wMinute * 60 + st.wSecond) / static_cast<double>(kSecondsPerDay);
    *variantTime = dayNumber >= 0 ? static_cast<double>(dayNumber) + fraction : static_cast<double>(dayNumber) - fraction;
    return TRUE;
}

int VariantTimeToSystemTime(double variantTime, SYSTEMTIME* systemTime)
{
    if (systemTime == nullptr || !std::isfinite(variantTime))
        return FALSE;
    // Cheap bound first, so the conversions below cannot overflow; the exact year check follows.
    if (variantTime < -700000.0 || variantTime > 3000000.0)
        return FALSE;
    // The integer part is the day, whatever the sign; the fraction is the time of day.
    double dayPart = variantTime >= 0 ? std::floor(variantTime) : std::ceil(variantTime);
    double fraction = std::fabs(variantTime - dayPart);
    long long dayNumber = static_cast<long long>(dayPart);
    long long seconds = std::llround(fraction * static_cast<double>(kSecondsPerDay));
    // 0.999999 of a day rounds to the next midnight, never to 23:59:59.9.
    if (seconds >= kSecondsPerDay) {
        seconds -= kSecondsPerDay;
        ++dayNumber;
    }
    const sys_days date = kOleEpoch + days(dayNumber);
    const year_month_day ymd{date};
    const int y = static_cast<int>(ymd.year());
    if (y < kMinYear || y > kMaxYear)
        return FALSE;
    systemTime->wYear = static_cast<WORD>(y);
    systemTime->wMonth = static_cast<WORD>(static_cast<unsigned>(ymd.month()));
    systemTime->wDay = static_cast<WORD>(static_cast<unsigned>(ymd.day()));
    systemTime->wDayOfWeek = static_cast<WORD>(weekday(date).c_encoding());
    systemTime->wHour = static_cast<WORD>(seconds / 3600);
    systemTime->wMinute = static_cast<WORD>(seconds / 60 % 60);
    systemTime->wSecond = static_cast<WORD>(seconds % 60);
    systemTime->wMilliseconds = 0;
    return TRUE;
}

__time64_t _time64(__time64_t* destination)
{
    const __time64_t now = static_cast<__time64_t>(std::time(nullptr));
    if (destination != nullptr)
        *destination = now;
    return now;
}

std::tm* _localtime64(const __time64_t* time)
{
    thread_local std::tm parts{};
    if (time == nullptr)
        return nullptr;
    const std::time_t t = static_cast<std::time_t>(*time);
    if (static_cast<__time64_t>(t) != *time)
        return nullptr;
    if (localtime_r(&t, &parts) == nullptr)
        return nullptr;
    return &parts;
}
