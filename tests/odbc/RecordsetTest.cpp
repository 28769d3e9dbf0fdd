// CRecordset on the real databases: the query it builds, the snapshot and its cursor, the NULL
// rules of every binding kind, dates, and the parameterised writes with their key rules.
#include <gtest/gtest.h>

#include <string>

#include "odbc/DBException.h"
#include "odbc/Database.h"
#include "odbc/FieldExchange.h"
#include "odbc/Recordset.h"
#include "support/DatabaseTest.h"

namespace {

using orvel::test::DatabaseTest;

// An article table bound with every kind of field, names bracketed and bare.
class CArticoloTestSet : public CRecordset {
public:
    explicit CArticoloTestSet(CDatabase* db) : CRecordset(db)
    {
        m_nFields = 8;
        m_nDefaultType = snapshot;
    }
    CString m_CODICE;
    CString m_DESCRIZIONE;
    CString m_NOTE;
    long m_QUANTITA = 0;
    int m_FLAG = 0;
    TIMESTAMP_STRUCT m_DATA_TS{};
    COleDateTime m_DATA_OLE;
    CTime m_DATA_CT;

    CString GetDefaultSQL() override { return "[ARTICOLO]"; }
    void DoFieldExchange(CFieldExchange* pFX) override
    {
        pFX->SetFieldType(CFieldExchange::outputColumn);
        RFX_Text(pFX, "[CODICE]", m_CODICE, 20);
        RFX_Text(pFX, "[DESCRIZIONE]", m_DESCRIZIONE);
        RFX_Text(pFX, "NOTE", m_NOTE, 10, SQL_LONGVARCHAR);
        RFX_Long(pFX, "[QUANTITA]", m_QUANTITA);
        RFX_Int(pFX, "FLAG", m_FLAG);
        RFX_Date(pFX, "[DATA_TS]", m_DATA_TS);
        RFX_Date(pFX, "[DATA_OLE]", m_DATA_OLE);
        RFX_Date(pFX, "[DATA_CT]", m_DATA_CT);
    }
};

// A table without primary key, whose rows are identified by their original values.
class CMovimentoTestSet : public CRecordset {
public:
    explicit CMovimentoTestSet(CDatabase* db) : CRecordset(db) { m_nFields = 4; }
    CString m_ARTICOLO;
    long m_QTA = 0;
    CString m_NOTA;
    TIMESTAMP_STRUCT m_DATA{};

    CString GetDefaultSQL() override { return "[MOVIMENTO]"; }
    void DoFieldExchange(CFieldExchange* pFX) override
    {
        pFX->SetFieldType(CFieldExchange::outputColumn);
        RFX_Text(pFX, "[ARTICOLO]", m_ARTICOLO);
        RFX_Long(pFX, "[QTA]", m_QTA);
        RFX_Text(pFX, "[NOTA]", m_NOTA);
        RFX_Date(pFX, "[DATA]", m_DATA);
    }
};

// Declares one column more than it binds.
class CMiscountedSet : public CRecordset {
public:
    explicit CMiscountedSet(CDatabase* db) : CRecordset(db) { m_nFields = 3; }
    CString m_CODICE;
    long m_QUANTITA = 0;
    CString GetDefaultSQL() override { return "[ARTICOLO]"; }
    void DoFieldExchange(CFieldExchange* pFX) override
    {
        pFX->SetFieldType(CFieldExchange::outputColumn);
        RFX_Text(pFX, "[CODICE]", m_CODICE);
        RFX_Long(pFX, "[QUANTITA]", m_QUANTITA);
    }
};

// Binds a parameter used in its filter.
class CArticoloByQuantitySet : public CRecordset {
public:
    explicit CArticoloByQuantitySet(CDatabase* db) : CRecordset(db)
    {
        m_nFields = 1;
        m_nParams = 1;
        m_strFilter = "[QUANTITA] >= ?";
        m_strSort = "[CODICE]";
    }
    CString m_CODICE;
    long m_minimum = 0;
    CString GetDefaultSQL() override { return "[ARTICOLO]"; }
    void DoFieldExchange(CFieldExchange* pFX) override
    {
        pFX->SetFieldType(CFieldExchange::outputColumn);
        RFX_Text(pFX, "[CODICE]", m_CODICE);
        pFX->SetFieldType(CFieldExchange::param);
        RFX_Long(pFX, "minimum", m_minimum);
    }
};

TIMESTAMP_STRUCT Timestamp(int y, int mo, int d, int h, int mi, int s)
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

void ExpectTimestamp(const TIMESTAMP_STRUCT& ts, int y, int mo, int d, int h, int mi, int s)
{
    EXPECT_EQ(ts.year, y);
    EXPECT_EQ(ts.month, mo);
    EXPECT_EQ(ts.day, d);
    EXPECT_EQ(ts.hour, h);
    EXPECT_EQ(ts.minute, mi);
    EXPECT_EQ(ts.second, s);
}

class Recordset : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        Exec("CREATE TABLE ARTICOLO (CODICE VARCHAR(20) NOT NULL PRIMARY KEY, DESCRIZIONE VARCHAR(255), NOTE TEXT, "
             "QUANTITA INTEGER, FLAG INTEGER, DATA_TS TIMESTAMP, DATA_OLE TIMESTAMP, DATA_CT TIMESTAMP)");
        Exec("CREATE TABLE MOVIMENTO (ARTICOLO VARCHAR(20), QTA INTEGER, NOTA VARCHAR(50), DATA TIMESTAMP)");
    }

    void InsertArticles()
    {
        Exec("INSERT INTO ARTICOLO (CODICE, DESCRIZIONE, QUANTITA, FLAG) VALUES ('A1', 'vite', 5, 1)");
        Exec("INSERT INTO ARTICOLO (CODICE, DESCRIZIONE, QUANTITA, FLAG) VALUES ('A2', 'bullone', 1, 0)");
        Exec("INSERT INTO ARTICOLO (CODICE, DESCRIZIONE, QUANTITA, FLAG) VALUES ('A3', 'dado', 12, 1)");
    }
};

TEST_P(Recordset, OpensWithFilterAndSortAndRequeriesWithNewOnes)
{
    InsertArticles();
    CArticoloTestSet rs(&db());
    rs.m_strFilter = "QUANTITA > 1";
    rs.m_strSort = "[CODICE] DESC";
    ASSERT_TRUE(rs.Open());
    EXPECT_EQ(rs.GetRecordCount(), 2);
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_STREQ(rs.m_CODICE, "A3");
    EXPECT_EQ(rs.m_QUANTITA, 12);
    rs.MoveNext();
    EXPECT_STREQ(rs.m_CODICE, "A1");
    EXPECT_STREQ(rs.m_DESCRIZIONE, "vite");
    EXPECT_EQ(rs.m_FLAG, 1);
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    // The statement built from the bound columns, in the connection's dialect.
    EXPECT_NE(rs.GetSQL().Find(IsPostgreSQL() ? "FROM \"articolo\" WHERE QUANTITA > 1 ORDER BY \"codice\" DESC"
                                              : "FROM [ARTICOLO] WHERE QUANTITA > 1 ORDER BY [CODICE] DESC"),
              -1)
        << rs.GetSQL().GetString();

    rs.m_strFilter = "STRLEN([DESCRIZIONE]) = 4";
    rs.m_strSort = "CODICE";
    ASSERT_TRUE(rs.Requery());
    ASSERT_EQ(rs.GetRecordCount(), 2);
    EXPECT_STREQ(rs.m_CODICE, "A1");
    rs.MoveNext();
    EXPECT_STREQ(rs.m_CODICE, "A3");
}

TEST_P(Recordset, EmptyResultIsBothBofAndEof)
{
    CArticoloTestSet rs(&db());
    rs.m_CODICE = "untouched";
    rs.m_strFilter = "CODICE IS NULL";
    ASSERT_TRUE(rs.Open());
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_TRUE(rs.IsBOF());
    EXPECT_EQ(rs.GetRecordCount(), 0);
    EXPECT_STREQ(rs.m_CODICE, "untouched");
    EXPECT_THROW(rs.MoveNext(), CDBException);
    EXPECT_THROW(rs.Edit(), CDBException);
    EXPECT_THROW(rs.Delete(), CDBException);
}

TEST_P(Recordset, NavigatesBothWaysOverTheSnapshot)
{
    InsertArticles();
    CArticoloTestSet rs(&db());
    rs.m_strSort = "CODICE";
    rs.Open(CRecordset::snapshot);
    EXPECT_FALSE(rs.IsBOF());
    rs.MoveLast();
    EXPECT_STREQ(rs.m_CODICE, "A3");
    rs.MovePrev();
    EXPECT_STREQ(rs.m_CODICE, "A2");
    rs.MovePrev();
    rs.MovePrev();
    EXPECT_TRUE(rs.IsBOF());
    EXPECT_FALSE(rs.IsEOF());
    EXPECT_THROW(rs.MovePrev(), CDBException);
    rs.MoveNext();
    EXPECT_STREQ(rs.m_CODICE, "A1");
    rs.MoveFirst();
    EXPECT_STREQ(rs.m_CODICE, "A1");
    rs.Close();
    EXPECT_FALSE(rs.IsOpen());
    EXPECT_THROW(rs.MoveNext(), CDBException);
    EXPECT_THROW(rs.Requery(), CDBException);
    // A closed recordset opens again.
    rs.Open();
    EXPECT_EQ(rs.GetRecordCount(), 3);
    EXPECT_THROW(rs.Open(), CDBException);  // already open
}

TEST_P(Recordset, NullsReadAsTheEmptyValueOfEveryKind)
{
    Exec("INSERT INTO ARTICOLO (CODICE) VALUES ('N')");
    Exec("INSERT INTO ARTICOLO (CODICE, DESCRIZIONE, NOTE, QUANTITA, FLAG, DATA_TS, DATA_OLE, DATA_CT) VALUES "
         "('V', 'd', 'n', 3, 1, '2024-01-02 03:04:05', '2024-01-02 03:04:05', '2024-01-02 03:04:05')");
    CArticoloTestSet rs(&db());
    rs.m_strSort = "CODICE";
    rs.Open();
    ASSERT_STREQ(rs.m_CODICE, "N");
    EXPECT_STREQ(rs.m_DESCRIZIONE, "");
    EXPECT_STREQ(rs.m_NOTE, "");
    EXPECT_EQ(rs.m_QUANTITA, 0);
    EXPECT_EQ(rs.m_FLAG, 0);
    ExpectTimestamp(rs.m_DATA_TS, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(rs.m_DATA_OLE.GetStatus(), COleDateTime::null);
    EXPECT_EQ(rs.m_DATA_CT.GetTime(), 0);
    for (void* field : std::initializer_list<void*>{&rs.m_DESCRIZIONE, &rs.m_NOTE, &rs.m_QUANTITA, &rs.m_FLAG,
                                                    &rs.m_DATA_TS, &rs.m_DATA_OLE, &rs.m_DATA_CT})
        EXPECT_TRUE(rs.IsFieldNull(field));
    EXPECT_FALSE(rs.IsFieldNull(&rs.m_CODICE));
    EXPECT_FALSE(rs.IsFieldNull(nullptr));  // not every field is NULL

    rs.MoveNext();
    ASSERT_STREQ(rs.m_CODICE, "V");
    for (void* field : std::initializer_list<void*>{&rs.m_DESCRIZIONE, &rs.m_NOTE, &rs.m_QUANTITA, &rs.m_FLAG,
                                                    &rs.m_DATA_TS, &rs.m_DATA_OLE, &rs.m_DATA_CT})
        EXPECT_FALSE(rs.IsFieldNull(field));
    EXPECT_EQ(rs.m_DATA_OLE.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(rs.m_DATA_OLE.GetHour(), 3);
    EXPECT_EQ(rs.m_DATA_CT.GetMinute(), 4);

    long stranger = 0;
    EXPECT_THROW(rs.IsFieldNull(&stranger), CDBException);
    EXPECT_THROW(rs.SetFieldNull(&stranger), CDBException);
}

TEST_P(Recordset, DatesOfTheThreeKindsRoundTrip)
{
    CArticoloTestSet rs(&db());
    rs.m_strFilter = "CODICE IS NULL";
    rs.Open();
    rs.AddNew();
    rs.m_CODICE = "D";
    rs.m_DATA_TS = Timestamp(2024, 2, 29, 13, 45, 10);
    rs.m_DATA_OLE = COleDateTime(1999, 12, 31, 23, 59, 59);
    rs.m_DATA_CT = CTime(2023, 6, 15, 8, 30, 0);
    ASSERT_TRUE(rs.Update());

    EXPECT_EQ(QueryText("SELECT DATA_TS FROM ARTICOLO").value_or("NULL").substr(0, 19), "2024-02-29 13:45:10");
    EXPECT_EQ(QueryText("SELECT DATA_OLE FROM ARTICOLO").value_or("NULL").substr(0, 19), "1999-12-31 23:59:59");

    CArticoloTestSet check(&db());
    check.Open();
    ASSERT_EQ(check.GetRecordCount(), 1);
    ExpectTimestamp(check.m_DATA_TS, 2024, 2, 29, 13, 45, 10);
    EXPECT_EQ(check.m_DATA_OLE, COleDateTime(1999, 12, 31, 23, 59, 59));
    EXPECT_EQ(check.m_DATA_CT, CTime(2023, 6, 15, 8, 30, 0));

    // Unset dates of each kind are written as NULL.
    check.Edit();
    check.m_DATA_TS = TIMESTAMP_STRUCT{};
    check.m_DATA_OLE.SetStatus(COleDateTime::null);
    check.m_DATA_CT = CTime(static_cast<__time64_t>(0));
    ASSERT_TRUE(check.Update());
    EXPECT_EQ(CountRows("ARTICOLO WHERE DATA_TS IS NULL AND DATA_OLE IS NULL AND DATA_CT IS NULL"), 1);
}

TEST_P(Recordset, AddNewEditDeleteAndRequery)
{
    InsertArticles();
    CArticoloTestSet rs(&db());
    rs.m_strSort = "CODICE";
    rs.Open();
    ASSERT_TRUE(rs.CanUpdate());
    ASSERT_STREQ(rs.m_CODICE, "A1");

    rs.AddNew();
    EXPECT_STREQ(rs.m_CODICE, "");  // AddNew starts from empty members
    EXPECT_TRUE(rs.IsFieldNull(&rs.m_QUANTITA));
    rs.m_CODICE = "B9";
    rs.m_DESCRIZIONE = "rondella";
    rs.m_QUANTITA = 0;  // a zero is a value, not NULL
    rs.m_FLAG = 1;
    ASSERT_TRUE(rs.Update());
    // The recordset does not move and shows the current row again; the new row is in the table.
    EXPECT_STREQ(rs.m_CODICE, "A1");
    EXPECT_EQ(rs.GetRecordCount(), 3);
    EXPECT_EQ(CountRows("ARTICOLO"), 4);
    EXPECT_EQ(QueryLong("SELECT QUANTITA FROM ARTICOLO WHERE CODICE = 'B9'"), 0);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE CODICE = 'B9' AND NOTE IS NULL"), 1);

    rs.Requery();
    EXPECT_EQ(rs.GetRecordCount(), 4);
    rs.MoveLast();
    EXPECT_STREQ(rs.m_CODICE, "B9");
    EXPECT_STREQ(rs.m_DESCRIZIONE, "rondella");

    rs.MoveFirst();
    rs.Edit();
    rs.m_DESCRIZIONE = "vite M6";
    rs.m_QUANTITA = 7;
    ASSERT_TRUE(rs.Update());
    EXPECT_STREQ(rs.m_DESCRIZIONE, "vite M6");
    EXPECT_EQ(QueryText("SELECT DESCRIZIONE FROM ARTICOLO WHERE CODICE = 'A1'"), "vite M6");
    EXPECT_EQ(QueryLong("SELECT QUANTITA FROM ARTICOLO WHERE CODICE = 'A1'"), 7);
    EXPECT_EQ(QueryText("SELECT DESCRIZIONE FROM ARTICOLO WHERE CODICE = 'A2'"), "bullone");  // others untouched

    // Changing the key itself: the row is found by its original key.
    rs.Edit();
    rs.m_CODICE = "A1-NEW";
    ASSERT_TRUE(rs.Update());
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE CODICE = 'A1-NEW' AND QUANTITA = 7"), 1);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE CODICE = 'A1'"), 0);

    // CancelUpdate brings the row's values back and writes nothing.
    rs.Edit();
    rs.m_DESCRIZIONE = "never stored";
    rs.CancelUpdate();
    EXPECT_STREQ(rs.m_DESCRIZIONE, "vite M6");
    EXPECT_THROW(rs.Update(), CDBException);  // no AddNew or Edit pending

    rs.MoveNext();
    ASSERT_STREQ(rs.m_CODICE, "A2");
    rs.Delete();
    EXPECT_TRUE(rs.IsDeleted());
    EXPECT_EQ(CountRows("ARTICOLO"), 3);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE CODICE = 'A2'"), 0);
    EXPECT_THROW(rs.Edit(), CDBException);  // the current row is gone
    rs.MoveNext();
    EXPECT_STREQ(rs.m_CODICE, "A3");
    rs.MoveNext();
    EXPECT_STREQ(rs.m_CODICE, "B9");
    rs.Delete();
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_EQ(CountRows("ARTICOLO"), 2);
}

TEST_P(Recordset, EmptyTextIsStoredAsNullUnlessAskedOtherwise)
{
    CArticoloTestSet rs(&db());
    rs.m_strFilter = "CODICE IS NULL";
    rs.Open();

    rs.AddNew();
    rs.m_CODICE = "E1";
    rs.m_DESCRIZIONE = "";
    rs.m_QUANTITA = 4;
    rs.SetFieldNull(&rs.m_QUANTITA);  // explicitly NULL wins over the value
    EXPECT_EQ(rs.m_QUANTITA, 0);
    rs.Update();

    rs.AddNew();
    rs.m_CODICE = "E2";
    rs.m_DESCRIZIONE = "";
    rs.SetFieldNull(&rs.m_DESCRIZIONE, FALSE);
    rs.m_QUANTITA = 4;
    rs.Update();

    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE CODICE = 'E1' AND DESCRIZIONE IS NULL AND QUANTITA IS NULL"), 1);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE CODICE = 'E2' AND DESCRIZIONE = '' AND QUANTITA = 4"), 1);

    // The rule holds for Edit too: an emptied text becomes NULL, and the non-NULL choice is made
    // again after each Edit.
    CArticoloTestSet edit(&db());
    edit.m_strFilter = "CODICE = 'E2'";
    edit.Open();
    ASSERT_FALSE(edit.IsFieldNull(&edit.m_DESCRIZIONE));
    edit.Edit();
    edit.Update();
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE CODICE = 'E2' AND DESCRIZIONE IS NULL"), 1);
    EXPECT_TRUE(edit.IsFieldNull(&edit.m_DESCRIZIONE));

    // SetFieldNull(NULL, TRUE) empties every field at once (the key must then be given again).
    edit.Edit();
    edit.SetFieldNull(nullptr, TRUE);
    EXPECT_TRUE(edit.IsFieldNull(nullptr));
    edit.SetFieldNull(&edit.m_CODICE, FALSE);
    edit.m_CODICE = "E2";
    edit.Update();
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE CODICE = 'E2' AND QUANTITA IS NULL AND FLAG IS NULL"), 1);
}

TEST_P(Recordset, NumbersLeftAloneAfterAddNewAreInsertedAsNull)
{
    CArticoloTestSet rs(&db());
    rs.m_strFilter = "CODICE IS NULL";
    rs.Open();

    rs.AddNew();
    EXPECT_EQ(rs.m_QUANTITA, AFX_RFX_LONG_PSEUDO_NULL);
    EXPECT_EQ(rs.m_FLAG, AFX_RFX_INT_PSEUDO_NULL);
    rs.m_CODICE = "N1";  // numbers not touched
    rs.Update();

    rs.AddNew();
    rs.m_CODICE = "N2";
    rs.m_QUANTITA = 0;  // set, even to zero: written
    rs.m_FLAG = 0;
    rs.Update();

    rs.AddNew();
    rs.m_CODICE = "N3";
    rs.m_QUANTITA = -7;
    rs.Update();

    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE CODICE = 'N1' AND QUANTITA IS NULL AND FLAG IS NULL"), 1);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE CODICE = 'N2' AND QUANTITA = 0 AND FLAG = 0"), 1);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE CODICE = 'N3' AND QUANTITA = -7 AND FLAG IS NULL"), 1);

    // Edit writes back what was read: zeros stay zeros, NULLs (read as 0) stay NULL unless the
    // caller gives a value.
    CArticoloTestSet edit(&db());
    edit.m_strSort = "CODICE";
    edit.Open();
    for (; !edit.IsEOF(); edit.MoveNext()) {
        edit.Edit();
        edit.m_DESCRIZIONE = "touched";
        if (edit.m_CODICE == "N3")
            edit.m_FLAG = 0;
        edit.Update();
    }
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE CODICE = 'N1' AND QUANTITA IS NULL AND FLAG IS NULL"), 1);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE CODICE = 'N2' AND QUANTITA = 0 AND FLAG = 0"), 1);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE CODICE = 'N3' AND QUANTITA = -7 AND FLAG IS NULL"), 1)
        << "a NULL number left at 0 stays NULL: setting 0 over a NULL needs SetFieldNull(&field, FALSE)";
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM ARTICOLO WHERE DESCRIZIONE = 'touched'"), 3);
}

// Queries run again and again (a till looking articles up) reuse their prepared statement with the
// literals passed as values; what comes back must be exactly what the query as written gives.
TEST_P(Recordset, RepeatedQueriesWithOtherValuesReadTheirOwnRows)
{
    InsertArticles();
    Exec("INSERT INTO ARTICOLO (CODICE, DESCRIZIONE, QUANTITA) VALUES ('O''NEIL', 'it''s ? [x]', 3)");
    CArticoloTestSet rs(&db());
    for (int round = 0; round < 2; ++round) {
        for (const char* code : {"A1", "A2", "O''NEIL", "A3", "none"}) {
            SCOPED_TRACE(code);
            rs.m_strFilter.Format("CODICE = '%s' AND DESCRIZIONE <> '?'", code);
            rs.Open();
            if (std::string(code) == "none") {
                EXPECT_TRUE(rs.IsEOF());
            } else {
                ASSERT_FALSE(rs.IsEOF());
                CString expected(code);
                expected.Replace("''", "'");
                EXPECT_STREQ(rs.m_CODICE, expected);
                rs.MoveNext();
                EXPECT_TRUE(rs.IsEOF());
            }
            rs.Close();
        }
    }
    rs.m_strFilter = "DESCRIZIONE = 'it''s ? [x]'";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_STREQ(rs.m_CODICE, "O'NEIL");
    rs.Close();

    // A query's own parameter and a literal together keep their order.
    CArticoloByQuantitySet byQuantity(&db());
    byQuantity.m_strFilter = "[QUANTITA] >= ? AND CODICE <> 'A3'";
    for (long minimum : {1L, 4L, 13L}) {
        byQuantity.m_minimum = minimum;
        byQuantity.Open();
        long count = 0;
        for (; !byQuantity.IsEOF(); byQuantity.MoveNext())
            ++count;
        byQuantity.Close();
        EXPECT_EQ(count, minimum == 1 ? 3 : (minimum == 4 ? 1 : 0)) << minimum;
    }
}

TEST_P(Recordset, AQueryThatTakesNoParametersStillRunsAsWritten)
{
    InsertArticles();
    // A single-quoted alias is a name to SQLite, not a value: the query runs as it is written.
    CArticoloTestSet rs(&db());
    if (IsSQLite()) {
        rs.Open(CRecordset::snapshot,
                "SELECT CODICE AS 'CODICE', DESCRIZIONE, NOTE, QUANTITA, FLAG, DATA_TS, DATA_OLE, DATA_CT "
                "FROM ARTICOLO WHERE CODICE = 'A2'");
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_STREQ(rs.m_DESCRIZIONE, "bullone");
        rs.Close();
    }
    // An error names the query with its values, as written.
    rs.m_strFilter = "NO_SUCH_COLUMN = 'Z9'";
    try {
        rs.Open();
        ADD_FAILURE() << "a missing column must fail";
    } catch (const CDBException& e) {
        EXPECT_NE(e.GetSQL().Find("NO_SUCH_COLUMN = 'Z9'"), -1) << e.GetSQL().GetString();
    }
}

TEST_P(Recordset, KeptQueriesHoldNoLockAndFollowSchemaChanges)
{
    InsertArticles();
    CArticoloTestSet rs(&db());
    rs.m_strFilter = "CODICE = 'A1'";
    rs.Open();
    rs.Close();
    // Another connection writes while the query is kept: nothing holds the database.
    std::unique_ptr<CDatabase> other = OpenAnother();
    other->ExecuteSQL("UPDATE ARTICOLO SET DESCRIZIONE = 'vite lunga' WHERE CODICE = 'A1'");
    rs.Open();
    EXPECT_STREQ(rs.m_DESCRIZIONE, "vite lunga");
    rs.Close();

    // The table is dropped and made again with other columns on the same connection.
    Exec("DROP TABLE ARTICOLO");
    Exec("CREATE TABLE ARTICOLO (CODICE VARCHAR(20) NOT NULL PRIMARY KEY, EXTRA VARCHAR(5), DESCRIZIONE VARCHAR(255), "
         "NOTE TEXT, QUANTITA INTEGER, FLAG INTEGER, DATA_TS TIMESTAMP, DATA_OLE TIMESTAMP, DATA_CT TIMESTAMP)");
    Exec("INSERT INTO ARTICOLO (CODICE, EXTRA, DESCRIZIONE, QUANTITA) VALUES ('A1', 'e', 'nuova', 8)");
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_STREQ(rs.m_DESCRIZIONE, "nuova");
    EXPECT_EQ(rs.m_QUANTITA, 8);
    rs.Close();
}

TEST_P(Recordset, ClosingTheDatabaseUnderAnOpenRecordsetIsSafe)
{
    auto other = OpenAnother();
    {
        CArticoloTestSet rs(other.get());
        rs.m_strFilter = "CODICE IS NULL";
        rs.Open();
        rs.AddNew();
        rs.m_CODICE = "X1";
        rs.Update();  // leaves a prepared INSERT behind in the recordset
        other->Close();
        // No connection any more: errors, not a crash.
        try {
            rs.AddNew();
            FAIL() << "AddNew on a closed database";
        } catch (const CDBException& e) {
            EXPECT_EQ(e.m_nRetCode, AFX_SQL_ERROR_DATABASE_NOT_OPEN);
            EXPECT_NE(std::string(e.what()).find("database was closed"), std::string::npos) << e.what();
        }
        EXPECT_THROW(rs.Requery(), CDBException);
        // Opened again on the reopened database, it prepares its INSERT anew.
        rs.Close();
        other->OpenEx(ConnectionString().c_str());
        rs.Open();
        rs.AddNew();
        rs.m_CODICE = "X2";
        rs.Update();
        other->Close();
    }  // the recordset goes after its database
    EXPECT_EQ(CountRows("ARTICOLO"), 2);
}

TEST_P(Recordset, AFailedInsertKeepsTheValuesForARetry)
{
    InsertArticles();
    CArticoloTestSet rs(&db());
    rs.m_strSort = "CODICE";
    rs.Open();
    rs.AddNew();
    rs.m_CODICE = "A1";  // already there
    rs.m_DESCRIZIONE = "doppione";
    EXPECT_THROW(rs.Update(), CDBException);
    EXPECT_STREQ(rs.m_DESCRIZIONE, "doppione");  // nothing the caller set is lost
    rs.m_CODICE = "A9";
    ASSERT_TRUE(rs.Update());
    EXPECT_EQ(QueryText("SELECT DESCRIZIONE FROM ARTICOLO WHERE CODICE = 'A9'"), "doppione");
    EXPECT_STREQ(rs.m_CODICE, "A1");  // back on the current row

    rs.AddNew();
    rs.m_CODICE = "A1";
    EXPECT_THROW(rs.Update(), CDBException);
    rs.CancelUpdate();
    EXPECT_STREQ(rs.m_DESCRIZIONE, "vite");
    EXPECT_EQ(CountRows("ARTICOLO"), 4);
}

TEST_P(Recordset, ARowDeletedBySomeoneElseMakesEditAndDeleteThrow)
{
    InsertArticles();
    CArticoloTestSet rs(&db());
    rs.m_strFilter = "CODICE = 'A2'";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());

    auto other = OpenAnother();
    other->ExecuteSQL("DELETE FROM ARTICOLO WHERE CODICE = 'A2'");

    rs.Edit();
    rs.m_DESCRIZIONE = "too late";
    try {
        rs.Update();
        FAIL() << "update of a vanished row succeeded";
    } catch (const CDBException& e) {
        EXPECT_EQ(e.m_nRetCode, AFX_SQL_ERROR_NO_ROWS_AFFECTED);
        EXPECT_NE(e.m_strError.Find("ARTICOLO"), -1) << e.m_strError.GetString();
        EXPECT_NE(e.m_strError.Find("CODICE='A2'"), -1) << e.m_strError.GetString();
        // Identified by the primary key alone, not by every original value.
        EXPECT_EQ(e.m_strError.Find("DESCRIZIONE="), -1) << e.m_strError.GetString();
        EXPECT_NE(e.GetSQL().Find("UPDATE"), -1);
    }
    try {
        rs.Delete();
        FAIL() << "delete of a vanished row succeeded";
    } catch (const CDBException& e) {
        EXPECT_EQ(e.m_nRetCode, AFX_SQL_ERROR_NO_ROWS_AFFECTED);
        EXPECT_NE(e.m_strError.Find("CODICE='A2'"), -1) << e.m_strError.GetString();
    }
    EXPECT_EQ(CountRows("ARTICOLO"), 2);
}

TEST_P(Recordset, TableWithoutPrimaryKeyIsEditedByOriginalValuesIncludingNulls)
{
    Exec("INSERT INTO MOVIMENTO (ARTICOLO, QTA, NOTA, DATA) VALUES ('A', 1, NULL, NULL)");
    Exec("INSERT INTO MOVIMENTO (ARTICOLO, QTA, NOTA, DATA) VALUES ('A', 1, 'x', NULL)");
    Exec("INSERT INTO MOVIMENTO (ARTICOLO, QTA, NOTA, DATA) VALUES ('A', NULL, NULL, NULL)");
    Exec("INSERT INTO MOVIMENTO (ARTICOLO, QTA, NOTA, DATA) VALUES ('B', 2, NULL, '2023-03-04 05:06:07')");

    // A dated row written through the recordset, so its stored form is the layer's own.
    CMovimentoTestSet rs(&db());
    rs.m_strFilter = "ARTICOLO = 'C'";
    rs.Open();
    rs.AddNew();
    rs.m_ARTICOLO = "C";
    rs.m_QTA = 3;
    rs.m_DATA = Timestamp(2024, 5, 6, 7, 8, 9);
    rs.Update();
    rs.Close();

    rs.m_strFilter = "";
    rs.m_strSort = "ARTICOLO, QTA, NOTA";
    rs.Open();
    ASSERT_EQ(rs.GetRecordCount(), 5);
    // Sorted with NULLs first on SQLite and last on PostgreSQL: find the row ('A', 1, NULL).
    while (!rs.IsEOF() && !(rs.m_ARTICOLO == "A" && rs.m_QTA == 1 && rs.IsFieldNull(&rs.m_NOTA)))
        rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    rs.Edit();
    rs.m_NOTA = "edited";
    rs.Update();
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM MOVIMENTO WHERE NOTA = 'edited'"), 1);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM MOVIMENTO WHERE ARTICOLO = 'A' AND QTA = 1 AND NOTA = 'x'"), 1);

    // The row with a NULL quantity is deleted alone.
    rs.MoveFirst();
    while (!rs.IsEOF() && !(rs.m_ARTICOLO == "A" && rs.IsFieldNull(&rs.m_QTA)))
        rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    rs.Delete();
    EXPECT_EQ(CountRows("MOVIMENTO"), 4);
    EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM MOVIMENTO WHERE QTA IS NULL"), 0);

    // The dated row is found by its date too.
    rs.MoveFirst();
    while (!rs.IsEOF() && rs.m_ARTICOLO != "C")
        rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    ExpectTimestamp(rs.m_DATA, 2024, 5, 6, 7, 8, 9);
    rs.Edit();
    rs.m_QTA = 30;
    rs.Update();
    EXPECT_EQ(QueryLong("SELECT QTA FROM MOVIMENTO WHERE ARTICOLO = 'C'"), 30);
    rs.Delete();
    EXPECT_EQ(CountRows("MOVIMENTO"), 3);

    // A date written by SQL text rather than by the layer is matched as well.
    rs.MoveFirst();
    while (!rs.IsEOF() && rs.m_ARTICOLO != "B")
        rs.MoveNext();
    ASSERT_FALSE(rs.IsEOF());
    ExpectTimestamp(rs.m_DATA, 2023, 3, 4, 5, 6, 7);
    rs.Edit();
    rs.m_QTA = 20;
    EXPECT_NO_THROW(rs.Update());
    EXPECT_EQ(QueryLong("SELECT QTA FROM MOVIMENTO WHERE ARTICOLO = 'B'"), 20);
}

TEST_P(Recordset, FieldCountMismatchNamesTheClassAndBothCounts)
{
    CMiscountedSet rs(&db());
    try {
        rs.Open();
        FAIL() << "a recordset with a wrong m_nFields opened";
    } catch (const CDBException& e) {
        EXPECT_EQ(e.m_nRetCode, AFX_SQL_ERROR_FIELD_COUNT);
        std::string what = e.what();
        EXPECT_NE(what.find("CMiscountedSet"), std::string::npos) << what;
        EXPECT_NE(what.find("binds 2 columns"), std::string::npos) << what;
        EXPECT_NE(what.find("m_nFields is 3"), std::string::npos) << what;
    }
    EXPECT_FALSE(rs.IsOpen());
}

TEST_P(Recordset, TwoRecordsetsWalkWhileWriting)
{
    InsertArticles();
    CArticoloTestSet reader(&db());
    reader.m_strSort = "CODICE";
    reader.Open();
    CArticoloTestSet writer(&db());
    writer.m_strSort = "CODICE DESC";
    writer.Open();
    CMovimentoTestSet log(&db());
    log.m_strFilter = "ARTICOLO IS NULL";
    log.Open();

    int seen = 0;
    while (!reader.IsEOF()) {
        // Each step changes a row through the second recordset and adds one through a third.
        writer.Edit();
        writer.m_QUANTITA += 100;
        writer.Update();
        writer.MoveNext();
        log.AddNew();
        log.m_ARTICOLO = reader.m_CODICE;
        log.m_QTA = reader.m_QUANTITA;
        log.Update();
        ++seen;
        reader.MoveNext();
    }
    EXPECT_EQ(seen, 3);
    // The reader saw the rows as they were at its Open.
    EXPECT_EQ(QueryLong("SELECT SUM(QTA) FROM MOVIMENTO"), 5 + 1 + 12);
    EXPECT_EQ(QueryLong("SELECT SUM(QUANTITA) FROM ARTICOLO"), 18 + 300);
    reader.Requery();
    EXPECT_EQ(reader.m_QUANTITA, 105);
}

TEST_P(Recordset, QuotesAndSqlInValuesAreStoredVerbatim)
{
    CArticoloTestSet rs(&db());
    rs.m_strFilter = "CODICE IS NULL";
    rs.Open();
    rs.AddNew();
    rs.m_CODICE = "L'ART";
    rs.m_DESCRIZIONE = "it's \"quoted\"; DROP TABLE ARTICOLO; -- [X] ?";
    rs.Update();
    EXPECT_EQ(CountRows("ARTICOLO"), 1);
    CArticoloTestSet check(&db());
    check.m_strFilter = "CODICE = 'L''ART'";
    check.Open();
    ASSERT_EQ(check.GetRecordCount(), 1);
    EXPECT_STREQ(check.m_DESCRIZIONE, "it's \"quoted\"; DROP TABLE ARTICOLO; -- [X] ?");
    check.Edit();
    check.m_DESCRIZIONE = "'";
    check.Update();
    EXPECT_EQ(QueryText("SELECT DESCRIZIONE FROM ARTICOLO"), "'");
}

TEST_P(Recordset, NonAsciiTextRoundTrips)
{
    const char* text = "perché € 10 — Ünïcødé 😀 日本";
    CArticoloTestSet rs(&db());
    rs.m_strFilter = "CODICE IS NULL";
    rs.Open();
    rs.AddNew();
    rs.m_CODICE = "città";
    rs.m_DESCRIZIONE = text;
    rs.Update();
    EXPECT_EQ(QueryText("SELECT DESCRIZIONE FROM ARTICOLO WHERE CODICE = 'città'"), text);
    // The database sees characters, not bytes: "città" is 5 long.
    EXPECT_EQ(QueryLong("SELECT STRLEN(CODICE) FROM ARTICOLO"), 5);
    CArticoloTestSet check(&db());
    check.Open();
    EXPECT_STREQ(check.m_CODICE, "città");
    EXPECT_STREQ(check.m_DESCRIZIONE, text);
    check.Edit();  // found again by its non-ASCII key
    check.m_NOTE = "è";
    check.Update();
    EXPECT_EQ(QueryText("SELECT NOTE FROM ARTICOLO"), "è");
}

TEST_P(Recordset, TextsLongerThanTheirDeclaredLengthAreReadWhole)
{
    std::string longText;
    for (int i = 0; i < 5000; ++i)
        longText += static_cast<char>('a' + i % 26);
    longText += "àé€";  // multi-byte characters across the driver's chunk boundaries
    CArticoloTestSet rs(&db());
    rs.m_strFilter = "CODICE IS NULL";
    rs.Open();
    rs.AddNew();
    rs.m_CODICE = "L";
    rs.m_NOTE = longText;  // bound with a maximum length of 10
    rs.Update();
    CArticoloTestSet check(&db());
    check.Open();
    EXPECT_EQ(check.m_NOTE.str(), longText);
}

TEST_P(Recordset, InputParametersBindIntoTheFilter)
{
    InsertArticles();
    CArticoloByQuantitySet rs(&db());
    rs.m_minimum = 5;
    rs.Open();
    ASSERT_EQ(rs.GetRecordCount(), 2);
    EXPECT_STREQ(rs.m_CODICE, "A1");
    rs.m_minimum = 10;
    rs.Requery();
    ASSERT_EQ(rs.GetRecordCount(), 1);
    EXPECT_STREQ(rs.m_CODICE, "A3");
}

TEST_P(Recordset, ReadOnlyAndQueryRecordsetsRefuseWrites)
{
    InsertArticles();
    CArticoloTestSet readOnly(&db());
    readOnly.Open(CRecordset::snapshot, nullptr, CRecordset::readOnly);
    EXPECT_FALSE(readOnly.CanUpdate());
    EXPECT_THROW(readOnly.Edit(), CDBException);
    EXPECT_THROW(readOnly.AddNew(), CDBException);

    // A SELECT given as text is used as it is, filter and sort appended; it binds by position.
    CArticoloTestSet query(&db());
    query.m_strFilter = "QUANTITA > 1";
    query.m_strSort = "CODICE";
    query.Open(CRecordset::snapshot,
               "SELECT CODICE, DESCRIZIONE, NOTE, QUANTITA, FLAG, DATA_TS, DATA_OLE, DATA_CT FROM ARTICOLO");
    EXPECT_EQ(query.GetRecordCount(), 2);
    EXPECT_STREQ(query.m_CODICE, "A1");
    EXPECT_FALSE(query.CanUpdate());
    EXPECT_THROW(query.Edit(), CDBException);

    // A query with fewer columns than the class binds is refused with the counts.
    CArticoloTestSet narrow(&db());
    try {
        narrow.Open(CRecordset::snapshot, "SELECT CODICE FROM ARTICOLO");
        FAIL() << "a query with too few columns opened";
    } catch (const CDBException& e) {
        EXPECT_NE(std::string(e.what()).find("returns 1 columns but 8 are bound"), std::string::npos) << e.what();
    }

    // A table name given to Open replaces GetDefaultSQL().
    CArticoloTestSet byName(&db());
    byName.Open(CRecordset::snapshot, "[ARTICOLO]");
    EXPECT_EQ(byName.GetRecordCount(), 3);
    EXPECT_TRUE(byName.CanUpdate());
}

TEST_P(Recordset, DriverErrorsSurfaceFromOpen)
{
    CArticoloTestSet rs(&db());
    rs.m_strFilter = "NO_SUCH_COLUMN = 1";
    try {
        rs.Open();
        FAIL() << "a filter on a missing column opened";
    } catch (const CDBException& e) {
        EXPECT_EQ(e.GetSqlState().GetLength(), 5);
        EXPECT_NE(e.GetSQL().Find("NO_SUCH_COLUMN = 1"), -1) << e.GetSQL().GetString();
    }
    EXPECT_FALSE(rs.IsOpen());
    CDatabase closed;
    CArticoloTestSet onClosed(&closed);
    EXPECT_THROW(onClosed.Open(), CDBException);
}

// Connects by itself with the connect string it reports, as the framework's recordsets do when
// they are given no database.
class CSelfConnectingSet : public CArticoloTestSet {
public:
    explicit CSelfConnectingSet(std::string connect) : CArticoloTestSet(nullptr), m_connect(std::move(connect)) {}
    CString GetDefaultConnect() override { return CString("ODBC;") + m_connect; }
    std::string m_connect;
};

TEST_P(Recordset, WithoutADatabaseItConnectsThroughGetDefaultConnect)
{
    InsertArticles();
    CSelfConnectingSet rs(ConnectionString());
    ASSERT_TRUE(rs.Open());
    EXPECT_EQ(rs.GetRecordCount(), 3);
    ASSERT_NE(rs.m_pDatabase, nullptr);
    EXPECT_NE(rs.m_pDatabase, &db());
    rs.Close();
    EXPECT_EQ(rs.m_pDatabase, nullptr);  // its own connection went with it

    CSelfConnectingSet broken("DRIVER={No Such Driver}");
    EXPECT_THROW(broken.Open(), CDBException);
    EXPECT_FALSE(broken.IsOpen());
}

TEST(RecordsetCatalogue, DescribeFieldsNeedsNoDatabase)
{
    CArticoloTestSet rs(nullptr);
    auto fields = rs.DescribeFields();
    ASSERT_EQ(fields.size(), 8u);
    EXPECT_STREQ(fields[0].name, "[CODICE]");
    EXPECT_EQ(fields[0].kind, CFieldInfo::text);
    EXPECT_EQ(fields[0].maxLength, 20);
    EXPECT_EQ(fields[0].columnType, SQL_VARCHAR);
    EXPECT_EQ(fields[1].maxLength, 255);  // RFX_Text's default length
    EXPECT_STREQ(fields[2].name, "NOTE");
    EXPECT_EQ(fields[2].columnType, SQL_LONGVARCHAR);
    EXPECT_STREQ(fields[3].KindName(), "long");
    EXPECT_STREQ(fields[4].KindName(), "int");
    EXPECT_STREQ(fields[5].KindName(), "date-timestamp");
    EXPECT_STREQ(fields[6].KindName(), "date-ole");
    EXPECT_STREQ(fields[7].KindName(), "date-ctime");
    EXPECT_FALSE(fields[7].isParam);

    CArticoloByQuantitySet withParam(nullptr);
    auto both = withParam.DescribeFields();
    ASSERT_EQ(both.size(), 2u);
    EXPECT_TRUE(both[1].isParam);
    EXPECT_STREQ(both[1].name, "minimum");
}

ORVEL_DATABASE_TEST_SUITE(Recordset);

}  // namespace
