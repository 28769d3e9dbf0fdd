// CODBCRecordset and CDBField on the real databases: free SQL over joins and aggregates, columns
// by name without regard to case and by position, NULLs, and fields kept across a requery.
#include <gtest/gtest.h>

#include "odbc/DBException.h"
#include "orveldblib/ODBCRecordset.h"
#include "support/DatabaseTest.h"

namespace {

using orvel::test::DatabaseTest;

class ODBCRecordset : public DatabaseTest {
protected:
    void SetUp() override
    {
        DatabaseTest::SetUp();
        if (IsSkipped())
            return;
        Exec("CREATE TABLE ARTICOLO (CODICE VARCHAR(20) PRIMARY KEY, DESCRIZIONE VARCHAR(100))");
        Exec("CREATE TABLE RIGA (ID INTEGER PRIMARY KEY, ARTICOLO VARCHAR(20), QTA INTEGER, PREZZO VARCHAR(20))");
        Exec("INSERT INTO ARTICOLO VALUES ('A1', 'vite'), ('A2', 'perché €'), ('A3', NULL)");
        Exec("INSERT INTO RIGA VALUES (1, 'A1', 5, '1.50'), (2, 'A1', 7, '2.25'), (3, 'A2', 1, '10')");
    }
};

TEST_P(ODBCRecordset, JoinWithAggregateReadByNameAndPosition)
{
    CODBCRecordset rs(&db());
    rs.Open("SELECT A.CODICE, A.DESCRIZIONE, SUM(R.QTA) AS TOTALE, COUNT(R.ID) AS RIGHE "
            "FROM [ARTICOLO] A LEFT JOIN [RIGA] R ON R.ARTICOLO = A.CODICE "
            "GROUP BY A.CODICE, A.DESCRIZIONE ORDER BY A.CODICE",
            CRecordset::forwardOnly, 8196);
    ASSERT_EQ(rs.GetFieldCount(), 4);
    ASSERT_FALSE(rs.IsEOF());
    // Names as written in the query, whatever case the server hands back.
    CDBField* codice = rs.Field("CODICE");
    CDBField* totale = rs["totale"];
    EXPECT_TRUE(CString(codice->GetName()).CompareNoCase("codice") == 0);
    EXPECT_STREQ(codice->AsString(), "A1");
    EXPECT_EQ(totale->AsLong(), 12);
    EXPECT_EQ(rs.Field(3)->AsLong(), 2);
    EXPECT_STREQ(rs.Field("[DESCRIZIONE]")->AsString(), "vite");

    rs.MoveNext();  // the same fields follow the cursor
    EXPECT_STREQ(codice->AsString(), "A2");
    EXPECT_STREQ(rs.Field(1)->AsString(), "perché €");
    EXPECT_EQ(totale->AsLong(), 1);

    rs.MoveNext();
    EXPECT_STREQ(codice->AsString(), "A3");
    EXPECT_TRUE(rs.Field("DESCRIZIONE")->IsNull());
    EXPECT_STREQ(rs.Field("DESCRIZIONE")->AsString(), "");
    EXPECT_TRUE(totale->IsNull());  // SUM over no row
    EXPECT_EQ(totale->AsLong(), 0);
    EXPECT_EQ(rs.Field("RIGHE")->AsLong(), 0);
    EXPECT_FALSE(rs.Field("RIGHE")->IsNull());

    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_TRUE(codice->IsNull());  // no current row
    rs.Close();
}

TEST_P(ODBCRecordset, NumbersInTextEmptyMaximaAndTheFrameworkArgumentOrder)
{
    CODBCRecordset rs(&db());
    CRecordset& base = rs;
    base.Open(CRecordset::forwardOnly, "SELECT PREZZO, QTA FROM RIGA ORDER BY ID", CRecordset::readOnly);
    EXPECT_STREQ(rs.Field("PREZZO")->AsString(), "1.50");
    EXPECT_EQ(rs.Field("PREZZO")->AsLong(), 1);  // as atol reads it
    EXPECT_DOUBLE_EQ(rs.Field("PREZZO")->AsDouble(), 1.5);
    EXPECT_STREQ(rs.Field("QTA")->AsString(), "5");
    rs.Close();
    Exec("DELETE FROM RIGA");
    rs.Open("SELECT MAX(ID) AS ULTIMO FROM RIGA", 2, 8196);
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_TRUE(rs.Field("ULTIMO")->IsNull());
    EXPECT_EQ(rs.Field("ULTIMO")->AsLong(), 0);
    Exec("INSERT INTO RIGA VALUES (9, 'A1', 1, '1')");
    CDBField* last = rs.Field(0);
    rs.Requery();  // the same columns: the fields callers hold stay valid
    EXPECT_EQ(last->AsLong(), 9);
}

TEST_P(ODBCRecordset, BadSqlMissingTextAndUnknownColumnsThrow)
{
    CODBCRecordset rs(&db());
    EXPECT_THROW(rs.Open("SELEC * FROM ARTICOLO", 2, 8196), CDBException);
    EXPECT_FALSE(rs.IsOpen());
    EXPECT_THROW(rs.Open(nullptr, 2, 8196), CDBException);
    EXPECT_THROW(rs.Open("  ", 2, 8196), CDBException);
    // Still usable after the failures.
    rs.Open("SELECT CODICE, DESCRIZIONE FROM ARTICOLO", 2, 8196);
    try {
        rs.Field("DESCRIZONE");
        FAIL() << "a misspelt column was found";
    } catch (const CDBException& e) {
        std::string what = e.what();
        EXPECT_NE(what.find("DESCRIZONE"), std::string::npos) << what;
        EXPECT_NE(CString(what).MakeLower().Find("descrizione"), -1) << what;  // the columns there are
    }
    EXPECT_THROW(rs.Field(2), CDBException);
    EXPECT_THROW(rs.Field(-1), CDBException);
    EXPECT_THROW(rs[nullptr], CDBException);
}

ORVEL_DATABASE_TEST_SUITE(ODBCRecordset);

}  // namespace
