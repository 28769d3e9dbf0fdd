// How fast the shop's invoices leave as electronic invoices: documents of 10 lines (two VAT rates)
// turned into FatturaPA text per second, as "orvelmag doc export" does it, without and with the
// check against the schema. Each step loads one of 100 stored invoices with its lines, links,
// summary and schedule, checks it and writes the XML in memory (no file, no progressive: those are
// one small write each). The database is built on every run (SQLite: a file in /tmp; PostgreSQL,
// when ORVEL_BENCH_PG or else ORVEL_TEST_PG holds a connection string: the schema
// orvel_bench_einvoice).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "einvoice/EInvoiceSettings.h"
#include "einvoice/InvoiceExporter.h"
#include "odbc/Database.h"
#include "orveldblib/TransactionGuard.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/documents/DomainDocumentoMagazzino.h"
#include "orvelmagdb/domain/documents/DomainVoceDocumentoMagazzino.h"
#include "support/BenchPostgres.h"

namespace {

constexpr int kInvoices = 100;
constexpr int kLines = 10;

void Configure()
{
    CApplicationAdministrator* admin = CApplicationAdministrator::GetInstance();
    for (const char* key : {"precisione/prezzi", "precisione/iva", "precisione/sconti", "precisione/totali"})
        admin->GetConfig()->SetParam(key, "2");
    admin->GetConfig()->SetParam("precisione/quantita", "3");
    admin->GetConfig()->SetParam("default/documento/unitamisura", "PZ");
    admin->GetUser()->Set_ID_SOCIETA(1);
}

void Build(CDatabase& db)
{
    CSchema::Create(db);
    db.ExecuteSQL("INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA) VALUES ('22', 'Ordinaria', '22'), "
                  "('10', 'Ridotta', '10')");
    db.ExecuteSQL("INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO, F_CLIENTE, F_QUANTITA) VALUES "
                  "(1, 'Fattura', 'FT', 1, -1)");
    db.ExecuteSQL("INSERT INTO AZIENDA (ID, RAGIONESOCIALE, F_TIPO_RAPPORTO) VALUES (101, 'Bar Sport', 1)");
    einvoice::Party company;
    company.id = 1;
    company.name = "Negozio Srl";
    company.vatNumber = "01234567897";
    company.address = "Via Roma 1";
    company.postcode = "20100";
    company.city = "Milano";
    company.regime = "RF01";
    einvoice::EInvoiceSettings::SaveCompany(db, company);
    einvoice::Party customer;
    einvoice::EInvoiceSettings::LoadPartner(db, 101, customer);
    customer.vatNumber = "12345678903";
    customer.address = "Piazza Duomo 2";
    customer.postcode = "20121";
    customer.city = "Milano";
    einvoice::EInvoiceSettings::SavePartner(db, customer);
    CTransactionGuard transaction(db);
    for (int d = 0; d < kInvoices; ++d) {
        CDomainDocumentoMagazzino invoice(&db);
        invoice.SetCausale(1);
        invoice.Set_NUMERO(d + 1);
        invoice.Set_CLI_FAT_ID(101);
        invoice.Load_Cliente();
        for (int l = 0; l < kLines; ++l) {
            CDomainVoceDocumentoMagazzino line(&db);
            line.Set_ID_ARTICOLO(("A" + std::to_string(l)).c_str());
            line.Set_DESCRIZIONE("Articolo");
            line.Set_QUANTITA(Decimal(l + 1));
            line.Set_ID_IVA(l % 2 ? "22" : "10", true);
            line.Set_PREZZO_PZ(Decimal("12.35", 127), true);
            line.Set_SCONTO1(Decimal(l % 3 == 0 ? 10 : 0));
            invoice.Ref_DETTAGLIO()->Add(&line, false);
        }
        invoice.Ricalcola_TOTALI();
        if (!invoice.DB_AddNew())
            throw std::runtime_error("an invoice was not saved");
    }
    transaction.Commit();
    db.ExecuteSQL("ANALYZE");
}

CDatabase& OpenShop(bool postgres)
{
    static std::map<bool, std::unique_ptr<CDatabase>> shops;
    std::unique_ptr<CDatabase>& db = shops[postgres];
    if (db)
        return *db;
    Configure();
    db = bench_support::OpenFreshShop(postgres, "einvoice");
    Build(*db);
    return *db;
}

void Export(benchmark::State& state, bool postgres, bool validate)
{
    CDatabase& db = OpenShop(postgres);
    einvoice::InvoiceExporter exporter(db, validate ? ORVEL_SOURCE_DIR "/data/einvoice/FatturaPA_v1.2.2.xsd" : "");
    long id = 0;
    for (auto _ : state) {
        id = id % kInvoices + 1;
        benchmark::DoNotOptimize(exporter.Xml(id, "00001"));
    }
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

static void BM_ExportInvoice10Lines(benchmark::State& state) { Export(state, false, false); }
BENCHMARK(BM_ExportInvoice10Lines)->Unit(benchmark::kMicrosecond);
static void BM_ExportInvoice10LinesValidated(benchmark::State& state) { Export(state, false, true); }
BENCHMARK(BM_ExportInvoice10LinesValidated)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    return bench_support::RunBenchmarks(argc, argv, [] {
        benchmark::RegisterBenchmark("BM_PG_ExportInvoice10Lines", [](benchmark::State& s) { Export(s, true, false); })
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark("BM_PG_ExportInvoice10LinesValidated",
                                     [](benchmark::State& s) { Export(s, true, true); })
            ->Unit(benchmark::kMicrosecond);
    });
}
