// How fast the back office makes the payment schedules of its invoices.
//
// The shop holds 1,000 invoices and a 30/60 days end-of-month payment formula. One iteration
// makes the schedule of every invoice, as a host does after saving it: builds the schedule for the
// invoice's taxable amount and VAT, generates its two instalments from the formula, links the
// invoice (reading its summary) and saves schedule, instalments and link in one transaction. The
// figure to read is schedules per second (items_per_second). The database is built on every run
// (SQLite: a file in /tmp; PostgreSQL, when ORVEL_BENCH_PG or else ORVEL_TEST_PG holds a
// connection string: the schema orvel_bench_schedules). Target: over 2,000 schedules a second on
// SQLite.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "odbc/Database.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/payments/DomainScadenzario.h"

#include "support/BenchPostgres.h"

namespace {

constexpr long kDocuments = 1000;
constexpr long kFormula = 3;

using bench_support::PostgresConnect;

void Build(CDatabase& db)
{
    CSchema::Create(db);
    db.ExecuteSQL("INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO) VALUES (1, 'Fattura', 'FT')");
    db.ExecuteSQL("INSERT INTO FORMULA_PAGAMENTO (ID, DESCRIZIONE) VALUES (3, '30/60 gg fine mese')");
    db.ExecuteSQL("INSERT INTO VOCE_FORMULA_PAGAMENTO (ID, GIORNI, PERCENTUALE, ID_FORMULA_PAGAMENTO, F_FINE_MESE) "
                  "VALUES (1, 30, '50', 3, 1), (2, 60, '50', 3, 1)");
    db.BeginTrans();
    for (long id = 1; id <= kDocuments; ++id) {
        CString sql;
        sql.Format("INSERT INTO DOCUMENTO (ID, DATA_DOCUMENTO, NUMERO, ANNO, ID_CAUSALE, TOTALE, TOTALE_IVA) "
                   "VALUES (%ld, '2024-03-%02ld 00:00:00', %ld, 2024, 1, '%ld.22', '%ld.22')",
                   id, id % 28 + 1, id, 100 + id, 22 + id / 5);
        db.ExecuteSQL(sql);
    }
    db.CommitTrans();
}

CDatabase& Shop(bool postgres)
{
    static std::map<bool, std::unique_ptr<CDatabase>> shops;
    auto& db = shops[postgres];
    if (db)
        return *db;
    CApplicationAdministrator* admin = CApplicationAdministrator::GetInstance();
    admin->GetConfig()->SetParam("precisione/totali", "2");
    admin->GetConfig()->SetParam("default/documento/formulapagamento", "-1");
    admin->GetConfig()->SetParam("default/scadenzario/passivoattivo", "1");
    admin->GetUser()->Set_ID_SOCIETA(1);
    db = bench_support::OpenFreshShop(postgres, "schedules");
    Build(*db);
    return *db;
}

void MakeSchedules(benchmark::State& state, bool postgres)
{
    CDatabase& db = Shop(postgres);
    for (auto _ : state) {
        for (long id = 1; id <= kDocuments; ++id) {
            CDomainScadenzario schedule(&db);
            schedule.SetTransController(true);
            schedule.Set_DATA_MOVIMENTO(COleDateTime(2024, 3, static_cast<int>(id % 28 + 1), 0, 0, 0));
            schedule.Set_IMPORTO_IMPONIBILE(Decimal(100 + id - (22 + id / 5)));
            schedule.Set_IMPORTO_IVA(Decimal(22 + id / 5));
            schedule.Set_ID_FORMULA_PAGAMENTO(kFormula);
            if (!schedule.GeneraScadenze(kFormula, 0, 6, false) || schedule.SCADENZE_GetSize() != 2 ||
                schedule.DOCUMENTI_Add(id, 1) != 0 || !schedule.DB_AddNew()) {
                state.SkipWithError("a schedule was not generated, linked or saved");
                return;
            }
            benchmark::DoNotOptimize(schedule.Get_ID());
        }
    }
    state.SetItemsProcessed(state.iterations() * kDocuments);
}

}  // namespace

static void BM_Schedules_GenerateAndSave1000(benchmark::State& state) { MakeSchedules(state, false); }
BENCHMARK(BM_Schedules_GenerateAndSave1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (!PostgresConnect().empty())
        benchmark::RegisterBenchmark("BM_PG_Schedules_GenerateAndSave1000", [](benchmark::State& s) {
            MakeSchedules(s, true);
        })->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
