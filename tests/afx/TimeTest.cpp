// CTime and CTimeSpan in a fixed time zone (Central European, with summer time), and their
// conversions to COleDateTime, SYSTEMTIME and TIMESTAMP_STRUCT; _localtime64 per thread.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>

#include "afx/Exception.h"
#include "afx/OleDateTime.h"
#include "afx/SystemTime.h"
#include "afx/Time.h"
#include "afx/TimeSpan.h"

namespace {

// Runs each test in Rome's zone (POSIX rule text, so no zone database is needed).
class TimeInRome : public testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("TZ");
        m_hadTz = old != nullptr;
        if (m_hadTz)
            m_oldTz = old;
        setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
        tzset();
    }
    void TearDown() override
    {
        if (m_hadTz)
            setenv("TZ", m_oldTz.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    bool m_hadTz = false;
    std::string m_oldTz;
};

}  // namespace

TEST_F(TimeInRome, PartsAreLocalTime)
{
    const CTime winter(2024, 2, 29, 13, 5, 9);
    EXPECT_EQ(winter.GetTime(), 1709208309);  // 12:05:09 UTC
    EXPECT_EQ(winter.GetYear(), 2024);
    EXPECT_EQ(winter.GetMonth(), 2);
    EXPECT_EQ(winter.GetDay(), 29);
    EXPECT_EQ(winter.GetHour(), 13);
    EXPECT_EQ(winter.GetMinute(), 5);
    EXPECT_EQ(winter.GetSecond(), 9);
    EXPECT_EQ(winter.GetDayOfWeek(), 5);  // Thursday
    EXPECT_EQ(winter.FormatGmt("%H:%M:%S"), "12:05:09");

    const CTime summer(2024, 7, 1, 12, 0, 0);
    EXPECT_EQ(summer.GetTime(), 1719828000);  // 10:00 UTC in summer time
    EXPECT_EQ(CTime(1719828000).GetHour(), 12);
    EXPECT_EQ(CTime(0).GetYear(), 1970);
    EXPECT_EQ(CTime(0).GetHour(), 1);
}

TEST_F(TimeInRome, PartsThatAreNotATimeThrow)
{
    EXPECT_THROW(CTime(2024, 2, 30, 0, 0, 0), CInvalidArgException);
    EXPECT_THROW(CTime(2023, 2, 29, 0, 0, 0), CInvalidArgException);
    EXPECT_THROW(CTime(2024, 13, 1, 0, 0, 0), CInvalidArgException);
    EXPECT_THROW(CTime(2024, 0, 1, 0, 0, 0), CInvalidArgException);
    EXPECT_THROW(CTime(2024, 1, 1, 24, 0, 0), CInvalidArgException);
    EXPECT_THROW(CTime(2024, 1, 1, 0, -1, 0), CInvalidArgException);
    EXPECT_THROW(CTime(1899, 12, 31, 0, 0, 0), CInvalidArgException);
    TIMESTAMP_STRUCT invalid{};
    invalid.hour = invalid.minute = invalid.second = 65535;
    EXPECT_THROW(CTime{invalid}, CInvalidArgException);
    COleDateTime nullDate;
    nullDate.SetStatus(COleDateTime::null);
    EXPECT_THROW(CTime{nullDate}, CInvalidArgException);
}

TEST_F(TimeInRome, ArithmeticAcrossMonthEndsAndSummerTime)
{
    const CTime t(2024, 1, 31, 23, 30, 0);
    const CTime next = t + CTimeSpan(0, 1, 0, 0);
    EXPECT_EQ(next.Format("%Y-%m-%d %H:%M"), "2024-02-01 00:30");
    EXPECT_EQ((next - t).GetTotalMinutes(), 60);
    CTime u = t;
    u += CTimeSpan(30, 0, 0, 0);
    EXPECT_EQ(u.Format("%Y-%m-%d"), "2024-03-01");
    u -= CTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(u.GetDay(), 29);
    // The night summer time starts has 23 hours.
    const CTimeSpan night = CTime(2024, 3, 31, 12, 0, 0) - CTime(2024, 3, 30, 12, 0, 0);
    EXPECT_EQ(night.GetTotalHours(), 23);
    EXPECT_TRUE(t < next);
    EXPECT_TRUE(next >= t);
    EXPECT_FALSE(t == next);
}

TEST_F(TimeInRome, ConversionsRoundTrip)
{
    const CTime t(2024, 2, 29, 13, 5, 9);

    SYSTEMTIME st{};
    ASSERT_TRUE(t.GetAsSystemTime(st));
    EXPECT_EQ(st.wYear, 2024);
    EXPECT_EQ(st.wHour, 13);
    EXPECT_EQ(st.wDayOfWeek, 4);
    EXPECT_EQ(CTime(st), t);

    TIMESTAMP_STRUCT ts{};
    ASSERT_TRUE(t.GetAsDBTIMESTAMP(ts));
    EXPECT_EQ(ts.day, 29);
    EXPECT_EQ(ts.second, 9);
    EXPECT_EQ(ts.fraction, 0u);
    EXPECT_EQ(CTime(ts), t);

    // COleDateTime holds the same local wall-clock time.
    const COleDateTime ole = t.GetAsOleDateTime();
    EXPECT_EQ(ole, COleDateTime(2024, 2, 29, 13, 5, 9));
    EXPECT_EQ(COleDateTime(t.GetTime()), ole);
    EXPECT_EQ(CTime(ole), t);

    const CTime summer(2024, 8, 15, 23, 59, 59);
    EXPECT_EQ(CTime(summer.GetAsOleDateTime()), summer);
    EXPECT_EQ(summer.GetAsOleDateTime().Format("%Y-%m-%d %H:%M:%S"), "2024-08-15 23:59:59");
}

TEST_F(TimeInRome, CurrentTimeAndFormat)
{
    const __time64_t before = _time64(nullptr);
    const CTime now = CTime::GetCurrentTime();
    __time64_t stored = 0;
    const __time64_t after = _time64(&stored);
    EXPECT_EQ(stored, after);
    EXPECT_GE(now.GetTime(), before);
    EXPECT_LE(now.GetTime(), after);
    EXPECT_EQ(CTime(2024, 12, 24, 8, 0, 0).Format("%d/%m/%Y %H:%M:%S"), "24/12/2024 08:00:00");
}

TEST(TimeSpan, PartsTotalsAndFormat)
{
    const CTimeSpan s(2, 3, 4, 5);
    EXPECT_EQ(s.GetTotalSeconds(), 2 * 86400 + 3 * 3600 + 4 * 60 + 5);
    EXPECT_EQ(s.GetDays(), 2);
    EXPECT_EQ(s.GetHours(), 3);
    EXPECT_EQ(s.GetMinutes(), 4);
    EXPECT_EQ(s.GetSeconds(), 5);
    EXPECT_EQ(s.GetTotalHours(), 51);
    EXPECT_EQ(s.Format("%D:%H:%M:%S"), "2:03:04:05");
    const CTimeSpan n = -s;
    EXPECT_EQ(n.GetDays(), -2);
    EXPECT_EQ(n.GetHours(), -3);
    EXPECT_TRUE(n < s);
    EXPECT_EQ((s + n).GetTimeSpan(), 0);
    EXPECT_EQ(CTimeSpan(0, 25, 0, 0).GetDays(), 1);
}

TEST(LocalTime64, NullAndPerThreadStorage)
{
    EXPECT_EQ(_localtime64(nullptr), nullptr);
    const __time64_t t = 0;
    std::tm* mine = _localtime64(&t);
    ASSERT_NE(mine, nullptr);
    std::tm* theirs = nullptr;
    int theirYear = 0;
    std::thread other([&] {
        const __time64_t later = 1709208309;
        theirs = _localtime64(&later);
        theirYear = theirs != nullptr ? theirs->tm_year + 1900 : -1;
    });
    other.join();
    EXPECT_NE(mine, theirs);  // another thread's call did not overwrite this thread's result
    EXPECT_EQ(theirYear, 2024);
    EXPECT_TRUE(mine->tm_year == 69 || mine->tm_year == 70);  // 1970 east of Greenwich, 1969 west
}
