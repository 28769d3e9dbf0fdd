// What every business object inherits: date conversions, filter quoting and the error box.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
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

struct RecordedBox {
    std::string text;
    UINT style;
    UINT helpId;
};

class MessageBoxes : public ::testing::Test {
protected:
    void SetUp() override
    {
        CDomainClass::SetMessageHandler(
            [this](const CString& text, UINT style, UINT helpId) { boxes.push_back({text.str(), style, helpId}); });
    }
    void TearDown() override { CDomainClass::SetMessageHandler(nullptr); }
    std::vector<RecordedBox> boxes;
};

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

TEST(DomainClassDates, InvalidTimestampIsZeroDateWithTimeAt65535)
{
    const TIMESTAMP_STRUCT& ts = CDomainClass::Invalid_TIMESTAMP_STRUCT;
    EXPECT_EQ(ts.year, 0);
    EXPECT_EQ(ts.month, 0);
    EXPECT_EQ(ts.day, 0);
    EXPECT_EQ(ts.hour, 65535);
    EXPECT_EQ(ts.minute, 65535);
    EXPECT_EQ(ts.second, 65535);
    EXPECT_EQ(ts.fraction, 0u);
    EXPECT_FALSE(CDomainClass::IsValid_TIMESTAMP_STRUCT_ONLY_DATE(ts));
    EXPECT_FALSE(CDomainClass::IsValid_TIMESTAMP_STRUCT_ONLY_TIME(ts));
    EXPECT_FALSE(CDomainClass::IsValid_TIMESTAMP_STRUCT(ts));
}

TEST(DomainClassDates, ValidityOfDatePartAndTimePartSeparately)
{
    EXPECT_TRUE(CDomainClass::IsValid_TIMESTAMP_STRUCT(Ts(2024, 2, 29, 23, 59, 59)));
    EXPECT_FALSE(CDomainClass::IsValid_TIMESTAMP_STRUCT_ONLY_DATE(Ts(2100, 2, 29)));
    EXPECT_TRUE(CDomainClass::IsValid_TIMESTAMP_STRUCT_ONLY_DATE(Ts(2000, 2, 29)));
    EXPECT_FALSE(CDomainClass::IsValid_TIMESTAMP_STRUCT_ONLY_DATE(Ts(2026, 4, 31)));
    EXPECT_FALSE(CDomainClass::IsValid_TIMESTAMP_STRUCT_ONLY_DATE(Ts(2026, 13, 1)));
    TIMESTAMP_STRUCT dateOnly = Ts(2026, 12, 5);
    dateOnly.hour = dateOnly.minute = dateOnly.second = 65535;
    EXPECT_TRUE(CDomainClass::IsValid_TIMESTAMP_STRUCT_ONLY_DATE(dateOnly));
    EXPECT_FALSE(CDomainClass::IsValid_TIMESTAMP_STRUCT_ONLY_TIME(dateOnly));
    EXPECT_FALSE(CDomainClass::IsValid_TIMESTAMP_STRUCT(dateOnly));
    EXPECT_FALSE(CDomainClass::IsValid_TIMESTAMP_STRUCT_ONLY_TIME(Ts(2026, 1, 1, 24, 0, 0)));
}

TEST(DomainClassDates, TimestampAndOleDateRoundTrip)
{
    COleDateTime ole;
    CDomainClass::From_TIMESTAMP_STRUCT_To_COleDateTime(Ts(2024, 2, 29, 13, 45, 30), ole);
    ASSERT_EQ(ole.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(ole.GetYear(), 2024);
    EXPECT_EQ(ole.GetMonth(), 2);
    EXPECT_EQ(ole.GetDay(), 29);
    EXPECT_EQ(ole.GetHour(), 13);
    EXPECT_EQ(ole.GetMinute(), 45);
    EXPECT_EQ(ole.GetSecond(), 30);

    TIMESTAMP_STRUCT back;
    CDomainClass::From_COleDateTime_To_TIMESTAMP_STRUCT(ole, back);
    EXPECT_EQ(back.year, 2024);
    EXPECT_EQ(back.month, 2);
    EXPECT_EQ(back.day, 29);
    EXPECT_EQ(back.hour, 13);
    EXPECT_EQ(back.minute, 45);
    EXPECT_EQ(back.second, 30);
}

TEST(DomainClassDates, UnsetValuesMapToEachOther)
{
    COleDateTime ole(2026, 1, 1, 0, 0, 0);
    CDomainClass::From_TIMESTAMP_STRUCT_To_COleDateTime(CDomainClass::Invalid_TIMESTAMP_STRUCT, ole);
    EXPECT_EQ(ole.GetStatus(), COleDateTime::null);

    TIMESTAMP_STRUCT ts = Ts(2026, 1, 1);
    COleDateTime nullDate;
    nullDate.SetStatus(COleDateTime::null);
    CDomainClass::From_COleDateTime_To_TIMESTAMP_STRUCT(nullDate, ts);
    EXPECT_FALSE(CDomainClass::IsValid_TIMESTAMP_STRUCT_ONLY_DATE(ts));
    EXPECT_EQ(ts.hour, 65535);

    COleDateTime invalid(2026, 2, 30, 0, 0, 0);
    CDomainClass::From_COleDateTime_To_TIMESTAMP_STRUCT(invalid, ts);
    EXPECT_EQ(ts.hour, 65535) << "an invalid date is unset, not a wrong day";

    // A date whose time part is unusable converts as midnight of that day.
    TIMESTAMP_STRUCT dateOnly = Ts(2026, 3, 8);
    dateOnly.hour = dateOnly.minute = dateOnly.second = 65535;
    CDomainClass::From_TIMESTAMP_STRUCT_To_COleDateTime(dateOnly, ole);
    ASSERT_EQ(ole.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(ole.GetDay(), 8);
    EXPECT_EQ(ole.GetHour(), 0);
}

TEST(DomainClassDates, DateTextIsDayMonthYear)
{
    CString text;
    CDomainClass::From_TIMESTAMP_STRUCT_To_StringDate(Ts(2026, 3, 8, 10, 0, 0), text);
    EXPECT_STREQ(text, "08/03/2026");
    CDomainClass::From_TIMESTAMP_STRUCT_To_StringDate(CDomainClass::Invalid_TIMESTAMP_STRUCT, text);
    EXPECT_STREQ(text, "");

    TIMESTAMP_STRUCT ts;
    EXPECT_TRUE(CDomainClass::From_StringDate_To_TIMESTAMP_STRUCT("29/02/2024", ts));
    EXPECT_EQ(ts.year, 2024);
    EXPECT_EQ(ts.month, 2);
    EXPECT_EQ(ts.day, 29);
    EXPECT_EQ(ts.hour, 0);
    EXPECT_TRUE(CDomainClass::From_StringDate_To_TIMESTAMP_STRUCT(" 1/3/2026 08:30 ", ts));
    EXPECT_EQ(ts.day, 1);
    EXPECT_EQ(ts.month, 3);
    EXPECT_EQ(ts.hour, 8);
    EXPECT_EQ(ts.minute, 30);
    EXPECT_EQ(ts.second, 0);
    EXPECT_TRUE(CDomainClass::From_StringDate_To_TIMESTAMP_STRUCT("31/12/2026 23:59:58", ts));
    EXPECT_EQ(ts.second, 58);

    COleDateTime ole;
    EXPECT_TRUE(CDomainClass::From_StringDate_To_COleDateTime("05/12/2026", ole));
    EXPECT_EQ(ole.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(ole.GetDayOfWeek(), 7) << "5 December 2026 is a Saturday";
}

TEST(DomainClassDates, MalformedDateTextGivesTheUnsetValue)
{
    for (const char* bad : {"", "2026-12-05", "29/02/2100", "31/04/2026", "05/12/26", "05/12/2026 25:00",
                            "05/12/2026 10:00 extra", "05/12/2026x", "aa/bb/cccc", "00/01/2026"}) {
        TIMESTAMP_STRUCT ts = Ts(2026, 1, 1);
        EXPECT_FALSE(CDomainClass::From_StringDate_To_TIMESTAMP_STRUCT(bad, ts)) << bad;
        EXPECT_EQ(ts.hour, 65535) << bad;
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

TEST_F(MessageBoxes, TextBoxReachesTheInstalledHandler)
{
    EXPECT_EQ(CDomainClass::AfxMessageBox("Errore di salvataggio", MB_ICONEXCLAMATION, 0), IDOK);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Errore di salvataggio");
    EXPECT_EQ(boxes[0].style, 48u);
    EXPECT_EQ(boxes[0].helpId, 0u);
}

TEST(DomainClassMessages, DefaultHandlerWritesOneLineToStandardError)
{
    CDomainClass::SetMessageHandler(nullptr);
    ::testing::internal::CaptureStderr();
    CDomainClass::AfxMessageBox("first line\nsecond line", MB_ICONEXCLAMATION, 7);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("first line second line"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

TEST(DomainClassOperations, EntryPointsPassTheirOperation)
{
    Counter c;
    EXPECT_TRUE(c.DB_AddNew());
    EXPECT_TRUE(c.DB_Edit());
    EXPECT_FALSE(c.DB_Delete());
    EXPECT_EQ(c.operations, (std::vector<int>{1, 2, 3}));
    CDomainClass base;
    EXPECT_FALSE(base.DB_Load());
    EXPECT_FALSE(base.DB_AddNew());
}

TEST(DomainClassOperations, ControlledTransactionsNeedControllerOrForceAndAConnection)
{
    CDomainClass object;
    EXPECT_FALSE(object.IsTransController());
    EXPECT_FALSE(object.BeginControlledTrans());
    object.SetTransController(true);
    EXPECT_TRUE(object.IsTransController());
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
