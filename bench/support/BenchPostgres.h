// What the benchmarks share about PostgreSQL: the server to measure on, and a main that adds the
// PostgreSQL benchmarks only when one is given.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace bench_support {

// The server to measure on: ORVEL_BENCH_PG, else the test suites' ORVEL_TEST_PG; empty for none.
inline std::string PostgresConnect()
{
    for (const char* name : {"ORVEL_BENCH_PG", "ORVEL_TEST_PG"})
        if (const char* value = std::getenv(name); value != nullptr && *value != '\0')
            return value;
    return "";
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
