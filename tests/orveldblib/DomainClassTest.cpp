// What every business object inherits: date conversions, filter quoting and the error box.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "orveldblib/DomainClass.h"

namespace {

TIMESTAMP_STRUCT Ts(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    TIMESTAMP_STRUCT ts{};
    ts.year = static_cast<SQLSMALLINT>(y);
    ts.month = static_cast<SQLUSMALLINT>(mo);
    ts.day = static_cast<SQLUSMALLINT>(d);
    ts.hour = static_cast<SQLUSMALLINT>(h);
    ts.minute = static_cast<SQLUSMALLINT>(mi);
    ts.second = static_cast<SQLUSMALLINT>(s);
    return ts;
}

std::string Text(const TIMESTAMP_STRUCT& ts)
{
    return std::to_string(ts.year) + "-" + std::to_string(ts.month) + "-" + std::to_string(ts.day) + " " +
           std::to_string(ts.hour) + ":" + std::to_string(ts.minute) + ":" + std::to_string(ts.second);
}

// A business object with a database-free save, to show the entry points' plumbing.
class Counter : public CDomainClass {
public:
    std::vector<int> operations;

protected:
    bool DB_Update(EDB_Operation op) override
    {
        operations.push_back(op);
        return op != DB_OPERATION_DELETE;
    }
};

}  // namespace

TEST(DomainClassDates, ValidityOfTheUnsetValueAndOfDateAndTimeParts)
{
    TIMESTAMP_STRUCT dateOnly = Ts(2026, 12, 5);
    dateOnly.hour = dateOnly.minute = dateOnly.second = 65535;
    const struct {
        TIMESTAMP_STRUCT ts;
        bool date, time;
    } cases[] = {
        {CDomainClass::Invalid_TIMESTAMP_STRUCT, false, false},
        {Ts(2024, 2, 29, 23, 59, 59), true, true},
        {Ts(2000, 2, 29), true, true},
        {Ts(2100, 2, 29), false, true},
        {Ts(2026, 4, 31), false, true},
        {Ts(2026, 13, 1), false, true},
        {dateOnly, true, false},
        {Ts(2026, 1, 1, 24, 0, 0), true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ts.year << "-" << c.ts.month << "-" << c.ts.day << " " << c.ts.hour);
        EXPECT_EQ(CDomainClass::IsValid_TIMESTAMP_STRUCT_ONLY_DATE(c.ts), c.date);
        EXPECT_EQ(CDomainClass::IsValid_TIMESTAMP_STRUCT_ONLY_TIME(c.ts), c.time);
        EXPECT_EQ(CDomainClass::IsValid_TIMESTAMP_STRUCT(c.ts), c.date && c.time);
    }
}

TEST(DomainClassDates, TimestampAndOleDateConvertBothWaysUnsetToNull)
{
    COleDateTime ole;
    CDomainClass::From_TIMESTAMP_STRUCT_To_COleDateTime(Ts(2024, 2, 29, 13, 45, 30), ole);
    EXPECT_EQ(ole, COleDateTime(2024, 2, 29, 13, 45, 30));
    TIMESTAMP_STRUCT back;
    CDomainClass::From_COleDateTime_To_TIMESTAMP_STRUCT(ole, back);
    EXPECT_EQ(Text(back), "2024-2-29 13:45:30");

    CDomainClass::From_TIMESTAMP_STRUCT_To_COleDateTime(CDomainClass::Invalid_TIMESTAMP_STRUCT, ole);
    EXPECT_EQ(ole.GetStatus(), COleDateTime::null);
    COleDateTime nullDate;
    nullDate.SetStatus(COleDateTime::null);
    for (const COleDateTime& unset : {nullDate, COleDateTime(2026, 2, 30, 0, 0, 0)}) {
        TIMESTAMP_STRUCT ts = Ts(2026, 1, 1);
        CDomainClass::From_COleDateTime_To_TIMESTAMP_STRUCT(unset, ts);
        EXPECT_EQ(Text(ts), "0-0-0 65535:65535:65535") << "null or invalid is unset, not a wrong day";
    }
    // A date whose time part is unusable converts as midnight of that day.
    TIMESTAMP_STRUCT dateOnly = Ts(2026, 3, 8);
    dateOnly.hour = dateOnly.minute = dateOnly.second = 65535;
    CDomainClass::From_TIMESTAMP_STRUCT_To_COleDateTime(dateOnly, ole);
    EXPECT_EQ(ole, COleDateTime(2026, 3, 8, 0, 0, 0));
}

TEST(DomainClassDates, DateTextIsDayMonthYear)
{
    CString text;
    CDomainClass::From_TIMESTAMP_STRUCT_To_StringDate(Ts(2026, 3, 8, 10, 0, 0), text);
    EXPECT_STREQ(text, "08/03/2026");
    CDomainClass::From_TIMESTAMP_STRUCT_To_StringDate(CDomainClass::Invalid_TIMESTAMP_STRUCT, text);
    EXPECT_STREQ(text, "");
    const std::pair<const char*, const char*> good[] = {
        {"29/02/2024", "2024-2-29 0:0:0"}, {" 1/3/2026 08:30 ", "2026-3-1 8:30:0"}, {"31/12/2026 23:59:58", "2026-12-31 23:59:58"}};
    for (const auto& [input, expected] : good) {
        TIMESTAMP_STRUCT ts;
        EXPECT_TRUE(CDomainClass::From_StringDate_To_TIMESTAMP_STRUCT(input, ts)) << input;
        EXPECT_EQ(Text(ts), expected);
    }
    COleDateTime ole;
    EXPECT_TRUE(CDomainClass::From_StringDate_To_COleDateTime("05/12/2026", ole));
    EXPECT_EQ(ole.GetDayOfWeek(), 7) << "5 December 2026 is a Saturday";
}

TEST(DomainClassDates, MalformedDateTextGivesTheUnsetValue)
{
    for (const char* bad : {"", "2026-12-05", "29/02/2100", "31/04/2026", "05/12/26", "05/12/2026 25:00",
                            "05/12/2026 10:00 extra", "05/12/2026x", "aa/bb/cccc", "00/01/2026"}) {
        TIMESTAMP_STRUCT ts = Ts(2026, 1, 1);
        EXPECT_FALSE(CDomainClass::From_StringDate_To_TIMESTAMP_STRUCT(bad, ts)) << bad;
        EXPECT_EQ(Text(ts), "0-0-0 65535:65535:65535") << bad;
        COleDateTime ole(2026, 1, 1, 0, 0, 0);
        EXPECT_FALSE(CDomainClass::From_StringDate_To_COleDateTime(bad, ole)) << bad;
        EXPECT_EQ(ole.GetStatus(), COleDateTime::null) << bad;
    }
}

TEST(DomainClassFilters, QuotesAreDoubledSoTheTextStaysOneLiteral)
{
    EXPECT_STREQ(CDomainClass::SetFilterParam("O'NEIL"), "O''NEIL");
    EXPECT_STREQ(CDomainClass::SetFilterParam("x' OR '1'='1"), "x'' OR ''1''=''1");
    EXPECT_STREQ(CDomainClass::SetFilterParam("''"), "''''");
    EXPECT_STREQ(CDomainClass::SetFilterParam("plain"), "plain");
    EXPECT_STREQ(CDomainClass::SetFilterParam(""), "");
}

TEST(DomainClassMessages, BoxesReachTheInstalledHandlerElseOneLineOfStandardError)
{
    using Box = std::tuple<std::string, UINT, UINT>;
    std::vector<Box> boxes;
    CDomainClass::SetMessageHandler(
        [&boxes](const CString& text, UINT style, UINT helpId) { boxes.emplace_back(text.str(), style, helpId); });
    EXPECT_EQ(CDomainClass::AfxMessageBox("Errore di salvataggio", MB_ICONEXCLAMATION, 0), IDOK);
    EXPECT_EQ(boxes, (std::vector<Box>{{"Errore di salvataggio", 48u, 0u}}));
    CDomainClass::SetMessageHandler(nullptr);
    ::testing::internal::CaptureStderr();
    CDomainClass::AfxMessageBox("first line\nsecond line", MB_ICONEXCLAMATION, 7);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("first line second line"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(boxes.size(), 1u) << "the handler was taken away";
}

TEST(DomainClassOperations, EntryPointsPassTheirOperationAndTransactionsNeedAConnection)
{
    Counter c;
    EXPECT_TRUE(c.DB_AddNew());
    EXPECT_TRUE(c.DB_Edit());
    EXPECT_FALSE(c.DB_Delete());
    EXPECT_EQ(c.operations, (std::vector<int>{1, 2, 3}));
    CDomainClass object;
    EXPECT_FALSE(object.DB_Load());
    EXPECT_FALSE(object.DB_AddNew());
    // Controlled transactions need the controller flag or force, and a connection.
    EXPECT_FALSE(object.BeginControlledTrans());
    object.SetTransController(true);
    // No connection: nothing to call, whatever the flags say.
    EXPECT_FALSE(object.BeginControlledTrans(true));
    EXPECT_FALSE(object.CommitControlledTrans(true));
    EXPECT_FALSE(object.RollbackControlledTrans(true));
}

TEST(DomainClassOperations, DeleteFreesAnObjectTheLibraryAllocated)
{
    struct Tracked : CDomainClass {
        explicit Tracked(bool& destroyed) : destroyed(destroyed) {}
        ~Tracked() override { destroyed = true; }
        bool& destroyed;
    };
    bool destroyed = false;
    CDomainClass* object = new Tracked(destroyed);
    object->Delete();  // through the virtual destructor
    EXPECT_TRUE(destroyed);
}
