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
#include "support/ScalarQuery.h"

namespace {

using orvel::test::DatabaseTest;

// An article bound with every kind of field, names bracketed and bare; with a minimum quantity
// it also binds a parameter, for the filter "[QUANTITA] >= ?".
class CArticoloTestSet : public CRecordset {
public:
    explicit CArticoloTestSet(CDatabase* db, bool withParam = false) : CRecordset(db), m_withParam(withParam)
    {
        m_nFields = 8;
        m_nParams = withParam ? 1 : 0;
    }
    CString m_CODICE, m_DESCRIZIONE, m_NOTE;
    long m_QUANTITA = 0, m_minimum = 0;
    int m_FLAG = 0;
    TIMESTAMP_STRUCT m_DATA_TS{};
    COleDateTime m_DATA_OLE;
    CTime m_DATA_CT;
    bool m_withParam;

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
        pFX->SetFieldType(CFieldExchange::param);
        if (m_withParam)
            RFX_Long(pFX, "minimum", m_minimum);
    }
};

CString Text(const TIMESTAMP_STRUCT& ts)
{
    return ts.year == 0 && ts.month == 0 ? CString("null") : COleDateTime(ts).Format("%Y-%m-%d %H:%M:%S");
}

// What a call throws: "code: message [SQL: statement]", or "" when it throws nothing.
template <typename Call>
std::string Error(Call call)
{
    try {
        call();
    } catch (const CDBException& e) {
        return std::to_string(e.m_nRetCode) + ": " + e.what();
    }
    return "";
}

// The codes of the rows from the current one to the end, blank-separated.
std::string Codes(CArticoloTestSet& rs)
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
        // MOVIMENTO has the same columns and no primary key: its rows are identified by their values.
        for (const char* table : {"ARTICOLO (CODICE VARCHAR(20) NOT NULL PRIMARY KEY, ", "MOVIMENTO (CODICE VARCHAR(20), "})
            Exec((std::string("CREATE TABLE ") + table + "DESCRIZIONE VARCHAR(255), NOTE TEXT, QUANTITA INTEGER, "
                  "FLAG INTEGER, DATA_TS TIMESTAMP, DATA_OLE TIMESTAMP, DATA_CT TIMESTAMP)").c_str());
    }
    void InsertArticles()
    {
        Exec("INSERT INTO ARTICOLO (CODICE, DESCRIZIONE, QUANTITA, FLAG) VALUES ('A1', 'vite', 5, 1), "
             "('A2', 'bullone', 1, 0), ('A3', 'dado', 12, 1)");
    }
    // The rows of a query, "|" between rows and " " between columns, NULL as "-".
    std::string Rows(const std::string& sql)
    {
        orvel::test::CScalarQuery query(&db());
        query.Open(CRecordset::forwardOnly, sql.c_str(), CRecordset::readOnly);
        std::string rows;
        for (; !query.IsEOF(); query.MoveNext()) {
            for (int c = 0; c < query.GetResultColumnCount(); ++c) {
                CString value;
                rows += (c > 0 ? " " : rows.empty() ? "" : "|") + (query.GetResultText(c, value) ? value.str() : "-");
            }
        }
        return rows;
    }
    std::string Articles(const char* columns = "CODICE, DESCRIZIONE, QUANTITA, FLAG", const char* table = "ARTICOLO")
    {
        return Rows(std::string("SELECT ") + columns + " FROM " + table + " ORDER BY CODICE, QUANTITA, NOTE");
    }
    static void Open(CRecordset& rs, const char* filter, const char* sort = "", const char* sql = nullptr)
    {
        rs.m_strFilter = filter;
        rs.m_strSort = sort;
        rs.Open(CRecordset::snapshot, sql);
    }
};

TEST_P(Recordset, ReadsFilteredSortedRowsAndNavigatesTheSnapshot)
{
    InsertArticles();
    CArticoloTestSet rs(&db());
    Open(rs, "QUANTITA > 1", "[CODICE] DESC");
    EXPECT_TRUE(rs.GetRecordCount() == 2 && rs.m_DESCRIZIONE == "dado" && rs.m_QUANTITA == 12 && rs.m_FLAG == 1);
    EXPECT_EQ(Codes(rs), "A3 A1");
    EXPECT_NE(rs.GetSQL().Find(IsPostgreSQL() ? "\"data_ct\" FROM \"articolo\" WHERE QUANTITA > 1 ORDER BY \"codice\" DESC"
                                              : "[DATA_CT] FROM [ARTICOLO] WHERE QUANTITA > 1 ORDER BY [CODICE] DESC"), -1);
    rs.m_strFilter = "STRLEN([DESCRIZIONE]) = 4";
    rs.m_strSort = "CODICE";
    ASSERT_TRUE(rs.Requery());
    EXPECT_EQ(Codes(rs), "A1 A3");

    rs.m_strFilter.Empty();
    rs.Requery();
    // Each move and what it leaves: the current code, BOF, EOF or closed; or the move refused.
    using Move = void (CRecordset::*)();
    const Move last = &CRecordset::MoveLast, prev = &CRecordset::MovePrev, next = &CRecordset::MoveNext;
    const std::pair<Move, const char*> moves[] = {
        {last, "A3"}, {prev, "A2"},    {prev, "A1"},    {prev, "BOF"},    {prev, "refused"}, {next, "A1"},
        {last, "A3"}, {next, "EOF"},   {next, "refused"}, {&CRecordset::MoveFirst, "A1"}, {&CRecordset::Close, "closed"},
        {next, "refused"}};
    for (const auto& move : moves) {
        std::string seen = Error([&] { (rs.*move.first)(); }).empty() ? "" : "refused";
        if (seen.empty())
            seen = !rs.IsOpen() ? "closed" : rs.IsBOF() ? "BOF" : rs.IsEOF() ? "EOF" : rs.m_CODICE.str();
        EXPECT_EQ(seen, move.second);
    }
    EXPECT_THROW(rs.Requery(), CDBException);
    rs.m_CODICE = "untouched";
    Open(rs, "CODICE IS NULL");  // a closed recordset opens again, and only once
    EXPECT_THROW(rs.Open(), CDBException);
    EXPECT_TRUE(rs.IsEOF() && rs.IsBOF() && rs.GetRecordCount() == 0 && rs.m_CODICE == "untouched");
    for (Move refused : {next, &CRecordset::Edit, &CRecordset::Delete})
        EXPECT_THROW((rs.*refused)(), CDBException);
}

// The filter and sort go into SQL text at its top level, whatever its subqueries, literals,
// grouping and order; with UNION the filter applies to the rows of the whole query.
TEST_P(Recordset, FilterAndSortComposeWithQueryText)
{
    InsertArticles();
    Exec("INSERT INTO MOVIMENTO (CODICE, QUANTITA, NOTE) VALUES ('A1', 2, ' WHERE '), ('A1', 3, NULL), ('A3', 4, NULL)");
    const std::string sum = "SELECT CODICE, MAX(NOTE), NULL, SUM(QUANTITA), COUNT(*), NULL, NULL, NULL FROM ";
    const std::string all = "SELECT CODICE, DESCRIZIONE, NOTE, QUANTITA, FLAG, DATA_TS, DATA_OLE, DATA_CT FROM ARTICOLO ";
    const struct {
        std::string sql, filter, sort, codes;
    } cases[] = {
        {sum + "MOVIMENTO GROUP BY CODICE", "QUANTITA > 2", "CODICE DESC", "A3 A1"},
        {sum + "MOVIMENTO M WHERE NOTE = ' WHERE ' OR QUANTITA = 4 GROUP BY CODICE HAVING SUM(QUANTITA) > 1 ORDER BY 1",
         "CODICE IN (SELECT CODICE FROM ARTICOLO WHERE FLAG = 1)", "COUNT(*) DESC", "A1 A3"},
        {sum + "(SELECT * FROM MOVIMENTO WHERE QUANTITA < 5) M GROUP BY CODICE", "CODICE <> 'A3'", "CODICE", "A1"},
        {all + "WHERE FLAG = 1 UNION " + all + "WHERE CODICE = 'A2'", "QUANTITA < 10", "CODICE DESC", "A2 A1"},
    };
    for (const auto& c : cases) {
        CArticoloTestSet rs(&db());
        Open(rs, c.filter.c_str(), c.sort.c_str(), c.sql.c_str());
        EXPECT_FALSE(rs.CanUpdate() || rs.CanAppend());
        EXPECT_THROW(rs.Edit(), CDBException);  // a query is not a table to write to
        EXPECT_EQ(Codes(rs), c.codes) << c.sql;
    }
}

TEST_P(Recordset, NullsAndDatesOfEveryKind)
{
    Exec("INSERT INTO ARTICOLO (CODICE) VALUES ('N')");
    Exec("INSERT INTO ARTICOLO (CODICE, DESCRIZIONE, NOTE, QUANTITA, FLAG, DATA_TS, DATA_OLE, DATA_CT) VALUES "
         "('V', 'd', 'n', 3, 1, '2024-01-02 03:04:05', '2024-01-02 03:04:05', '2024-01-02 03:04:05')");
    CArticoloTestSet rs(&db());
    Open(rs, "", "CODICE");
    EXPECT_TRUE(rs.m_DESCRIZIONE.IsEmpty() && rs.m_NOTE.IsEmpty() && rs.m_QUANTITA == 0 && rs.m_FLAG == 0);
    EXPECT_TRUE(Text(rs.m_DATA_TS) == "null" && rs.m_DATA_OLE.GetStatus() == COleDateTime::null &&
                rs.m_DATA_CT.GetTime() == 0);
    void* const nullable[] = {&rs.m_DESCRIZIONE, &rs.m_NOTE,     &rs.m_QUANTITA, &rs.m_FLAG,
                              &rs.m_DATA_TS,     &rs.m_DATA_OLE, &rs.m_DATA_CT};
    for (void* field : nullable)
        EXPECT_TRUE(rs.IsFieldNull(field));
    EXPECT_FALSE(rs.IsFieldNull(&rs.m_CODICE) || rs.IsFieldNull(nullptr));
    rs.MoveNext();
    for (void* field : nullable)
        EXPECT_FALSE(rs.IsFieldNull(field));
    EXPECT_TRUE(Text(rs.m_DATA_TS) == "2024-01-02 03:04:05" && rs.m_DATA_OLE.GetHour() == 3 && rs.m_DATA_CT.GetMinute() == 4);
    long stranger = 0;
    EXPECT_THROW(rs.IsFieldNull(&stranger), CDBException);
    EXPECT_THROW(rs.SetFieldNull(&stranger), CDBException);

    // Written through the recordset, each kind of date comes back as it went; unset, as NULL.
    rs.AddNew();
    rs.m_CODICE = "D";
    rs.m_DATA_TS = TIMESTAMP_STRUCT{2024, 2, 29, 13, 45, 10, 0};
    rs.m_DATA_OLE = COleDateTime(1999, 12, 31, 23, 59, 59);
    rs.m_DATA_CT = CTime(2023, 6, 15, 8, 30, 0);
    ASSERT_TRUE(rs.Update());
    EXPECT_EQ(QueryText("SELECT DATA_OLE FROM ARTICOLO WHERE CODICE = 'D'").value_or("-").substr(0, 19),
              "1999-12-31 23:59:59");
    CArticoloTestSet check(&db());
    Open(check, "CODICE = 'D'");
    EXPECT_TRUE(Text(check.m_DATA_TS) == "2024-02-29 13:45:10" && check.m_DATA_OLE == COleDateTime(1999, 12, 31, 23, 59, 59) &&
                check.m_DATA_CT == CTime(2023, 6, 15, 8, 30, 0));
    check.Edit();
    check.m_DATA_TS = TIMESTAMP_STRUCT{};
    check.m_DATA_OLE.SetStatus(COleDateTime::null);
    check.m_DATA_CT = CTime(static_cast<__time64_t>(0));
    ASSERT_TRUE(check.Update());
    EXPECT_EQ(Articles("CODICE, DATA_TS, DATA_OLE, DATA_CT"), "D - - -|N - - -|V 2024-01-02 03:04:05 2024-01-02 03:04:05 "
                                                              "2024-01-02 03:04:05");
}

TEST_P(Recordset, AddNewEditDeleteAndRequery)
{
    InsertArticles();
    CArticoloTestSet rs(&db()), before(&db());
    Open(before, "", "CODICE");
    Open(rs, "", "CODICE");
    ASSERT_TRUE(rs.CanUpdate() && rs.CanAppend());
    rs.AddNew();
    EXPECT_STREQ(rs.m_CODICE, "");  // AddNew starts from empty members
    rs.m_CODICE = "B9";
    rs.m_DESCRIZIONE = "rondella";
    ASSERT_TRUE(rs.Update());
    // The recordset does not move and shows the current row again; the new row is in the table.
    EXPECT_TRUE(rs.m_CODICE == "A1" && rs.GetRecordCount() == 3);
    rs.Requery();
    EXPECT_EQ(rs.GetRecordCount(), 4);
    rs.Edit();  // changing the key itself: the row is found by its original key
    rs.m_CODICE = "A1-NEW";
    rs.m_DESCRIZIONE = "vite M6";
    rs.m_QUANTITA = 7;
    ASSERT_TRUE(rs.Update());
    rs.Edit();  // CancelUpdate brings the row's values back and writes nothing
    rs.m_DESCRIZIONE = "never stored";
    rs.CancelUpdate();
    EXPECT_STREQ(rs.m_DESCRIZIONE, "vite M6");
    EXPECT_THROW(rs.Update(), CDBException);  // no AddNew or Edit pending
    EXPECT_EQ(Articles(), "A1-NEW vite M6 7 1|A2 bullone 1 0|A3 dado 12 1|B9 rondella - -");

    rs.MoveNext();
    rs.Delete();
    EXPECT_TRUE(rs.IsDeleted());
    EXPECT_THROW(rs.Edit(), CDBException);  // the current row is gone
    rs.MovePrev();
    EXPECT_STREQ(rs.m_CODICE, "A1-NEW");
    rs.MoveLast();
    rs.Delete();
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_EQ(Articles("CODICE"), "A1-NEW|A3");
    EXPECT_EQ(Codes(before), "A1 A2 A3");  // another recordset keeps the rows of its Open
}

// A text left empty and a number left alone after AddNew are written as NULL; SetFieldNull
// decides either way; Edit writes back what was read, NULL included.
TEST_P(Recordset, WhatIsWrittenAsNull)
{
    CArticoloTestSet rs(&db());
    Open(rs, "CODICE IS NULL");
    for (const char* code : {"N1", "N2", "N3"}) {
        rs.AddNew();
        EXPECT_TRUE(rs.m_QUANTITA == AFX_RFX_LONG_PSEUDO_NULL && rs.m_FLAG == AFX_RFX_INT_PSEUDO_NULL);
        rs.m_CODICE = code;
        if (rs.m_CODICE == "N2") {
            rs.m_QUANTITA = 0;  // set, even to zero: written
            rs.SetFieldNull(&rs.m_DESCRIZIONE, FALSE);
        } else if (rs.m_CODICE == "N3") {
            rs.m_QUANTITA = 4;
            rs.SetFieldNull(&rs.m_QUANTITA);  // explicitly NULL wins over the value
        }
        rs.Update();
    }
    EXPECT_EQ(Articles(), "N1 - - -|N2  0 -|N3 - - -");
    CArticoloTestSet edit(&db());
    Open(edit, "", "CODICE");
    for (; !edit.IsEOF(); edit.MoveNext()) {
        edit.Edit();
        edit.m_NOTE = "touched";
        edit.Update();  // a NULL read as 0 stays NULL; N2's empty text is NULL again after this Edit
    }
    EXPECT_EQ(Articles("CODICE, DESCRIZIONE, QUANTITA, NOTE"), "N1 - - touched|N2 - 0 touched|N3 - - touched");
    edit.MoveFirst();
    edit.Edit();
    edit.SetFieldNull(nullptr, TRUE);  // every field at once
    EXPECT_TRUE(edit.IsFieldNull(nullptr));
    edit.SetFieldNull(&edit.m_CODICE, FALSE);
    edit.m_CODICE = "N1";
    edit.Update();
    EXPECT_EQ(Rows("SELECT NOTE FROM ARTICOLO WHERE CODICE = 'N1'"), "-");
}

// Queries run again and again (a till looking articles up) reuse their prepared statement with the
// literals passed as values; what comes back must be exactly what the query as written gives, for
// any text a key or a value holds.
TEST_P(Recordset, KeptQueriesFindTextsVerbatimAndFollowChanges)
{
    InsertArticles();
    std::string longText(5000, 'a');
    longText += "àé€";  // multi-byte characters across the driver's chunk boundaries
    const std::string texts[][2] = {{"L'ART", "it's \"quoted\"; DROP TABLE ARTICOLO; -- [X] ?"},
                                    {"città", "perché € 10 — Ünïcødé 😀 日本"}, {"L", longText}, {"A1", ""}, {"", ""}};
    CArticoloTestSet rs(&db());
    Open(rs, "CODICE IS NULL");
    for (int i = 0; i < 3; ++i) {
        rs.AddNew();
        rs.m_CODICE = texts[i][0];
        rs.m_DESCRIZIONE = "it's ? [x]";
        rs.m_NOTE = texts[i][1];  // bound with a maximum length of 10
        rs.m_QUANTITA = 0;
        rs.Update();
    }
    rs.Close();
    // The database sees characters, not bytes: "città" is 5 long.
    EXPECT_EQ(Rows("SELECT STRLEN(CODICE), NOTE FROM ARTICOLO WHERE NOTE LIKE 'perch%'"), "5 " + texts[1][1]);
    for (int round = 0; round < 2; ++round) {
        for (const auto& [code, note] : texts) {
            CString key(code.c_str());
            key.Replace("'", "''");
            Open(rs, CString("CODICE = '") + key + "' AND DESCRIZIONE <> '?'");
            EXPECT_EQ(rs.IsEOF() ? "" : rs.m_NOTE.str(), note);
            if (round == 1 && !rs.IsEOF()) {
                rs.Edit();  // found again by its key
                rs.m_DESCRIZIONE = "'";
                rs.Update();
            }
            EXPECT_EQ(Codes(rs), code);
            rs.Close();
        }
    }
    EXPECT_EQ(Rows("SELECT COUNT(*) FROM ARTICOLO WHERE DESCRIZIONE = ''''"), "4");
    // A query's own parameter keeps its place among the literals; literals that are not plain
    // values stay in the text, and text that is not read with certainty runs as written.
    CArticoloTestSet byQuantity(&db(), true);
    for (const char* filter : {"[QUANTITA] >= ? AND CODICE <> 'A3'", "[QUANTITA] >= ? AND CODICE <> 'A3' /* note */",
                               IsSQLite() ? "[QUANTITA] >= ? AND CODICE <> CAST(X'4133' AS TEXT)"
                                          : "[QUANTITA] >= ? AND CODICE <> E'A3' AND DATE '2024-01-01' < '2024-02-01'"}) {
        for (long minimum : {1L, 4L, 13L}) {
            byQuantity.m_minimum = minimum;
            Open(byQuantity, filter, "[CODICE]");
            EXPECT_EQ(Codes(byQuantity), minimum == 1 ? "A1 A2" : (minimum == 4 ? "A1" : "")) << filter;
            byQuantity.Close();
        }
    }
    if (IsPostgreSQL()) {  // kept prepared on the server: another value plans nothing new
        EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM pg_prepared_statements WHERE statement LIKE '%DESCRIZIONE <> $2%'"), 1);
    }
    // Nothing is held against a writer on another connection, and a change of the table is seen.
    OpenAnother()->ExecuteSQL("UPDATE ARTICOLO SET DESCRIZIONE = 'vite lunga' WHERE CODICE = 'A1'");
    Open(rs, "CODICE = 'A1'");
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
    CString error(Error([&] { Open(rs, "NO_SUCH_COLUMN = 'Z9'"); }));
    EXPECT_NE(error.Find("[SQL: SELECT"), -1) << error.GetString();
    EXPECT_NE(error.Find("NO_SUCH_COLUMN = 'Z9'"), -1) << error.GetString();
    EXPECT_NE(error.Left(error.Find("[SQL:")).MakeLower().Find("no_such_column"), -1) << error.GetString();
    EXPECT_FALSE(rs.IsOpen());
}

TEST_P(Recordset, ClosingTheDatabaseUnderAnOpenRecordsetIsSafe)
{
    auto other = OpenAnother();
    {
        CArticoloTestSet rs(other.get());
        for (const char* code : {"X1", "X2"}) {
            Open(rs, "CODICE IS NULL");
            rs.AddNew();
            rs.m_CODICE = code;
            rs.Update();  // leaves a prepared INSERT behind on the connection, prepared anew after a reopen
            other->Close();
            EXPECT_EQ(Error([&] { rs.AddNew(); }), std::to_string(AFX_SQL_ERROR_DATABASE_NOT_OPEN) +
                                                        ": (anonymous namespace)::CArticoloTestSet: AddNew after its "
                                                        "database was closed");
            EXPECT_THROW(rs.Requery(), CDBException);
            rs.Close();
            other->OpenEx(ConnectionString().c_str());
        }
        Open(rs, "");
        other->Close();
    }  // the recordset goes after its database
    EXPECT_EQ(Articles("CODICE"), "X1|X2");
}

// The INSERT of an AddNew is kept on the connection: a fresh recordset writing the same columns
// runs it again, one writing other columns gets its own, a failed insert leaves the next one
// right, and a change of the table is followed.
TEST_P(Recordset, InsertsAreKeptOnTheConnectionForEveryRecordset)
{
    InsertArticles();
    const auto add = [&](const char* code, const char* description, long quantity) {
        CArticoloTestSet rs(&db());
        Open(rs, "CODICE IS NULL");
        rs.AddNew();
        rs.m_CODICE = code;
        rs.m_DESCRIZIONE = description;  // empty: NULL, another set of columns
        rs.m_QUANTITA = quantity;
        rs.Update();
    };
    add("B1", "uno", 1);
    add("B2", "", 2);
    add("B3", "tre", 3);
    // A key already there: the database's words, quoting the INSERT as the recordset wrote it.
    const std::string error = Error([&] { add("B1", "doppione", 9); });
    EXPECT_NE(error.find("[SQL: INSERT INTO "), std::string::npos) << error;
    add("B4", "quattro", 4);
    add("B5", "", 5);
    if (IsPostgreSQL()) {  // one plan on the server for each set of columns
        EXPECT_EQ(QueryLong("SELECT COUNT(*) FROM pg_prepared_statements WHERE statement LIKE 'INSERT INTO%'"), 2);
    }
    EXPECT_EQ(Articles("CODICE, DESCRIZIONE, QUANTITA"),
              "A1 vite 5|A2 bullone 1|A3 dado 12|B1 uno 1|B2 - 2|B3 tre 3|B4 quattro 4|B5 - 5");
    Exec("DROP TABLE ARTICOLO");
    Exec("CREATE TABLE ARTICOLO (QUANTITA INTEGER, CODICE VARCHAR(20) NOT NULL PRIMARY KEY, DESCRIZIONE VARCHAR(255) "
         "NOT NULL, NOTE TEXT, FLAG INTEGER, DATA_TS TIMESTAMP, DATA_OLE TIMESTAMP, DATA_CT TIMESTAMP)");
    EXPECT_THROW(add("C0", "", 0), CDBException);  // the new table's rule, not the old statement's
    add("C1", "nuovo", 7);
    EXPECT_EQ(Articles("CODICE, DESCRIZIONE, QUANTITA"), "C1 nuovo 7");
}

TEST_P(Recordset, FailedWritesKeepTheValuesAndVanishedRowsThrow)
{
    InsertArticles();
    CArticoloTestSet rs(&db());
    Open(rs, "CODICE = 'A2'");
    rs.AddNew();
    rs.m_CODICE = "A1";  // already there
    rs.m_DESCRIZIONE = "doppione";
    EXPECT_THROW(rs.Update(), CDBException);
    EXPECT_STREQ(rs.m_DESCRIZIONE, "doppione");  // nothing the caller set is lost
    rs.m_CODICE = "A9";
    ASSERT_TRUE(rs.Update());
    EXPECT_STREQ(rs.m_DESCRIZIONE, "bullone");  // back on the current row
    OpenAnother()->ExecuteSQL("DELETE FROM ARTICOLO WHERE CODICE = 'A2'");
    rs.Edit();
    rs.m_DESCRIZIONE = "too late";
    // Identified by the primary key alone, not by every original value.
    EXPECT_EQ(Error([&] { rs.Update(); }).substr(0, 70), std::to_string(AFX_SQL_ERROR_NO_ROWS_AFFECTED) +
                                                           ": Update of ARTICOLO found no row with CODICE='A2': it was deleted");
    rs.CancelUpdate();
    EXPECT_THROW(rs.Delete(), CDBException);
    EXPECT_EQ(Articles("CODICE, DESCRIZIONE"), "A1 vite|A3 dado|A9 doppione");
}

TEST_P(Recordset, TableWithoutPrimaryKeyIsEditedByOriginalValuesIncludingNulls)
{
    Exec("INSERT INTO MOVIMENTO (CODICE, QUANTITA, NOTE, DATA_TS) VALUES ('A', 1, NULL, NULL), ('A', 1, 'x', NULL), "
         "('A', NULL, NULL, NULL), ('B', 2, NULL, '2023-03-04 05:06:07')");
    CArticoloTestSet rs(&db());
    Open(rs, "CODICE = 'C'", "", "[MOVIMENTO]");
    rs.AddNew();  // a dated row written through the recordset, so its stored form is the layer's own
    rs.m_CODICE = "C";
    rs.m_DATA_TS = TIMESTAMP_STRUCT{2024, 5, 6, 7, 8, 9, 0};
    rs.Update();
    rs.Close();
    Open(rs, "", "", "[MOVIMENTO]");
    const auto find = [&](const char* code, long quantity, bool nullNote) {
        for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext())
            if (rs.m_CODICE == code && rs.m_QUANTITA == quantity && (!nullNote || rs.IsFieldNull(&rs.m_NOTE)))
                return true;
        return false;
    };
    ASSERT_TRUE(find("A", 1, true));
    rs.Edit();
    rs.m_NOTE = "edited";
    rs.Update();
    ASSERT_TRUE(find("A", 0, true));  // the row with a NULL quantity, deleted alone: NULL matches NULL only
    rs.Delete();
    for (const char* code : {"C", "B"}) {  // dates written by the layer and by SQL text are both matched
        ASSERT_TRUE(find(code, code[0] == 'B' ? 2 : 0, true));
        rs.Edit();
        rs.m_QUANTITA = 30;
        EXPECT_NO_THROW(rs.Update()) << code;
    }
    EXPECT_EQ(Text(rs.m_DATA_TS), "2023-03-04 05:06:07");
    rs.Delete();
    EXPECT_EQ(Articles("CODICE, QUANTITA, NOTE", "MOVIMENTO"), "A 1 edited|A 1 x|C 30 -");
}

TEST_P(Recordset, RecordsetsThatCannotWriteOrOpen)
{
    InsertArticles();
    CArticoloTestSet readOnly(&db()), appendOnly(&db());
    readOnly.Open(CRecordset::snapshot, "[ARTICOLO]", CRecordset::readOnly);  // a table name replaces GetDefaultSQL()
    EXPECT_EQ(readOnly.GetRecordCount(), 3);
    EXPECT_FALSE(readOnly.CanUpdate() || readOnly.CanAppend());
    EXPECT_THROW(readOnly.AddNew(), CDBException);
    appendOnly.Open(CRecordset::snapshot, nullptr, CRecordset::appendOnly);
    EXPECT_TRUE(appendOnly.CanAppend() && !appendOnly.CanUpdate());
    for (auto refused : {&CRecordset::Edit, &CRecordset::Delete})
        EXPECT_THROW((appendOnly.*refused)(), CDBException);

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
        CArticoloTestSet rs(&db());
        rs.m_nFields = c.fields;
        rs.m_nParams = c.params;
        EXPECT_NE(Error([&] { rs.Open(CRecordset::snapshot, c.sql); }).find(c.message), std::string::npos) << c.message;
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
    CArticoloTestSet rs(nullptr, true);
    std::string fields;
    for (const auto& f : rs.DescribeFields())
        fields += std::string(f.name) + ":" + f.KindName() + (f.isParam ? "(param)" : "") + ":" +
                  std::to_string(f.maxLength) + ":" + std::to_string(f.columnType) + " ";
    EXPECT_EQ(fields, "[CODICE]:text:20:12 [DESCRIZIONE]:text:255:12 NOTE:text:10:-1 [QUANTITA]:long:0:0 FLAG:int:0:0 "
                      "[DATA_TS]:date-timestamp:0:0 [DATA_OLE]:date-ole:0:0 [DATA_CT]:date-ctime:0:0 minimum:long(param):0:0 ");
}

ORVEL_DATABASE_TEST_SUITE(Recordset);

}  // namespace
