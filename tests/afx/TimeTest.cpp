// CTime and CTimeSpan in a fixed time zone (Central European, with summer time), and their
// conversions to COleDateTime, SYSTEMTIME and TIMESTAMP_STRUCT; _localtime64 per thread.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
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
        m_oldTz = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
        setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
        tzset();
    }
    void TearDown() override
    {
        m_oldTz ? setenv("TZ", m_oldTz->c_str(), 1) : unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> m_oldTz;
};

}  // namespace

TEST_F(TimeInRome, LocalPartsSummerTimeAndBadParts)
{
    const CTime winter(2024, 2, 29, 13, 5, 9);
    EXPECT_EQ(winter.GetTime(), 1709208309);  // 12:05:09 UTC
    EXPECT_EQ(winter.GetDayOfWeek(), 5);  // Thursday
    EXPECT_EQ(winter.GetSecond(), 9);
    EXPECT_EQ(winter.Format("%d/%m/%Y %H:%M:%S"), "29/02/2024 13:05:09");
    EXPECT_EQ(winter.FormatGmt("%H:%M:%S"), "12:05:09");
    EXPECT_EQ(CTime(2024, 7, 1, 12, 0, 0).GetTime(), 1719828000);  // 10:00 UTC in summer time
    EXPECT_EQ(CTime(1719828000).GetHour(), 12);
    // The night summer time starts has 23 hours; arithmetic crosses month ends.
    EXPECT_EQ((CTime(2024, 3, 31, 12, 0, 0) - CTime(2024, 3, 30, 12, 0, 0)).GetTotalHours(), 23);
    CTime u(2024, 1, 31, 23, 30, 0);
    u += CTimeSpan(0, 1, 0, 0);
    EXPECT_EQ(u.Format("%Y-%m-%d %H:%M"), "2024-02-01 00:30");
    u -= CTimeSpan(1, 0, 0, 0);
    EXPECT_TRUE(u < winter);

    const int bad[][5] = {{2024, 2, 30, 0, 0}, {2023, 2, 29, 0, 0}, {2024, 13, 1, 0, 0},
                          {2024, 1, 1, 24, 0}, {2024, 1, 1, 0, -1}, {1899, 12, 31, 0, 0}};
    for (const auto& p : bad)
        EXPECT_THROW(CTime(p[0], p[1], p[2], p[3], p[4], 0), CInvalidArgException) << p[0] << "-" << p[1];
    TIMESTAMP_STRUCT invalid{};
    invalid.hour = invalid.minute = invalid.second = 65535;
    EXPECT_THROW(CTime{invalid}, CInvalidArgException);
    COleDateTime nullDate;
    nullDate.SetStatus(COleDateTime::null);
    EXPECT_THROW(CTime{nullDate}, CInvalidArgException);
}

TEST_F(TimeInRome, ConversionsRoundTrip)
{
    for (const CTime& t : {CTime(2024, 2, 29, 13, 5, 9), CTime(2024, 8, 15, 23, 59, 59)}) {
        SYSTEMTIME st{};
        ASSERT_TRUE(t.GetAsSystemTime(st));
        EXPECT_EQ(st.wHour, t.GetHour());
        EXPECT_EQ(CTime(st), t);
        TIMESTAMP_STRUCT ts{};
        ASSERT_TRUE(t.GetAsDBTIMESTAMP(ts));
        EXPECT_EQ(ts.fraction, 0u);
        EXPECT_EQ(CTime(ts), t);
        // COleDateTime holds the same local wall-clock time.
        const COleDateTime ole = t.GetAsOleDateTime();
        EXPECT_EQ(ole.Format("%Y-%m-%d %H:%M:%S"), t.Format("%Y-%m-%d %H:%M:%S"));
        EXPECT_EQ(COleDateTime(t.GetTime()), ole);
        EXPECT_EQ(CTime(ole), t);
    }
    const __time64_t before = _time64(nullptr);
    const CTime now = CTime::GetCurrentTime();
    EXPECT_GE(now.GetTime(), before);
    __time64_t stored = 0;
    EXPECT_LE(now.GetTime(), _time64(&stored));
    EXPECT_GE(stored, before);
}

TEST(LocalTime64, NullAndPerThreadStorage)
{
    EXPECT_EQ(_localtime64(nullptr), nullptr);
    const __time64_t t = 0;
    std::tm* mine = _localtime64(&t);
    ASSERT_NE(mine, nullptr);
    std::tm* theirs = nullptr;
    std::thread other([&] {
        const __time64_t later = 1709208309;
        theirs = _localtime64(&later);
    });
    other.join();
    EXPECT_NE(mine, theirs);  // another thread's call did not overwrite this thread's result
    EXPECT_TRUE(mine->tm_year == 69 || mine->tm_year == 70);  // 1970 east of Greenwich, 1969 west
}
