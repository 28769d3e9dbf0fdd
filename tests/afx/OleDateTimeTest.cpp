// COleDateTime and COleDateTimeSpan: the 1899-12-30 epoch, serial numbers checked against an
// independent calendar, leap years, end-of-month arithmetic, status propagation, negative
// dates, rounding to the second, formatting and parsing.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "afx/OleDateTime.h"
#include "afx/OleDateTimeSpan.h"
#include "afx/SystemTime.h"

namespace {

CString Iso(const COleDateTime& d)
{
    return d.Format("%Y-%m-%d %H:%M:%S");
}

}  // namespace

TEST(OleDateTime, DefaultIsTheValidEpoch)
{
    COleDateTime d;
    EXPECT_EQ(d.m_dt, 0.0);
    EXPECT_EQ(d.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(Iso(d), "1899-12-30 00:00:00");
    EXPECT_EQ(d.GetDayOfWeek(), 7);  // a Saturday
}

// Serial numbers and weekdays computed independently (days since 1899-12-30 of the proleptic
// Gregorian calendar); 1 = Sunday ... 7 = Saturday.
TEST(OleDateTime, KnownSerialsAndWeekdays)
{
    struct Case {
        int y, m, d;
        double serial;
        int weekday;
    } cases[] = {
        {2000, 1, 1, 36526, 7},  {2024, 2, 29, 45351, 5},   {1900, 1, 1, 2, 2},
        {1900, 3, 1, 61, 5},     {1899, 12, 29, -1, 6},     {1800, 1, 1, -36522, 4},
        {100, 1, 1, -657434, 6}, {9999, 12, 31, 2958465, 6}, {1970, 1, 1, 25569, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.y << "-" << c.m << "-" << c.d);
        COleDateTime d(c.y, c.m, c.d, 0, 0, 0);
        ASSERT_EQ(d.GetStatus(), COleDateTime::valid);
        EXPECT_EQ(d.m_dt, c.serial);
        EXPECT_EQ(d.GetDayOfWeek(), c.weekday);
        COleDateTime back(c.serial);
        EXPECT_EQ(back.GetYear(), c.y);
        EXPECT_EQ(back.GetMonth(), c.m);
        EXPECT_EQ(back.GetDay(), c.d);
    }
    COleDateTime withTime(2024, 2, 29, 13, 5, 9);
    EXPECT_NEAR(withTime.m_dt, 45351.54524305555, 1e-9);
    EXPECT_EQ(withTime.GetHour(), 13);
    EXPECT_EQ(withTime.GetMinute(), 5);
    EXPECT_EQ(withTime.GetSecond(), 9);
}

TEST(OleDateTime, LeapYears)
{
    EXPECT_EQ(COleDateTime(2000, 2, 29, 0, 0, 0).GetStatus(), COleDateTime::valid);  // divisible by 400
    EXPECT_EQ(COleDateTime(2024, 2, 29, 0, 0, 0).GetStatus(), COleDateTime::valid);
    EXPECT_EQ(COleDateTime(2100, 2, 29, 0, 0, 0).GetStatus(), COleDateTime::invalid);  // by 100, not 400
    EXPECT_EQ(COleDateTime(1900, 2, 29, 0, 0, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(2023, 2, 29, 0, 0, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(2024, 12, 31, 0, 0, 0).GetDayOfYear(), 366);
    EXPECT_EQ(COleDateTime(2023, 12, 31, 0, 0, 0).GetDayOfYear(), 365);
    EXPECT_EQ(COleDateTime(2024, 3, 1, 0, 0, 0).GetDayOfYear(), 61);
    EXPECT_EQ(COleDateTime(2100, 3, 1, 0, 0, 0) - COleDateTime(2100, 2, 28, 0, 0, 0), COleDateTimeSpan(1.0));
}

TEST(OleDateTime, PartsOutOfRangeGiveInvalid)
{
    const int bad[][6] = {
        {2024, 13, 1, 0, 0, 0}, {2024, 0, 1, 0, 0, 0},  {2024, 1, 0, 0, 0, 0},   {2024, 2, 30, 0, 0, 0},
        {2024, 4, 31, 0, 0, 0}, {2024, 1, 1, 24, 0, 0}, {2024, 1, 1, 0, 60, 0},  {2024, 1, 1, 0, 0, 60},
        {99, 1, 1, 0, 0, 0},    {10000, 1, 1, 0, 0, 0}, {2024, -1, 1, 0, 0, 0},  {2024, 1, 1, -1, 0, 0},
        {2024, 1, 65537, 0, 0, 0},
    };
    for (const auto& p : bad) {
        SCOPED_TRACE(testing::Message() << p[0] << "-" << p[1] << "-" << p[2] << " " << p[3] << ":" << p[4] << ":" << p[5]);
        COleDateTime d(p[0], p[1], p[2], p[3], p[4], p[5]);
        EXPECT_EQ(d.GetStatus(), COleDateTime::invalid);
        EXPECT_EQ(d.m_dt, 0.0);
        EXPECT_EQ(d.GetYear(), AFX_OLE_DATETIME_ERROR);
        EXPECT_EQ(d.GetDayOfWeek(), AFX_OLE_DATETIME_ERROR);
        EXPECT_EQ(d.Format("%Y"), "Invalid DateTime");
        SYSTEMTIME st{};
        EXPECT_FALSE(d.GetAsSystemTime(st));
    }
    COleDateTime d(2024, 5, 5, 0, 0, 0);
    EXPECT_EQ(d.SetDate(2024, 2, 30), 1);
    EXPECT_EQ(d.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(d.SetDate(2024, 2, 29), 0);
    EXPECT_EQ(d.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(d.SetTime(24, 0, 0), 1);
    EXPECT_EQ(d.SetTime(6, 0, 0), 0);
    EXPECT_EQ(d.m_dt, 0.25);  // SetTime puts the time on day 0

    EXPECT_EQ(COleDateTime(std::numeric_limits<double>::quiet_NaN()).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(2958466.0).GetStatus(), COleDateTime::invalid);  // year 10000
    EXPECT_EQ(COleDateTime(-657435.0).GetStatus(), COleDateTime::invalid);  // year 99
    EXPECT_EQ(COleDateTime(2958465.99999).GetStatus(), COleDateTime::valid);  // 9999-12-31 23:59:59
}

TEST(OleDateTime, EndOfMonthArithmetic)
{
    const COleDateTimeSpan oneDay(1, 0, 0, 0);
    EXPECT_EQ(Iso(COleDateTime(2024, 1, 31, 0, 0, 0) + oneDay), "2024-02-01 00:00:00");
    EXPECT_EQ(Iso(COleDateTime(2024, 2, 28, 0, 0, 0) + oneDay), "2024-02-29 00:00:00");
    EXPECT_EQ(Iso(COleDateTime(2023, 2, 28, 0, 0, 0) + oneDay), "2023-03-01 00:00:00");
    EXPECT_EQ(Iso(COleDateTime(2024, 3, 1, 0, 0, 0) - oneDay), "2024-02-29 00:00:00");
    EXPECT_EQ(Iso(COleDateTime(2023, 12, 31, 23, 59, 59) + COleDateTimeSpan(0, 0, 0, 1)), "2024-01-01 00:00:00");
    EXPECT_EQ(Iso(COleDateTime(2024, 1, 1, 0, 0, 0) - COleDateTimeSpan(0, 0, 0, 1)), "2023-12-31 23:59:59");

    COleDateTime d(2024, 12, 31, 12, 0, 0);
    d += COleDateTimeSpan(31, 12, 0, 0);
    EXPECT_EQ(Iso(d), "2025-02-01 00:00:00");
    d -= COleDateTimeSpan(365, 0, 0, 0);
    EXPECT_EQ(Iso(d), "2024-02-02 00:00:00");  // 2024 is leap: 366 days in that year

    const COleDateTimeSpan year2024 = COleDateTime(2025, 1, 1, 0, 0, 0) - COleDateTime(2024, 1, 1, 0, 0, 0);
    EXPECT_EQ(year2024.GetDays(), 366);
    const COleDateTimeSpan back = COleDateTime(2024, 1, 1, 0, 0, 0) - COleDateTime(2024, 1, 2, 6, 0, 0);
    EXPECT_EQ(back.GetDays(), -1);
    EXPECT_EQ(back.GetHours(), -6);
    EXPECT_DOUBLE_EQ(back.GetTotalHours(), -30.0);
}

TEST(OleDateTime, NullAndInvalidPropagate)
{
    COleDateTime nullDate;
    nullDate.SetStatus(COleDateTime::null);
    COleDateTime invalidDate(2024, 2, 30, 0, 0, 0);
    const COleDateTime valid(2024, 1, 1, 0, 0, 0);
    const COleDateTimeSpan day(1.0);
    COleDateTimeSpan nullSpan;
    nullSpan.SetStatus(COleDateTimeSpan::null);
    COleDateTimeSpan invalidSpan;
    invalidSpan.SetStatus(COleDateTimeSpan::invalid);

    EXPECT_EQ((nullDate + day).GetStatus(), COleDateTime::null);
    EXPECT_EQ((invalidDate + day).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((valid + nullSpan).GetStatus(), COleDateTime::null);
    EXPECT_EQ((valid - invalidSpan).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((invalidDate + nullSpan).GetStatus(), COleDateTime::null);  // null wins
    EXPECT_EQ((valid - nullDate).GetStatus(), COleDateTimeSpan::null);
    EXPECT_EQ((invalidDate - valid).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ((day + nullSpan).GetStatus(), COleDateTimeSpan::null);
    EXPECT_EQ((-invalidSpan).GetStatus(), COleDateTimeSpan::invalid);

    // Results that leave the valid years are invalid.
    EXPECT_EQ((COleDateTime(9999, 12, 31, 0, 0, 0) + day).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((COleDateTime(100, 1, 1, 0, 0, 0) - day).GetStatus(), COleDateTime::invalid);

    // Parts, conversions and formats of non-valid dates
    EXPECT_EQ(nullDate.GetMonth(), AFX_OLE_DATETIME_ERROR);
    TIMESTAMP_STRUCT ts{1, 2, 3, 4, 5, 6, 7};
    EXPECT_FALSE(nullDate.GetAsDBTIMESTAMP(ts));
    EXPECT_EQ(ts.year, 1);  // untouched
    EXPECT_EQ(nullDate.Format("%Y"), "");
    EXPECT_EQ(nullDate.Format(), "");
    EXPECT_EQ(invalidDate.Format(), "Invalid DateTime");
    EXPECT_EQ(nullSpan.Format("%D"), "");

    // Equality looks at the status; ordering holds only between valid dates.
    COleDateTime otherNull(5.0);
    otherNull.SetStatus(COleDateTime::null);
    EXPECT_TRUE(nullDate == otherNull);
    EXPECT_FALSE(nullDate == valid);
    EXPECT_FALSE(nullDate < valid);
    EXPECT_FALSE(nullDate > valid);
    EXPECT_FALSE(valid <= invalidDate);
    EXPECT_FALSE(valid >= invalidDate);
}

TEST(OleDateTime, NegativeDatesCountTheTimeForwardFromTheDay)
{
    COleDateTime d(-1.25);
    EXPECT_EQ(d.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(Iso(d), "1899-12-29 06:00:00");
    EXPECT_EQ(COleDateTime(1899, 12, 29, 6, 0, 0).m_dt, -1.25);
    EXPECT_EQ(COleDateTime(1899, 12, 29, 18, 0, 0).m_dt, -1.75);
    EXPECT_EQ(COleDateTime(1899, 12, 28, 0, 0, 0).m_dt, -2.0);
    EXPECT_EQ(Iso(COleDateTime(-0.5)), "1899-12-30 12:00:00");  // day 0, as 0.5

    // Arithmetic follows the time line, not the raw number.
    EXPECT_EQ((d + COleDateTimeSpan(0.5)).m_dt, -1.75);
    EXPECT_EQ((d + COleDateTimeSpan(1.0)).m_dt, 0.25);
    EXPECT_EQ((COleDateTime(0.25) - COleDateTimeSpan(0.5)).m_dt, -1.75);
    EXPECT_EQ(COleDateTime(0.25) - d, COleDateTimeSpan(1.0));
    EXPECT_TRUE(COleDateTime(-1.75) > d);  // 18:00 is later than 06:00 of the same day
    EXPECT_TRUE(d < COleDateTime(0.0));
    EXPECT_TRUE(COleDateTime(-2.0) < d);
    EXPECT_EQ(Iso(COleDateTime(1800, 1, 1, 23, 59, 59) + COleDateTimeSpan(0, 0, 0, 1)), "1800-01-02 00:00:00");
}

TEST(OleDateTime, SplittingRoundsToTheNearestSecond)
{
    EXPECT_EQ(Iso(COleDateTime(0.999999)), "1899-12-31 00:00:00");
    EXPECT_EQ(Iso(COleDateTime(36526.999999)), "2000-01-02 00:00:00");
    EXPECT_EQ(Iso(COleDateTime(36526.0 + 0.4 / 86400)), "2000-01-01 00:00:00");
    EXPECT_EQ(Iso(COleDateTime(36526.0 + 59.6 / 86400)), "2000-01-01 00:01:00");
    EXPECT_EQ(Iso(COleDateTime(-1.999999)), "1899-12-30 00:00:00");  // last instant of day -1
    // 1/86400 added 3600 times lands exactly on the hour
    COleDateTime d(2024, 6, 1, 0, 0, 0);
    for (int i = 0; i < 3600; ++i)
        d += COleDateTimeSpan(0, 0, 0, 1);
    EXPECT_EQ(Iso(d), "2024-06-01 01:00:00");
}

TEST(OleDateTime, ConversionsRoundTrip)
{
    const double serials[] = {0.0, 0.5, 36526.75, 45351.54524305555, -1.25, -36522.5, -657434.0, 2958465.0, 25569.0};
    for (double serial : serials) {
        SCOPED_TRACE(serial);
        const COleDateTime d(serial);
        SYSTEMTIME st{};
        ASSERT_TRUE(d.GetAsSystemTime(st));
        EXPECT_EQ(st.wMilliseconds, 0);
        EXPECT_EQ(st.wDayOfWeek + 1, d.GetDayOfWeek());
        EXPECT_NEAR(COleDateTime(st).m_dt, serial, 1e-9);
        TIMESTAMP_STRUCT ts{};
        ASSERT_TRUE(d.GetAsDBTIMESTAMP(ts));
        EXPECT_EQ(ts.fraction, 0u);
        EXPECT_NEAR(COleDateTime(ts).m_dt, serial, 1e-9);
        double variant = 1e9;
        ASSERT_TRUE(SystemTimeToVariantTime(&st, &variant));
        EXPECT_NEAR(variant, serial, 1e-9);
    }
    TIMESTAMP_STRUCT ts{2024, 2, 29, 13, 5, 9, 999999999};
    COleDateTime fromTs(ts);
    EXPECT_EQ(Iso(fromTs), "2024-02-29 13:05:09");  // the fraction is not carried
    TIMESTAMP_STRUCT out{};
    ASSERT_TRUE(fromTs.GetAsDBTIMESTAMP(out));
    EXPECT_EQ(out.year, 2024);
    EXPECT_EQ(out.month, 2);
    EXPECT_EQ(out.day, 29);
    EXPECT_EQ(out.hour, 13);
    EXPECT_EQ(out.minute, 5);
    EXPECT_EQ(out.second, 9);
}

TEST(OleDateTime, TheInvalidTimestampIsNotADate)
{
    TIMESTAMP_STRUCT invalid{};
    invalid.hour = invalid.minute = invalid.second = 65535;
    EXPECT_EQ(COleDateTime(invalid).GetStatus(), COleDateTime::invalid);
    TIMESTAMP_STRUCT zero{};
    EXPECT_EQ(COleDateTime(zero).GetStatus(), COleDateTime::invalid);
}

TEST(SystemTime, ConversionsRejectBadInput)
{
    SYSTEMTIME st{2024, 2, 0, 30, 0, 0, 0, 0};
    double value = 123.0;
    EXPECT_FALSE(SystemTimeToVariantTime(&st, &value));
    EXPECT_EQ(value, 123.0);
    EXPECT_FALSE(SystemTimeToVariantTime(nullptr, &value));
    st.wDay = 29;
    EXPECT_FALSE(SystemTimeToVariantTime(&st, nullptr));
    st.wMilliseconds = 999;  // not used, as in the system's own conversion
    EXPECT_TRUE(SystemTimeToVariantTime(&st, &value));
    EXPECT_EQ(value, 45351.0);

    SYSTEMTIME out{};
    EXPECT_FALSE(VariantTimeToSystemTime(std::numeric_limits<double>::infinity(), &out));
    EXPECT_FALSE(VariantTimeToSystemTime(1e12, &out));
    EXPECT_FALSE(VariantTimeToSystemTime(-1e12, &out));
    EXPECT_FALSE(VariantTimeToSystemTime(0.0, nullptr));
    EXPECT_TRUE(VariantTimeToSystemTime(45351.5, &out));
    EXPECT_EQ(out.wDayOfWeek, 4);  // Thursday, 0 = Sunday
    EXPECT_EQ(out.wHour, 12);
}

TEST(OleDateTime, CurrentTimeIsNow)
{
    const __time64_t before = _time64(nullptr);
    const COleDateTime now = COleDateTime::GetCurrentTime();
    const __time64_t after = _time64(nullptr);
    ASSERT_EQ(now.GetStatus(), COleDateTime::valid);
    const double lo = COleDateTime(before).m_dt;
    const double hi = COleDateTime(after).m_dt;
    EXPECT_GE(now.m_dt, lo);
    EXPECT_LE(now.m_dt, hi);
    EXPECT_GT(now.GetYear(), 2020);
}

TEST(OleDateTimeFormat, StrftimeAndTheLibrarysDefaultText)
{
    ASSERT_NE(std::setlocale(LC_TIME, "C"), nullptr);
    const COleDateTime d(2024, 2, 29, 13, 5, 9);
    EXPECT_EQ(d.Format("%d/%m/%Y %H:%M"), "29/02/2024 13:05");
    EXPECT_EQ(d.Format("%A %j"), "Thursday 060");
    EXPECT_EQ(d.Format(""), "");
    EXPECT_EQ(d.Format(), "29/02/2024 13:05:09");
    EXPECT_EQ(d.Format(VAR_DATEVALUEONLY), "29/02/2024");
    EXPECT_EQ(d.Format(VAR_TIMEVALUEONLY), "13:05:09");
    EXPECT_EQ(COleDateTime(2024, 2, 29, 0, 0, 0).Format(), "29/02/2024");  // midnight: date only
    EXPECT_EQ(COleDateTime(0.25).Format(), "06:00:00");                     // day 0: time only
    EXPECT_EQ(COleDateTime().Format(), "00:00:00");
    EXPECT_EQ(COleDateTime(101, 1, 1, 0, 0, 0).Format("%Y-%m-%d"), "101-01-01");
}

TEST(OleDateTimeParse, AcceptedForms)
{
    COleDateTime d;
    EXPECT_TRUE(d.ParseDateTime("31/12/1999"));
    EXPECT_EQ(Iso(d), "1999-12-31 00:00:00");
    EXPECT_TRUE(d.ParseDateTime("1/2/2024 7:05"));
    EXPECT_EQ(Iso(d), "2024-02-01 07:05:00");
    EXPECT_TRUE(d.ParseDateTime("  29/02/2024 23:59:58  "));
    EXPECT_EQ(Iso(d), "2024-02-29 23:59:58");
    EXPECT_TRUE(d.ParseDateTime("2024-02-29"));
    EXPECT_EQ(Iso(d), "2024-02-29 00:00:00");
    EXPECT_TRUE(d.ParseDateTime("2024-02-29 10:11:12"));
    EXPECT_EQ(Iso(d), "2024-02-29 10:11:12");
    EXPECT_TRUE(d.ParseDateTime("2024-02-29T10:11:12.600"));
    EXPECT_EQ(Iso(d), "2024-02-29 10:11:13");  // the fraction is kept, so the second rounds up
    EXPECT_TRUE(d.ParseDateTime("10:30"));
    EXPECT_EQ(Iso(d), "1899-12-30 10:30:00");
    EXPECT_TRUE(d.ParseDateTime("31/12/1999 23:59:58", VAR_DATEVALUEONLY));
    EXPECT_EQ(Iso(d), "1999-12-31 00:00:00");
    EXPECT_TRUE(d.ParseDateTime("31/12/1999 23:59:58", VAR_TIMEVALUEONLY));
    EXPECT_EQ(Iso(d), "1899-12-30 23:59:58");
    EXPECT_TRUE(d.ParseDateTime("01/01/1800"));
    EXPECT_EQ(d.m_dt, -36522.0);
}

TEST(OleDateTimeParse, RejectedFormsLeaveAnInvalidZero)
{
    const char* bad[] = {"",          "   ",         "abc",         "31/02/2024",       "2024-13-01",
                         "12/2024",   "1/2/24",      "01/02/2024x", "01/02/2024 25:00", "01/02/2024 10:61",
                         "2024-02-29 10:11:12.", "2024/02/29", "10:3", "29-02-2024", nullptr};
    for (const char* text : bad) {
        SCOPED_TRACE(text != nullptr ? text : "(null)");
        COleDateTime d(2024, 1, 1, 0, 0, 0);
        EXPECT_FALSE(d.ParseDateTime(text));
        EXPECT_EQ(d.GetStatus(), COleDateTime::invalid);
        EXPECT_EQ(d.m_dt, 0.0);
    }
}

TEST(OleDateTimeSpan, PartsAndTotals)
{
    const COleDateTimeSpan s(1, 2, 3, 4);
    EXPECT_EQ(s.GetDays(), 1);
    EXPECT_EQ(s.GetHours(), 2);
    EXPECT_EQ(s.GetMinutes(), 3);
    EXPECT_EQ(s.GetSeconds(), 4);
    EXPECT_DOUBLE_EQ(s.GetTotalSeconds(), 93784.0);
    EXPECT_DOUBLE_EQ(s.GetTotalMinutes(), 93784.0 / 60);
    EXPECT_DOUBLE_EQ(s.GetTotalHours(), 93784.0 / 3600);
    EXPECT_EQ(s.Format("%D days %H:%M:%S %%"), "1 days 02:03:04 %");

    const COleDateTimeSpan minute(1.0 / 1440);
    EXPECT_EQ(minute.GetMinutes(), 1);
    EXPECT_EQ(minute.GetSeconds(), 0);
    EXPECT_EQ(minute.GetTotalMinutes(), 1.0);

    const COleDateTimeSpan negative = -s;
    EXPECT_EQ(negative.GetDays(), -1);
    EXPECT_EQ(negative.GetHours(), -2);
    EXPECT_EQ(negative.GetSeconds(), -4);
    EXPECT_TRUE(negative < s);
    EXPECT_TRUE((s + negative) == COleDateTimeSpan(0.0));

    COleDateTimeSpan acc(0.0);
    acc += COleDateTimeSpan(0, 23, 59, 59);
    acc += COleDateTimeSpan(0, 0, 0, 1);
    EXPECT_EQ(acc.GetDays(), 1);
    EXPECT_EQ(acc.GetHours(), 0);
    acc -= COleDateTimeSpan(2, 0, 0, 0);
    EXPECT_EQ(acc.GetDays(), -1);
    EXPECT_EQ(COleDateTimeSpan(std::nan("")).GetStatus(), COleDateTimeSpan::invalid);
}
