// How many articles per second "orvelmag article import" writes, by one till alone and by four
// tills importing into the same shop database at once.
//
// Each run makes a fresh shop database (SQLite: a new file in /tmp; PostgreSQL: a new schema of
// the server named by ORVEL_TEST_PG, skipped without it), made with "orvelmag init" and given
// VAT code 22, then starts the orvelmag processes together, each importing a file of its own
// (1,000 articles with an EAN, a VAT code and a barcode, 500 rows to a transaction), and waits
// for all of them. Only the imports are timed. The writers are serialised by the database
// (SQLite's write lock, PostgreSQL's writer lock on the articles), so four processes share one
// write rate; the figure shows what the serialisation costs and that no import waits for ever.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include "odbc/Database.h"

namespace {

constexpr int kRows = 1000;
const std::string kConfig = ORVEL_SOURCE_DIR "/config/default.conf";

std::string Ean(long n)
{
    std::string digits = std::to_string(200000000000L + n);
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (digits[i] - '0') * (i % 2 == 0 ? 1 : 3);
    return digits + std::to_string((10 - sum % 10) % 10);
}

int Orvelmag(const std::string& args)
{
    return std::system(("'" ORVELMAG_EXE "' " + args + " > /dev/null 2>&1").c_str());
}

// A fresh shop database for one run; dropped when it goes.
class ShopDatabase {
public:
    ShopDatabase(bool postgres, int run)
    {
        const std::string name = "bench_import_" + std::to_string(::getpid()) + "_" + std::to_string(run);
        if (postgres) {
            m_admin.OpenEx(std::getenv("ORVEL_TEST_PG"));
            m_schema = name;
            m_admin.ExecuteSQL(("CREATE SCHEMA " + m_schema).c_str());
            connect = std::string(std::getenv("ORVEL_TEST_PG")) + ";ConnSettings=SET search_path TO " + m_schema;
        } else {
            m_file = "/tmp/" + name + ".db";
            connect = "DRIVER=SQLite3;Database=" + m_file;
        }
        if (Orvelmag("init --connect '" + connect + "'") != 0 ||
            Orvelmag("vat add 22 22 Ordinaria --file '" + kConfig + "' --connect '" + connect + "'") != 0)
            throw std::runtime_error("cannot make the shop database " + name);
    }
    ~ShopDatabase()
    {
        if (!m_schema.empty())
            m_admin.ExecuteSQL(("DROP SCHEMA " + m_schema + " CASCADE").c_str());
        for (const char* suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(m_file + suffix);
    }
    std::string connect;

private:
    CDatabase m_admin;
    std::string m_schema, m_file;
};

// Arguments: the number of processes, and 1 for PostgreSQL.
void BM_Import(benchmark::State& state)
{
    const int processes = static_cast<int>(state.range(0));
    const bool postgres = state.range(1) == 1;
    if (postgres && std::getenv("ORVEL_TEST_PG") == nullptr) {
        state.SkipWithError("ORVEL_TEST_PG is not set");
        return;
    }
    std::string script;
    for (int p = 0; p < processes; ++p) {
        const std::string file = "/tmp/bench_import_" + std::to_string(::getpid()) + "_" + std::to_string(p) + ".csv";
        std::ofstream csv(file);
        csv << "code,description,ean,vat,alt_codes\n";
        for (long i = 0; i < kRows; ++i) {
            const long n = p * kRows + i;
            csv << "B" << n << ",Articolo " << n << "," << Ean(n) << ",22,ALT" << n << ":1\n";
        }
        script += "'" ORVELMAG_EXE "' article import " + file + " --batch 500 --file '" + kConfig + "' --connect '%s' "
                  "> /dev/null 2>&1 &\n";
    }
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<ShopDatabase>(postgres, run++);
        std::string command = script;
        for (std::size_t at = command.find("%s"); at != std::string::npos; at = command.find("%s"))
            command.replace(at, 2, db->connect);
        state.ResumeTiming();
        if (std::system(("{ " + command + "wait; }").c_str()) != 0)
            state.SkipWithError("an import failed");
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    state.counters["articles/s"] =
        benchmark::Counter(static_cast<double>(processes) * kRows * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(BM_Import)
    ->ArgNames({"processes", "postgres"})
    ->Args({1, 0})
    ->Args({4, 0})
    ->Args({1, 1})
    ->Args({4, 1})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

BENCHMARK_MAIN();
