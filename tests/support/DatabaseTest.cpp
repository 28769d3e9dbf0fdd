// The per-test database of DatabaseTest: a temporary SQLite file, or a temporary PostgreSQL
// schema on the server named by ORVEL_TEST_PG.
#include "support/DatabaseTest.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

#include "odbc/DBException.h"
#include "support/ScalarQuery.h"

// The leak checker of the sanitizer build reads its default suppressions from this hook. The
// PostgreSQL driver keeps a few hundred bytes of process-wide state that it never frees; that is
// the driver's, not ours, so only allocations made inside the ODBC drivers are suppressed.
extern "C" const char* __lsan_default_suppressions();
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:psqlodbcw.so\nleak:psqlodbca.so\nleak:libsqlite3odbc.so\n";
}

namespace orvel::test {

std::string BackendName(const ::testing::TestParamInfo<Backend>& info)
{
    return info.param == Backend::SQLite ? "SQLite" : "PostgreSQL";
}

namespace {

std::string uniqueSuffix()
{
    static std::atomic<int> counter{0};
    return std::to_string(getpid()) + "_" + std::to_string(counter++);
}

}  // namespace

void DatabaseTest::SetUp()
{
    if (GetParam() == Backend::SQLite) {
        const char* tmp = std::getenv("TMPDIR");
        std::string dir = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
        m_sqliteFile = dir + "/orvel_test_" + uniqueSuffix() + ".db";
        std::remove(m_sqliteFile.c_str());
        m_connect = "DRIVER=SQLite3;Database=" + m_sqliteFile;
    } else {
        const char* pg = std::getenv("ORVEL_TEST_PG");
        if (pg == nullptr || *pg == '\0')
            GTEST_SKIP() << "ORVEL_TEST_PG is not set: PostgreSQL tests skipped";
        std::string base = pg;
        m_admin = std::make_unique<CDatabase>();
        m_admin->OpenEx(base.c_str());
        m_schema = "orvel_t_" + uniqueSuffix();
        m_admin->ExecuteSQL(("CREATE SCHEMA " + m_schema).c_str());
        while (!base.empty() && (base.back() == ';' || base.back() == ' '))
            base.pop_back();
        m_connect = base + ";ConnSettings=SET search_path TO " + m_schema;
    }
    m_db = OpenAnother();
}

void DatabaseTest::TearDown()
{
    m_db.reset();
    if (!m_sqliteFile.empty()) {
        for (const char* suffix : {"", "-journal", "-wal", "-shm"})
            std::remove((m_sqliteFile + suffix).c_str());
    }
    if (m_admin && !m_schema.empty()) {
        try {
            m_admin->ExecuteSQL(("DROP SCHEMA " + m_schema + " CASCADE").c_str());
        } catch (const CDBException& e) {
            ADD_FAILURE() << "could not drop test schema " << m_schema << ": " << e.what();
        }
    }
    m_admin.reset();
}

std::unique_ptr<CDatabase> DatabaseTest::OpenAnother() const
{
    auto db = std::make_unique<CDatabase>();
    db->OpenEx(m_connect.c_str());
    return db;
}

std::optional<std::string> DatabaseTest::QueryText(CDatabase& db, const char* sql)
{
    CScalarQuery query(&db);
    query.Open(CRecordset::forwardOnly, sql, CRecordset::readOnly | CRecordset::executeDirect);
    CString value;
    if (query.IsEOF() || !query.GetResultText(0, value))
        return std::nullopt;
    return value.str();
}

long long DatabaseTest::QueryLong(const char* sql)
{
    auto text = QueryText(sql);
    return text ? std::stoll(*text) : -999999;
}

long long DatabaseTest::CountRows(const char* table)
{
    return QueryLong((std::string("SELECT COUNT(*) FROM ") + table).c_str());
}

}  // namespace orvel::test
