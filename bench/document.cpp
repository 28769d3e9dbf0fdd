// What a warehouse document costs a till: its totals, its save and its reload.
//
// Totals: Ricalcola_TOTALI of a document of 1,000 lines in memory (prices and quantities that
// vary, one or two cascading discounts on most lines, VAT codes 22 and 10, a free gift every
// fiftieth line, half of them charged with VAT), with an extra discount of the document and
// transport expenses. Target: under 1 ms.
//
// Save and reload: the whole of what a till does for a new document of 10 lines: build it on the
// connection (the constructor reads the expenses' VAT code), add the lines, recompute the totals,
// then in one transaction under the documents' writer lock read the counter of its reason
// (GeneraNumeroDocumento), number it one above, and DB_AddNew (new key, header row, VAT summary,
// lines; the numbering trigger raises the counter); commit. Reload: DB_Load of a saved document
// (header and reason, links, lines), walking over the documents saved before. On SQLite (a file
// in /tmp, remade at every run) and on PostgreSQL (the schema orvel_bench_documents, remade at
// every run) when ORVEL_BENCH_PG, or else ORVEL_TEST_PG, holds a connection string. The SQLite
// figures are taken with SyncPragma=OFF, as the other benchmarks, so that the disk flush at
// each commit does not hide the library's cost; the "synced" variant keeps the driver's default
// and shows what a till pays with it. Target: the save of 10 lines under 2 ms on SQLite; saves of
// 1 and 30 lines show what each line adds.
//
// Statements alone: the SQL that a save runs, replayed by hand in one transaction (key from the
// id procedure, counter read, header insert, two VAT rows, the line inserts through the writable
// line view, or with second argument 1 straight into the line table behind it), to show how much
// of a save is the database's own work and how much of that the view's trigger takes.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "odbc/Database.h"
#include "orveldblib/ODBCRecordset.h"
#include "orveldblib/ProcedureId.h"
#include "orvelmagdb/base/Amounts.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/recordsets/documents/TestataDocumentoSet.h"
#include "support/BenchPostgres.h"
#include "support/DocumentSamples.h"

namespace {

using bench_support::PostgresConnect;

using namespace bench_documents;

// ---- totals in memory ----

void BM_Ricalcola_TOTALI(benchmark::State& state)
{
    Configure();
    CDomainDocumentoMagazzino doc;
    SetAmounts(doc);
    AddLines(doc, state.range(0));
    doc.Ricalcola_TOTALI();
    // A document whose totals do not add up would measure the wrong work.
    if (doc.Get_TOTALE() != doc.Get_TOTALE_NETTO_DOCUMENTO() + doc.Get_TOTALE_IVA() ||
        !(doc.Get_TOTALE_OMAGGIO() > Decimal(0)) || !(doc.Get_TOTALE_SCONTO_EXTRA() > Decimal(0))) {
        state.SkipWithError("the document's totals do not hold together");
        return;
    }
    for (auto _ : state) {
        doc.Ricalcola_TOTALI();
        benchmark::DoNotOptimize(doc.Get_TOTALE());
    }
    state.counters["lines"] = static_cast<double>(state.range(0));
    state.SetLabel(("TOTALE " + doc.Get_TOTALE().ToString2(127, false).str()).c_str());
}
BENCHMARK(BM_Ricalcola_TOTALI)->Arg(1000)->Arg(10)->Unit(benchmark::kMicrosecond);

// Where the totals' time goes: each single total on the same 1,000 lines, in the order
// Ricalcola_TOTALI runs them.
void BM_Ricalcola_Single(benchmark::State& state)
{
    using Step = void (CDomainDocumento::*)();
    static const std::pair<const char*, Step> steps[] = {
        {"TOTALE_IMPORTO_ACQUISTO", &CDomainDocumento::Ricalcola_TOTALE_IMPORTO_ACQUISTO},
        {"TOTALE_NETTO_DOCUMENTO", &CDomainDocumento::Ricalcola_TOTALE_NETTO_DOCUMENTO},
        {"TOTALE_IMPORTO", &CDomainDocumento::Ricalcola_TOTALE_IMPORTO},
        {"TOTALE_SCONTO", &CDomainDocumento::Ricalcola_TOTALE_SCONTO},
        {"TOTALE_OMAGGIO", &CDomainDocumento::Ricalcola_TOTALE_OMAGGIO},
        {"TOTALE_IMPORTO_NETTO", &CDomainDocumento::Ricalcola_TOTALE_IMPORTO_NETTO},
        {"TOTALE_SCONTO_EXTRA", &CDomainDocumento::Ricalcola_TOTALE_SCONTO_EXTRA},
        {"TOTALE_IMPONIBILE", &CDomainDocumento::Ricalcola_TOTALE_IMPONIBILE},
        {"TOTALE_IVA", &CDomainDocumento::Ricalcola_TOTALE_IVA},
        {"TOTALE", &CDomainDocumento::Ricalcola_TOTALE},
        {"TOTALE_PROVVIGIONE", &CDomainDocumento::Ricalcola_TOTALE_PROVVIGIONE},
    };
    Configure();
    const auto& [name, step] = steps[state.range(0)];
    CDomainDocumentoMagazzino doc;
    SetAmounts(doc);
    AddLines(doc, 1000);
    for (auto _ : state) {
        (doc.*step)();
        benchmark::DoNotOptimize(doc.Get_TOTALE());
    }
    state.SetLabel(name);
}
BENCHMARK(BM_Ricalcola_Single)->DenseRange(0, 10)->Unit(benchmark::kMicrosecond);

// The discount factor every line amount takes: the four discounts and the extra one as a line
// carries them (two of them zero), against the same cascade without its zero terms.
void BM_CascadeFactor(benchmark::State& state)
{
    const Decimal ten = D("10"), zero = D("0"), five = D("5");
    for (auto _ : state) {
        if (state.range(0) == 0)
            benchmark::DoNotOptimize(Amounts::CascadeFactor({ten, zero, zero, zero, five}));
        else
            benchmark::DoNotOptimize(Amounts::CascadeFactor({ten, five}));
    }
    state.SetLabel(state.range(0) == 0 ? "10, 0, 0, 0, 5" : "10, 5");
}
BENCHMARK(BM_CascadeFactor)->Arg(0)->Arg(1);

// ---- the shop database ----

enum class Backend { SQLite, SQLiteSynced, PostgreSQL };

// A fresh shop for one benchmark: schema, VAT codes 22 and 10, the sale reason. Dropped when it
// goes.
class Shop {
public:
    explicit Shop(Backend backend) : m_backend(backend)
    {
        Configure();
        std::string connect;
        if (backend == Backend::PostgreSQL) {
            m_admin.OpenEx(PostgresConnect().c_str());
            m_admin.ExecuteSQL("DROP SCHEMA IF EXISTS orvel_bench_documents CASCADE");
            m_admin.ExecuteSQL("CREATE SCHEMA orvel_bench_documents");
            connect = PostgresConnect() + ";ConnSettings=SET search_path TO orvel_bench_documents";
        } else {
            m_file = "/tmp/orvelmag_bench_documents.db";
            Remove();
            connect = "DRIVER=SQLite3;Database=" + m_file + (backend == Backend::SQLite ? ";SyncPragma=OFF" : "");
        }
        db.OpenEx(connect.c_str());
        CSchema::Create(db);
        db.BeginTrans();
        db.ExecuteSQL("INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA, CODICE_CASSA) VALUES ('22', 'Ordinaria', '22', 1)");
        db.ExecuteSQL("INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA, CODICE_CASSA) VALUES ('10', 'Ridotta', '10', 2)");
        db.ExecuteSQL("INSERT INTO CAUSALE (ID, DESCRIZIONE, TIPO_DOCUMENTO, F_VALORE, F_QUANTITA, F_CLIENTE, "
                      "F_FORNITORE, F_CLIENTE_SPEDIZIONE, F_INFO_TRASPORTO, F_PAGAMENTO, F_STATO, F_LISTINO, "
                      "F_VALUTAZIONE, F_NUOVO, F_MODIFICA, F_VISUALIZZA, F_ELIMINA) "
                      "VALUES (1, 'Vendita', 'DDT', -1, -1, 1, 0, 0, 1, 1, 0, 1, 1, 1, 1, 1, 1)");
        db.CommitTrans();
    }
    ~Shop()
    {
        db.Close();
        if (m_backend == Backend::PostgreSQL)
            m_admin.ExecuteSQL("DROP SCHEMA IF EXISTS orvel_bench_documents CASCADE");
        else
            Remove();
    }
    CDatabase db;

private:
    void Remove()
    {
        for (const char* suffix : {"", "-wal", "-shm", "-journal"})
            std::filesystem::remove(m_file + suffix);
    }
    Backend m_backend;
    CDatabase m_admin;
    std::string m_file;
};

void Save(benchmark::State& state, Backend backend)
{
    Shop shop(backend);
    const long lines = state.range(0);
    long last = 0;
    for (auto _ : state) {
        last = SaveDocument(shop.db, lines);
        if (last < 1) {
            state.SkipWithError("the document was not saved");
            return;
        }
    }
    // Every save took the next number: the counter ends at the number of documents saved.
    CDomainDocumentoMagazzino check(&shop.db);
    check.Set_ID(last);
    if (!check.DB_Load() || check.Get_NUMERO() != static_cast<long>(state.iterations()) ||
        check.Get_DETTAGLIO()->GetSize() != lines)
        state.SkipWithError("the saved documents are not numbered one after the other");
    state.counters["docs/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void Load(benchmark::State& state, Backend backend)
{
    Shop shop(backend);
    const long lines = state.range(0);
    std::vector<long> ids;
    for (int i = 0; i < 200; ++i)
        ids.push_back(SaveDocument(shop.db, lines));
    std::size_t i = 0;
    for (auto _ : state) {
        CDomainDocumentoMagazzino doc(&shop.db);
        doc.Set_ID(ids[i]);
        if (!doc.DB_Load() || doc.Get_DETTAGLIO()->GetSize() != lines || doc.Get_NUMERO() != static_cast<long>(i + 1)) {
            state.SkipWithError("the document did not reload whole");
            return;
        }
        benchmark::DoNotOptimize(doc.Get_TOTALE());
        i = (i + 37) % ids.size();
    }
}

// The header row alone, as a document's load reads it from the header view by its key: walking
// over the documents (0), the same document every time (1), or walking with the key written as a
// text literal (2). A kept prepared query is found by its text, and only text literals are taken
// out of it as values, so a number in the filter makes each document's query a new one to
// prepare and plan.
void HeaderRow(benchmark::State& state, Backend backend)
{
    Shop shop(backend);
    std::vector<long> ids;
    for (int i = 0; i < 200; ++i)
        ids.push_back(SaveDocument(shop.db, 1));
    const int mode = static_cast<int>(state.range(0));
    std::size_t i = 0;
    for (auto _ : state) {
        CTestataDocumentoSet rs(&shop.db);
        rs.m_strFilter.Format(mode == 2 ? "D_ID = '%ld'" : "D_ID = %ld", ids[mode == 1 ? 0 : i]);
        rs.Open();
        if (rs.IsEOF()) {
            state.SkipWithError("no header row");
            return;
        }
        benchmark::DoNotOptimize(rs.D_NUMERO);
        i = (i + 37) % ids.size();
    }
    static const char* const labels[] = {"D_ID = <n>, walking", "D_ID = <n>, same document", "D_ID = '<n>', walking"};
    state.SetLabel(labels[mode]);
}

// The statements of a save, by hand: what the database costs without the library around it.
void StatementsOnly(benchmark::State& state, Backend backend)
{
    Shop shop(backend);
    CDatabase& db = shop.db;
    const long year = CDomainDocumentoMagazzino(nullptr).Get_ANNO();
    // The lines go through the writable view that the document's save uses, or (second argument
    // 1) straight into the table behind it, to show what the view's trigger costs.
    const char* lineTable = state.range(1) == 1 ? "VOCI_DOCUMENTO" : "VOCI_DOCUMENTO_OPER";
    long number = 0;
    for (auto _ : state) {
        CTransactionGuard transaction(db, kDocumentWriterLock);
        long id = 0;
        {
            CProcedureId key(&db);
            key.Open("GET_ID_DOCUMENTO", 1, nullptr, 0);
            id = key.m_ID;
        }
        CString sql;
        {
            CODBCRecordset counter(&db);
            sql.Format("SELECT NUMERO_PROG FROM PROGRESSIVO_CAUSALE_COMPLETO WHERE (ID_CAUSALE = 1) AND "
                       "(ID_SOCIETA = 1) AND (SERIE_PROG = 'B') AND (ANNO_PROG = %04ld)",
                       year);
            counter.Open(sql);
            benchmark::DoNotOptimize(counter.IsEOF());
        }
        sql.Format("INSERT INTO DOCUMENTO (ID, ID_CAUSALE, ID_SOCIETA, ID_SEDE_SOCIETA, ID_DEPOSITO, NUMERO, SERIE, "
                   "ANNO, DATA_DOCUMENTO, DATA_MOVIMENTO, SCONTO_EXTRA, SPESE_TRASPORTO, TOTALE, TOTALE_IVA, "
                   "TOTALE_IMPONIBILE, F_MODIFICATO) VALUES (%ld, 1, 1, 1, 1, %ld, 'B', %ld, '%04ld-01-02 10:00:00', "
                   "'%04ld-01-02 10:00:00', '5', '10.05', '120.50', '20.50', '100.00', 1)",
                   id, ++number, year, year, year);
        db.ExecuteSQL(sql);
        for (const char* vat : {"22", "10"}) {
            sql.Format("INSERT INTO IVA_DOCUMENTO (ID_DOCUMENTO, ID_IVA, ALIQUOTA_IVA, NOTE_IVA, TOTALE_IMPONIBILE, "
                       "TOTALE_IVA) VALUES (%ld, '%s', '%s', '', '50.00', '10.25')",
                       id, vat, vat);
            db.ExecuteSQL(sql);
        }
        for (long n = 0; n < state.range(0); ++n) {
            sql.Format("INSERT INTO %s (ID_DOCUMENTO, NRIGA, TIPO, ID_ARTICOLO, DESCRIZIONE, UM, "
                       "QUANTITA, PREZZO, PREZZO_IVATO, ID_IVA, ALIQUOTA_IVA, SCONTO_1, SCONTO_EXTRA, "
                       "D_ANNO, D_ID_SOCIETA, D_ID_DEPOSITO, C_F_QUANTITA, C_F_VALORE, MARCATORE) VALUES "
                       "(%ld, %ld, 'A', 'A%07ld', 'Articolo', 'PZ', '2.000', '12.50', '15.25', '22', '22', '10', "
                       "'5', %ld, 1, 1, -1, -1, 1)",
                       lineTable, id, n + 1, n + 1, year);
            db.ExecuteSQL(sql);
        }
        transaction.Commit();
    }
}

void BM_Save_SQLite(benchmark::State& state) { Save(state, Backend::SQLite); }
void BM_Save_SQLite_Synced(benchmark::State& state) { Save(state, Backend::SQLiteSynced); }
void BM_Load_SQLite(benchmark::State& state) { Load(state, Backend::SQLite); }
void BM_StatementsOnly_SQLite(benchmark::State& state) { StatementsOnly(state, Backend::SQLite); }
void BM_HeaderRow_SQLite(benchmark::State& state) { HeaderRow(state, Backend::SQLite); }
BENCHMARK(BM_Save_SQLite)->Arg(10)->Arg(1)->Arg(30)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Save_SQLite_Synced)->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Load_SQLite)->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HeaderRow_SQLite)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StatementsOnly_SQLite)->Args({10, 0})->Args({1, 0})->Args({30, 0})->Args({10, 1})->Unit(benchmark::kMicrosecond);

// The same on PostgreSQL, registered by main when a server is given; wall time is what counts
// there, the server working in another process.
void RegisterPostgres()
{
    benchmark::RegisterBenchmark("BM_Save_PG", [](benchmark::State& s) { Save(s, Backend::PostgreSQL); })
        ->Arg(10)->Unit(benchmark::kMicrosecond)->UseRealTime();
    benchmark::RegisterBenchmark("BM_Load_PG", [](benchmark::State& s) { Load(s, Backend::PostgreSQL); })
        ->Arg(10)->Unit(benchmark::kMicrosecond)->UseRealTime();
    benchmark::RegisterBenchmark("BM_HeaderRow_PG", [](benchmark::State& s) { HeaderRow(s, Backend::PostgreSQL); })
        ->DenseRange(0, 2)->Unit(benchmark::kMicrosecond)->UseRealTime();
    benchmark::RegisterBenchmark("BM_StatementsOnly_PG", [](benchmark::State& s) { StatementsOnly(s, Backend::PostgreSQL); })
        ->Args({10, 0})->Args({10, 1})->Unit(benchmark::kMicrosecond)->UseRealTime();
}

}  // namespace

int main(int argc, char** argv)
{
    return bench_support::RunBenchmarks(argc, argv, RegisterPostgres);
}
