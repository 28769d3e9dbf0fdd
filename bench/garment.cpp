// How fast a till finds a garment by the barcode it scans.
//
// CDomainCapoModa::DB_Load by the garment's own barcode, on SQLite shop databases of 10,000,
// 100,000 and 1,000,000 garments, and on a PostgreSQL shop of 100,000 garments when
// ORVEL_BENCH_PG (or else ORVEL_TEST_PG) holds a connection string to a server. Each garment
// belongs to a model of 20 garments (5 sizes of one scale in 4 colours), and the lookup runs the
// model's prices through the article chain. Each database is made once by the benchmark itself
// (the shop schema, the scale, sizes and colours, then the models and their garments,
// bulk-inserted by plain SQL in one transaction) and kept (SQLite: a file in /tmp; PostgreSQL: the
// schema orvel_bench_garments_N), so later runs start at once. Barcodes are visited in a
// scattered order, so that a lookup does not find its page left in cache by the previous one.
// Target: under 200 µs median, growing less than twice from 10,000 to 1,000,000 garments.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "odbc/Database.h"
#include "orveldblib/ODBCRecordset.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/articles/DomainCapoModa.h"

#include "support/BenchPostgres.h"

namespace {

constexpr long kGarmentsPerModel = 20;

void Configure()
{
    static const bool done = [] {
        CConfigAdministrator* config = CApplicationAdministrator::GetInstance()->GetConfig();
        config->SetParam("precisione/prezzi", "2");
        config->SetParam("precisione/iva", "2");
        config->SetParam("precisione/sconti", "2");
        config->SetParam("precisione/totali", "2");
        config->SetParam("default/articolo/moltiplicatorelistino", "1");
        config->SetParam("default/documento/unitamisura", "PZ");
        return true;
    }();
    (void)done;
}

// Garment number n (1-based): its barcode and the code of its model.
std::string Ean(long n)
{
    char text[32];
    std::snprintf(text, sizeof text, "80%011ld", n);
    return text;
}
std::string Model(long n)
{
    char text[32];
    std::snprintf(text, sizeof text, "M%06ld", (n - 1) / kGarmentsPerModel + 1);
    return text;
}

long CountGarments(CDatabase& db)
{
    try {
        CODBCRecordset rs(&db);
        rs.Open("SELECT COUNT(*) FROM CAPO");
        return rs.IsEOF() ? 0 : rs.Field(0)->AsLong();
    } catch (const std::exception&) {
        return -1;  // no schema yet
    }
}

// Builds the database of n garments, or opens the one an earlier run left.
void Build(CDatabase& db, long n, bool postgres)
{
    CSchema::Create(db);
    db.BeginTrans();
    db.ExecuteSQL("INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA, CODICE_CASSA) VALUES ('22', 'Ordinaria', '22', 1)");
    db.ExecuteSQL("INSERT INTO SCALA_TAGLIA (ID, DESCRIZIONE) VALUES ('IT', 'Italiana')");
    for (int size = 40; size <= 48; size += 2) {
        CString sql;
        sql.Format("INSERT INTO TAGLIA (ID, ID_SCALA_TAGLIA, RN) VALUES ('%d', 'IT', %d)", size, size);
        db.ExecuteSQL(sql);
    }
    for (int colour = 0; colour < 4; ++colour) {
        CString sql;
        sql.Format("INSERT INTO COLORE (ID, DESCRIZIONE) VALUES ('C%d', 'Colore %d')", colour, colour);
        db.ExecuteSQL(sql);
    }
    // The numbers 1..count from a series, then the rows made from them in plain SQL.
    const auto series = [postgres](long count) {
        CString text;
        text.Format(postgres ? "FROM generate_series(1, %ld) AS N(I)"
                             : "FROM (WITH RECURSIVE N(I) AS (SELECT 1 UNION ALL SELECT I + 1 FROM N WHERE I < %ld) "
                               "SELECT I FROM N) AS N",
                    count);
        return text;
    };
    const char* pad6 = postgres ? "lpad(I::text, 6, '0')" : "printf('%06d', I)";
    CString sql;
    sql.Format("INSERT INTO ARTICOLO (ID, DESCRIZIONE, DESCRIZIONE_RIDOTTA, UM, ID_IVA, "
               "PREZZO_ACQ_LISTINO_EURO, SCONTO_1, SCONTO_2, SCONTO_3, SCONTO_4, PREZZO_ACQ_PZ_EURO, PREZZO_PZ_EURO, "
               "PREZZO_PZ_EURO_IVATO, PEZZI_X_CONFEZIONE, F_PUBBLICA, ID_TIPO_ARTICOLO, F_RIPORTA_NOTE, "
               "F_GESTISCI_GIACENZE, F_STAMPA_IN_SCONTRINO, F_GESTISCI_LOTTI, F_MODIFICATO) "
               "SELECT 'M' || %s, 'Modello ' || I, '', 'PZ', '22', "
               "'50.00', '10.00', '0', '0', '0', '45.00', '90.00', '109.80', '1', 1, 1, 0, 1, 1, 1, 1 %s",
               pad6, series((n + kGarmentsPerModel - 1) / kGarmentsPerModel).GetString());
    db.ExecuteSQL(sql);
    // Garment I: model (I-1)/20+1, size 40..48 by (I-1)/4, colour C0..C3 by I-1.
    sql.Format("INSERT INTO CAPO (ID_ARTICOLO, ID_SCALA_TAGLIA, ID_TAGLIA, ID_COLORE, CODICE_EAN, RN) "
               "SELECT 'M' || %s, 'IT', '4' || ((((I - 1) / 4) %% 5) * 2), 'C' || ((I - 1) %% 4), '80' || %s, "
               "(I - 1) %% %ld + 1 %s",
               postgres ? "lpad(((I - 1) / 20 + 1)::text, 6, '0')" : "printf('%06d', (I - 1) / 20 + 1)",
               postgres ? "lpad(I::text, 11, '0')" : "printf('%011d', I)", kGarmentsPerModel, series(n).GetString());
    db.ExecuteSQL(sql);
    db.CommitTrans();
    db.ExecuteSQL("ANALYZE");
}

using bench_support::PostgresConnect;

CDatabase& Shop(long n, bool postgres)
{
    static std::map<std::pair<long, bool>, std::unique_ptr<CDatabase>> shops;
    auto& db = shops[{n, postgres}];
    if (db)
        return *db;
    Configure();
    const std::string file = "/tmp/orvelmag_bench_garments_" + std::to_string(n) + ".db";
    const std::string schema = "orvel_bench_garments_" + std::to_string(n);
    const std::string connect = postgres ? PostgresConnect() + ";ConnSettings=SET search_path TO " + schema
                                         : "DRIVER=SQLite3;Database=" + file + ";SyncPragma=OFF";
    db = std::make_unique<CDatabase>();
    db->OpenEx(connect.c_str());
    if (CountGarments(*db) != n) {
        db->Close();
        if (postgres) {
            CDatabase admin;
            admin.OpenEx(PostgresConnect().c_str());
            admin.ExecuteSQL(("DROP SCHEMA IF EXISTS " + schema + " CASCADE").c_str());
            admin.ExecuteSQL(("CREATE SCHEMA " + schema).c_str());
        } else {
            std::filesystem::remove(file);
        }
        db->OpenEx(connect.c_str());
        Build(*db, n, postgres);
    }
    if (CountGarments(*db) != n)
        throw std::runtime_error("the benchmark database " + (postgres ? schema : file) + " was not built");
    return *db;
}

void Lookup(benchmark::State& state, bool postgres)
{
    const long n = state.range(0);
    CDatabase& db = Shop(n, postgres);
    long i = 0;
    for (auto _ : state) {
        // A step coprime with n visits every garment before repeating.
        i = (i + 7919) % n;
        CDomainCapoModa garment(&db);
        garment.Set_CODICE_EAN(Ean(i + 1).c_str());
        if (!garment.DB_Load() || garment.Get_ID() != Model(i + 1).c_str() ||
            garment.Get_PREZZO_PZ_EURO_IVATO() != Decimal("109.80", 127)) {
            state.SkipWithError("the lookup did not find its garment at its price");
            break;
        }
        benchmark::DoNotOptimize(garment.Get_CAPO_ID_TAGLIA());
    }
}

void BM_Garment_DB_Load_ByEan(benchmark::State& state) { Lookup(state, false); }
BENCHMARK(BM_Garment_DB_Load_ByEan)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!PostgresConnect().empty())
        benchmark::RegisterBenchmark("BM_PG_Garment_DB_Load_ByEan", [](benchmark::State& state) { Lookup(state, true); })
            ->Arg(100000)
            ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
