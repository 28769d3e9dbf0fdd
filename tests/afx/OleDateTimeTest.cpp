// COleDateTime, COleDateTimeSpan and CTimeSpan: the 1899-12-30 epoch, serial numbers checked against an
// independent calendar, leap years, end-of-month arithmetic, status propagation, negative
// dates, rounding to the second, conversions, formatting and parsing.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "afx/OleDateTime.h"
#include "afx/OleDateTimeSpan.h"
#include "afx/SystemTime.h"
#include "afx/TimeSpan.h"

namespace {

CString Iso(const COleDateTime& d) { return d.Format("%Y-%m-%d %H:%M:%S"); }

}  // namespace

// Serial numbers and weekdays computed independently (days since 1899-12-30 of the proleptic
// Gregorian calendar); 1 = Sunday ... 7 = Saturday. Each converts both ways, through
// SYSTEMTIME and TIMESTAMP_STRUCT too.
TEST(OleDateTime, KnownSerialsWeekdaysAndConversions)
{
    const struct {
        int y, m, d, h, mi, s;
        double serial;
        int weekday;
    } cases[] = {
        {1899, 12, 30, 0, 0, 0, 0, 7},        {2000, 1, 1, 18, 0, 0, 36526.75, 7},
        {2024, 2, 29, 0, 0, 0, 45351, 5},     {1900, 3, 1, 0, 0, 0, 61, 5},
        {1899, 12, 29, 6, 0, 0, -1.25, 6},    {1800, 1, 1, 12, 0, 0, -36522.5, 4},
        {100, 1, 1, 0, 0, 0, -657434, 6},     {9999, 12, 31, 0, 0, 0, 2958465, 6},
        {2024, 2, 29, 13, 5, 9, 45351.54524305555, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.y << "-" << c.m << "-" << c.d);
        const COleDateTime d(c.y, c.m, c.d, c.h, c.mi, c.s);
        ASSERT_EQ(d.GetStatus(), COleDateTime::valid);
        EXPECT_NEAR(d.m_dt, c.serial, 1e-9);
        EXPECT_EQ(d.GetDayOfWeek(), c.weekday);
        const COleDateTime back(c.serial);
        EXPECT_EQ(back.GetYear() * 10000 + back.GetMonth() * 100 + back.GetDay(), c.y * 10000 + c.m * 100 + c.d);
        EXPECT_EQ(back.GetHour() * 3600 + back.GetMinute() * 60 + back.GetSecond(), c.h * 3600 + c.mi * 60 + c.s);
        SYSTEMTIME st{};
        ASSERT_TRUE(d.GetAsSystemTime(st));
        EXPECT_EQ(st.wDayOfWeek + 1, c.weekday);
        EXPECT_NEAR(COleDateTime(st).m_dt, c.serial, 1e-9);
        double variant = 1e9;
        ASSERT_TRUE(SystemTimeToVariantTime(&st, &variant));
        EXPECT_NEAR(variant, c.serial, 1e-9);
        TIMESTAMP_STRUCT ts{};
        ASSERT_TRUE(d.GetAsDBTIMESTAMP(ts));
        EXPECT_NEAR(COleDateTime(ts).m_dt, c.serial, 1e-9);
    }
    EXPECT_EQ(COleDateTime(2024, 12, 31, 0, 0, 0).GetDayOfYear(), 366);
    TIMESTAMP_STRUCT withFraction{2024, 2, 29, 13, 5, 9, 999999999};
    EXPECT_EQ(Iso(COleDateTime(withFraction)), "2024-02-29 13:05:09") << "the fraction is not carried";
}

TEST(OleDateTime, PartsThatAreNotADateGiveInvalid)
{
    const int bad[][6] = {
        {2024, 13, 1, 0, 0, 0}, {2024, 0, 1, 0, 0, 0},  {2024, 2, 30, 0, 0, 0},  {2100, 2, 29, 0, 0, 0},
        {1900, 2, 29, 0, 0, 0}, {2024, 4, 31, 0, 0, 0}, {2024, 1, 1, 24, 0, 0},  {2024, 1, 1, 0, 60, 0},
        {2024, 1, 1, 0, 0, 60}, {99, 1, 1, 0, 0, 0},    {10000, 1, 1, 0, 0, 0},  {2024, 1, 65537, 0, 0, 0},
    };
    for (const auto& p : bad) {
        SCOPED_TRACE(testing::Message() << p[0] << "-" << p[1] << "-" << p[2] << " " << p[3] << ":" << p[4] << ":" << p[5]);
        COleDateTime d(p[0], p[1], p[2], p[3], p[4], p[5]);
        EXPECT_EQ(d.GetStatus(), COleDateTime::invalid);
        EXPECT_EQ(d.m_dt, 0.0);
        EXPECT_EQ(d.GetYear(), AFX_OLE_DATETIME_ERROR);
        EXPECT_EQ(d.Format("%Y"), "Invalid DateTime");
        SYSTEMTIME st{};
        EXPECT_FALSE(d.GetAsSystemTime(st));
    }
    COleDateTime d(2024, 5, 5, 0, 0, 0);
    EXPECT_EQ(d.SetDate(2024, 2, 30), 1);
    EXPECT_EQ(d.SetDate(2024, 2, 29), 0);
    EXPECT_EQ(d.SetTime(6, 0, 0), 0);
    EXPECT_EQ(d.m_dt, 0.25);  // SetTime puts the time on day 0
    for (double serial : {std::numeric_limits<double>::quiet_NaN(), 2958466.0, -657435.0})
        EXPECT_EQ(COleDateTime(serial).GetStatus(), COleDateTime::invalid) << serial;
    TIMESTAMP_STRUCT unset{};
    EXPECT_EQ(COleDateTime(unset).GetStatus(), COleDateTime::invalid);
    unset.hour = unset.minute = unset.second = 65535;
    EXPECT_EQ(COleDateTime(unset).GetStatus(), COleDateTime::invalid);
    SYSTEMTIME st{2024, 2, 0, 30, 0, 0, 0, 0};
    double value = 123.0;
    EXPECT_FALSE(SystemTimeToVariantTime(&st, &value));
    EXPECT_FALSE(SystemTimeToVariantTime(nullptr, &value));
    EXPECT_EQ(value, 123.0);
    SYSTEMTIME out{};
    for (double serial : {std::numeric_limits<double>::infinity(), 1e12, -1e12})
        EXPECT_FALSE(VariantTimeToSystemTime(serial, &out)) << serial;
}

TEST(OleDateTime, ArithmeticFollowsTheTimeLine)
{
    const COleDateTimeSpan day(1, 0, 0, 0);
    const COleDateTimeSpan second(0, 0, 0, 1);
    EXPECT_EQ(Iso(COleDateTime(2024, 2, 28, 0, 0, 0) + day), "2024-02-29 00:00:00");
    EXPECT_EQ(Iso(COleDateTime(2023, 2, 28, 0, 0, 0) + day), "2023-03-01 00:00:00");
    EXPECT_EQ(Iso(COleDateTime(2023, 12, 31, 23, 59, 59) + second), "2024-01-01 00:00:00");
    EXPECT_EQ((COleDateTime(2025, 1, 1, 0, 0, 0) - COleDateTime(2024, 1, 1, 0, 0, 0)).GetDays(), 366);
    const COleDateTimeSpan back = COleDateTime(2024, 1, 1, 0, 0, 0) - COleDateTime(2024, 1, 2, 6, 0, 0);
    EXPECT_EQ(back.GetHours(), -6);
    EXPECT_DOUBLE_EQ(back.GetTotalHours(), -30.0);

    // Before the epoch the time counts forward from the day: -1.25 is 29/12/1899 06:00.
    const COleDateTime d(-1.25);
    EXPECT_EQ((d + COleDateTimeSpan(0.5)).m_dt, -1.75);
    EXPECT_EQ((d + day).m_dt, 0.25);
    EXPECT_EQ(COleDateTime(0.25) - d, day);
    EXPECT_TRUE(COleDateTime(-1.75) > d);
    EXPECT_TRUE(COleDateTime(-2.0) < d);
    EXPECT_EQ(Iso(COleDateTime(-0.5)), "1899-12-30 12:00:00");

    // Splitting rounds to the nearest second, and seconds added one by one land on the hour.
    EXPECT_EQ(Iso(COleDateTime(36526.999999)), "2000-01-02 00:00:00");
    EXPECT_EQ(Iso(COleDateTime(36526.0 + 59.6 / 86400)), "2000-01-01 00:01:00");
    EXPECT_EQ(Iso(COleDateTime(-1.999999)), "1899-12-30 00:00:00");
    COleDateTime h(2024, 6, 1, 0, 0, 0);
    for (int i = 0; i < 3600; ++i)
        h += second;
    EXPECT_EQ(Iso(h), "2024-06-01 01:00:00");
    EXPECT_EQ((COleDateTime(9999, 12, 31, 0, 0, 0) + day).GetStatus(), COleDateTime::invalid);
    h -= COleDateTimeSpan(0, 1, 0, 0);
    EXPECT_TRUE(h <= COleDateTime(2024, 6, 1, 0, 0, 1) && h >= COleDateTime(2024, 5, 31, 23, 59, 59));
}

TEST(OleDateTime, NullAndInvalidPropagate)
{
    COleDateTime nullDate;
    nullDate.SetStatus(COleDateTime::null);
    const COleDateTime invalidDate(2024, 2, 30, 0, 0, 0);
    const COleDateTime valid(2024, 1, 1, 0, 0, 0);
    COleDateTimeSpan nullSpan;
    nullSpan.SetStatus(COleDateTimeSpan::null);
    COleDateTimeSpan invalidSpan;
    invalidSpan.SetStatus(COleDateTimeSpan::invalid);
    EXPECT_EQ((nullDate + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::null);
    EXPECT_EQ((valid - invalidSpan).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((invalidDate + nullSpan).GetStatus(), COleDateTime::null) << "null wins";
    EXPECT_EQ((valid - nullDate).GetStatus(), COleDateTimeSpan::null);
    EXPECT_EQ((invalidDate - valid).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ((-invalidSpan).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ((COleDateTimeSpan(1.0) + nullSpan).GetStatus(), COleDateTimeSpan::null);
    EXPECT_FALSE(nullSpan < COleDateTimeSpan(1.0));
    TIMESTAMP_STRUCT ts{1, 2, 3, 4, 5, 6, 7};
    EXPECT_FALSE(nullDate.GetAsDBTIMESTAMP(ts));
    EXPECT_EQ(ts.year, 1);
    EXPECT_EQ(nullDate.Format(), "");
    EXPECT_EQ(nullDate.Format("%Y"), "");
    EXPECT_EQ(invalidDate.Format(), "Invalid DateTime");
    EXPECT_FALSE(nullDate == valid);
    EXPECT_EQ(nullSpan.Format("%D"), "");
    COleDateTime otherNull(5.0);
    otherNull.SetStatus(COleDateTime::null);
    EXPECT_TRUE(nullDate == otherNull) << "equality looks at the status";
    EXPECT_FALSE(nullDate < valid);
    EXPECT_FALSE(valid >= invalidDate);
    EXPECT_FALSE(valid <= invalidDate);
}

TEST(OleDateTime, FormatAndParse)
{
    ASSERT_NE(std::setlocale(LC_TIME, "C"), nullptr);
    const COleDateTime d(2024, 2, 29, 13, 5, 9);
    EXPECT_EQ(d.Format("%A %j"), "Thursday 060");
    EXPECT_EQ(d.Format(""), "");
    EXPECT_EQ(d.Format(), "29/02/2024 13:05:09");
    EXPECT_EQ(d.Format(VAR_DATEVALUEONLY), "29/02/2024");
    EXPECT_EQ(d.Format(VAR_TIMEVALUEONLY), "13:05:09");
    EXPECT_EQ(COleDateTime(2024, 2, 29, 0, 0, 0).Format(), "29/02/2024") << "midnight: date only";
    EXPECT_EQ(COleDateTime(0.25).Format(), "06:00:00") << "day 0: time only";

    const struct {
        const char* text;
        DWORD flags;
        const char* expected;
    } good[] = {
        {"1/2/2024 7:05", 0, "2024-02-01 07:05:00"},
        {"  29/02/2024 23:59:58  ", 0, "2024-02-29 23:59:58"},
        {"2024-02-29 10:11:12", 0, "2024-02-29 10:11:12"},
        {"2024-02-29T10:11:12.600", 0, "2024-02-29 10:11:13"},  // the fraction rounds the second
        {"10:30", 0, "1899-12-30 10:30:00"},
        {"31/12/1999 23:59:58", VAR_DATEVALUEONLY, "1999-12-31 00:00:00"},
        {"31/12/1999 23:59:58", VAR_TIMEVALUEONLY, "1899-12-30 23:59:58"},
        {"01/01/1800", 0, "1800-01-01 00:00:00"},
    };
    COleDateTime parsed;
    for (const auto& c : good) {
        EXPECT_TRUE(parsed.ParseDateTime(c.text, c.flags)) << c.text;
        EXPECT_EQ(Iso(parsed), c.expected) << c.text;
    }
    for (const char* text : {"", "   ", "abc", "31/02/2024", "2024-13-01", "12/2024", "1/2/24", "01/02/2024x",
                             "01/02/2024 25:00", "2024-02-29 10:11:12.", "2024/02/29", "10:3", "29-02-2024",
                             static_cast<const char*>(nullptr)}) {
        COleDateTime bad(2024, 1, 1, 0, 0, 0);
        EXPECT_FALSE(bad.ParseDateTime(text)) << (text ? text : "(null)");
        EXPECT_EQ(bad.GetStatus(), COleDateTime::invalid);
        EXPECT_EQ(bad.m_dt, 0.0);
    }
}

// Both span types: totals, the parts of a negative span, carrying across a day, and one format.
TEST(Spans, PartsTotalsAndFormat)
{
    const COleDateTimeSpan s(1, 2, 3, 4);
    EXPECT_DOUBLE_EQ(s.GetTotalSeconds(), 93784.0);
    EXPECT_EQ(s.Format("%D days %H:%M:%S %%"), "1 days 02:03:04 %");
    EXPECT_EQ((-s).GetSeconds(), -4);
    COleDateTimeSpan acc(0, 23, 59, 59);
    acc += COleDateTimeSpan(0, 0, 0, 1);
    EXPECT_TRUE(acc.GetDays() == 1 && acc.GetHours() == 0);
    EXPECT_EQ(COleDateTimeSpan(std::nan("")).GetStatus(), COleDateTimeSpan::invalid);
    const CTimeSpan t(2, 3, 4, 5);
    EXPECT_EQ(t.GetTotalHours(), 51);
    EXPECT_EQ(t.Format("%D:%H:%M:%S"), "2:03:04:05");
    EXPECT_EQ((-t).GetDays(), -2);
    EXPECT_EQ((t + -t).GetTimeSpan(), 0);
    EXPECT_LE(COleDateTime(_time64(nullptr) - 1).m_dt, COleDateTime::GetCurrentTime().m_dt);
}
