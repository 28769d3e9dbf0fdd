// What the benchmarks share about PostgreSQL: the server to measure on, and a main that adds the
// PostgreSQL benchmarks only when one is given.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "odbc/Database.h"

namespace bench_support {

// The server to measure on: ORVEL_BENCH_PG, else the test suites' ORVEL_TEST_PG; empty for none.
inline std::string PostgresConnect()
{
    for (const char* name : {"ORVEL_BENCH_PG", "ORVEL_TEST_PG"})
        if (const char* value = std::getenv(name); value != nullptr && *value != '\0')
            return value;
    return "";
}

// A connection to an empty shop database named `name`, made anew: on PostgreSQL the schema
// "orvel_bench_<name>" dropped and created again, on SQLite the file
// "/tmp/orvelmag_bench_<name>.db" removed (its disk flush off, so that the library's cost shows).
inline std::unique_ptr<CDatabase> OpenFreshShop(bool postgres, const std::string& name)
{
    const std::string schema = "orvel_bench_" + name;
    const std::string file = "/tmp/orvelmag_bench_" + name + ".db";
    if (postgres) {
        CDatabase admin;
        admin.OpenEx(PostgresConnect().c_str());
        admin.ExecuteSQL(("DROP SCHEMA IF EXISTS " + schema + " CASCADE").c_str());
        admin.ExecuteSQL(("CREATE SCHEMA " + schema).c_str());
    } else {
        std::filesystem::remove(file);
    }
    auto db = std::make_unique<CDatabase>();
    db->OpenEx((postgres ? PostgresConnect() + ";ConnSettings=SET search_path TO " + schema
                         : "DRIVER=SQLite3;Database=" + file + ";SyncPragma=OFF")
                   .c_str());
    return db;
}

// Google Benchmark's main, with registerPostgres called first when a server is given.
inline int RunBenchmarks(int argc, char** argv, void (*registerPostgres)())
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!PostgresConnect().empty())
        registerPostgres();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench_support
