// How fast a back office bills a customer's delivery notes: an invoice built from 20 delivery
// notes of 10 lines each and saved, as "orvelmag doc new --reason FT --from DDT..." does it.
//
// One step links each delivery note to a new invoice with CDomainDocumentoMagazzino::AssociaDocumento
// (its summary read from RICERCA_DOCUMENTO, the note loaded with its links and lines, its 10 lines
// imported and a line citing it added), recomputes the totals and saves the invoice (header, 20
// links, VAT summary and 220 lines) in one transaction, which is then rolled back so that every
// step starts from the same database. The database is built on every run (SQLite: a file in
// /tmp; PostgreSQL, when ORVEL_BENCH_PG or else ORVEL_TEST_PG holds a connection string: the
// schema orvel_bench_invoices). Target: under 20 ms a step on SQLite.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "odbc/Database.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/documents/DomainDettaglioDocumento.h"
#include "orvelmagdb/domain/documents/DomainDocumentoMagazzino.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoMagazzino.h"

#include "support/BenchPostgres.h"

namespace {

constexpr int kDeliveries = 20;
constexpr int kLinesPerDelivery = 10;
constexpr long kDeliveryReason = 6;
constexpr long kInvoiceReason = 7;

void Configure()
{
    CApplicationAdministrator* admin = CApplicationAdministrator::GetInstance();
    for (const char* key : {"precisione/prezzi", "precisione/iva", "precisione/sconti", "precisione/totali"})
        admin->GetConfig()->SetParam(key, "2");
    admin->GetConfig()->SetParam("precisione/quantita", "3");
    admin->GetConfig()->SetParam("default/documento/unitamisura", "PZ");
    admin->GetUser()->Set_ID_SOCIETA(1);
}

// 20 delivery notes of 10 article lines each, made and saved by the library as a till makes them.
std::vector<long> Build(CDatabase& db)
{
    CSchema::Create(db);
    db.ExecuteSQL("INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA) VALUES ('22', 'Ordinaria', '22'), "
                  "('10', 'Ridotta', '10')");
    db.ExecuteSQL("INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO, F_QUANTITA) VALUES "
                  "(6, 'Documento di trasporto', 'DDT', -1), (7, 'Fattura differita', 'FT', 0)");
    std::vector<long> ids;
    CTransactionGuard transaction(db);
    for (int d = 0; d < kDeliveries; ++d) {
        CDomainDocumentoMagazzino note(&db);
        note.SetCausale(kDeliveryReason);
        note.Set_NUMERO(d + 1);
        for (int l = 0; l < kLinesPerDelivery; ++l) {
            CDomainVoceDocumentoMagazzino line(&db);
            line.Set_TIPO("A");
            line.Set_ID_ARTICOLO(("A" + std::to_string(d * kLinesPerDelivery + l)).c_str());
            line.Set_DESCRIZIONE("Articolo");
            line.Set_QUANTITA(Decimal(l + 1));
            line.Set_ID_IVA(l % 2 ? "22" : "10", true);
            line.Set_PREZZO_PZ(Decimal("12.35", 127), true);
            note.Ref_DETTAGLIO()->Add(&line, false);
        }
        note.Ricalcola_TOTALI();
        if (!note.DB_AddNew())
            throw std::runtime_error("a delivery note was not saved");
        ids.push_back(note.Get_ID());
    }
    transaction.Commit();
    db.ExecuteSQL("ANALYZE");
    return ids;
}

using bench_support::PostgresConnect;

struct Shop {
    std::unique_ptr<CDatabase> db;
    std::vector<long> deliveries;
};

Shop& OpenShop(bool postgres)
{
    static std::map<bool, Shop> shops;
    Shop& shop = shops[postgres];
    if (shop.db)
        return shop;
    Configure();
    shop.db = bench_support::OpenFreshShop(postgres, "invoices");
    shop.deliveries = Build(*shop.db);
    return shop;
}

void InvoiceFromDeliveries(benchmark::State& state, bool postgres)
{
    Shop& shop = OpenShop(postgres);
    CDatabase& db = *shop.db;
    for (auto _ : state) {
        CTransactionGuard transaction(db, "DOCUMENTO");
        CDomainDocumentoMagazzino invoice(&db);
        invoice.SetCausale(kInvoiceReason);
        invoice.Set_NUMERO(1);
        for (long id : shop.deliveries)
            invoice.AssociaDocumento(id, true, false, true);
        // The imported lines still hold the ids of the notes' lines; a new document's lines are
        // new rows, and without an id the save does not look each one up first.
        for (int i = 0; i < invoice.Get_DETTAGLIO()->GetSize(); ++i)
            invoice.Ref_DETTAGLIO()->RefAt(i)->Set_ID(-1);
        invoice.Ricalcola_TOTALI();
        // Every line of every note, and the line citing each.
        if (invoice.Get_DETTAGLIO()->GetSize() != kDeliveries * (kLinesPerDelivery + 1) || !invoice.DB_AddNew()) {
            state.SkipWithError("the invoice was not built or not saved");
            break;
        }
        benchmark::DoNotOptimize(invoice.Get_TOTALE());
        // The guard rolls the invoice back: the next step bills the same notes again.
    }
}

}  // namespace

static void BM_InvoiceFrom20Deliveries(benchmark::State& state) { InvoiceFromDeliveries(state, false); }
BENCHMARK(BM_InvoiceFrom20Deliveries)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (!PostgresConnect().empty())
        benchmark::RegisterBenchmark("BM_PG_InvoiceFrom20Deliveries", [](benchmark::State& s) {
            InvoiceFromDeliveries(s, true);
        })->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
