// Shared fixture of the database tests: every test gets a fresh, empty database on each
// configured backend.
//
//   SQLite      always: a new file in the temporary directory per test, removed afterwards.
//   PostgreSQL  when ORVEL_TEST_PG holds a connection string (tools/pg-test-server.sh prints
//               one): a new schema per test, made the search path of every connection the test
//               opens (ConnSettings), dropped afterwards. Without ORVEL_TEST_PG these tests skip.
//
// A suite derives from DatabaseTest, writes TEST_P cases and instantiates itself on both
// backends with ORVEL_DATABASE_TEST_SUITE(Suite); the instances are named "SQLite" and
// "PostgreSQL", e.g. Backends/RecordsetTest.AddNew/SQLite.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "afx/String.h"
#include "odbc/Database.h"

namespace orvel::test {

enum class Backend { SQLite, PostgreSQL };

std::string BackendName(const ::testing::TestParamInfo<Backend>& info);

class DatabaseTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override;
    void TearDown() override;

    Backend backend() const { return GetParam(); }
    bool IsPostgreSQL() const { return GetParam() == Backend::PostgreSQL; }
    bool IsSQLite() const { return GetParam() == Backend::SQLite; }

    // The connection every test starts with, open on the fresh database.
    CDatabase& db() { return *m_db; }
    // The connection string of this test's database, to open further connections on it.
    const std::string& ConnectionString() const { return m_connect; }
    std::unique_ptr<CDatabase> OpenAnother() const;

    // Runs a statement on db() (through the dialect, as ExecuteSQL does).
    void Exec(const char* sql) { m_db->ExecuteSQL(sql); }
    // First column of the first row of a query as text; nullopt for NULL or no row.
    std::optional<std::string> QueryText(const char* sql) { return QueryText(*m_db, sql); }
    static std::optional<std::string> QueryText(CDatabase& db, const char* sql);
    // The same read as a number; -999999 marks NULL or no row, which tests then compare against.
    long long QueryLong(const char* sql);
    long long CountRows(const char* table);

    // The SQL type of a timestamp column on this backend, for CREATE TABLE in tests.
    const char* TimestampType() const { return "TIMESTAMP"; }

private:
    std::string m_connect;
    std::string m_sqliteFile;
    std::string m_schema;
    std::unique_ptr<CDatabase> m_admin;  // PostgreSQL: the connection that owns the schema
    std::unique_ptr<CDatabase> m_db;
};

}  // namespace orvel::test

#define ORVEL_DATABASE_TEST_SUITE(suite)                                                                     \
    INSTANTIATE_TEST_SUITE_P(Backends, suite,                                                                \
                             ::testing::Values(::orvel::test::Backend::SQLite, ::orvel::test::Backend::PostgreSQL), \
                             ::orvel::test::BackendName)
