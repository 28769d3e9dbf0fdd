// How fast a till finds an article, and how fast the article's price chain runs.
//
// Lookups: CDomainArticolo::DB_Load by the article's code, by its EAN and by a barcode-like
// alternative code, on SQLite shop databases of 10,000, 100,000 and 1,000,000 articles, and on a
// PostgreSQL shop of 100,000 articles when ORVEL_BENCH_PG (or else ORVEL_TEST_PG) holds a
// connection string to a server. Each database is made once by the benchmark itself (the shop
// schema, then every article with its EAN, a type-0 alternative code and a barcode,
// bulk-inserted by plain SQL in one transaction) and kept (SQLite: a file in /tmp; PostgreSQL:
// the schema orvel_bench_articles_N), so later runs start at once. Keys are visited in a
// scattered order, so that a lookup does not find its page left in cache by the previous one. Targets: a lookup by EAN
// under 200 µs median, growing less than twice from 10,000 to 1,000,000 articles, which only
// indexed lookups achieve.
//
// Price setters: each setter of the chain on an article in memory, with its recompute flags on
// (the longest path). Target: every setter under 1 µs.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "afx/Locale.h"
#include "odbc/Database.h"
#include "orveldblib/ODBCRecordset.h"
#include "orveldlglib/ApplicationAdministrator.h"
#include "orvelmagdb/base/Schema.h"
#include "orvelmagdb/domain/articles/DomainArticolo.h"
#include "orvelmagdb/recordsets/articles/ArticoloCompletoSet.h"
#include "support/BenchPostgres.h"

namespace {

using bench_support::PostgresConnect;

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

// The three keys of article number n (1-based): code, EAN and barcode-like alternative code.
std::string Code(long n)
{
    char text[32];
    std::snprintf(text, sizeof text, "A%07ld", n);
    return text;
}
std::string Ean(long n)
{
    char text[32];
    std::snprintf(text, sizeof text, "80%011ld", n);
    return text;
}
std::string Barcode(long n)
{
    char text[32];
    std::snprintf(text, sizeof text, "20%011ld", n);
    return text;
}

long CountArticles(CDatabase& db)
{
    try {
        CODBCRecordset rs(&db);
        rs.Open("SELECT COUNT(*) FROM ARTICOLO");
        return rs.IsEOF() ? 0 : rs.Field(0)->AsLong();
    } catch (const std::exception&) {
        return -1;  // no schema yet
    }
}

// Builds the database of n articles, or opens the one an earlier run left.
void Build(CDatabase& db, long n, bool postgres)
{
    CSchema::Create(db);
    CString sql;
    db.BeginTrans();
    db.ExecuteSQL("INSERT INTO IVA (CODICE, DESCRIZIONE, ALIQUOTA, CODICE_CASSA) VALUES ('22', 'Ordinaria', '22', 1)");
    // The numbers 1..n from a series, then the rows made from them in plain SQL.
    const char* numbers = postgres ? "FROM generate_series(1, %ld) AS N(I)"
                                   : "FROM (WITH RECURSIVE N(I) AS (SELECT 1 UNION ALL SELECT I + 1 FROM N WHERE I < %ld) "
                                     "SELECT I FROM N) AS N";
    CString series;
    series.Format(numbers, n);
    sql.Format("INSERT INTO ARTICOLO (ID, CODICE_EAN, DESCRIZIONE, DESCRIZIONE_RIDOTTA, UM, ID_IVA, "
               "PREZZO_ACQ_LISTINO_EURO, SCONTO_1, SCONTO_2, SCONTO_3, SCONTO_4, PREZZO_ACQ_PZ_EURO, PREZZO_PZ_EURO, "
               "PREZZO_PZ_EURO_IVATO, PEZZI_X_CONFEZIONE, F_PUBBLICA, ID_TIPO_ARTICOLO, F_RIPORTA_NOTE, "
               "F_GESTISCI_GIACENZE, F_STAMPA_IN_SCONTRINO, F_GESTISCI_LOTTI, F_MODIFICATO) "
               "SELECT 'A' || %s, '80' || %s, 'Articolo ' || I, '', 'PZ', '22', "
               "'10.00', '10.00', '5.00', '0', '0', '8.55', '11.97', '14.60', '1', 1, 1, 0, 1, 1, 1, 1 %s",
               postgres ? "lpad(I::text, 7, '0')" : "printf('%07d', I)",
               postgres ? "lpad(I::text, 11, '0')" : "printf('%011d', I)", series.GetString());
    db.ExecuteSQL(sql);
    sql.Format("INSERT INTO CODICE_ALTERNATIVO_ARTICOLO (ID_ARTICOLO, CODICE, TIPO) "
               "SELECT ID, 'ALT' || substr(ID, 2), 0 FROM ARTICOLO UNION ALL "
               "SELECT ID, '20' || substr(CODICE_EAN, 3), 1 FROM ARTICOLO");
    db.ExecuteSQL(sql);
    db.CommitTrans();
    db.ExecuteSQL("ANALYZE");
}

// Extra options of the SQLite driver to try, from ORVEL_BENCH_SQLITE_OPTIONS (";StepAPI=1").
std::string Options()
{
    const char* extra = std::getenv("ORVEL_BENCH_SQLITE_OPTIONS");
    return extra != nullptr ? extra : "";
}

enum class Backend { SQLite, PostgreSQL };

CDatabase& Shop(long n, Backend backend = Backend::SQLite)
{
    static std::map<std::pair<long, Backend>, std::unique_ptr<CDatabase>> shops;
    auto& db = shops[{n, backend}];
    if (db)
        return *db;
    Configure();
    const bool postgres = backend == Backend::PostgreSQL;
    const std::string file = "/tmp/orvelmag_bench_articles_" + std::to_string(n) + ".db";
    const std::string schema = "orvel_bench_articles_" + std::to_string(n);
    const std::string connect = postgres ? PostgresConnect() + ";ConnSettings=SET search_path TO " + schema
                                         : "DRIVER=SQLite3;Database=" + file + ";SyncPragma=OFF" + Options();
    db = std::make_unique<CDatabase>();
    db->OpenEx(connect.c_str());
    if (CountArticles(*db) != n) {
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
    if (CountArticles(*db) != n)
        throw std::runtime_error("the benchmark database " + (postgres ? schema : file) + " was not built");
    return *db;
}

// A scattered walk over 1..n: a step coprime with n visits every article before repeating.
struct Walk {
    long n;
    long i = 0;
    long Next()
    {
        i = (i + 7919) % n;
        return i + 1;
    }
};

enum class Key { Code, Ean, Barcode };

void Lookup(benchmark::State& state, Key key, Backend backend = Backend::SQLite)
{
    const long n = state.range(0);
    CDatabase& db = Shop(n, backend);
    Walk walk{n};
    for (auto _ : state) {
        const long k = walk.Next();
        CDomainArticolo article(&db);
        if (key == Key::Code)
            article.Set_ID(Code(k).c_str());
        else
            article.Set_CODICE_EAN((key == Key::Ean ? Ean(k) : Barcode(k)).c_str());
        if (!article.DB_Load() || article.Get_ID() != Code(k).c_str()) {
            state.SkipWithError("lookup did not find its article");
            break;
        }
        benchmark::DoNotOptimize(article.Get_PREZZO_PZ_EURO());
    }
}

void BM_DB_Load_ByCode(benchmark::State& state)
{
    Lookup(state, Key::Code);
}
void BM_DB_Load_ByEan(benchmark::State& state)
{
    Lookup(state, Key::Ean);
}
void BM_DB_Load_ByBarcode(benchmark::State& state)
{
    Lookup(state, Key::Barcode);
}
BENCHMARK(BM_DB_Load_ByCode)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DB_Load_ByEan)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DB_Load_ByBarcode)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// The same lookups on PostgreSQL, registered by main when a server is given.
void RegisterPostgresLookups()
{
    const std::pair<const char*, Key> lookups[] = {
        {"BM_PG_DB_Load_ByCode", Key::Code}, {"BM_PG_DB_Load_ByEan", Key::Ean}, {"BM_PG_DB_Load_ByBarcode", Key::Barcode}};
    for (const auto& [name, key] : lookups)
        benchmark::RegisterBenchmark(name, [key = key](benchmark::State& state) { Lookup(state, key, Backend::PostgreSQL); })
            ->Arg(100000)
            ->Unit(benchmark::kMicrosecond);
}

// The two statements a lookup by EAN runs, each alone, to show where its time goes: the query
// that turns the key into an article code, and the read of the article's row from the view that
// joins its VAT, category, family, group, department and formulas.
void BM_EanToCode_QueryOnly(benchmark::State& state)
{
    const long n = state.range(0);
    CDatabase& db = Shop(n);
    Walk walk{n};
    for (auto _ : state) {
        const std::string ean = Ean(walk.Next());
        CString sql;
        sql.Format("SELECT A.ID FROM ARTICOLO A WHERE A.CODICE_EAN = '%s' UNION SELECT CAA.ID_ARTICOLO FROM "
                   "CODICE_ALTERNATIVO_ARTICOLO CAA WHERE (CAA.CODICE = '%s') AND (CAA.TIPO <> %d) ",
                   ean.c_str(), ean.c_str(), 0);
        CODBCRecordset query(&db);
        query.Open(sql);
        if (query.IsEOF()) {
            state.SkipWithError("no article for the EAN");
            break;
        }
        benchmark::DoNotOptimize(query.Field(0)->AsString());
    }
}
void BM_ArticleRow_ViewOnly(benchmark::State& state)
{
    const long n = state.range(0);
    CDatabase& db = Shop(n);
    Walk walk{n};
    for (auto _ : state) {
        CArticoloCompletoSet rs(&db);
        rs.m_strFilter.Format("ID = '%s'", Code(walk.Next()).c_str());
        rs.m_strSort = "ID";
        rs.Open();
        if (rs.IsEOF()) {
            state.SkipWithError("no row in the article view");
            break;
        }
        benchmark::DoNotOptimize(rs.PREZZO_PZ_EURO);
    }
}
BENCHMARK(BM_EanToCode_QueryOnly)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ArticleRow_ViewOnly)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// An article as a shop has it: list price, two discounts, mark-up and VAT.
CDomainArticolo PricedArticle()
{
    Configure();
    CDomainArticolo article;
    article.Set_ALIQUOTA_IVA(Decimal(22));
    article.Set_SCONTO_1(Decimal(10), false);
    article.Set_SCONTO_2(Decimal(5), false);
    article.Set_RICARICO(Decimal(40), false);
    article.Set_PREZZO_ACQ_LISTINO_EURO(Decimal("12.34", LOCALE_INVARIANT), true, true);
    return article;
}

// Two values each setter alternates between, so that every call really recomputes.
template <typename Setter>
void PriceSetter(benchmark::State& state, Setter set, const char* a, const char* b)
{
    CDomainArticolo article = PricedArticle();
    const Decimal values[2] = {Decimal(a, LOCALE_INVARIANT), Decimal(b, LOCALE_INVARIANT)};
    int i = 0;
    for (auto _ : state) {
        set(article, values[i]);
        i ^= 1;
        benchmark::DoNotOptimize(article.Get_PREZZO_PZ_EURO_IVATO());
    }
}

void BM_Set_PREZZO_ACQ_LISTINO_EURO(benchmark::State& state)
{
    PriceSetter(state, [](CDomainArticolo& a, const Decimal& v) { a.Set_PREZZO_ACQ_LISTINO_EURO(v, true, true); },
                "12.34", "15.99");
}
void BM_Set_SCONTO_1(benchmark::State& state)
{
    PriceSetter(state, [](CDomainArticolo& a, const Decimal& v) { a.Set_SCONTO_1(v, true); }, "10", "12.5");
}
void BM_Set_PREZZO_ACQ_PZ_EURO(benchmark::State& state)
{
    PriceSetter(state, [](CDomainArticolo& a, const Decimal& v) { a.Set_PREZZO_ACQ_PZ_EURO(v, true, true); },
                "8.55", "9.10");
}
void BM_Set_RICARICO(benchmark::State& state)
{
    PriceSetter(state, [](CDomainArticolo& a, const Decimal& v) { a.Set_RICARICO(v, true); }, "40", "35.5");
}
void BM_Set_PREZZO_PZ_EURO(benchmark::State& state)
{
    PriceSetter(state, [](CDomainArticolo& a, const Decimal& v) { a.Set_PREZZO_PZ_EURO(v, true); }, "11.97", "12.50");
}
void BM_Set_PREZZO_PZ_EURO_IVATO(benchmark::State& state)
{
    PriceSetter(state, [](CDomainArticolo& a, const Decimal& v) { a.Set_PREZZO_PZ_EURO_IVATO(v, true); }, "14.60",
                "15.25");
}
void BM_SetMargine(benchmark::State& state)
{
    PriceSetter(state, [](CDomainArticolo& a, const Decimal& v) { benchmark::DoNotOptimize(a.SetMargine(v, true)); },
                "28.57", "30");
}
BENCHMARK(BM_Set_PREZZO_ACQ_LISTINO_EURO);
BENCHMARK(BM_Set_SCONTO_1);
BENCHMARK(BM_Set_PREZZO_ACQ_PZ_EURO);
BENCHMARK(BM_Set_RICARICO);
BENCHMARK(BM_Set_PREZZO_PZ_EURO);
BENCHMARK(BM_Set_PREZZO_PZ_EURO_IVATO);
BENCHMARK(BM_SetMargine);

}  // namespace

int main(int argc, char** argv)
{
    return bench_support::RunBenchmarks(argc, argv, RegisterPostgresLookups);
}
