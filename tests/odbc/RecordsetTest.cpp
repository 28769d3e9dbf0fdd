// CRecordset on the real databases: the query it builds (filter and sort added to a table or to
// SQL text), the snapshot and its cursor, the NULL rules of every binding kind, dates, the
// parameterised writes with their key rules, and the prepared queries kept on the connection.
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
    explicit CArticoloTestSet(CDatabase* db) : CRecordset(db) { m_nFields = 8; }
    CString m_CODICE, m_DESCRIZIONE, m_NOTE;
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

// The same columns and a parameter for the filter "[QUANTITA] >= ?".
class CByQuantitySet : public CArticoloTestSet {
public:
    explicit CByQuantitySet(CDatabase* db) : CArticoloTestSet(db)
    {
        m_nParams = 1;
        m_strFilter = "[QUANTITA] >= ?";
        m_strSort = "[CODICE]";
    }
    long m_minimum = 0;
    void DoFieldExchange(CFieldExchange* pFX) override
    {
        CArticoloTestSet::DoFieldExchange(pFX);
        pFX->SetFieldType(CFieldExchange::param);
        RFX_Long(pFX, "minimum", m_minimum);
    }
};

// A table without primary key, whose rows are identified by their original values.
class CMovimentoTestSet : public CRecordset {
public:
    explicit CMovimentoTestSet(CDatabase* db) : CRecordset(db) { m_nFields = 4; }
    CString m_ARTICOLO, m_NOTA;
    long m_QTA = 0;
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

std::string Text(const TIMESTAMP_STRUCT& ts)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", ts.year, ts.month, ts.day, ts.hour, ts.minute,
                  ts.second);
    return text;
}

// The codes of the rows from the current one to the end, blank-separated.
template <typename Set>
std::string Codes(Set& rs)
{
    std::string codes;
    for (; !rs.IsEOF(); rs.MoveNext())
        codes += (codes.empty() ? "" : " ") + rs.m_CODICE.str();
    return codes;
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
    long long Articles(const char* where) { return CountRows((std::string("ARTICOLO WHERE ") + where).c_str()); }
};

TEST_P(Recordset, ReadsFilteredSortedRowsAndNavigatesTheSnapshot)
{
    InsertArticles();
    CArticoloTestSet rs(&db());
    rs.m_strFilter = "QUANTITA > 1";
    rs.m_strSort = "[CODICE] DESC";
    ASSERT_TRUE(rs.Open());
    EXPECT_EQ(rs.GetRecordCount(), 2);
    EXPECT_EQ(rs.m_QUANTITA, 12);
    EXPECT_EQ(Codes(rs), "A3 A1");
    EXPECT_NE(rs.GetSQL().Find(IsPostgreSQL() ? "FROM \"articolo\" WHERE QUANTITA > 1 ORDER BY \"codice\" DESC"
                                              : "FROM [ARTICOLO] WHERE QUANTITA > 1 ORDER BY [CODICE] DESC"),
              -1)
        << rs.GetSQL().GetString();
    rs.m_strFilter = "STRLEN([DESCRIZIONE]) = 4";
    rs.m_strSort = "CODICE";
    ASSERT_TRUE(rs.Requery());
    EXPECT_EQ(Codes(rs), "A1 A3");
    EXPECT_THROW(rs.MoveNext(), CDBException);  // past the end once only

    rs.m_strFilter.Empty();
    rs.Requery();
    rs.MoveLast();
    rs.MovePrev();
    EXPECT_STREQ(rs.m_CODICE, "A2");
    rs.MovePrev();
    rs.MovePrev();
    EXPECT_TRUE(rs.IsBOF());
    EXPECT_FALSE(rs.IsEOF());
    EXPECT_THROW(rs.MovePrev(), CDBException);
    rs.MoveNext();
    EXPECT_STREQ(rs.m_CODICE, "A1");
    rs.Close();
    EXPECT_FALSE(rs.IsOpen());
    EXPECT_THROW(rs.MoveNext(), CDBException);
    EXPECT_THROW(rs.Requery(), CDBException);
    rs.Open();  // a closed recordset opens again, and only once
    EXPECT_EQ(rs.GetRecordCount(), 3);
    EXPECT_THROW(rs.Open(), CDBException);
    rs.Close();

    // No rows: both ends at once, members untouched, nothing to edit.
    rs.m_CODICE = "untouched";
    rs.m_strFilter = "CODICE IS NULL";
    rs.Open();
    EXPECT_TRUE(rs.IsEOF() && rs.IsBOF());
    EXPECT_STREQ(rs.m_CODICE, "untouched");
    EXPECT_THROW(rs.MoveNext(), CDBException);
    EXPECT_THROW(rs.Edit(), CDBException);
    EXPECT_THROW(rs.Delete(), CDBException);
}

// The filter and sort go into SQL text at its top level, whatever its subqueries, literals,
// grouping and order; with UNION the filter applies to the rows of the whole query.
TEST_P(Recordset, FilterAndSortComposeWithQueryText)
{
    InsertArticles();
    Exec("INSERT INTO MOVIMENTO (ARTICOLO, QTA, NOTA) VALUES ('A1', 2, ' WHERE '), ('A1', 3, NULL), ('A3', 4, NULL)");
    const char* columns = "SELECT M.ARTICOLO AS CODICE, MAX(M.NOTA), NULL, SUM(M.QTA), COUNT(*), NULL, NULL, NULL ";
    const struct {
        std::string sql, filter, sort, codes;
    } cases[] = {
        {std::string(columns) + "FROM MOVIMENTO M GROUP BY M.ARTICOLO", "M.QTA > 2", "CODICE DESC", "A3 A1"},
        {std::string(columns) + "FROM MOVIMENTO M WHERE M.NOTA = ' WHERE ' OR M.QTA = 4 GROUP BY M.ARTICOLO HAVING "
                                "SUM(M.QTA) > 1 ORDER BY 1",
         "M.ARTICOLO IN (SELECT CODICE FROM ARTICOLO WHERE FLAG = 1)", "COUNT(*) DESC", "A1 A3"},
        {std::string(columns) + "FROM (SELECT * FROM MOVIMENTO WHERE QTA < 5) M GROUP BY M.ARTICOLO", "M.ARTICOLO <> 'A3'",
         "CODICE", "A1"},
        {"SELECT CODICE, DESCRIZIONE, NOTE, QUANTITA, FLAG, DATA_TS, DATA_OLE, DATA_CT FROM ARTICOLO WHERE FLAG = 1 "
         "UNION SELECT CODICE, DESCRIZIONE, NOTE, QUANTITA, FLAG, DATA_TS, DATA_OLE, DATA_CT FROM ARTICOLO WHERE "
         "CODICE = 'A2'",
         "QUANTITA < 10", "CODICE DESC", "A2 A1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        CArticoloTestSet rs(&db());
        rs.m_strFilter = c.filter.c_str();
        rs.m_strSort = c.sort.c_str();
        rs.Open(CRecordset::snapshot, c.sql.c_str());
        EXPECT_EQ(Codes(rs), c.codes);
        EXPECT_FALSE(rs.CanUpdate());
        EXPECT_THROW(rs.Edit(), CDBException);
    }
}

TEST_P(Recordset, NullsAndDatesOfEveryKind)
{
    Exec("INSERT INTO ARTICOLO (CODICE) VALUES ('N')");
    Exec("INSERT INTO ARTICOLO (CODICE, DESCRIZIONE, NOTE, QUANTITA, FLAG, DATA_TS, DATA_OLE, DATA_CT) VALUES "
         "('V', 'd', 'n', 3, 1, '2024-01-02 03:04:05', '2024-01-02 03:04:05', '2024-01-02 03:04:05')");
    CArticoloTestSet rs(&db());
    rs.m_strSort = "CODICE";
    rs.Open();
    ASSERT_STREQ(rs.m_CODICE, "N");
    EXPECT_TRUE(rs.m_DESCRIZIONE.IsEmpty() && rs.m_NOTE.IsEmpty() && rs.m_QUANTITA == 0 && rs.m_FLAG == 0);
    EXPECT_EQ(Text(rs.m_DATA_TS), "0000-00-00 00:00:00");
    EXPECT_EQ(rs.m_DATA_OLE.GetStatus(), COleDateTime::null);
    EXPECT_EQ(rs.m_DATA_CT.GetTime(), 0);
    void* const nullable[] = {&rs.m_DESCRIZIONE, &rs.m_NOTE,     &rs.m_QUANTITA, &rs.m_FLAG,
                              &rs.m_DATA_TS,     &rs.m_DATA_OLE, &rs.m_DATA_CT};
    for (void* field : nullable)
        EXPECT_TRUE(rs.IsFieldNull(field));
    EXPECT_FALSE(rs.IsFieldNull(&rs.m_CODICE));
    EXPECT_FALSE(rs.IsFieldNull(nullptr));  // not every field is NULL
    rs.MoveNext();
    for (void* field : nullable)
        EXPECT_FALSE(rs.IsFieldNull(field));
    EXPECT_EQ(Text(rs.m_DATA_TS), "2024-01-02 03:04:05");
    EXPECT_EQ(rs.m_DATA_OLE.GetHour(), 3);
    EXPECT_EQ(rs.m_DATA_CT.GetMinute(), 4);
    long stranger = 0;
    EXPECT_THROW(rs.IsFieldNull(&stranger), CDBException);
    EXPECT_THROW(rs.SetFieldNull(&stranger), CDBException);

    // Written through the recordset, each kind of date comes back as it went.
    rs.AddNew();
    rs.m_CODICE = "D";
    rs.m_DATA_TS = TIMESTAMP_STRUCT{2024, 2, 29, 13, 45, 10, 0};
    rs.m_DATA_OLE = COleDateTime(1999, 12, 31, 23, 59, 59);
    rs.m_DATA_CT = CTime(2023, 6, 15, 8, 30, 0);
    ASSERT_TRUE(rs.Update());
    EXPECT_EQ(QueryText("SELECT DATA_OLE FROM ARTICOLO WHERE CODICE = 'D'").value_or("NULL").substr(0, 19),
              "1999-12-31 23:59:59");
    CArticoloTestSet check(&db());
    check.m_strFilter = "CODICE = 'D'";
    check.Open();
    EXPECT_EQ(Text(check.m_DATA_TS), "2024-02-29 13:45:10");
    EXPECT_EQ(check.m_DATA_OLE, COleDateTime(1999, 12, 31, 23, 59, 59));
    EXPECT_EQ(check.m_DATA_CT, CTime(2023, 6, 15, 8, 30, 0));
    // Unset dates of each kind are written as NULL.
    check.Edit();
    check.m_DATA_TS = TIMESTAMP_STRUCT{};
    check.m_DATA_OLE.SetStatus(COleDateTime::null);
    check.m_DATA_CT = CTime(static_cast<__time64_t>(0));
    ASSERT_TRUE(check.Update());
    EXPECT_EQ(Articles("CODICE = 'D' AND DATA_TS IS NULL AND DATA_OLE IS NULL AND DATA_CT IS NULL"), 1);
}

TEST_P(Recordset, AddNewEditDeleteAndRequery)
{
    InsertArticles();
    CArticoloTestSet rs(&db());
    rs.m_strSort = "CODICE";
    rs.Open();
    ASSERT_TRUE(rs.CanUpdate() && rs.CanAppend());
    rs.AddNew();
    EXPECT_STREQ(rs.m_CODICE, "");  // AddNew starts from empty members
    rs.m_CODICE = "B9";
    rs.m_DESCRIZIONE = "rondella";
    ASSERT_TRUE(rs.Update());
    // The recordset does not move and shows the current row again; the new row is in the table.
    EXPECT_STREQ(rs.m_CODICE, "A1");
    EXPECT_EQ(rs.GetRecordCount(), 3);
    EXPECT_EQ(Articles("CODICE = 'B9' AND DESCRIZIONE = 'rondella' AND NOTE IS NULL"), 1);
    rs.Requery();
    EXPECT_EQ(rs.GetRecordCount(), 4);

    rs.Edit();
    rs.m_DESCRIZIONE = "vite M6";
    rs.m_QUANTITA = 7;
    ASSERT_TRUE(rs.Update());
    EXPECT_STREQ(rs.m_DESCRIZIONE, "vite M6");
    EXPECT_EQ(Articles("CODICE = 'A1' AND DESCRIZIONE = 'vite M6' AND QUANTITA = 7"), 1);
    EXPECT_EQ(Articles("DESCRIZIONE = 'bullone'"), 1);  // others untouched
    // Changing the key itself: the row is found by its original key.
    rs.Edit();
    rs.m_CODICE = "A1-NEW";
    ASSERT_TRUE(rs.Update());
    EXPECT_EQ(Articles("CODICE = 'A1-NEW' AND QUANTITA = 7"), 1);
    EXPECT_EQ(Articles("CODICE = 'A1'"), 0);
    // CancelUpdate brings the row's values back and writes nothing.
    rs.Edit();
    rs.m_DESCRIZIONE = "never stored";
    rs.CancelUpdate();
    EXPECT_STREQ(rs.m_DESCRIZIONE, "vite M6");
    EXPECT_THROW(rs.Update(), CDBException);  // no AddNew or Edit pending

    rs.MoveNext();
    rs.Delete();
    EXPECT_TRUE(rs.IsDeleted());
    EXPECT_EQ(Articles("CODICE = 'A2'"), 0);
    EXPECT_THROW(rs.Edit(), CDBException);  // the current row is gone
    rs.MovePrev();
    EXPECT_STREQ(rs.m_CODICE, "A1-NEW");
    rs.MoveLast();
    rs.Delete();
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_EQ(CountRows("ARTICOLO"), 2);
}

// A text left empty and a number left alone after AddNew are written as NULL; SetFieldNull
// decides either way; Edit writes back what was read, NULL included.
TEST_P(Recordset, WhatIsWrittenAsNull)
{
    CArticoloTestSet rs(&db());
    rs.m_strFilter = "CODICE IS NULL";
    rs.Open();
    const auto add = [&](const char* code, long quantity, bool nullQuantity, bool emptyNotNull) {
        rs.AddNew();
        EXPECT_TRUE(rs.m_QUANTITA == AFX_RFX_LONG_PSEUDO_NULL && rs.m_FLAG == AFX_RFX_INT_PSEUDO_NULL);
        rs.m_CODICE = code;
        if (quantity != AFX_RFX_LONG_PSEUDO_NULL)
            rs.m_QUANTITA = quantity;
        if (nullQuantity)
            rs.SetFieldNull(&rs.m_QUANTITA);  // explicitly NULL wins over the value
        if (emptyNotNull)
            rs.SetFieldNull(&rs.m_DESCRIZIONE, FALSE);
        rs.Update();
    };
    add("N1", AFX_RFX_LONG_PSEUDO_NULL, false, false);
    add("N2", 0, false, true);  // set, even to zero: written
    add("N3", 4, true, false);
    EXPECT_EQ(Articles("CODICE = 'N1' AND QUANTITA IS NULL AND FLAG IS NULL AND DESCRIZIONE IS NULL"), 1);
    EXPECT_EQ(Articles("CODICE = 'N2' AND QUANTITA = 0 AND FLAG IS NULL AND DESCRIZIONE = ''"), 1);
    EXPECT_EQ(Articles("CODICE = 'N3' AND QUANTITA IS NULL"), 1);

    CArticoloTestSet edit(&db());
    edit.m_strSort = "CODICE";
    edit.Open();
    for (; !edit.IsEOF(); edit.MoveNext()) {
        edit.Edit();
        if (edit.m_CODICE == "N1")
            edit.m_NOTE = "touched";
        edit.Update();  // N2's empty text becomes NULL: the choice is made again after each Edit
    }
    EXPECT_EQ(Articles("QUANTITA IS NULL AND FLAG IS NULL"), 2) << "a NULL read as 0 is written back as NULL";
    EXPECT_EQ(Articles("QUANTITA = 0 AND DESCRIZIONE IS NULL"), 1);
    edit.MoveFirst();
    edit.Edit();
    edit.SetFieldNull(nullptr, TRUE);  // every field at once
    EXPECT_TRUE(edit.IsFieldNull(nullptr));
    edit.SetFieldNull(&edit.m_CODICE, FALSE);
    edit.m_CODICE = "N1";
    edit.Update();
    EXPECT_EQ(Articles("CODICE = 'N1' AND NOTE IS NULL"), 1);
}

// Queries run again and again (a till looking articles up) reuse their prepared statement with the
// literals passed as values; what comes back must be exactly what the query as written gives.
TEST_P(Recordset, KeptQueriesReadTheirOwnRowsAndFollowChanges)
{
    InsertArticles();
    Exec("INSERT INTO ARTICOLO (CODICE, DESCRIZIONE, QUANTITA) VALUES ('O''NEIL', 'it''s ? [x]', 3)");
    CArticoloTestSet rs(&db());
    for (int round = 0; round < 2; ++round) {
        for (const char* code : {"A1", "O''NEIL", "A3", "none"}) {
            rs.m_strFilter.Format("CODICE = '%s' AND DESCRIZIONE <> '?'", code);
            rs.Open();
            CString expected(code);
            expected.Replace("''", "'");
            EXPECT_EQ(Codes(rs), expected == "none" ? "" : expected.str());
            rs.Close();
        }
    }
    // A query's own parameter keeps its place among the literals; literals that are not plain
    // values stay in the text, and text that is not read with certainty runs as written.
    CByQuantitySet byQuantity(&db());
    for (const char* filter : {"[QUANTITA] >= ? AND CODICE <> 'A3'", "[QUANTITA] >= ? AND CODICE <> 'A3' /* note */",
                               IsSQLite() ? "[QUANTITA] >= ? AND CODICE <> CAST(X'4133' AS TEXT)"
                                          : "[QUANTITA] >= ? AND CODICE <> E'A3' AND DATE '2024-01-01' < '2024-02-01'"}) {
        for (long minimum : {1L, 4L, 13L}) {
            byQuantity.m_strFilter = filter;
            byQuantity.m_minimum = minimum;
            byQuantity.Open();
            EXPECT_EQ(Codes(byQuantity), minimum == 1 ? "A1 A2 O'NEIL" : (minimum == 4 ? "A1" : "")) << filter;
            byQuantity.Close();
        }
    }
    if (IsPostgreSQL()) {
        // Kept prepared on the server: running the query with another value plans nothing new.
        const char* plans = "SELECT COUNT(*) FROM pg_prepared_statements WHERE statement LIKE '%DESCRIZIONE <> $2%'";
        EXPECT_EQ(QueryLong(plans), 1);
    }
    // Nothing is held against a writer on another connection, and a change of the table is seen.
    rs.m_strFilter = "CODICE = 'A1'";
    OpenAnother()->ExecuteSQL("UPDATE ARTICOLO SET DESCRIZIONE = 'vite lunga' WHERE CODICE = 'A1'");
    rs.Open();
    EXPECT_STREQ(rs.m_DESCRIZIONE, "vite lunga");
    rs.Close();
    Exec("DROP TABLE ARTICOLO");
    Exec("CREATE TABLE ARTICOLO (CODICE VARCHAR(20) NOT NULL PRIMARY KEY, EXTRA VARCHAR(5), DESCRIZIONE VARCHAR(255), "
         "NOTE TEXT, QUANTITA INTEGER, FLAG INTEGER, DATA_TS TIMESTAMP, DATA_OLE TIMESTAMP, DATA_CT TIMESTAMP)");
    Exec("INSERT INTO ARTICOLO (CODICE, EXTRA, DESCRIZIONE, QUANTITA) VALUES ('A1', 'e', 'nuova', 8)");
    rs.Open();
    EXPECT_TRUE(rs.m_DESCRIZIONE == "nuova" && rs.m_QUANTITA == 8);
    rs.Close();
    // An error names the query with its values, as written, in the database's own words.
    rs.m_strFilter = "NO_SUCH_COLUMN = 'Z9'";
    try {
        rs.Open();
        ADD_FAILURE() << "a missing column must fail";
    } catch (const CDBException& e) {
        EXPECT_EQ(e.GetSqlState().GetLength(), 5);
        EXPECT_NE(e.GetSQL().Find("NO_SUCH_COLUMN = 'Z9'"), -1) << e.GetSQL().GetString();
        EXPECT_NE(CString(e.what()).MakeLower().Find("no_such_column"), -1) << e.what();
    }
    EXPECT_FALSE(rs.IsOpen());
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

TEST_P(Recordset, FailedWritesKeepTheValuesAndVanishedRowsThrow)
{
    InsertArticles();
    CArticoloTestSet rs(&db());
    rs.m_strFilter = "CODICE = 'A2'";
    rs.Open();
    rs.AddNew();
    rs.m_CODICE = "A1";  // already there
    rs.m_DESCRIZIONE = "doppione";
    EXPECT_THROW(rs.Update(), CDBException);
    EXPECT_STREQ(rs.m_DESCRIZIONE, "doppione");  // nothing the caller set is lost
    rs.m_CODICE = "A9";
    ASSERT_TRUE(rs.Update());
    EXPECT_EQ(Articles("CODICE = 'A9' AND DESCRIZIONE = 'doppione'"), 1);
    rs.AddNew();
    rs.m_CODICE = "A1";
    EXPECT_THROW(rs.Update(), CDBException);
    rs.CancelUpdate();
    EXPECT_STREQ(rs.m_DESCRIZIONE, "bullone");

    OpenAnother()->ExecuteSQL("DELETE FROM ARTICOLO WHERE CODICE = 'A2'");
    rs.Edit();
    rs.m_DESCRIZIONE = "too late";
    try {
        rs.Update();
        FAIL() << "update of a vanished row succeeded";
    } catch (const CDBException& e) {
        EXPECT_EQ(e.m_nRetCode, AFX_SQL_ERROR_NO_ROWS_AFFECTED);
        EXPECT_NE(e.m_strError.Find("Update of ARTICOLO found no row with CODICE='A2'"), -1) << e.m_strError.GetString();
        EXPECT_EQ(e.m_strError.Find("DESCRIZIONE="), -1) << "identified by the primary key alone";
        EXPECT_NE(e.GetSQL().Find("UPDATE"), -1);
    }
    rs.CancelUpdate();
    EXPECT_THROW(rs.Delete(), CDBException);
    EXPECT_EQ(CountRows("ARTICOLO"), 3);
}

TEST_P(Recordset, TableWithoutPrimaryKeyIsEditedByOriginalValuesIncludingNulls)
{
    Exec("INSERT INTO MOVIMENTO (ARTICOLO, QTA, NOTA, DATA) VALUES ('A', 1, NULL, NULL), ('A', 1, 'x', NULL), "
         "('A', NULL, NULL, NULL), ('B', 2, NULL, '2023-03-04 05:06:07')");
    CMovimentoTestSet rs(&db());
    rs.m_strFilter = "ARTICOLO = 'C'";
    rs.Open();
    rs.AddNew();  // a dated row written through the recordset, so its stored form is the layer's own
    rs.m_ARTICOLO = "C";
    rs.m_QTA = 3;
    rs.m_DATA = TIMESTAMP_STRUCT{2024, 5, 6, 7, 8, 9, 0};
    rs.Update();
    rs.Close();
    rs.m_strFilter = "";
    rs.m_strSort = "ARTICOLO, QTA, NOTA";
    rs.Open();
    ASSERT_EQ(rs.GetRecordCount(), 5);
    // Sorted with NULLs first on SQLite and last on PostgreSQL: each row is looked for.
    const auto find = [&](auto match) {
        for (rs.MoveFirst(); !rs.IsEOF() && !match(); rs.MoveNext()) {
        }
        return !rs.IsEOF();
    };
    ASSERT_TRUE(find([&] { return rs.m_ARTICOLO == "A" && rs.m_QTA == 1 && rs.IsFieldNull(&rs.m_NOTA); }));
    rs.Edit();
    rs.m_NOTA = "edited";
    rs.Update();
    EXPECT_EQ(CountRows("MOVIMENTO WHERE NOTA = 'edited'"), 1);
    EXPECT_EQ(CountRows("MOVIMENTO WHERE NOTA = 'x'"), 1);
    ASSERT_TRUE(find([&] { return rs.IsFieldNull(&rs.m_QTA); }));
    rs.Delete();  // alone: NULL matched NULL only
    EXPECT_EQ(CountRows("MOVIMENTO"), 4);
    // Dates written by the layer and by SQL text are both matched.
    for (const char* article : {"C", "B"}) {
        ASSERT_TRUE(find([&] { return rs.m_ARTICOLO == article; }));
        rs.Edit();
        rs.m_QTA = 30;
        EXPECT_NO_THROW(rs.Update()) << article;
    }
    EXPECT_EQ(Text(rs.m_DATA), "2023-03-04 05:06:07");
    EXPECT_EQ(CountRows("MOVIMENTO WHERE QTA = 30"), 2);
    rs.Delete();
    EXPECT_EQ(CountRows("MOVIMENTO"), 3);
}

TEST_P(Recordset, TwoRecordsetsWalkWhileWriting)
{
    InsertArticles();
    CArticoloTestSet reader(&db()), writer(&db());
    reader.m_strSort = "CODICE";
    reader.Open();
    writer.m_strSort = "CODICE DESC";
    writer.Open();
    CMovimentoTestSet log(&db());
    log.m_strFilter = "ARTICOLO IS NULL";
    log.Open();
    for (; !reader.IsEOF(); reader.MoveNext()) {
        writer.Edit();  // each step changes a row through a second recordset and adds one through a third
        writer.m_QUANTITA += 100;
        writer.Update();
        writer.MoveNext();
        log.AddNew();
        log.m_ARTICOLO = reader.m_CODICE;
        log.m_QTA = reader.m_QUANTITA;
        log.Update();
    }
    // The reader saw the rows as they were at its Open.
    EXPECT_EQ(QueryLong("SELECT SUM(QTA) FROM MOVIMENTO"), 5 + 1 + 12);
    EXPECT_EQ(QueryLong("SELECT SUM(QUANTITA) FROM ARTICOLO"), 18 + 300);
    reader.Requery();
    EXPECT_EQ(reader.m_QUANTITA, 105);
}

TEST_P(Recordset, TextsRoundTripVerbatimAndWhole)
{
    std::string longText(5000, 'a');
    longText += "àé€";  // multi-byte characters across the driver's chunk boundaries
    const std::string texts[][2] = {{"L'ART", "it's \"quoted\"; DROP TABLE ARTICOLO; -- [X] ?"},
                                    {"città", "perché € 10 — Ünïcødé 😀 日本"},
                                    {"L", longText}};  // NOTE is bound with a maximum length of 10
    CArticoloTestSet rs(&db());
    rs.m_strFilter = "CODICE IS NULL";
    rs.Open();
    for (const auto& text : texts) {
        rs.AddNew();
        rs.m_CODICE = text[0];
        rs.m_NOTE = text[1];
        rs.Update();
    }
    // The database sees characters, not bytes: "città" is 5 long.
    EXPECT_EQ(QueryLong("SELECT STRLEN(CODICE) FROM ARTICOLO WHERE NOTE LIKE 'perch%'"), 5);
    EXPECT_EQ(QueryText("SELECT NOTE FROM ARTICOLO WHERE CODICE = 'città'"), texts[1][1]);
    for (const auto& text : texts) {
        CString code(text[0]);
        code.Replace("'", "''");
        CArticoloTestSet check(&db());
        check.m_strFilter = CString("CODICE = '") + code + "'";
        check.Open();
        EXPECT_EQ(check.m_NOTE.str(), text[1]);
        check.Edit();  // found again by its key
        check.m_DESCRIZIONE = "'";
        check.Update();
    }
    EXPECT_EQ(Articles("DESCRIZIONE = ''''"), 3);
}

TEST_P(Recordset, ParametersAndRecordsetsThatCannotWrite)
{
    InsertArticles();
    CByQuantitySet byQuantity(&db());
    byQuantity.m_minimum = 5;
    byQuantity.Open();
    EXPECT_EQ(Codes(byQuantity), "A1 A3");
    byQuantity.m_minimum = 10;
    byQuantity.Requery();
    EXPECT_EQ(Codes(byQuantity), "A3");

    CArticoloTestSet readOnly(&db());
    readOnly.Open(CRecordset::snapshot, "[ARTICOLO]", CRecordset::readOnly);  // a table name replaces GetDefaultSQL()
    EXPECT_EQ(readOnly.GetRecordCount(), 3);
    EXPECT_FALSE(readOnly.CanUpdate() || readOnly.CanAppend());
    EXPECT_THROW(readOnly.AddNew(), CDBException);
    CArticoloTestSet appendOnly(&db());
    appendOnly.Open(CRecordset::snapshot, nullptr, CRecordset::appendOnly);
    EXPECT_TRUE(appendOnly.CanAppend() && !appendOnly.CanUpdate());
    EXPECT_THROW(appendOnly.Edit(), CDBException);
    EXPECT_THROW(appendOnly.Delete(), CDBException);
}

TEST_P(Recordset, MisdeclaredRecordsetsAndDriverErrorsSurfaceFromOpen)
{
    CArticoloTestSet rs(&db());
    const struct {
        UINT fields, params;
        const char* sql;
        const char* message;
    } cases[] = {
        {7, 0, nullptr, "CArticoloTestSet: DoFieldExchange binds 8 columns but m_nFields is 7"},
        {8, 1, nullptr, "binds 0 parameters but m_nParams is 1"},
        {8, 0, "SELECT CODICE FROM ARTICOLO", "returns 1 columns but 8 are bound"},
    };
    for (const auto& c : cases) {
        rs.m_nFields = c.fields;
        rs.m_nParams = c.params;
        try {
            rs.Open(CRecordset::snapshot, c.sql);
            ADD_FAILURE() << c.message;
        } catch (const CDBException& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
        EXPECT_FALSE(rs.IsOpen());
    }
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
    EXPECT_TRUE(rs.m_pDatabase != nullptr && rs.m_pDatabase != &db());
    rs.Close();
    EXPECT_EQ(rs.m_pDatabase, nullptr);  // its own connection went with it
    CSelfConnectingSet broken("DRIVER={No Such Driver}");
    EXPECT_THROW(broken.Open(), CDBException);
    EXPECT_FALSE(broken.IsOpen());
}

TEST(RecordsetCatalogue, DescribeFieldsNeedsNoDatabase)
{
    CByQuantitySet rs(nullptr);
    auto fields = rs.DescribeFields();
    ASSERT_EQ(fields.size(), 9u);
    EXPECT_STREQ(fields[0].name, "[CODICE]");
    EXPECT_TRUE(fields[0].kind == CFieldInfo::text && fields[0].maxLength == 20 && fields[0].columnType == SQL_VARCHAR);
    EXPECT_EQ(fields[1].maxLength, 255);  // RFX_Text's default length
    EXPECT_EQ(fields[2].columnType, SQL_LONGVARCHAR);
    std::string kinds;
    for (const auto& field : fields)
        kinds += std::string(field.KindName()) + (field.isParam ? "(param) " : " ");
    EXPECT_EQ(kinds, "text text text long int date-timestamp date-ole date-ctime long(param) ");
}

ORVEL_DATABASE_TEST_SUITE(Recordset);

}  // namespace
