// How many documents per second tills save into one shop database, by one till alone and by four
// at once.
//
// Each run makes a fresh shop (SQLite: a new file in /tmp with the driver's default
// synchronisation, as a till has it; PostgreSQL: a new schema on the server of ORVEL_BENCH_PG, or
// else ORVEL_TEST_PG, skipped without one) with "orvelmag init", VAT codes 22 and 10, the sale
// reason 1 and the ten articles the lines name, then starts the writer processes together and
// waits for all of them. Only the writers are timed; the rate counts every document of every
// process. After each run the benchmark checks that every document was saved and that their
// numbers are 1..N, each used once: four tills numbering at once must neither fail nor share a
// number.
//
// Two writers:
// - bench_document_writer (bench/driver): one process saves its documents one after the other on
//   one connection, each built, numbered and saved as the library's user does (reason, lines,
//   Ricalcola_TOTALI, then GeneraNumeroDocumento and DB_AddNew in one transaction under the
//   documents' writer lock): the rate of the library and the database;
// - "orvelmag doc new", the host's command, one process per document (so each document also pays
//   for a process start, reading the configuration, connecting and looking its articles up), when
//   the host has that command.
// Saving is serialised by the writer lock (SQLite: the write lock of BEGIN IMMEDIATE; PostgreSQL:
// an advisory transaction lock), so four processes share one writer's rate; the figures show what
// the serialisation costs.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include "odbc/Database.h"
#include "orveldblib/ODBCRecordset.h"
#include "support/BenchPostgres.h"

namespace {

using bench_support::PostgresConnect;

const std::string kConfig = ORVEL_SOURCE_DIR "/config/default.conf";
constexpr long kLines = 10;

int Orvelmag(const std::string& args)
{
    return std::system(("'" ORVELMAG_EXE "' " + args + " > /dev/null 2>&1").c_str());
}

// Whether the host has the "doc new" command: its usage lists it.
bool HostSavesDocuments()
{
    static const bool has = [] {
        FILE* help = ::popen("'" ORVELMAG_EXE "' 2>&1", "r");
        if (help == nullptr)
            return false;
        std::string text;
        std::array<char, 4096> buffer;
        while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), help))
            text.append(buffer.data(), n);
        ::pclose(help);
        return text.find("doc new") != std::string::npos;
    }();
    return has;
}

// A fresh shop database for one run; dropped when it goes.
class ShopDatabase {
public:
    ShopDatabase(bool postgres, int run)
    {
        const std::string name = "bench_docs_" + std::to_string(::getpid()) + "_" + std::to_string(run);
        if (postgres) {
            m_admin.OpenEx(PostgresConnect().c_str());
            m_schema = name;
            m_admin.ExecuteSQL(("CREATE SCHEMA " + m_schema).c_str());
            connect = PostgresConnect() + ";ConnSettings=SET search_path TO " + m_schema;
        } else {
            m_file = "/tmp/" + name + ".db";
            connect = "DRIVER=SQLite3;Database=" + m_file;
        }
        const std::string on = " --file '" + kConfig + "' --connect '" + connect + "'";
        bool made = Orvelmag("init --connect '" + connect + "'") == 0 && Orvelmag("vat add 22 22 Ordinaria" + on) == 0 &&
                    Orvelmag("vat add 10 10 Ridotta" + on) == 0 &&
                    Orvelmag("reason add 1 Vendita --type DDT --stock unload" + on) == 0;
        for (int a = 1; made && a <= 10; ++a) {
            char code[16];
            std::snprintf(code, sizeof code, "A%07d", a);
            made = Orvelmag(std::string("article add ") + code + " Articolo --vat " + (a % 3 == 1 ? "10" : "22") +
                            " --price " + std::to_string(2 + a * 3) + on) == 0;
        }
        if (!made)
            throw std::runtime_error("cannot make the shop database " + name);
    }
    ~ShopDatabase()
    {
        if (!m_schema.empty())
            m_admin.ExecuteSQL(("DROP SCHEMA " + m_schema + " CASCADE").c_str());
        for (const char* suffix : {"", "-wal", "-shm", "-journal"})
            std::filesystem::remove(m_file + suffix);
    }

    // True when the shop holds `count` documents numbered 1..count, each number once.
    bool NumberedOnce(long count)
    {
        CDatabase db;
        db.OpenEx(connect.c_str());
        CODBCRecordset rs(&db);
        rs.Open("SELECT COUNT(*), COUNT(DISTINCT NUMERO), MIN(NUMERO), MAX(NUMERO) FROM DOCUMENTO");
        return !rs.IsEOF() && rs.Field(0)->AsLong() == count && rs.Field(1)->AsLong() == count &&
               rs.Field(2)->AsLong() == 1 && rs.Field(3)->AsLong() == count;
    }

    std::string connect;

private:
    CDatabase m_admin;
    std::string m_schema, m_file;
};

enum Writer { kDriver = 0, kHost = 1 };

// The shell commands of one writer process saving `count` documents.
std::string WriterScript(Writer writer, long count)
{
    if (writer == kDriver)
        return "'" DOCUMENT_WRITER_EXE "' '%s' " + std::to_string(count) + " " + std::to_string(kLines);
    std::string lines;
    for (long n = 0; n < kLines; ++n)
        lines += " --line A" + std::string(n + 1 < 10 ? "000000" : "00000") + std::to_string(n + 1) + ":" +
                 std::to_string(1 + n % 7) + ":" + std::to_string(2 + n * 3) + ".50" + (n % 4 != 0 ? ":10" : "");
    return "i=0; while [ $i -lt " + std::to_string(count) + " ]; do '" ORVELMAG_EXE "' doc new --reason 1 --series B" +
           lines + " --extra-discount 5 --transport 10.05 --file '" + kConfig +
           "' --connect '%s' || exit 1; i=$((i+1)); done";
}

// Arguments: processes, 1 for PostgreSQL, the writer, documents per process.
void BM_SaveDocuments(benchmark::State& state)
{
    const int processes = static_cast<int>(state.range(0));
    const bool postgres = state.range(1) == 1;
    const Writer writer = static_cast<Writer>(state.range(2));
    const long count = state.range(3);
    if (postgres && PostgresConnect().empty()) {
        state.SkipWithError("no PostgreSQL server given (ORVEL_BENCH_PG or ORVEL_TEST_PG)");
        return;
    }
    if (writer == kHost && !HostSavesDocuments()) {
        state.SkipWithError("this orvelmag has no \"doc new\" command");
        return;
    }
    std::string script;
    for (int p = 0; p < processes; ++p)
        script += "( " + WriterScript(writer, count) + " ) > /dev/null 2>&1 &\npids=\"$pids $!\"\n";
    script += "fail=0; for pid in $pids; do wait $pid || fail=1; done; exit $fail\n";
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<ShopDatabase>(postgres, run++);
        std::string command = script;
        for (std::size_t at = command.find("%s"); at != std::string::npos; at = command.find("%s"))
            command.replace(at, 2, db->connect);
        const std::string file = "/tmp/bench_docs_" + std::to_string(::getpid()) + ".sh";
        {
            FILE* out = std::fopen(file.c_str(), "w");
            std::fputs(command.c_str(), out);
            std::fclose(out);
        }
        state.ResumeTiming();
        const int status = std::system(("sh '" + file + "'").c_str());
        state.PauseTiming();
        std::filesystem::remove(file);
        if (status != 0 || !db->NumberedOnce(processes * count)) {
            state.ResumeTiming();
            state.SkipWithError(status != 0 ? "a writer failed" : "documents lost or numbers shared");
            return;
        }
        db.reset();
        state.ResumeTiming();
    }
    state.counters["docs/s"] = benchmark::Counter(static_cast<double>(processes) * static_cast<double>(count) *
                                                      static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(BM_SaveDocuments)
    ->ArgNames({"processes", "postgres", "host", "docs"})
    ->Args({1, 0, kDriver, 200})
    ->Args({4, 0, kDriver, 200})
    ->Args({1, 1, kDriver, 100})
    ->Args({4, 1, kDriver, 100})
    ->Args({1, 0, kHost, 25})
    ->Args({4, 0, kHost, 25})
    ->Args({1, 1, kHost, 25})
    ->Args({4, 1, kHost, 25})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

BENCHMARK_MAIN();
