// What the recordset layer costs over raw ODBC on SQLite: reading one row by key, and inserting
// one row, each measured through CRecordset and through the same statements written directly
// against the ODBC API (SQLPrepare / SQLBindParameter / SQLExecute / SQLFetch) in the same run.
// The target is a recordset path at most twice as slow as the raw one.
//
// The database is a temporary file opened with SyncPragma=OFF on both paths, so that the disk's
// flush on every autocommit does not hide the library's own cost in the insert figures.
#include <benchmark/benchmark.h>

#include <sql.h>
#include <sqlext.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "odbc/Database.h"
#include "odbc/FieldExchange.h"
#include "odbc/Recordset.h"

namespace {

class CArticoloBenchSet : public CRecordset {
public:
    explicit CArticoloBenchSet(CDatabase* db) : CRecordset(db) { m_nFields = 4; }
    CString m_CODICE;
    CString m_DESCRIZIONE;
    long m_QUANTITA = 0;
    CString m_PREZZO;
    CString GetDefaultSQL() override { return "[ARTICOLO]"; }
    void DoFieldExchange(CFieldExchange* pFX) override
    {
        pFX->SetFieldType(CFieldExchange::outputColumn);
        RFX_Text(pFX, "[CODICE]", m_CODICE, 20);
        RFX_Text(pFX, "[DESCRIZIONE]", m_DESCRIZIONE);
        RFX_Long(pFX, "[QUANTITA]", m_QUANTITA);
        RFX_Text(pFX, "[PREZZO]", m_PREZZO, 30);
    }
};

constexpr int kRows = 1000;

void check(SQLRETURN rc, const char* what)
{
    if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA)
        throw std::runtime_error(std::string("ODBC call failed: ") + what);
}

// One database file per process, filled once, with a raw connection beside the CDatabase.
struct Fixture {
    std::string file;
    std::string connect;
    CDatabase db;
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;

    Fixture()
    {
        file = "/tmp/orvel_bench_recordset_" + std::to_string(getpid()) + ".db";
        std::remove(file.c_str());
        connect = "DRIVER=SQLite3;Database=" + file + ";SyncPragma=OFF";
        db.OpenEx(connect.c_str());
        db.ExecuteSQL("CREATE TABLE ARTICOLO (CODICE VARCHAR(20) PRIMARY KEY, DESCRIZIONE VARCHAR(255), "
                      "QUANTITA INTEGER, PREZZO VARCHAR(30))");
        db.BeginTrans();
        for (int i = 0; i < kRows; ++i) {
            CString sql;
            sql.Format("INSERT INTO ARTICOLO VALUES ('K%06d', 'articolo numero %d', %d, '%d.50')", i, i, i, i);
            db.ExecuteSQL(sql);
        }
        db.CommitTrans();

        check(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env), "SQLAllocHandle(ENV)");
        check(SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0), "SQLSetEnvAttr");
        check(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc), "SQLAllocHandle(DBC)");
        check(SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(connect.data()), SQL_NTS, nullptr, 0, nullptr,
                               SQL_DRIVER_NOPROMPT),
              "SQLDriverConnect");
    }
    ~Fixture()
    {
        SQLDisconnect(dbc);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        SQLFreeHandle(SQL_HANDLE_ENV, env);
        db.Close();
        for (const char* suffix : {"", "-journal"})
            std::remove((file + suffix).c_str());
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void BM_ReadByKey_Recordset(benchmark::State& state)
{
    Fixture& f = fixture();
    int i = 0;
    for (auto _ : state) {
        CArticoloBenchSet rs(&f.db);
        rs.m_strFilter.Format("CODICE = 'K%06d'", i++ % kRows);
        rs.Open();
        if (rs.IsEOF())
            state.SkipWithError("row not found");
        benchmark::DoNotOptimize(rs.m_DESCRIZIONE.GetLength() + rs.m_QUANTITA);
        rs.Close();
    }
}
BENCHMARK(BM_ReadByKey_Recordset);

void BM_ReadByKey_RawOdbc(benchmark::State& state)
{
    Fixture& f = fixture();
    int i = 0;
    for (auto _ : state) {
        SQLHSTMT stmt = SQL_NULL_HSTMT;
        check(SQLAllocHandle(SQL_HANDLE_STMT, f.dbc, &stmt), "SQLAllocHandle(STMT)");
        check(SQLPrepare(stmt,
                         reinterpret_cast<SQLCHAR*>(const_cast<char*>(
                             "SELECT CODICE, DESCRIZIONE, QUANTITA, PREZZO FROM ARTICOLO WHERE CODICE = ?")),
                         SQL_NTS),
              "SQLPrepare");
        char key[16];
        std::snprintf(key, sizeof key, "K%06d", i++ % kRows);
        SQLLEN keyLength = SQL_NTS;
        check(SQLBindParameter(stmt, 1, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 20, 0, key, 0, &keyLength),
              "SQLBindParameter");
        check(SQLExecute(stmt), "SQLExecute");
        char codice[64], descrizione[512], prezzo[64];
        SQLBIGINT quantita = 0;
        SQLLEN ind[4];
        check(SQLBindCol(stmt, 1, SQL_C_CHAR, codice, sizeof codice, &ind[0]), "SQLBindCol");
        check(SQLBindCol(stmt, 2, SQL_C_CHAR, descrizione, sizeof descrizione, &ind[1]), "SQLBindCol");
        check(SQLBindCol(stmt, 3, SQL_C_SBIGINT, &quantita, 0, &ind[2]), "SQLBindCol");
        check(SQLBindCol(stmt, 4, SQL_C_CHAR, prezzo, sizeof prezzo, &ind[3]), "SQLBindCol");
        if (SQLFetch(stmt) != SQL_SUCCESS)
            state.SkipWithError("row not found");
        benchmark::DoNotOptimize(ind[1] + quantita);
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    }
}
BENCHMARK(BM_ReadByKey_RawOdbc);

// Inserting through one open recordset, as a save that adds several child rows does.
void BM_Insert_Recordset(benchmark::State& state)
{
    Fixture& f = fixture();
    f.db.ExecuteSQL("DELETE FROM ARTICOLO WHERE CODICE LIKE 'R%'");
    CArticoloBenchSet rs(&f.db);
    rs.m_strFilter = "CODICE IS NULL";
    rs.Open();
    long i = 0;
    for (auto _ : state) {
        rs.AddNew();
        rs.m_CODICE.Format("R%09ld", i++);
        rs.m_DESCRIZIONE = "nuovo articolo";
        rs.m_QUANTITA = i;
        rs.m_PREZZO = "12.30";
        rs.Update();
    }
    rs.Close();
}
BENCHMARK(BM_Insert_Recordset);

void BM_Insert_RawOdbc(benchmark::State& state)
{
    Fixture& f = fixture();
    f.db.ExecuteSQL("DELETE FROM ARTICOLO WHERE CODICE LIKE 'S%'");
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    check(SQLAllocHandle(SQL_HANDLE_STMT, f.dbc, &stmt), "SQLAllocHandle(STMT)");
    check(SQLPrepare(stmt,
                     reinterpret_cast<SQLCHAR*>(const_cast<char*>(
                         "INSERT INTO ARTICOLO (CODICE, DESCRIZIONE, QUANTITA, PREZZO) VALUES (?, ?, ?, ?)")),
                     SQL_NTS),
          "SQLPrepare");
    long i = 0;
    for (auto _ : state) {
        char codice[32];
        std::snprintf(codice, sizeof codice, "S%09ld", i++);
        char descrizione[] = "nuovo articolo";
        char prezzo[] = "12.30";
        SQLBIGINT quantita = i;
        SQLLEN ind[4] = {SQL_NTS, SQL_NTS, 0, SQL_NTS};
        check(SQLBindParameter(stmt, 1, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 20, 0, codice, 0, &ind[0]), "bind");
        check(SQLBindParameter(stmt, 2, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 255, 0, descrizione, 0, &ind[1]), "bind");
        check(SQLBindParameter(stmt, 3, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0, 0, &quantita, 0, &ind[2]), "bind");
        check(SQLBindParameter(stmt, 4, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 30, 0, prezzo, 0, &ind[3]), "bind");
        check(SQLExecute(stmt), "SQLExecute");
    }
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
}
BENCHMARK(BM_Insert_RawOdbc);

// The whole pattern of a domain object's insert: open an empty recordset, AddNew, Update, Close;
// beside a raw insert that prepares its statement each time.
void BM_OpenInsertClose_Recordset(benchmark::State& state)
{
    Fixture& f = fixture();
    f.db.ExecuteSQL("DELETE FROM ARTICOLO WHERE CODICE LIKE 'T%'");
    long i = 0;
    for (auto _ : state) {
        CArticoloBenchSet rs(&f.db);
        rs.m_strFilter = "CODICE IS NULL";
        rs.Open();
        rs.AddNew();
        rs.m_CODICE.Format("T%09ld", i++);
        rs.m_DESCRIZIONE = "nuovo articolo";
        rs.m_QUANTITA = i;
        rs.m_PREZZO = "12.30";
        rs.Update();
        rs.Close();
    }
}
BENCHMARK(BM_OpenInsertClose_Recordset);

void BM_PrepareInsert_RawOdbc(benchmark::State& state)
{
    Fixture& f = fixture();
    f.db.ExecuteSQL("DELETE FROM ARTICOLO WHERE CODICE LIKE 'U%'");
    long i = 0;
    for (auto _ : state) {
        SQLHSTMT stmt = SQL_NULL_HSTMT;
        check(SQLAllocHandle(SQL_HANDLE_STMT, f.dbc, &stmt), "SQLAllocHandle(STMT)");
        check(SQLPrepare(stmt,
                         reinterpret_cast<SQLCHAR*>(const_cast<char*>(
                             "INSERT INTO ARTICOLO (CODICE, DESCRIZIONE, QUANTITA, PREZZO) VALUES (?, ?, ?, ?)")),
                         SQL_NTS),
              "SQLPrepare");
        char codice[32];
        std::snprintf(codice, sizeof codice, "U%09ld", i++);
        char descrizione[] = "nuovo articolo";
        char prezzo[] = "12.30";
        SQLBIGINT quantita = i;
        SQLLEN ind[4] = {SQL_NTS, SQL_NTS, 0, SQL_NTS};
        check(SQLBindParameter(stmt, 1, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 20, 0, codice, 0, &ind[0]), "bind");
        check(SQLBindParameter(stmt, 2, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 255, 0, descrizione, 0, &ind[1]), "bind");
        check(SQLBindParameter(stmt, 3, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0, 0, &quantita, 0, &ind[2]), "bind");
        check(SQLBindParameter(stmt, 4, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 30, 0, prezzo, 0, &ind[3]), "bind");
        check(SQLExecute(stmt), "SQLExecute");
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    }
}
BENCHMARK(BM_PrepareInsert_RawOdbc);

}  // namespace

BENCHMARK_MAIN();
